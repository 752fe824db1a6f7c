// The truth-table dialog driven as a user drives it: the template, the list
// with its headings, rows and cells, the three buttons and their refusals, and
// a second run of the same object.

#include <gtest/gtest.h>

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "editors/Tabla_v.h"
#include "platform/MessageBox.h"
#include "platform/SpinButtonCtrl.h"
#include "tests/DialogoModal.h"
#include "tests/editors/PlantillaPrueba.h"

namespace {

using Mensajes = std::vector<std::string>;

// A system of n variables and m functions, every cell '0' but those given, as
// the document's command seeds it.
void Seed(CTabla_v& dlg, UINT variables, UINT funciones) {
    dlg.m_nVariables = variables;
    dlg.m_nFunciones = funciones;
    dlg.m_nTerminos = 1u << variables;
    dlg.m_nMascara = 1u << variables;
    for (auto& fila : dlg.m_tabla) {
        fila.fill('0');
    }
}

QTreeWidget* List(const CTabla_v& dlg) {
    return dlg.GetDlgItem<QTreeWidget>(CTabla_v::IDC_LISTA);
}

QString Cell(const CTabla_v& dlg, int fila, int columna) {
    return List(dlg)->topLevelItem(fila)->text(columna);
}

void Type(const CTabla_v& dlg, int id, const char* texto) {
    dlg.GetDlgItem<QLineEdit>(id)->setText(QString::fromUtf8(texto));
}

// Chooses the cell and presses one of the value buttons.
void Set(const CTabla_v& dlg, const char* termino, const char* funcion, int boton) {
    Type(dlg, CTabla_v::IDC_TERMINO, termino);
    Type(dlg, CTabla_v::IDC_FUNCION, funcion);
    QTest::mouseClick(dlg.GetDlgItem<QPushButton>(boton), Qt::LeftButton);
}

// ---- the template ----

TEST(Tabla_vTest, ControlsStandAtTheirPlacesWithTheirTextsAndToolTips) {
    CTabla_v dlg;
    Seed(dlg, 3, 2);
    RunWith(dlg, [] {});
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Tabla de Verdad"));
    EXPECT_EQ(dlg.size(), CDialogUnits::ToPixels(374, 194));
    const char* flechas = "Use las flechas para variar el valor dentro de los límites permitidos";
    const LugarControl lugares[] = {
        {1, Pixels(317, 7, 50, 14), "OK", "Presione para confirmar los datos ingresados"},
        {2, Pixels(317, 24, 50, 14), "Cancel",
         "Presione para salir sin modificar los datos del sistema"},
        {1032, Pixels(60, 165, 25, 12), nullptr, "Ingrese el número de término deseado"},
        {1026, Pixels(85, 165, 11, 12), nullptr, flechas},
        {1031, Pixels(141, 165, 17, 12), nullptr,
         "Ingrese la función a la que desea modificarle o ingresarle datos"},
        {1025, Pixels(158, 165, 11, 12), nullptr, flechas},
        {32737, Pixels(177, 164, 50, 15), "Imprescindible",
         "Presione para agregar el término seleccionado a la función actual"},
        {32736, Pixels(231, 164, 81, 15), "Prescindible (don't care)",
         "Agregar el término seleccionado a la función actual como don't care"},
        {32735, Pixels(316, 164, 50, 15), "Eliminar",
         "Presione para eliminar el término seleccionado de la función actual"},
        {32741, Pixels(19, 167, 38, 8), "Término n° :", nullptr},
        {32742, Pixels(101, 167, 38, 8), "Función n° :", nullptr},
        {1007, Pixels(19, 19, 279, 128), nullptr,
         "Esta tabla lista los términos y el valor que toma la función para cada uno"},
    };
    ExpectControlsAt(dlg, lugares);
    EXPECT_TRUE(dlg.GetDlgItem<QPushButton>(1)->isDefault());
    // The statics do not overlap the fields they name.
    EXPECT_LE(dlg.GetDlgItem(32741)->geometry().right(), dlg.GetDlgItem(1032)->x());
    EXPECT_LE(dlg.GetDlgItem(32742)->geometry().right(), dlg.GetDlgItem(1031)->x());
}

TEST(Tabla_vTest, HeadingsRowsAndCellsOfThreeVariablesAndTwoFunctions) {
    CTabla_v dlg;
    Seed(dlg, 3, 2);
    dlg.m_tabla[0][1] = '1';
    dlg.m_tabla[0][6] = 'X';
    dlg.m_tabla[1][7] = '1';
    QStringList encabezados;
    std::vector<int> anchos;
    QStringList filas;
    QStringList f1;
    QStringList f2;
    bool editable = true;
    RunWith(dlg, [&] {
        QTreeWidget* lista = List(dlg);
        for (int c = 0; c < lista->columnCount(); ++c) {
            encabezados << lista->headerItem()->text(c);
            anchos.push_back(lista->columnWidth(c));
        }
        for (int r = 0; r < lista->topLevelItemCount(); ++r) {
            filas << Cell(dlg, r, 0);
            f1 << Cell(dlg, r, 1);
            f2 << Cell(dlg, r, 2);
        }
        editable = lista->editTriggers() != QAbstractItemView::NoEditTriggers;
    });
    EXPECT_EQ(encabezados, (QStringList{"       término", "función1", "función2"}));
    EXPECT_EQ(anchos, (std::vector<int>{94, 56, 56}));
    EXPECT_EQ(filas, (QStringList{"   0 (000)", "   1 (001)", "   2 (010)", "   3 (011)",
                                  "   4 (100)", "   5 (101)", "   6 (110)", "   7 (111)"}));
    EXPECT_EQ(f1.join(""), QStringLiteral("010000X0"));
    EXPECT_EQ(f2.join(""), QStringLiteral("00000001"));
    EXPECT_FALSE(editable);
}

TEST(Tabla_vTest, SixVariablesGiveSixtyFourRows) {
    CTabla_v dlg;
    Seed(dlg, 6, 6);
    int filas = 0;
    QString ultima;
    QString ultimoEncabezado;
    RunWith(dlg, [&] {
        filas = List(dlg)->topLevelItemCount();
        ultima = Cell(dlg, filas - 1, 0);
        ultimoEncabezado = List(dlg)->headerItem()->text(6);
    });
    EXPECT_EQ(filas, 64);
    EXPECT_EQ(ultima, QStringLiteral("  63 (111111)"));
    EXPECT_EQ(ultimoEncabezado, QStringLiteral("función6"));
}

TEST(Tabla_vTest, RendersAtItsTemplateSize) {
    CTabla_v dlg;
    Seed(dlg, 3, 2);
    dlg.m_tabla[0][5] = '1';
    QImage imagen;
    RunWith(dlg, [&] { imagen = dlg.grab().toImage(); });
    EXPECT_EQ(imagen.size(), CDialogUnits::ToPixels(374, 194));
    const QString carpeta = qEnvironmentVariable("TARNOVEL_RENDER_DIR");
    if (!carpeta.isEmpty()) {
        imagen.save(QDir(carpeta).filePath(QStringLiteral("tabla_v.png")));
    }
    // The list's rows stand on a light ground; the dialog around it is darker.
    const QRect lista = Pixels(19, 19, 279, 128);
    EXPECT_GT(qGray(imagen.pixel(lista.right() - 20, lista.bottom() - 10)), 240);
    EXPECT_LT(qGray(imagen.pixel(lista.left() - 5, lista.center().y())), 240);
}

// ---- the three buttons ----

TEST(Tabla_vTest, EachButtonWritesTheChosenCellAtOnce) {
    CMessageCapture mensajes;
    CTabla_v dlg;
    Seed(dlg, 3, 2);
    QString trasImprescindible;
    QString trasEliminar;
    QString trasPrescindible;
    QString campos;
    const int r = RunWith(dlg, [&] {
        Set(dlg, "5", "2", CTabla_v::IDC_IMPRESCINDIBLE);
        trasImprescindible = Cell(dlg, 5, 2) + QChar::fromLatin1(dlg.m_tabla[1][5]);
        Set(dlg, "5", "2", CTabla_v::IDC_ELIMINAR);
        trasEliminar = Cell(dlg, 5, 2) + QChar::fromLatin1(dlg.m_tabla[1][5]);
        Set(dlg, " 7", "1 ", CTabla_v::IDC_PRESCINDIBLE);
        trasPrescindible = Cell(dlg, 7, 1) + QChar::fromLatin1(dlg.m_tabla[0][7]);
        campos = dlg.GetDlgItem<QLineEdit>(CTabla_v::IDC_TERMINO)->text() + "|" +
                 dlg.GetDlgItem<QLineEdit>(CTabla_v::IDC_FUNCION)->text();
        QTest::mouseClick(dlg.GetDlgItem<QPushButton>(CDialog::IDOK), Qt::LeftButton);
    });
    EXPECT_EQ(r, CDialog::IDOK);
    EXPECT_EQ(mensajes.Messages(), Mensajes{});
    EXPECT_EQ(trasImprescindible, QStringLiteral("11"));
    EXPECT_EQ(trasEliminar, QStringLiteral("00"));
    EXPECT_EQ(trasPrescindible, QStringLiteral("XX"));
    EXPECT_EQ(campos, QStringLiteral(" 7|1 "));  // the fields are left as typed
    EXPECT_EQ(dlg.m_nTermino, 7u);
    EXPECT_EQ(dlg.m_nFuncion, 1u);
}

struct Refusal {
    const char* nombre;
    const char* termino;
    const char* funcion;
    const char* mensaje;
};

void PrintTo(const Refusal& r, std::ostream* os) {
    *os << r.nombre;
}

class Tabla_vRefusalTest : public testing::TestWithParam<Refusal> {};

// The framework's message, and no button changes anything.
TEST_P(Tabla_vRefusalTest, ShowsTheMessageAndNoButtonChangesAnything) {
    const Refusal& p = GetParam();
    CMessageCapture mensajes;
    CTabla_v dlg;
    Seed(dlg, 3, 2);
    dlg.m_tabla[1][2] = 'X';
    const auto antes = dlg.m_tabla;
    QStringList celdas;
    RunWith(dlg, [&] {
        for (int boton :
             {CTabla_v::IDC_IMPRESCINDIBLE, CTabla_v::IDC_PRESCINDIBLE, CTabla_v::IDC_ELIMINAR}) {
            Set(dlg, p.termino, p.funcion, boton);
        }
        for (int r = 0; r < 8; ++r) {
            celdas << Cell(dlg, r, 1) + Cell(dlg, r, 2);
        }
    });
    EXPECT_EQ(mensajes.Messages(), Mensajes(3, p.mensaje));
    EXPECT_EQ(dlg.m_tabla, antes);
    EXPECT_EQ(celdas.join(","), QStringLiteral("00,00,0X,00,00,00,00,00"));
}

INSTANTIATE_TEST_SUITE_P(
    Tabla_v, Tabla_vRefusalTest,
    testing::Values(
        Refusal{"TermBeyondTheTable", "8", "1", "Introduzca un número entero entre 0 y 7."},
        Refusal{"FunctionBeyondM", "2", "3", "Introduzca un número entero entre 1 y 2."},
        Refusal{"FunctionZero", "2", "0", "Introduzca un número entero entre 1 y 2."},
        Refusal{"TermNotANumber", "2x", "1", "Introduzca un número entero positivo."},
        Refusal{"NegativeTerm", "-1", "1", "Introduzca un número entero positivo."},
        Refusal{"FunctionEmpty", "2", "", "Introduzca un número entero positivo."},
        Refusal{"HugeTerm", "99999999999999999999", "1", "Introduzca un número entero positivo."}),
    [](const testing::TestParamInfo<Refusal>& caso) { return std::string(caso.param.nombre); });

TEST(Tabla_vTest, SelectingARowChoosesNothing) {
    CTabla_v dlg;
    Seed(dlg, 2, 1);
    QString campos;
    RunWith(dlg, [&] {
        QTreeWidget* lista = List(dlg);
        const QRect fila = lista->visualItemRect(lista->topLevelItem(3));
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, fila.center());
        QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, fila.center());
        campos = dlg.GetDlgItem<QLineEdit>(CTabla_v::IDC_TERMINO)->text() + "|" +
                 dlg.GetDlgItem<QLineEdit>(CTabla_v::IDC_FUNCION)->text() + "|" + Cell(dlg, 3, 1);
    });
    EXPECT_EQ(campos, QStringLiteral("0|1|0"));
}

TEST(Tabla_vTest, SecondRunRebuildsTheListFromTheCellsAndKeepsTheNumbers) {
    CTabla_v dlg;
    Seed(dlg, 2, 2);
    RunWith(dlg, [&] {
        Set(dlg, "3", "2", CTabla_v::IDC_PRESCINDIBLE);
        QTest::mouseClick(dlg.GetDlgItem<QPushButton>(CDialog::IDOK), Qt::LeftButton);
    });
    QString visto;
    int filas = 0;
    RunWith(dlg, [&] {
        visto = dlg.GetDlgItem<QLineEdit>(CTabla_v::IDC_TERMINO)->text() + "|" +
                dlg.GetDlgItem<QLineEdit>(CTabla_v::IDC_FUNCION)->text() + "|" + Cell(dlg, 3, 2);
        filas = List(dlg)->topLevelItemCount();
        auto* spin = dlg.GetDlgItem<CSpinButtonCtrl>(CTabla_v::IDC_SPIN_TERMINO);
        spin->Step(true);
        visto += "|" + dlg.GetDlgItem<QLineEdit>(CTabla_v::IDC_TERMINO)->text();
    });
    EXPECT_EQ(visto, QStringLiteral("3|2|X|3"));  // the arrows stop at 2^n - 1
    EXPECT_EQ(filas, 4);
}

}  // namespace
