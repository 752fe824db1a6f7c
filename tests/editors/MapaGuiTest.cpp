// The six Karnaugh-map dialogs: their templates (every box and cell where the
// map puts its term), and the map driven as a user drives it: "Ver", the three
// buttons, typed and pasted cells, "Aceptar", OK and Cancel.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFontInfo>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QTest>
#include <map>
#include <memory>
#include <vector>

#include "editors/Mapa_k1.h"
#include "editors/Mapa_k2.h"
#include "editors/Mapa_k3.h"
#include "editors/Mapa_k4.h"
#include "platform/DialogUnits.h"
#include "platform/MessageBox.h"
#include "platform/SpinButtonCtrl.h"
#include "tests/DialogoModal.h"

namespace {

using Mensajes = std::vector<std::string>;

QRect Pixels(int x, int y, int ancho, int alto) {
    return CDialogUnits::ToPixels(x, y, ancho, alto);
}

QLineEdit* Edit(const CDialog& dlg, int id) {
    return dlg.GetDlgItem<QLineEdit>(id);
}

QLineEdit* Cell(const CDialog& dlg, UINT t) {
    return Edit(dlg, CDialogoMapa::IDC_CELDA + static_cast<int>(t));
}

// Types each character as a key press that carries it, accents and
// characters beyond the basic plane included.
void KeyClicks(QLineEdit* edit, const QString& texto) {
    for (const char32_t c : texto.toUcs4()) {
        const QString caracter = QString::fromUcs4(&c, 1);
        QKeyEvent pulsada(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, caracter);
        QApplication::sendEvent(edit, &pulsada);
        QKeyEvent soltada(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, caracter);
        QApplication::sendEvent(edit, &soltada);
    }
}

void Type(QLineEdit* edit, const QString& texto) {
    edit->selectAll();
    edit->del();
    KeyClicks(edit, texto);
}

void Type(const CDialog& dlg, int id, const char* texto) {
    Type(Edit(dlg, id), QString::fromUtf8(texto));
}

void Click(const CDialog& dlg, int id) {
    QTest::mouseClick(dlg.GetDlgItem<QPushButton>(id), Qt::LeftButton);
}

// The cells 0..T-1 as one text, one character (or "_" for an empty cell) each.
QString Cells(const CDialogoMapa& dlg) {
    QString texto;
    for (UINT t = 0; t < dlg.Terms(); ++t) {
        const QString celda = Cell(dlg, t)->text();
        texto += celda.isEmpty() ? QStringLiteral("_") : celda;
    }
    return texto;
}

// Column f of the cell array for terms 0..T-1.
std::string Column(const CDialogoMapa& dlg, UINT f) {
    std::string columna;
    for (UINT t = 0; t < dlg.Terms(); ++t) {
        columna += dlg.m_mapa[t][f];
    }
    return columna;
}

// Two functions, every cell '0', as the command seeds a new system.
void SeedZeros(CDialogoMapa& dlg, UINT funciones = 2) {
    dlg.m_nFunciones = funciones;
    for (auto& fila : dlg.m_mapa) {
        fila.fill('0');
    }
}

// ---- the six templates ----

struct Plantilla {
    UINT variables;
    const char* titulo;
    std::vector<int> columnasX;               // dialog units of the box columns
    std::vector<int> filasY;                  // and of the box rows
    std::vector<std::vector<UINT>> terminos;  // the grid, top row first
    int terminoX;
    QRect diagonal;
    const char* columnas;
    QRect columnasRect;
    const char* filas;  // nullptr: no row label
    QRect filasRect;
};

void PrintTo(const Plantilla& p, std::ostream* os) {
    *os << "Mapa_k" << p.variables;
}

template <class... T>
std::vector<int> Dlu(T... lugares) {
    return {lugares...};
}

// A grid of terms written row by row, rows parted by "/".
std::vector<std::vector<UINT>> Rows(const char* texto) {
    std::vector<std::vector<UINT>> filas(1);
    for (const QString& parte : QString::fromUtf8(texto).split(' ', Qt::SkipEmptyParts)) {
        if (parte == "/") {
            filas.emplace_back();
        } else {
            filas.back().push_back(parte.toUInt());
        }
    }
    return filas;
}

// The 4-variable grid, once for each sub-map base side by side; the 5- and
// 6-variable maps repeat it.
template <class... T>
std::vector<std::vector<UINT>> Grid(T... bases) {
    const UINT cuatro[4][4] = {{0, 4, 12, 8}, {1, 5, 13, 9}, {3, 7, 15, 11}, {2, 6, 14, 10}};
    std::vector<std::vector<UINT>> filas;
    for (const auto& fila : cuatro) {
        std::vector<UINT> terminos;
        for (UINT base : {static_cast<UINT>(bases)...}) {
            for (UINT t : fila) {
                terminos.push_back(base + t);
            }
        }
        filas.push_back(terminos);
    }
    return filas;
}

std::vector<std::vector<UINT>> SixVariables() {
    auto filas = Grid(0, 16);
    for (auto& fila : Grid(32, 48)) {
        filas.push_back(fila);
    }
    return filas;
}

class MapaTemplateTest : public testing::TestWithParam<Plantilla> {};

TEST_P(MapaTemplateTest, EveryBoxAndCellStandsWhereTheMapPutsItsTerm) {
    const Plantilla& p = GetParam();
    const auto dlg = CDialogoMapa::ForVariables(p.variables);
    SeedZeros(*dlg);
    RunWith(*dlg, [] {});
    EXPECT_EQ(dlg->windowTitle(), QString::fromUtf8(p.titulo));
    EXPECT_EQ(dlg->size(), CDialogUnits::ToPixels(326, 225));
    ASSERT_EQ(p.terminos.size(), p.filasY.size());

    std::map<QString, QLabel*> cajas;
    for (QLabel* etiqueta : dlg->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (etiqueta->objectName().isEmpty()) {
            cajas[etiqueta->text()] = etiqueta;
        }
    }
    EXPECT_EQ(cajas.size(), dlg->Terms());
    for (std::size_t fila = 0; fila < p.filasY.size(); ++fila) {
        ASSERT_EQ(p.terminos[fila].size(), p.columnasX.size());
        for (std::size_t columna = 0; columna < p.columnasX.size(); ++columna) {
            const UINT t = p.terminos[fila][columna];
            const int x = p.columnasX[columna];
            const int y = p.filasY[fila];
            QLabel* caja = cajas[QString::number(t)];
            ASSERT_NE(caja, nullptr) << t;
            EXPECT_EQ(caja->geometry(), Pixels(x, y, 21, 21)) << t;
            EXPECT_EQ(caja->alignment(), Qt::AlignLeft | Qt::AlignTop) << t;
            EXPECT_TRUE(caja->toolTip().isEmpty()) << t;
            QLineEdit* celda = Cell(*dlg, t);
            ASSERT_NE(celda, nullptr) << t;
            EXPECT_EQ(celda->geometry(), Pixels(x + 8, y + 8, 11, 11)) << t;
            EXPECT_FALSE(celda->hasFrame()) << t;
            EXPECT_TRUE(celda->toolTip().isEmpty()) << t;
        }
    }

    struct Lugar {
        int id;
        QRect dlu;
        const char* texto;  // nullptr for edits and up-down controls
    };
    const Lugar lugares[] = {
        {1, {230, 15, 80, 14}, "OK"},
        {2, {230, 32, 80, 14}, "Cancel"},
        {1031, {279, 60, 20, 12}, nullptr},
        {1025, {299, 60, 11, 12}, nullptr},
        {32739, {230, 85, 80, 15}, "Ver"},
        {32738, {230, 105, 80, 15}, "Aceptar"},
        {1032, {279, 130, 20, 12}, nullptr},
        {1026, {299, 130, 11, 12}, nullptr},
        {32737, {230, 150, 80, 15}, "Imprescindible"},
        {32736, {230, 170, 80, 15}, "Prescindible (don't care)"},
        {32735, {230, 190, 80, 15}, "Eliminar"},
    };
    for (const Lugar& l : lugares) {
        QWidget* control = dlg->GetDlgItem(l.id);
        ASSERT_NE(control, nullptr) << l.id;
        EXPECT_EQ(control->geometry(), Pixels(l.dlu.x(), l.dlu.y(), l.dlu.width(), l.dlu.height()))
            << l.id;
        if (l.texto != nullptr) {
            EXPECT_EQ(qobject_cast<QPushButton*>(control)->text(), QString::fromUtf8(l.texto));
        }
    }
    EXPECT_TRUE(dlg->GetDlgItem<QPushButton>(1)->isDefault());

    // The statics; the substitute font may widen a one-line text, never move it.
    const auto estatica = [&](int id, const char* texto, const QRect& dlu) {
        auto* etiqueta = dlg->GetDlgItem<QLabel>(id);
        ASSERT_NE(etiqueta, nullptr) << id;
        EXPECT_EQ(etiqueta->text(), QString::fromUtf8(texto)) << id;
        const QRect esperado = Pixels(dlu.x(), dlu.y(), dlu.width(), dlu.height());
        EXPECT_EQ(etiqueta->geometry().topLeft(), esperado.topLeft()) << id;
        EXPECT_EQ(etiqueta->height(), esperado.height()) << id;
        EXPECT_GE(etiqueta->width(), esperado.width()) << id;
        EXPECT_TRUE(etiqueta->toolTip().isEmpty()) << id;
    };
    estatica(32741, "Función n° :", {238, 63, 40, 8});
    estatica(32742, "Término n° :", {p.terminoX, 132, 38, 8});
    estatica(32743, "\\", p.diagonal);
    estatica(32744, p.columnas, p.columnasRect);
    if (p.filas != nullptr) {
        estatica(32745, p.filas, p.filasRect);
    } else {
        EXPECT_EQ(dlg->GetDlgItem(32745), nullptr);
    }
    // Only the diagonal has a font of its own, 22 pixels high.
    const QFont diagonal = dlg->GetDlgItem(32743)->font();
    EXPECT_GT(diagonal.pixelSize(), dlg->font().pixelSize());
    EXPECT_LE(diagonal.pixelSize(), 22);
    // The face or one of its stand-ins (the family may carry its foundry).
    const QString cara = QFontInfo(diagonal).family().section(QStringLiteral(" ["), 0, 0);
    EXPECT_TRUE(cara == "Copperplate Gothic Light" || cara == "URW Gothic" || cara == "DejaVu Sans")
        << cara.toStdString();
    EXPECT_EQ(dlg->GetDlgItem(32744)->font(), dlg->font());

    EXPECT_EQ(dlg->GetDlgItem<CSpinButtonCtrl>(1026)->GetUpper(),
              static_cast<int>(dlg->Terms()) - 1);
    EXPECT_EQ(dlg->GetDlgItem<CSpinButtonCtrl>(1025)->GetUpper(), 2);
}

TEST_P(MapaTemplateTest, TheBoxesShowWhiteOnTheDialogsColour) {
    const Plantilla& p = GetParam();
    const auto dlg = CDialogoMapa::ForVariables(p.variables);
    SeedZeros(*dlg);
    QImage imagen;
    RunWith(*dlg, [&] {
        Click(*dlg, CDialogoMapa::IDC_VER);
        imagen = dlg->grab().toImage();
    });
    const QString ruta = qEnvironmentVariable("TARNOVEL_SCREENSHOT_DIR", QDir::tempPath()) +
                         QStringLiteral("/tarnovel_Mapa_k%1.png").arg(p.variables);
    EXPECT_TRUE(imagen.save(ruta)) << ruta.toStdString();
    ASSERT_EQ(imagen.size(), dlg->size() * imagen.devicePixelRatio());
    const qreal escala = imagen.devicePixelRatio();
    const auto color = [&](int x, int y) {
        return QColor(imagen.pixel(static_cast<int>(x * escala), static_cast<int>(y * escala)));
    };
    // The box at the right of the last row: white, a black border, its number
    // in the top-left corner. The dialog around the map keeps its own colour.
    const QRect caja = Pixels(p.columnasX.back(), p.filasY.back(), 21, 21);
    EXPECT_EQ(color(caja.right() - 3, caja.top() + 3), QColor(Qt::white));
    EXPECT_EQ(color(caja.right(), caja.center().y()), QColor(Qt::black));
    int oscuros = 0;
    for (int y = caja.top() + 1; y < caja.top() + 12; ++y) {
        for (int x = caja.left() + 2; x < caja.left() + 12; ++x) {
            oscuros += color(x, y).lightness() < 128 ? 1 : 0;
        }
    }
    EXPECT_GT(oscuros, 3);
    const QRect fuera = Pixels(5, 5, 1, 1);
    EXPECT_NE(color(fuera.x(), fuera.y()), QColor(Qt::white));
}

INSTANTIATE_TEST_SUITE_P(
    Dialogos, MapaTemplateTest,
    testing::Values(
        Plantilla{1, "Mapa K de 1 variable", Dlu(90, 110), Dlu(94), Rows("0 1"), 237,
                  QRect(84, 83, 8, 11), "A", QRect(92, 84, 8, 8), nullptr, QRect()},
        Plantilla{2, "Mapa K de 2 variables", Dlu(90, 110), Dlu(83, 103), Rows("0 2 / 1 3"), 237,
                  QRect(84, 72, 8, 11), "A", QRect(92, 73, 8, 8), "B", QRect(82, 82, 8, 8)},
        Plantilla{3, "Mapa K de 3 variables", Dlu(77, 97, 117, 137), Dlu(83, 103),
                  Rows("0 2 6 4 / 1 3 7 5"), 237, QRect(71, 72, 8, 11), "AB", QRect(79, 73, 9, 8),
                  "C", QRect(69, 83, 8, 8)},
        Plantilla{4, "Mapa K de 4 variables", Dlu(77, 97, 117, 137), Dlu(70, 90, 110, 130), Grid(0),
                  237, QRect(71, 59, 8, 11), "AB", QRect(79, 60, 9, 8), "CD", QRect(66, 69, 9, 8)},
        Plantilla{5, "Mapa K de 5 variables", Dlu(32, 52, 72, 92, 132, 152, 172, 192),
                  Dlu(70, 90, 110, 130), Grid(0, 16), 239, QRect(26, 59, 8, 11), "ABC",
                  QRect(34, 61, 15, 8), "DE", QRect(20, 69, 9, 8)},
        Plantilla{6, "Mapa K de 6 variables", Dlu(35, 55, 75, 95, 135, 155, 175, 195),
                  Dlu(24, 44, 64, 84, 124, 144, 164, 184), SixVariables(), 233,
                  QRect(29, 13, 8, 11), "BCD", QRect(37, 15, 15, 8), "AEF", QRect(19, 23, 14, 8)}),
    [](const testing::TestParamInfo<Plantilla>& caso) {
        return "Mapa_k" + std::to_string(caso.param.variables);
    });

// A dark colour scheme writes light text on dark fields; the cells lie on the
// boxes' forced white and must keep a dark text of their own.
TEST(MapaTest, TheCellsWriteDarkOnTheirWhiteBoxesUnderADarkScheme) {
    const QPalette anterior = QApplication::palette();
    QPalette oscura(QColor(40, 40, 40));
    oscura.setColor(QPalette::Base, QColor(30, 30, 30));
    oscura.setColor(QPalette::Text, Qt::white);
    oscura.setColor(QPalette::WindowText, Qt::white);
    QApplication::setPalette(oscura);
    for (UINT variables = 1; variables <= 6; ++variables) {
        const auto dlg = CDialogoMapa::ForVariables(variables);
        for (UINT t = 0; t < dlg->Terms(); ++t) {
            const QPalette colores = Cell(*dlg, t)->palette();
            EXPECT_LT(colores.color(QPalette::Active, QPalette::Text).lightness(), 80)
                << variables << " variables, term " << t;
            EXPECT_LT(colores.color(QPalette::Inactive, QPalette::Text).lightness(), 80);
            EXPECT_EQ(colores.color(QPalette::Base).alpha(), 0);
        }
    }
    QApplication::setPalette(anterior);
}

TEST(MapaTest, ToolTipsOfTheControlsAndNoneOnTheLabels) {
    CMapa_k3 dlg;
    SeedZeros(dlg);
    RunWith(dlg, [] {});
    const std::pair<int, const char*> esperados[] = {
        {1, "Presione para confirmar los datos ingresados"},
        {2, "Presione para salir sin modificar los datos del sistema"},
        {1025, "Use las flechas para variar el valor dentro de los límites permitidos"},
        {1026, "Use las flechas para variar el valor dentro de los límites permitidos"},
        {1031, "Ingrese la función a la que desea modificarle o ingresarle datos"},
        {1032, "Ingrese el número de término deseado"},
        {32735, "Presione para eliminar el término seleccionado de la función actual"},
        {32736, "Agregar el término seleccionado a la función actual como don't care"},
        {32737, "Presione para agregar el término seleccionado a la función actual"},
        {32738, "Presione para confirmar los datos de la función actual"},
        {32739, "Presione para ver, si los hay, los datos de la función actual "},
    };
    for (const auto& [id, texto] : esperados) {
        EXPECT_EQ(dlg.GetDlgItem(id)->toolTip(), QString::fromUtf8(texto)) << id;
    }
    for (int id = 32741; id <= 32745; ++id) {
        EXPECT_TRUE(dlg.GetDlgItem(id)->toolTip().isEmpty()) << id;
    }
}

// Also run with large fonts (a font resolution above 96 dpi without scaling):
// the template's font then takes more pixels, and so must its controls.
TEST(MapaTest, TextsFitTheirControlsAtTheFontsResolution) {
    CMapa_k4 dlg;
    SeedZeros(dlg);
    RunWith(dlg, [] {});
    for (UINT t = 0; t < dlg.Terms(); ++t) {
        const QLineEdit* celda = Cell(dlg, t);
        // The box's number, in the box's top-left corner, ends above its cell.
        const QLabel* caja = nullptr;
        for (const QLabel* etiqueta : dlg.findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
            if (etiqueta->text() == QString::number(t)) {
                caja = etiqueta;
            }
        }
        ASSERT_NE(caja, nullptr) << t;
        EXPECT_LE(caja->y() + caja->frameWidth() + QFontMetrics(caja->font(), caja).ascent(),
                  celda->y())
            << t;
    }
    for (const auto& [rotulo, campo] :
         {std::pair{CDialogoMapa::IDC_STATIC_FUNCION, CDialogoMapa::IDC_FUNCION},
          std::pair{CDialogoMapa::IDC_STATIC_TERMINO, CDialogoMapa::IDC_TERMINO}}) {
        const auto* etiqueta = dlg.GetDlgItem<QLabel>(rotulo);
        const int ancho =
            QFontMetrics(etiqueta->font(), etiqueta).horizontalAdvance(etiqueta->text());
        EXPECT_LE(etiqueta->x() + ancho, dlg.GetDlgItem(campo)->x()) << rotulo;
    }
}

// ---- "Ver", "Aceptar" and the three buttons ----

TEST(MapaTest, OpensEmptyAndAceptarNeedsEveryCellAndARequiredTerm) {
    CMessageCapture mensajes;
    CMapa_k2 dlg;
    SeedZeros(dlg);
    QString alAbrir;
    QString trasVer;
    RunWith(dlg, [&] {
        alAbrir = Edit(dlg, 1031)->text() + "|" + Edit(dlg, 1032)->text() + "|" + Cells(dlg);
        Click(dlg, CDialogoMapa::IDC_ACEPTAR);
        Click(dlg, CDialogoMapa::IDC_VER);
        trasVer = Cells(dlg);
        Click(dlg, CDialogoMapa::IDC_ACEPTAR);
    });
    EXPECT_EQ(alAbrir, QStringLiteral("1|0|____"));
    EXPECT_EQ(trasVer, QStringLiteral("0000"));
    EXPECT_EQ(
        mensajes.Messages(),
        (Mensajes{"Error de sintaxis", "La función debe tener al menos un término imprecindible"}));
    EXPECT_EQ(Column(dlg, 0), "0000");
}

TEST(MapaTest, AceptarStoresOnesAndDontCaresAndLeavesTheLowerCaseX) {
    CMessageCapture mensajes;
    CMapa_k2 dlg;
    SeedZeros(dlg);
    QString celdas;
    const int r = RunWith(dlg, [&] {
        Click(dlg, CDialogoMapa::IDC_VER);
        Type(Cell(dlg, 1), QStringLiteral("x"));
        Type(Cell(dlg, 2), QStringLiteral("1"));
        Type(Cell(dlg, 3), QStringLiteral("X"));
        Click(dlg, CDialogoMapa::IDC_ACEPTAR);
        celdas = Cells(dlg);
        Click(dlg, CDialog::IDOK);
    });
    EXPECT_EQ(r, CDialog::IDOK);
    EXPECT_EQ(mensajes.Messages(), Mensajes{});
    EXPECT_EQ(Column(dlg, 0), "0X1X");
    EXPECT_EQ(Column(dlg, 1), "0000");
    EXPECT_EQ(celdas, QStringLiteral("0x1X"));
}

TEST(MapaTest, ABlankOrAnyOtherCharacterIsASyntaxError) {
    for (const QString& malo :
         {QStringLiteral(" "), QStringLiteral("2"), QStringLiteral("ñ"), QStringLiteral("😀")}) {
        CMessageCapture mensajes;
        CMapa_k2 dlg;
        SeedZeros(dlg);
        RunWith(dlg, [&] {
            Click(dlg, CDialogoMapa::IDC_VER);
            Type(Cell(dlg, 0), QStringLiteral("1"));
            Type(Cell(dlg, 3), malo);
            Click(dlg, CDialogoMapa::IDC_ACEPTAR);
        });
        EXPECT_EQ(mensajes.Messages(), Mensajes{"Error de sintaxis"}) << malo.toStdString();
        EXPECT_EQ(Column(dlg, 0), "0000") << malo.toStdString();
    }
}

TEST(MapaTest, ACellHoldsOneCharacterWhateverIsTypedOrPasted) {
    CMessageCapture mensajes;
    CMapa_k2 dlg;
    SeedZeros(dlg);
    QString celdas;
    RunWith(dlg, [&] {
        Click(dlg, CDialogoMapa::IDC_VER);
        // A second character typed into a full cell changes nothing.
        KeyClicks(Cell(dlg, 0), QStringLiteral("1"));
        // A paste keeps its first character, and never half of one.
        QApplication::clipboard()->setText(QStringLiteral("1abc"));
        Cell(dlg, 1)->selectAll();
        Cell(dlg, 1)->paste();
        QApplication::clipboard()->setText(QStringLiteral("😀1"));
        Cell(dlg, 2)->selectAll();
        Cell(dlg, 2)->paste();
        celdas = Cells(dlg);
        Click(dlg, CDialogoMapa::IDC_ACEPTAR);
    });
    EXPECT_EQ(celdas, QStringLiteral("01😀0"));
    EXPECT_EQ(mensajes.Messages(), Mensajes{"Error de sintaxis"});
}

TEST(MapaTest, TheButtonsSetTheSelectedTermsCellOnly) {
    CMessageCapture mensajes;
    CMapa_k4 dlg;
    SeedZeros(dlg);
    QLineEdit* enColumna3Fila2 = nullptr;
    QString celdas;
    RunWith(dlg, [&] {
        Click(dlg, CDialogoMapa::IDC_VER);
        Type(dlg, CDialogoMapa::IDC_TERMINO, "13");
        Click(dlg, CDialogoMapa::IDC_IMPRESCINDIBLE);
        Type(dlg, CDialogoMapa::IDC_TERMINO, "2");
        Click(dlg, CDialogoMapa::IDC_PRESCINDIBLE);
        Type(dlg, CDialogoMapa::IDC_TERMINO, "2");
        Click(dlg, CDialogoMapa::IDC_IMPRESCINDIBLE);
        Click(dlg, CDialogoMapa::IDC_ELIMINAR);
        Type(dlg, CDialogoMapa::IDC_TERMINO, "7");
        Click(dlg, CDialogoMapa::IDC_PRESCINDIBLE);
        celdas = Cells(dlg);
        // The third column from the left, the second row from the top.
        const QRect lugar = Pixels(117 + 8, 90 + 8, 11, 11);
        for (QLineEdit* e : dlg.findChildren<QLineEdit*>()) {
            if (e->geometry() == lugar) {
                enColumna3Fila2 = e;
            }
        }
    });
    ASSERT_NE(enColumna3Fila2, nullptr);
    EXPECT_EQ(enColumna3Fila2->text(), QStringLiteral("1"));
    EXPECT_EQ(celdas, QStringLiteral("0000000X00000100"));
    EXPECT_EQ(mensajes.Messages(), Mensajes{});
    // The cells are a working copy: nothing reached the array.
    EXPECT_EQ(Column(dlg, 0), std::string(16, '0'));
}

TEST(MapaTest, ABadNumberShowsTheFrameworksMessageAndChangesNoCell) {
    struct Caso {
        const char* funcion;
        const char* termino;
        const char* mensaje;
    };
    const Caso casos[] = {
        {"1", "16", "Introduzca un número entero entre 0 y 15."},
        {"3", "1", "Introduzca un número entero entre 1 y 2."},
        {"1", "-1", "Introduzca un número entero positivo."},
        {"uno", "1", "Introduzca un número entero positivo."},
    };
    for (const Caso& c : casos) {
        for (int boton :
             {CDialogoMapa::IDC_IMPRESCINDIBLE, CDialogoMapa::IDC_PRESCINDIBLE,
              CDialogoMapa::IDC_ELIMINAR, CDialogoMapa::IDC_VER, CDialogoMapa::IDC_ACEPTAR}) {
            CMessageCapture mensajes;
            CMapa_k4 dlg;
            SeedZeros(dlg);
            dlg.m_mapa[5][0] = '1';
            QString celdas;
            RunWith(dlg, [&] {
                Type(Cell(dlg, 5), QStringLiteral("1"));
                Type(dlg, CDialogoMapa::IDC_FUNCION, c.funcion);
                Type(dlg, CDialogoMapa::IDC_TERMINO, c.termino);
                Click(dlg, boton);
                celdas = Cells(dlg);
            });
            EXPECT_EQ(mensajes.Messages(), Mensajes{c.mensaje}) << c.termino << " " << boton;
            EXPECT_EQ(celdas, QStringLiteral("_____1__________")) << boton;
            EXPECT_EQ(Column(dlg, 0), "0000010000000000") << boton;
        }
    }
}

TEST(MapaTest, VerShowsTheStoredColumnAndDropsWhatWasNotAccepted) {
    CMessageCapture mensajes;
    CMapa_k3 dlg;
    SeedZeros(dlg);
    dlg.m_mapa[6][1] = 'X';
    dlg.m_mapa[7][1] = '1';
    QString segunda;
    QString primera;
    RunWith(dlg, [&] {
        Click(dlg, CDialogoMapa::IDC_VER);
        Type(Cell(dlg, 4), QStringLiteral("1"));
        Click(dlg, CDialogoMapa::IDC_ACEPTAR);
        Type(Cell(dlg, 0), QStringLiteral("1"));  // never accepted
        Type(dlg, CDialogoMapa::IDC_FUNCION, "2");
        Click(dlg, CDialogoMapa::IDC_VER);
        segunda = Cells(dlg);
        Type(dlg, CDialogoMapa::IDC_FUNCION, "1");
        Click(dlg, CDialogoMapa::IDC_VER);
        primera = Cells(dlg);
    });
    EXPECT_EQ(segunda, QStringLiteral("000000X1"));
    EXPECT_EQ(primera, QStringLiteral("00001000"));
    EXPECT_EQ(mensajes.Messages(), Mensajes{});
}

TEST(MapaTest, AceptarWithoutVerStoresTheCellsUnderTheNewlyChosenFunction) {
    CMapa_k1 dlg;
    SeedZeros(dlg);
    dlg.m_mapa[0][0] = '1';
    RunWith(dlg, [&] {
        Type(Cell(dlg, 0), QStringLiteral("X"));
        Type(Cell(dlg, 1), QStringLiteral("1"));
        Type(dlg, CDialogoMapa::IDC_FUNCION, "2");
        Click(dlg, CDialogoMapa::IDC_ACEPTAR);
    });
    EXPECT_EQ(Column(dlg, 0), "10");
    EXPECT_EQ(Column(dlg, 1), "X1");
}

TEST(MapaTest, OkWithoutAceptarAndCancelStoreNothing) {
    for (const int boton : {int(CDialog::IDOK), int(CDialog::IDCANCEL)}) {
        CMapa_k2 dlg;
        SeedZeros(dlg);
        const int r = RunWith(dlg, [&] {
            Click(dlg, CDialogoMapa::IDC_VER);
            Type(Cell(dlg, 2), QStringLiteral("1"));
            Click(dlg, boton);
        });
        EXPECT_EQ(r, boton);
        EXPECT_EQ(Column(dlg, 0), "0000");
    }
}

}  // namespace
