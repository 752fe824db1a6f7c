// The minterm and maxterm list dialogs driven as a user drives them: typing,
// "Aceptar", "Ver", OK and Cancel, and a second run of the same object.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "editors/Listamax.h"
#include "editors/Listamin.h"
#include "platform/DialogUnits.h"
#include "platform/MessageBox.h"
#include "platform/SpinButtonCtrl.h"
#include "tests/DialogoModal.h"

namespace {

using Mensajes = std::vector<std::string>;

QLineEdit* Edit(const CDialogoLista& dlg, int id) {
    return dlg.GetDlgItem<QLineEdit>(id);
}

void Type(const CDialogoLista& dlg, int id, const char* texto) {
    QLineEdit* edit = Edit(dlg, id);
    edit->clear();
    QTest::keyClicks(edit, QString::fromUtf8(texto));
}

void Click(const CDialogoLista& dlg, int id) {
    QTest::mouseClick(dlg.GetDlgItem<QPushButton>(id), Qt::LeftButton);
}

// Types the function number and both lists, then presses "Aceptar".
void Accept(const CDialogoLista& dlg, const char* funcion, const char* imp, const char* dc) {
    Type(dlg, CDialogoLista::IDC_FUNCION, funcion);
    Type(dlg, CDialogoLista::IDC_IMPRESCINDIBLES, imp);
    Type(dlg, CDialogoLista::IDC_PRESCINDIBLES, dc);
    Click(dlg, CDialogoLista::IDC_ACEPTAR);
}

QString Text(const CDialogoLista& dlg, int id) {
    return Edit(dlg, id)->text();
}

// A 3-variable, 2-function system, as the document's command seeds it.
void Seed(CDialogoLista& dlg) {
    dlg.m_nFunciones = 2;
    dlg.m_nVariables = 3;
    dlg.m_nTerminos = 8;
    dlg.m_strListaImp[0] = "1,3";
    dlg.m_strListaDc[0] = "5";
    dlg.m_strListaImp[1] = "0";
}

// ---- the two templates ----

struct Plantilla {
    const char* nombre;
    std::function<std::unique_ptr<CDialogoLista>()> crear;
    const char* titulo;
    const char* signo;
    QRect signoRect;  // dialog units
    const char* abre;
    QRect abreRect;
    const char* medio;
    QRect medioRect;
    QRect cierreRect;
    QRect prescindiblesRect;
    QRect instruccionesRect;
    const char* instrucciones;
};

void PrintTo(const Plantilla& p, std::ostream* os) {
    *os << p.nombre;
}

class TemplateTest : public testing::TestWithParam<Plantilla> {};

QRect Pixels(const QRect& dlu) {
    return CDialogUnits::ToPixels(dlu.x(), dlu.y(), dlu.width(), dlu.height());
}

TEST_P(TemplateTest, ControlsStandAtTheirPlacesWithTheirTexts) {
    const Plantilla& p = GetParam();
    const auto dlg = p.crear();
    RunWith(*dlg, [] {});
    EXPECT_EQ(dlg->windowTitle(), QString::fromUtf8(p.titulo));
    EXPECT_EQ(dlg->size(), CDialogUnits::ToPixels(286, 114));
    struct Lugar {
        int id;
        QRect dlu;
        const char* texto;  // nullptr for edits and the up-down control
    };
    const Lugar lugares[] = {
        {1033, {42, 81, 72, 13}, nullptr},
        {1034, p.prescindiblesRect, nullptr},
        {1031, {71, 21, 20, 12}, nullptr},
        {1025, {91, 21, 11, 12}, nullptr},
        {32739, {140, 19, 35, 16}, "Ver"},
        {1, {229, 7, 50, 14}, "OK"},
        {2, {229, 24, 50, 14}, "Cancel"},
        {32738, {232, 78, 35, 16}, "Aceptar"},
        {32741, {28, 24, 40, 8}, "Función n° :"},
        {32742, p.instruccionesRect, p.instrucciones},
        {32743, p.signoRect, p.signo},
        {32744, p.abreRect, p.abre},
        {32745, p.medioRect, p.medio},
        {32746, p.cierreRect, ")"},
    };
    for (const Lugar& l : lugares) {
        QWidget* control = dlg->GetDlgItem(l.id);
        ASSERT_NE(control, nullptr) << l.id;
        EXPECT_EQ(control->geometry(), Pixels(l.dlu)) << l.id;
        if (l.texto == nullptr) {
            continue;
        }
        const auto* boton = qobject_cast<QPushButton*>(control);
        const auto* etiqueta = qobject_cast<QLabel*>(control);
        EXPECT_EQ(boton != nullptr ? boton->text() : etiqueta->text(), QString::fromUtf8(l.texto))
            << l.id;
    }
    EXPECT_TRUE(dlg->GetDlgItem<QPushButton>(1)->isDefault());
    // The fixed texts fit their statics whole, whatever face stands in for the
    // templates' font.
    for (int id : {32741, 32742}) {
        const auto* etiqueta = dlg->GetDlgItem<QLabel>(id);
        const QRect caja(QPoint(0, 0), etiqueta->size());
        const QRect necesita =
            QFontMetrics(etiqueta->font())
                .boundingRect(caja, Qt::AlignLeft | Qt::TextWordWrap, etiqueta->text());
        EXPECT_LE(necesita.height(), caja.height()) << id;
        EXPECT_LE(necesita.width(), caja.width()) << id;
    }
    // The sign is drawn large, the brackets in the formula's font.
    EXPECT_GE(dlg->GetDlgItem(32743)->font().pixelSize(), 24);
    for (int id : {32744, 32745, 32746}) {
        EXPECT_EQ(dlg->GetDlgItem(id)->font(), dlg->GetDlgItem(32744)->font()) << id;
        EXPECT_GT(dlg->GetDlgItem(id)->font().pixelSize(), dlg->font().pixelSize()) << id;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Dialogos, TemplateTest,
    testing::Values(
        Plantilla{"Listamin", [] { return std::make_unique<CListamin>(); }, "Lista de Mintérminos",
                  "Σ", QRect(13, 77, 11, 16), "m(", QRect(25, 80, 17, 14), ")+d(",
                  QRect(114, 80, 26, 16), QRect(220, 80, 8, 13), QRect(141, 81, 79, 12),
                  QRect(13, 47, 260, 25),
                  "Ingrese los mintérminos de cada función como números decimales separados por "
                  "comas, colocando en m los imprescindibles y en d los prescindibles o don't "
                  "care. Presione Aceptar cuando termine de ingresar los datos de cada función."},
        Plantilla{"Listamax", [] { return std::make_unique<CListamax>(); }, "Lista de Maxtérminos",
                  "Π", QRect(11, 76, 15, 16), "M(", QRect(24, 80, 17, 14), ") D(",
                  QRect(114, 80, 26, 14), QRect(219, 80, 8, 13), QRect(140, 81, 79, 12),
                  QRect(11, 46, 266, 25),
                  "Ingrese los maxtérminos de cada función como números decimales separados por "
                  "comas, colocando en M los imprescindibles y en D los prescindibles o don't "
                  "care. Presione Aceptar cuando termine de ingresar los datos de cada función."}),
    [](const testing::TestParamInfo<Plantilla>& prueba) {
        return std::string(prueba.param.nombre);
    });

TEST(ListaTest, ToolTipsOfTheControlsAndNoneOnTheStatics) {
    CListamin dlg;
    RunWith(dlg, [] {});
    const std::pair<int, const char*> esperados[] = {
        {1, "Presione para confirmar los datos ingresados"},
        {2, "Presione para salir sin modificar los datos del sistema"},
        {1025, "Use las flechas para variar el valor dentro de los límites permitidos"},
        {1031, "Ingrese la función a la que desea modificarle o ingresarle datos"},
        {1033, "Acá van los imprescindibles"},
        {1034, "Acá van los prescindibles o don't care"},
        {32738, "Presione para confirmar los datos de la función actual"},
        {32739, "Presione para ver, si los hay, los datos de la función actual "},
    };
    for (const auto& [id, texto] : esperados) {
        EXPECT_EQ(dlg.GetDlgItem(id)->toolTip(), QString::fromUtf8(texto)) << id;
    }
    for (int id = 32741; id <= 32746; ++id) {
        EXPECT_TRUE(dlg.GetDlgItem(id)->toolTip().isEmpty()) << id;
    }
}

// ---- "Aceptar", "Ver", OK and Cancel ----

TEST(ListaTest, OpensOnFunctionOneWithEmptyEditsAndTheArrowsStopAtM) {
    CListamin dlg;
    Seed(dlg);
    QString alAbrir;
    QString trasSubir;
    RunWith(dlg, [&] {
        alAbrir = Text(dlg, 1031) + "|" + Text(dlg, 1033) + "|" + Text(dlg, 1034);
        auto* spin = dlg.GetDlgItem<CSpinButtonCtrl>(1025);
        spin->Step(true);
        spin->Step(true);
        trasSubir = Text(dlg, 1031);
    });
    EXPECT_EQ(alAbrir, QStringLiteral("1||"));
    EXPECT_EQ(trasSubir, QStringLiteral("2"));
}

TEST(ListaTest, AceptarStoresTheListsAsTypedUnderTheSelectedFunction) {
    CMessageCapture mensajes;
    CListamax dlg;
    Seed(dlg);
    QString editsTrasAceptar;
    const int r = RunWith(dlg, [&] {
        // Another function chosen without "Ver": the edits are stored under it.
        Accept(dlg, "2", " 7,2 ,2", "06");
        editsTrasAceptar = Text(dlg, 1033) + "|" + Text(dlg, 1034);
        Click(dlg, CDialog::IDOK);
    });
    EXPECT_EQ(r, CDialog::IDOK);
    EXPECT_EQ(mensajes.Messages(), Mensajes{});
    EXPECT_EQ(editsTrasAceptar, QStringLiteral(" 7,2 ,2|06"));
    EXPECT_EQ(dlg.m_strListaImp[1], " 7,2 ,2");
    EXPECT_EQ(dlg.m_strListaDc[1], "06");
    EXPECT_EQ(dlg.m_strListaImp[0], "1,3");
    EXPECT_EQ(dlg.m_strListaDc[0], "5");
}

struct CasoRechazo {
    const char* funcion;
    const char* imp;
    const char* dc;
    const char* mensaje;
};

void PrintTo(const CasoRechazo& c, std::ostream* os) {
    *os << c.funcion << " \"" << c.imp << "\" \"" << c.dc << '"';
}

class RefusalTest : public testing::TestWithParam<CasoRechazo> {};

TEST_P(RefusalTest, ShowsOneMessageStoresNothingAndStaysOpen) {
    const CasoRechazo& c = GetParam();
    CMessageCapture mensajes;
    CListamin dlg;
    Seed(dlg);
    bool abierto = false;
    RunWith(dlg, [&] {
        Accept(dlg, c.funcion, c.imp, c.dc);
        abierto = dlg.isVisible();
    });
    EXPECT_TRUE(abierto);
    EXPECT_EQ(mensajes.Messages(), Mensajes{c.mensaje});
    EXPECT_EQ(dlg.m_strListaImp[0], "1,3");
    EXPECT_EQ(dlg.m_strListaDc[0], "5");
    EXPECT_EQ(dlg.m_strListaImp[1], "0");
    EXPECT_EQ(dlg.m_strListaDc[1], "");
}

INSTANTIATE_TEST_SUITE_P(
    Casos, RefusalTest,
    testing::Values(CasoRechazo{"1", "1,2", "2", "El termino 2 esta repetido"},
                    CasoRechazo{"1", "8", "", "Ingresó un término fuera de rango"},
                    CasoRechazo{"2", "1", "a", "Error. Usó algún caracter inválido"},
                    CasoRechazo{"1", "", "3",
                                "La función debe tener al menos un término imprecindible"},
                    CasoRechazo{"3", "1", "", "Introduzca un número entero entre 1 y 2."},
                    CasoRechazo{"uno", "1", "", "Introduzca un número entero positivo."}));

TEST(ListaTest, VerShowsTheStoredListsOfTheChosenFunction) {
    CMessageCapture mensajes;
    CListamin dlg;
    Seed(dlg);
    QString primera;
    QString segunda;
    QString fuera;
    RunWith(dlg, [&] {
        Type(dlg, 1033, "6");
        Click(dlg, CDialogoLista::IDC_VER);
        primera = Text(dlg, 1033) + "|" + Text(dlg, 1034);
        Type(dlg, 1031, "2");
        Click(dlg, CDialogoLista::IDC_VER);
        segunda = Text(dlg, 1033) + "|" + Text(dlg, 1034);
        Type(dlg, 1031, "3");
        Click(dlg, CDialogoLista::IDC_VER);
        fuera = Text(dlg, 1033) + "|" + Text(dlg, 1034);
    });
    EXPECT_EQ(primera, QStringLiteral("1,3|5"));
    EXPECT_EQ(segunda, QStringLiteral("0|"));
    // A refused number shows its message and leaves the edits alone.
    EXPECT_EQ(fuera, segunda);
    EXPECT_EQ(mensajes.Messages(), Mensajes{"Introduzca un número entero entre 1 y 2."});
}

TEST(ListaTest, OkWithoutAceptarAndCancelStoreNothing) {
    for (const int boton : {int(CDialog::IDOK), int(CDialog::IDCANCEL)}) {
        CListamin dlg;
        Seed(dlg);
        const int r = RunWith(dlg, [&] {
            Type(dlg, 1033, "2,4");
            Type(dlg, 1034, "6");
            Click(dlg, boton);
        });
        EXPECT_EQ(r, boton);
        EXPECT_EQ(dlg.m_strListaImp[0], "1,3");
        EXPECT_EQ(dlg.m_strListaDc[0], "5");
    }
}

TEST(ListaTest, ARunAgainShowsEverythingAsTheUserLeftIt) {
    CListamin dlg;
    Seed(dlg);
    RunWith(dlg, [&] {
        Accept(dlg, "2", "4", "6");
        Type(dlg, 1033, "2");
        Click(dlg, CDialog::IDOK);
    });
    QString segundaVez;
    QString vistoF1;
    RunWith(dlg, [&] {
        segundaVez = Text(dlg, 1031) + "|" + Text(dlg, 1033) + "|" + Text(dlg, 1034);
        Type(dlg, 1031, "1");
        Click(dlg, CDialogoLista::IDC_VER);
        vistoF1 = Text(dlg, 1033) + "|" + Text(dlg, 1034);
    });
    // The number and the edits as they were when OK closed it.
    EXPECT_EQ(segundaVez, QStringLiteral("2|2|6"));
    EXPECT_EQ(vistoF1, QStringLiteral("1,3|5"));
    EXPECT_EQ(dlg.m_strListaImp[1], "4");
    EXPECT_EQ(dlg.m_strListaDc[1], "6");
}

}  // namespace
