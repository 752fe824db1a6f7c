// The dialog base, its data exchange and the tool-tip rule, on a small dialog
// driven as a user drives it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <vector>

#include "platform/Dialog.h"
#include "platform/MessageBox.h"
#include "platform/QtMessageBox.h"
#include "platform/SpinButtonCtrl.h"
#include "tests/DialogoModal.h"

namespace {

class CPrueba : public CDialog {
public:
    CPrueba() : CDialog(QStringLiteral("Prueba"), 184, 114) {
        AddButton(IDOK, QStringLiteral("OK"), 127, 7, 50, 14, true);
        AddButton(IDCANCEL, QStringLiteral("Cancel"), 127, 24, 50, 14);
        m_pPrimero = AddEdit(1036, 110, 69, 20, 12);
        m_pSegundo = AddEdit(1035, 110, 44, 20, 12);
        m_pTexto = AddEdit(4000, 10, 90, 100, 12);
        AddStatic(-1, QStringLiteral("Sin id"), 10, 10, 50, 8);
        AddStatic(32741, QStringLiteral("Sin texto"), 10, 20, 50, 8);
        AddStatic(4001, QStringLiteral("Propio"), 10, 30, 50, 8);
    }
    UINT m_nFunciones = 1;
    UINT m_nVariables = 1;
    std::string m_strTexto;
    QLineEdit* m_pPrimero;
    QLineEdit* m_pSegundo;
    QLineEdit* m_pTexto;

protected:
    void DoDataExchange(CDataExchange& dx) override {
        DDX_Text(dx, m_pPrimero, m_nFunciones);
        DDV_MinMaxUInt(dx, m_nFunciones, 1, 6);
        DDX_Text(dx, m_pSegundo, m_nVariables);
        DDV_MinMaxUInt(dx, m_nVariables, 1, 6);
        DDX_Text(dx, m_pTexto, m_strTexto);
    }
    std::span<const SStringResource> ToolTipStrings() const override {
        static constexpr SStringResource kPropias[] = {{4001, "Texto propio"},
                                                       {1035, "Sustituido"}};
        return kPropias;
    }
};

// Runs the dialog modally and acts on it once its loop is running.

struct CasoNumero {
    const char* funciones;
    const char* variables;
    int fallido;          // the edit that fails: 0 functions, 1 variables, -1 none
    const char* mensaje;  // "" when none
};

void PrintTo(const CasoNumero& caso, std::ostream* os) {
    *os << '"' << caso.funciones << "\" / \"" << caso.variables << '"';
}

class DialogExchangeTest : public ::testing::TestWithParam<CasoNumero> {};

TEST_P(DialogExchangeTest, ValidatesFunctionsBeforeVariablesAndStaysOpenOnError) {
    const CasoNumero caso = GetParam();
    CMessageCapture mensajes;
    CPrueba dlg;
    dlg.m_nFunciones = 2;
    dlg.m_nVariables = 3;
    bool abiertoTrasOk = false;
    QWidget* foco = nullptr;
    const int r = RunWith(dlg, [&] {
        dlg.m_pPrimero->setText(QString::fromUtf8(caso.funciones));
        dlg.m_pSegundo->setText(QString::fromUtf8(caso.variables));
        QTest::mouseClick(dlg.GetDlgItem<QPushButton>(CDialog::IDOK), Qt::LeftButton);
        abiertoTrasOk = dlg.isVisible();
        foco = QApplication::focusWidget();
    });
    if (caso.fallido < 0) {
        EXPECT_EQ(r, CDialog::IDOK);
        EXPECT_TRUE(mensajes.Messages().empty());
        EXPECT_EQ(dlg.m_nFunciones, std::stoul(caso.funciones));
        EXPECT_EQ(dlg.m_nVariables, std::stoul(caso.variables));
    } else {
        EXPECT_TRUE(abiertoTrasOk);
        ASSERT_EQ(mensajes.Messages().size(), 1u);
        EXPECT_EQ(mensajes.Messages()[0], caso.mensaje);
        EXPECT_EQ(foco, caso.fallido == 0 ? dlg.m_pPrimero : dlg.m_pSegundo);
        if (caso.fallido == 0) {
            EXPECT_EQ(dlg.m_nVariables, 3u) << "a failed exchange stops before the next member";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Numeros, DialogExchangeTest,
    ::testing::Values(CasoNumero{"1", "6", -1, ""}, CasoNumero{"6", "1", -1, ""},
                      CasoNumero{" 4 ", "+2", -1, ""},
                      CasoNumero{"0", "7", 0, "Introduzca un número entero entre 1 y 6."},
                      CasoNumero{"7", "3", 0, "Introduzca un número entero entre 1 y 6."},
                      CasoNumero{"3", "9", 1, "Introduzca un número entero entre 1 y 6."},
                      CasoNumero{"abc", "3", 0, "Introduzca un número entero positivo."},
                      CasoNumero{"", "3", 0, "Introduzca un número entero positivo."},
                      CasoNumero{"-1", "3", 0, "Introduzca un número entero positivo."},
                      CasoNumero{"2x", "3", 0, "Introduzca un número entero positivo."},
                      CasoNumero{"4294967296", "3", 0, "Introduzca un número entero positivo."},
                      CasoNumero{"3", "1.5", 1, "Introduzca un número entero positivo."}));

TEST(DialogTest, FailedFieldHasTheFocusWithItsTextSelected) {
    CMessageCapture mensajes;
    CPrueba dlg;
    bool seleccionado = false;
    QWidget* foco = nullptr;
    RunWith(dlg, [&] {
        dlg.m_pPrimero->setText(QStringLiteral("3"));
        dlg.m_pSegundo->setText(QStringLiteral("diez"));
        QTest::mouseClick(dlg.GetDlgItem<QPushButton>(CDialog::IDOK), Qt::LeftButton);
        foco = QApplication::focusWidget();
        seleccionado = dlg.m_pSegundo->selectedText() == QStringLiteral("diez");
    });
    EXPECT_EQ(foco, dlg.m_pSegundo);
    EXPECT_TRUE(seleccionado);
    EXPECT_EQ(mensajes.Messages(),
              std::vector<std::string>{"Introduzca un número entero positivo."});
}

TEST(DialogTest, MembersAreShownOnInitAndTextsKeptAsTyped) {
    CPrueba dlg;
    dlg.m_nFunciones = 4;
    dlg.m_nVariables = 5;
    dlg.m_strTexto = "  año ";
    QString mostrado;
    const int r = RunWith(dlg, [&] {
        mostrado =
            dlg.m_pPrimero->text() + "|" + dlg.m_pSegundo->text() + "|" + dlg.m_pTexto->text();
        dlg.m_pTexto->setText(QStringLiteral(" ñandú  "));
        QTest::keyClick(&dlg, Qt::Key_Return);
    });
    EXPECT_EQ(mostrado, QStringLiteral("4|5|  año "));
    EXPECT_EQ(r, CDialog::IDOK);
    EXPECT_EQ(dlg.m_strTexto, " ñandú  ");
}

TEST(DialogTest, AltWithALetterTypesNothingIntoAnEdit) {
    CPrueba dlg;
    QString texto;
    RunWith(dlg, [&] {
        dlg.m_pTexto->setFocus();
        QTest::keyClick(dlg.m_pTexto, Qt::Key_A);
        QTest::keyClick(dlg.m_pTexto, Qt::Key_O, Qt::AltModifier);
        QTest::keyClick(dlg.m_pTexto, Qt::Key_B);
        texto = dlg.m_pTexto->text();
        QTest::keyClick(&dlg, Qt::Key_Escape);
    });
    EXPECT_EQ(texto, QStringLiteral("ab"));
}

TEST(DialogTest, EscapeAndCancelEndWithIdCancelAndKeepTheMembers) {
    for (const bool escape : {true, false}) {
        CPrueba dlg;
        dlg.m_nFunciones = 2;
        const int r = RunWith(dlg, [&] {
            dlg.m_pPrimero->setText(QStringLiteral("5"));
            if (escape) {
                QTest::keyClick(&dlg, Qt::Key_Escape);
            } else {
                QTest::mouseClick(dlg.GetDlgItem<QPushButton>(CDialog::IDCANCEL), Qt::LeftButton);
            }
        });
        EXPECT_EQ(r, CDialog::IDCANCEL);
        EXPECT_EQ(dlg.m_nFunciones, 2u);
    }
}

TEST(DialogTest, RunsWithoutAnOwnerWhileItselfTheActiveWindow) {
    // As when a refused OK runs the same dialog again before the activation
    // has moved on.
    CPrueba dlg;
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    ASSERT_EQ(QApplication::activeWindow(), &dlg);
    const int r = RunWith(dlg, [&] { QTest::keyClick(&dlg, Qt::Key_Escape); });
    EXPECT_EQ(r, CDialog::IDCANCEL);
    EXPECT_EQ(dlg.parentWidget(), nullptr);
}

TEST(DialogTest, ToolTipsComeFromTheControlIdsString) {
    CPrueba dlg;
    RunWith(dlg, [] {});
    EXPECT_EQ(dlg.GetDlgItem(CDialog::IDOK)->toolTip(),
              QStringLiteral("Presione para confirmar los datos ingresados"));
    EXPECT_EQ(dlg.GetDlgItem(CDialog::IDCANCEL)->toolTip(),
              QStringLiteral("Presione para salir sin modificar los datos del sistema"));
    EXPECT_EQ(dlg.GetDlgItem(1036)->toolTip(),
              QStringLiteral("Ingrese aquí la cantidad de funciones del sistema"));
    EXPECT_EQ(dlg.GetDlgItem(1035)->toolTip(), QStringLiteral("Sustituido"));
    EXPECT_EQ(dlg.GetDlgItem(4001)->toolTip(), QStringLiteral("Texto propio"));
    EXPECT_TRUE(dlg.GetDlgItem(32741)->toolTip().isEmpty());
    EXPECT_TRUE(dlg.GetDlgItem(4000)->toolTip().isEmpty());
    for (auto* etiqueta : dlg.findChildren<QLabel*>()) {
        if (etiqueta->text() == QStringLiteral("Sin id")) {
            EXPECT_TRUE(etiqueta->toolTip().isEmpty());
        }
    }
}

TEST(MessageBoxTest, ShowsAFileNameAsTypedInBothBoxes) {
    // A name like "R&D <b>" is no markup: the tag and the line breaks stay.
    const std::string texto = "/tmp/R&D <b>informe</b>\nImposible encontrar este archivo.";
    std::vector<std::string> mostrados;
    const auto leer = [&] {
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                const auto* etiqueta = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
                mostrados.push_back(box->textFormat() == Qt::PlainText && etiqueta != nullptr
                                        ? etiqueta->text().toStdString()
                                        : "(marcado)");
                box->reject();
            }
        });
    };
    leer();
    CQtMessageBox::Show(texto);
    leer();
    CQtMessageBox::Ask(texto);
    EXPECT_EQ(mostrados, (std::vector<std::string>{texto, texto}));
}

TEST(DialogTest, TemplateCoordinatesBecomePixels) {
    CPrueba dlg;
    EXPECT_EQ(dlg.size(), QSize(276, 185));
    EXPECT_EQ(dlg.GetDlgItem(1035)->geometry(), QRect(165, 71, 30, 20));
    EXPECT_EQ(CDialogUnits::ToPixels(130, 44, 11, 12), QRect(195, 71, 16, 20));
    // Controls that meet in dialog units still meet in pixels.
    EXPECT_EQ(CDialogUnits::ToPixels(110, 44, 20, 12).right() + 1,
              CDialogUnits::ToPixels(130, 44, 11, 12).left());
}

class SpinTest : public ::testing::Test {
protected:
    SpinTest() {
        m_spin.SetBuddy(&m_edit);
        m_spin.SetRange(1, 6);
    }
    QWidget m_padre;
    QLineEdit m_edit{&m_padre};
    CSpinButtonCtrl m_spin{&m_padre};
};

TEST_F(SpinTest, StepsFromTheBuddysNumberAndStopsAtTheEnds) {
    struct Paso {
        const char* antes;
        bool arriba;
        const char* despues;
    };
    const Paso pasos[] = {{"3", true, "4"},   {"3", false, "2"}, {"6", true, "6"},
                          {"1", false, "1"},  {"9", true, "6"},  {"0", false, "1"},
                          {" 5 ", true, "6"}, {"-4", true, "2"}};
    for (const Paso& p : pasos) {
        m_edit.setText(QString::fromUtf8(p.antes));
        QTest::mouseClick(p.arriba ? m_spin.UpButton() : m_spin.DownButton(), Qt::LeftButton);
        EXPECT_EQ(m_edit.text(), QString::fromUtf8(p.despues)) << p.antes;
    }
}

TEST_F(SpinTest, TextThatIsNoNumberStepsFromItsOwnPosition) {
    m_spin.SetPos(4);
    m_edit.setText(QStringLiteral("xyz"));
    m_spin.Step(true);
    EXPECT_EQ(m_edit.text(), QStringLiteral("5"));
    EXPECT_EQ(m_spin.GetPos(), 5);
}

TEST_F(SpinTest, ArrowKeysInTheBuddyStep) {
    m_edit.setText(QStringLiteral("2"));
    QTest::keyClick(&m_edit, Qt::Key_Up);
    QTest::keyClick(&m_edit, Qt::Key_Up);
    EXPECT_EQ(m_edit.text(), QStringLiteral("4"));
    QTest::keyClick(&m_edit, Qt::Key_Down);
    EXPECT_EQ(m_edit.text(), QStringLiteral("3"));
    // Any other key types as usual: the buddy accepts any text.
    QTest::keyClicks(&m_edit, QStringLiteral("a"));
    EXPECT_EQ(m_edit.text(), QStringLiteral("3a"));
}

}  // namespace
