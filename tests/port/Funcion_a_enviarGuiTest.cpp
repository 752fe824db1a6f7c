// The function choice: its template, OK within 1 .. m, the framework's
// messages, and closing without OK.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "platform/DialogUnits.h"
#include "platform/MessageBox.h"
#include "platform/SpinButtonCtrl.h"
#include "port/Funcion_a_enviar.h"
#include "tests/DialogoModal.h"

namespace {

using Mensajes = std::vector<std::string>;
using F = CFuncion_a_enviar;

void Choose(CFuncion_a_enviar& dlg, const char* texto) {
    QLineEdit* edit = dlg.GetDlgItem<QLineEdit>(F::IDC_FUNCION);
    edit->clear();
    QTest::keyClicks(edit, QString::fromUtf8(texto));
    QTest::mouseClick(dlg.GetDlgItem<QPushButton>(CDialog::IDOK), Qt::LeftButton);
}

TEST(Funcion_a_enviarTest, TheTemplateWithOnlyOkAndItsToolTips) {
    CFuncion_a_enviar dlg;
    dlg.m_nFunciones = 3;
    RunWith(dlg, [] {});
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Función a enviar"));
    EXPECT_EQ(dlg.size(), CDialogUnits::ToPixels(161, 47));
    EXPECT_EQ(dlg.GetDlgItem(F::IDC_FUNCION)->geometry(), CDialogUnits::ToPixels(50, 22, 9, 12));
    EXPECT_EQ(dlg.GetDlgItem(F::IDC_SPIN_FUNCION)->geometry(),
              CDialogUnits::ToPixels(59, 22, 11, 12));
    auto* ok = dlg.GetDlgItem<QPushButton>(CDialog::IDOK);
    EXPECT_EQ(ok->geometry(), CDialogUnits::ToPixels(86, 21, 50, 14));
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(dlg.findChildren<QPushButton*>().size(), 1);
    QStringList textos;
    for (const QLabel* etiqueta : dlg.findChildren<QLabel*>()) {
        textos << etiqueta->text();
        EXPECT_TRUE(etiqueta->toolTip().isEmpty()) << etiqueta->text().toStdString();
    }
    EXPECT_EQ(textos, (QStringList{"Elija la función que desea cargar en el MUX", "Función :"}));
    EXPECT_EQ(dlg.GetDlgItem(F::IDC_FUNCION)->toolTip(),
              QStringLiteral("Ingrese la función que desea enviar por el puerto"));
    EXPECT_EQ(dlg.GetDlgItem(F::IDC_SPIN_FUNCION)->toolTip(),
              QStringLiteral("Use las flechas para variar el valor dentro de los límites "
                             "permitidos"));
    EXPECT_EQ(ok->toolTip(), QStringLiteral("Presione para confirmar los datos ingresados"));
}

TEST(Funcion_a_enviarTest, OkTakesAFunctionOfTheSystemOnly) {
    CMessageCapture mensajes;
    CFuncion_a_enviar dlg;
    dlg.m_nFunciones = 3;
    QString alAbrir;
    const int resultado = RunWith(dlg, [&] {
        alAbrir = dlg.GetDlgItem<QLineEdit>(F::IDC_FUNCION)->text();
        auto* spin = dlg.GetDlgItem<CSpinButtonCtrl>(F::IDC_SPIN_FUNCION);
        EXPECT_EQ(spin->GetLower(), 1);
        EXPECT_EQ(spin->GetUpper(), 3);
        for (const char* texto : {"0", "4", "x", ""}) {
            Choose(dlg, texto);
            EXPECT_TRUE(dlg.isVisible()) << texto;
        }
        Choose(dlg, "2");
    });
    EXPECT_EQ(alAbrir, QStringLiteral("1"));
    EXPECT_EQ(resultado, CDialog::IDOK);
    EXPECT_EQ(dlg.m_nFuncion, 2u);
    const std::string rango = "Introduzca un número entero entre 1 y 3.";
    const std::string positivo = "Introduzca un número entero positivo.";
    EXPECT_EQ(mensajes.Messages(), (Mensajes{rango, rango, positivo, positivo}));
}

TEST(Funcion_a_enviarTest, EscapeAndTheCloseBoxCancel) {
    for (const bool escape : {true, false}) {
        CFuncion_a_enviar dlg;
        dlg.m_nFunciones = 2;
        const int resultado = RunWith(dlg, [&] {
            dlg.GetDlgItem<QLineEdit>(F::IDC_FUNCION)->setText(QStringLiteral("2"));
            if (escape) {
                QTest::keyClick(&dlg, Qt::Key_Escape);
            } else {
                dlg.close();
            }
        });
        EXPECT_EQ(resultado, CDialog::IDCANCEL) << escape;
    }
}

}  // namespace
