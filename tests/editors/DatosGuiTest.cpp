// The numbers and description dialogs driven as a user drives them.

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

#include "editors/Caract.h"
#include "editors/Datos.h"
#include "platform/MessageBox.h"
#include "platform/QtMessageBox.h"
#include "platform/SpinButtonCtrl.h"
#include "resources/Resource.h"
#include "tests/DialogoModal.h"

namespace {

using Mensajes = std::vector<std::string>;

QLineEdit* Edit(const CDialog& dlg, int id) {
    return dlg.GetDlgItem<QLineEdit>(id);
}

void Type(CDialog& dlg, int id, const char* texto) {
    Edit(dlg, id)->setText(QString::fromUtf8(texto));
}

void ClickOk(CDialog& dlg) {
    QTest::mouseClick(dlg.GetDlgItem<QPushButton>(CDialog::IDOK), Qt::LeftButton);
}

TEST(DatosTest, ShowsTheSeededNumbersAndReturnsTheTypedOnes) {
    CDatos dlg;
    dlg.m_nVariables = 4;
    dlg.m_nFunciones = 2;
    QString mostrados;
    const int r = RunWith(dlg, [&] {
        mostrados =
            Edit(dlg, res::IDC_VARIABLES)->text() + "," + Edit(dlg, res::IDC_FUNCIONES)->text();
        Type(dlg, res::IDC_VARIABLES, "6");
        Type(dlg, res::IDC_FUNCIONES, "1");
        ClickOk(dlg);
    });
    EXPECT_EQ(mostrados, QStringLiteral("4,2"));
    EXPECT_EQ(r, CDialog::IDOK);
    EXPECT_EQ(dlg.m_nVariables, 6u);
    EXPECT_EQ(dlg.m_nFunciones, 1u);
}

TEST(DatosTest, BothWrongShowsOnlyTheMessageAboutTheFunctions) {
    CMessageCapture mensajes;
    CDatos dlg;
    bool abierto = false;
    QWidget* foco = nullptr;
    RunWith(dlg, [&] {
        Type(dlg, res::IDC_FUNCIONES, "0");
        Type(dlg, res::IDC_VARIABLES, "7");
        ClickOk(dlg);
        abierto = dlg.isVisible();
        foco = QApplication::focusWidget();
    });
    EXPECT_TRUE(abierto);
    EXPECT_EQ(foco, Edit(dlg, res::IDC_FUNCIONES));
    EXPECT_EQ(mensajes.Messages(), Mensajes{"Introduzca un número entero entre 1 y 6."});
}

TEST(DatosTest, TextInTheVariablesAsksForAPositiveWholeNumber) {
    CMessageCapture mensajes;
    CDatos dlg;
    QWidget* foco = nullptr;
    RunWith(dlg, [&] {
        Type(dlg, res::IDC_FUNCIONES, "3");
        Type(dlg, res::IDC_VARIABLES, "tres");
        ClickOk(dlg);
        foco = QApplication::focusWidget();
    });
    EXPECT_EQ(foco, Edit(dlg, res::IDC_VARIABLES));
    EXPECT_EQ(mensajes.Messages(), Mensajes{"Introduzca un número entero positivo."});
}

TEST(DatosTest, EscapeEndsWithCancelAndKeepsTheMembers) {
    CDatos dlg;
    dlg.m_nVariables = 2;
    const int r = RunWith(dlg, [&] {
        Type(dlg, res::IDC_VARIABLES, "5");
        QTest::keyClick(&dlg, Qt::Key_Escape);
    });
    EXPECT_EQ(r, CDialog::IDCANCEL);
    EXPECT_EQ(dlg.m_nVariables, 2u);
}

TEST(DatosTest, UpDownControlsStopAtOneAndSix) {
    CDatos dlg;
    dlg.m_nVariables = 5;
    dlg.m_nFunciones = 2;
    QStringList vistos;
    RunWith(dlg, [&] {
        auto* spinV = dlg.findChild<CSpinButtonCtrl*>(CDialog::ObjectNameFor(1021));
        auto* spinF = dlg.findChild<CSpinButtonCtrl*>(CDialog::ObjectNameFor(1024));
        for (int i = 0; i < 3; ++i) {
            QTest::mouseClick(spinV->UpButton(), Qt::LeftButton);
        }
        for (int i = 0; i < 3; ++i) {
            QTest::mouseClick(spinF->DownButton(), Qt::LeftButton);
        }
        vistos << Edit(dlg, res::IDC_VARIABLES)->text() << Edit(dlg, res::IDC_FUNCIONES)->text();
        ClickOk(dlg);
    });
    EXPECT_EQ(vistos, (QStringList{QStringLiteral("6"), QStringLiteral("1")}));
    EXPECT_EQ(dlg.m_nVariables, 6u);
    EXPECT_EQ(dlg.m_nFunciones, 1u);
}

TEST(DatosTest, LayoutCaptionsAndToolTips) {
    CDatos dlg;
    RunWith(dlg, [] {});
    EXPECT_TRUE(dlg.windowTitle().isEmpty());
    EXPECT_TRUE(dlg.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(dlg.size(), QSize(276, 185));
    EXPECT_EQ(dlg.GetDlgItem(res::IDOK)->toolTip(),
              QStringLiteral("Presione para confirmar los datos ingresados"));
    EXPECT_EQ(dlg.GetDlgItem(1021)->toolTip(),
              QStringLiteral("Use las flechas para variar el valor dentro de los límites "
                             "permitidos"));
    EXPECT_EQ(dlg.GetDlgItem(1024)->toolTip(), dlg.GetDlgItem(1021)->toolTip());
    EXPECT_EQ(dlg.GetDlgItem(res::IDC_VARIABLES)->toolTip(),
              QStringLiteral("Ingrese aquí el número de variables del sistema"));
    EXPECT_EQ(dlg.GetDlgItem(res::IDC_FUNCIONES)->toolTip(),
              QStringLiteral("Ingrese aquí la cantidad de funciones del sistema"));
    EXPECT_TRUE(dlg.GetDlgItem(32741)->toolTip().isEmpty());
    EXPECT_TRUE(dlg.GetDlgItem(32742)->toolTip().isEmpty());
    EXPECT_EQ(dlg.GetDlgItem(res::IDCANCEL), nullptr) << "the dialog has no Cancel button";
}

TEST(DatosTest, ItsMessageBoxStandsOverItEvenWhenNothingIsActive) {
    const MessageBoxHandler anterior = CQtMessageBox::Install();
    CDatos dlg;
    QWidget* dueno = nullptr;
    QRect caja;
    RunWith(dlg, [&] {
        // No window manager gives the frameless dialog the focus.
        QApplication::setActiveWindow(nullptr);
        Type(dlg, res::IDC_VARIABLES, "9");
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                dueno = box->parentWidget();
                caja = box->frameGeometry();
                box->accept();
            }
        });
        ClickOk(dlg);
    });
    SetMessageBoxHandler(anterior);
    EXPECT_EQ(dueno, &dlg);
    EXPECT_TRUE(dlg.frameGeometry().contains(caja.center()))
        << caja.center().x() << "," << caja.center().y();
}

TEST(CaractTest, KeepsTheTextExactlyAsTyped) {
    for (const char* texto : {"  Semáforo de dos calles  ", ""}) {
        CCaract dlg;
        dlg.m_strCaracteristicas = "Sistema con una función de 3 variables.";
        QString mostrado;
        const int r = RunWith(dlg, [&] {
            mostrado = Edit(dlg, res::IDC_CARACTERISTICAS)->text();
            Type(dlg, res::IDC_CARACTERISTICAS, texto);
            ClickOk(dlg);
        });
        EXPECT_EQ(mostrado, QStringLiteral("Sistema con una función de 3 variables."));
        EXPECT_EQ(r, CDialog::IDOK);
        EXPECT_EQ(dlg.m_strCaracteristicas, texto);
    }
}

TEST(CaractTest, AcceptsALongDescriptionFromAFileUncut) {
    // A file may hold a description longer than an edit takes by default.
    CCaract dlg;
    dlg.m_strCaracteristicas = std::string(40000, 'a') + "fin";
    const int r = RunWith(dlg, [&] { ClickOk(dlg); });
    EXPECT_EQ(r, CDialog::IDOK);
    EXPECT_EQ(dlg.m_strCaracteristicas, std::string(40000, 'a') + "fin");
}

TEST(CaractTest, CancelKeepsTheDescription) {
    CCaract dlg;
    dlg.m_strCaracteristicas = "antes";
    const int r = RunWith(dlg, [&] {
        Type(dlg, res::IDC_CARACTERISTICAS, "después");
        QTest::mouseClick(dlg.GetDlgItem<QPushButton>(CDialog::IDCANCEL), Qt::LeftButton);
    });
    EXPECT_EQ(r, CDialog::IDCANCEL);
    EXPECT_EQ(dlg.m_strCaracteristicas, "antes");
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Características del sistema"));
    EXPECT_EQ(dlg.GetDlgItem(CDialog::IDCANCEL)->toolTip(),
              QStringLiteral("Presione para salir sin modificar los datos del sistema"));
    EXPECT_EQ(dlg.GetDlgItem(res::IDC_CARACTERISTICAS)->toolTip(),
              QStringLiteral("Describa el sistema, mencione cualquier cualidad que lo haga "
                             "interesante"));
}

TEST(CaractTest, TheWrappedInstructionFitsItsBoxWhole) {
    CCaract dlg;
    bool cabe = false;
    RunWith(dlg, [&] {
        for (const QLabel* etiqueta : dlg.findChildren<QLabel*>()) {
            if (!etiqueta->wordWrap()) {
                continue;
            }
            const QRect caja(QPoint(0, 0), etiqueta->size());
            const QRect necesita = etiqueta->fontMetrics().boundingRect(
                caja, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, etiqueta->text());
            cabe = etiqueta->text().endsWith(QStringLiteral("luego.")) &&
                   necesita.height() <= caja.height() && necesita.width() <= caja.width();
        }
        dlg.reject();
    });
    EXPECT_TRUE(cabe);
}

TEST(CaractTest, RefusesACharacterTheFileCannotHoldAndNamesIt) {
    CCaract dlg;
    dlg.m_strCaracteristicas = "antes";
    CMessageCapture mensajes;
    bool sigueAbierto = false;
    QString reemplazado;
    const int r = RunWith(dlg, [&] {
        Type(dlg, res::IDC_CARACTERISTICAS, "Semáforo 🚦 de cruce");
        ClickOk(dlg);
        sigueAbierto = dlg.isVisible();
        // The key typed to replace it, as the message asks, replaces that one only.
        QTest::keyClicks(Edit(dlg, res::IDC_CARACTERISTICAS), QStringLiteral("o"));
        reemplazado = Edit(dlg, res::IDC_CARACTERISTICAS)->text();
        // Every one of these has its place in the file's code page.
        Type(dlg, res::IDC_CARACTERISTICAS, "Semáforo € – ñandú “cruce” ¿?");
        ClickOk(dlg);
    });
    EXPECT_TRUE(sigueAbierto);
    EXPECT_EQ(reemplazado, QStringLiteral("Semáforo o de cruce"));
    EXPECT_EQ(mensajes.Messages(),
              Mensajes{"El carácter «🚦» (U+1F6A6) no puede guardarse en el archivo del sistema. "
                       "Quítelo o cámbielo por otro."});
    EXPECT_EQ(r, CDialog::IDOK);
    EXPECT_EQ(dlg.m_strCaracteristicas, "Semáforo € – ñandú “cruce” ¿?");
}

}  // namespace
