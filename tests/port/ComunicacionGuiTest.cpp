// The port dialog driven as a user drives it, against the simulated board:
// the template, the register traffic of opening, of the two check boxes, of
// "Enviar" and "Reloj FFD", the value box, refused terms and failing accesses.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <random>

#include "platform/DialogUnits.h"
#include "platform/MessageBox.h"
#include "platform/SpinButtonCtrl.h"
#include "port/Comunicacion.h"
#include "port/ErrorPuerto.h"
#include "tests/DialogoModal.h"
#include "tests/port/Bytes.h"

namespace {

using Mensajes = std::vector<std::string>;
using C = CComunicacion;

class ComunicacionTest : public testing::Test {
protected:
    // The board loaded with the function (bit t = term t), its log cleared.
    void LoadBoard(std::uint16_t valores) {
        Load(m_placa, valores);
        m_placa.ClearLog();
    }

    void Type(int id, const char* texto) {
        QLineEdit* edit = m_dlg.GetDlgItem<QLineEdit>(id);
        edit->clear();
        QTest::keyClicks(edit, QString::fromUtf8(texto));
    }
    void Click(int id) {
        QAbstractButton* boton = m_dlg.GetDlgItem<QAbstractButton>(id);
        QTest::mouseClick(boton, Qt::LeftButton, {}, QPoint(6, boton->height() / 2));
    }
    QString Value() const { return m_dlg.GetDlgItem<QLineEdit>(C::IDC_VALOR)->text(); }
    // Types the term and presses "Enviar".
    void Send(unsigned t) {
        Type(C::IDC_TERMINO, std::to_string(t).c_str());
        Click(C::IDC_ENVIAR);
    }

    CPlacaSimulada m_placa;
    CMessageCapture m_mensajes;
    CComunicacion m_dlg{m_placa};
};

QRect Pixels(int x, int y, int w, int h) {
    return CDialogUnits::ToPixels(x, y, w, h);
}

TEST_F(ComunicacionTest, TheTemplateWithItsTextsToolTipsAndNoOkOrCancel) {
    RunWith(m_dlg, [] {});
    EXPECT_EQ(m_dlg.windowTitle(), QStringLiteral("Comunicación con puerto"));
    struct Lugar {
        int id;
        QRect rect;
        const char* texto;
        const char* ayuda;  // the tool tip, "" for none
    };
    const Lugar lugares[] = {
        {32833, Pixels(24, 13, 85, 11), "Complementar función",
         "Marque este item si desea enviar el complemento de la función actual"},
        {32834, Pixels(24, 27, 84, 11), "Selección de la salida",
         "Marque este item si desea que la salida pase a través del flip flop D"},
        {32742, Pixels(14, 49, 30, 8), "Término :", ""},
        {1032, Pixels(45, 46, 16, 12), nullptr, "Ingrese el número de término deseado"},
        {1026, Pixels(61, 46, 11, 12), nullptr,
         "Use las flechas para variar el valor dentro de los límites permitidos"},
        {32743, Pixels(79, 49, 30, 8), "Función :", ""},
        {1027, Pixels(110, 49, 9, 12), nullptr,
         "Aquí aparece el valor que toma la función para el término seleccionado"},
        {32740, Pixels(19, 66, 38, 15), "Enviar",
         "Presione cuando quiera mandar los datos al puerto"},
        {32734, Pixels(77, 66, 38, 15), "Reloj FFD",
         "Presione para generarle un ciclo de reloj al Flip-Flop D"},
    };
    for (const Lugar& l : lugares) {
        QWidget* control = m_dlg.GetDlgItem(l.id);
        ASSERT_NE(control, nullptr) << l.id;
        EXPECT_EQ(control->toolTip(), QString::fromUtf8(l.ayuda)) << l.id;
        auto* etiqueta = qobject_cast<QLabel*>(control);
        auto* casilla = qobject_cast<QCheckBox*>(control);
        if (etiqueta != nullptr || casilla != nullptr) {
            // Statics and check boxes grow to the right to fit the substitute
            // font, within the dialog.
            EXPECT_EQ(control->pos(), l.rect.topLeft()) << l.id;
            EXPECT_EQ(control->height(), l.rect.height()) << l.id;
            EXPECT_GE(control->width(),
                      std::max(l.rect.width(), casilla ? casilla->sizeHint().width() : 0))
                << l.id;
            EXPECT_LE(control->geometry().right(), m_dlg.width()) << l.id;
            EXPECT_EQ(etiqueta != nullptr ? etiqueta->text() : casilla->text(),
                      QString::fromUtf8(l.texto))
                << l.id;
            continue;
        }
        EXPECT_EQ(control->geometry(), l.rect) << l.id;
        if (l.texto != nullptr) {
            EXPECT_EQ(qobject_cast<QAbstractButton*>(control)->text(), QString::fromUtf8(l.texto))
                << l.id;
        }
    }
    EXPECT_EQ(m_dlg.GetDlgItem(CDialog::IDOK), nullptr);
    EXPECT_EQ(m_dlg.GetDlgItem(CDialog::IDCANCEL), nullptr);
    EXPECT_EQ(m_dlg.findChildren<QPushButton*>().size(), 2);
    const auto* valor = m_dlg.GetDlgItem<QLineEdit>(C::IDC_VALOR);
    EXPECT_TRUE(valor->isReadOnly());
    EXPECT_FALSE(valor->hasFrame());
}

TEST_F(ComunicacionTest, OpeningWritesTheSettingAndTermZeroAndShowsTheOutput) {
    LoadBoard(0x0001);  // 1 at term 0 only
    m_dlg.m_nTerminos = 8;
    QString alAbrir;
    RunWith(m_dlg, [&] {
        alAbrir = m_dlg.GetDlgItem<QLineEdit>(C::IDC_TERMINO)->text() + "|" + Value();
        const auto* spin = m_dlg.GetDlgItem<CSpinButtonCtrl>(C::IDC_SPIN_TERMINO);
        EXPECT_EQ(spin->GetLower(), 0);
        EXPECT_EQ(spin->GetUpper(), 7);
        EXPECT_FALSE(m_dlg.GetDlgItem<QCheckBox>(C::IDC_COMPLEMENTAR)->isChecked());
        EXPECT_FALSE(m_dlg.GetDlgItem<QCheckBox>(C::IDC_SELECCION)->isChecked());
    });
    EXPECT_EQ(m_placa.Log(),
              (std::vector<Acceso>{Write(Registro::Datos, 0x01), Write(Registro::Datos, 0x09),
                                   Write(Registro::Control, 0x0B), Read(Registro::Estado, 0xFF)}));
    EXPECT_EQ(alAbrir, QStringLiteral("0|1"));
    EXPECT_EQ(m_mensajes.Messages(), Mensajes{});
}

TEST_F(ComunicacionTest, ComplementThenSelectionThenClock) {
    LoadBoard(0x0001);
    QStringList valores;
    RunWith(m_dlg, [&] {
        m_placa.ClearLog();
        Click(C::IDC_COMPLEMENTAR);
        EXPECT_EQ(m_placa.Writes(Registro::Datos), (Bytes{0x41, 0x49}));
        valores << Value();  // not refreshed: still the direct 1 of opening
        Click(C::IDC_SELECCION);
        EXPECT_EQ(m_placa.Writes(Registro::Datos), (Bytes{0x41, 0x49, 0x40, 0x48}));
        valores << Value();
        EXPECT_EQ(m_placa.Log().size(), 4u) << "the toggles read nothing";
        Click(C::IDC_RELOJ_FFD);
        valores << Value();  // the complement of term 0, latched
    });
    EXPECT_EQ(m_placa.Log(),
              (std::vector<Acceso>{Write(Registro::Datos, 0x41), Write(Registro::Datos, 0x49),
                                   Write(Registro::Datos, 0x40), Write(Registro::Datos, 0x48),
                                   Write(Registro::Datos, 0x40), Write(Registro::Datos, 0x44),
                                   Read(Registro::Estado, 0xDF)}));
    EXPECT_EQ(valores, (QStringList{"1", "1", "0"}));
    EXPECT_TRUE(m_dlg.m_bComplementar);
    EXPECT_TRUE(m_dlg.m_bSeleccion);
}

TEST_F(ComunicacionTest, EnviarWritesTheControlByteOfTheTerm) {
    RunWith(m_dlg, [&] {
        for (const unsigned t : {5u, 15u, 11u}) {
            m_placa.ClearLog();
            Send(t);
            EXPECT_EQ(m_placa.Log(), (std::vector<Acceso>{
                                         Write(Registro::Control, protocolo::ControlByteOfTerm(t)),
                                         Read(Registro::Estado, 0xDF)}))
                << t;
        }
    });
    EXPECT_EQ(protocolo::ControlByteOfTerm(5), 0x0E);
    EXPECT_EQ(protocolo::ControlByteOfTerm(15), 0x04);
    EXPECT_EQ(protocolo::ControlByteOfTerm(11), 0x00);
    EXPECT_EQ(m_mensajes.Messages(), Mensajes{});
}

TEST_F(ComunicacionTest, ARefusedTermShowsTheMessageAndIsNeverSent) {
    m_dlg.m_nTerminos = 8;
    RunWith(m_dlg, [&] {
        for (const int boton : {C::IDC_ENVIAR, C::IDC_RELOJ_FFD}) {
            for (const char* texto : {"abc", "8", "-1", ""}) {
                m_placa.ClearLog();
                Type(C::IDC_TERMINO, texto);
                Click(boton);
                // "Enviar" writes nothing; the clock, which takes no term, goes on.
                EXPECT_TRUE(m_placa.Writes(Registro::Control).empty()) << boton << " " << texto;
                EXPECT_EQ(m_placa.Writes(Registro::Datos).size(), boton == C::IDC_ENVIAR ? 0u : 2u)
                    << texto;
            }
        }
        EXPECT_TRUE(m_dlg.isVisible());
    });
    const std::string entero = "Introduzca un número entero.";
    const std::string rango = "Introduzca un número entero entre 0 y 7.";
    EXPECT_EQ(m_mensajes.Messages(),
              (Mensajes{entero, rango, rango, entero, entero, rango, rango, entero}));
}

TEST_F(ComunicacionTest, EnterPressesAFocusedButtonAndElsewhereEndsAValidDialog) {
    bool bAbiertoTrasError = false;
    const int resultado = RunWith(m_dlg, [&] {
        QPushButton* enviar = m_dlg.GetDlgItem<QPushButton>(C::IDC_ENVIAR);
        Type(C::IDC_TERMINO, "6");
        enviar->setFocus();
        m_placa.ClearLog();
        QTest::keyClick(enviar, Qt::Key_Return);
        EXPECT_EQ(m_placa.Writes(Registro::Control), Bytes{protocolo::ControlByteOfTerm(6)});

        Type(C::IDC_TERMINO, "x");
        QTest::keyClick(m_dlg.GetDlgItem(C::IDC_TERMINO), Qt::Key_Return);
        bAbiertoTrasError = m_dlg.isVisible();
        Type(C::IDC_TERMINO, "3");
        m_placa.ClearLog();
        QTest::keyClick(m_dlg.GetDlgItem(C::IDC_TERMINO), Qt::Key_Enter);
    });
    EXPECT_TRUE(bAbiertoTrasError);
    EXPECT_EQ(resultado, CDialog::IDOK);
    EXPECT_TRUE(m_placa.Log().empty()) << "closing writes nothing";
    EXPECT_EQ(m_mensajes.Messages(), Mensajes{"Introduzca un número entero."});
}

TEST_F(ComunicacionTest, ReadsBackEveryTermOfARandomFunctionItsComplementAndTheLatch) {
    std::mt19937 azar(128);
    const auto valores = static_cast<std::uint16_t>(azar());
    LoadBoard(valores);
    const auto f = [valores](unsigned t) {
        return QString::number((static_cast<unsigned>(valores) >> t) & 1u);
    };
    const auto g = [valores](unsigned t) {
        return QString::number(((static_cast<unsigned>(valores) >> t) & 1u) ^ 1u);
    };
    RunWith(m_dlg, [&] {
        for (unsigned t = 0; t < 16; ++t) {
            Send(t);
            EXPECT_EQ(Value(), f(t)) << t;
        }
        Click(C::IDC_COMPLEMENTAR);
        for (unsigned t = 0; t < 16; ++t) {
            Send(t);
            EXPECT_EQ(Value(), g(t)) << t;
        }
        // Through the flip-flop "Enviar" leaves the box alone; the clock shows
        // the term's latched complement.
        Click(C::IDC_SELECCION);
        for (unsigned t = 0; t < 16; ++t) {
            const QString antes = Value();
            Send(t);
            EXPECT_EQ(Value(), antes) << t;
            Click(C::IDC_RELOJ_FFD);
            EXPECT_EQ(Value(), g(t)) << t;
            EXPECT_EQ(m_dlg.m_nValor, g(t).toUInt()) << t;
        }
    });
    EXPECT_EQ(m_mensajes.Messages(), Mensajes{});
}

TEST_F(ComunicacionTest, AFailingAccessEndsTheDialogAndRunReportsIt) {
    bool bCerrado = false;
    const auto cerrar = [&] {
        QTimer::singleShot(0, [&] {
            auto* dlg = qobject_cast<CComunicacion*>(QApplication::activeModalWidget());
            ASSERT_NE(dlg, nullptr);
            m_placa.FailAccess(0);
            QTest::mouseClick(dlg->GetDlgItem<QPushButton>(C::IDC_ENVIAR), Qt::LeftButton);
            bCerrado = !dlg->isVisible();
            if (dlg->isVisible()) {
                dlg->EndDialog(99);
            }
        });
    };
    cerrar();
    EXPECT_THROW(CComunicacion::Run(m_placa, false, false, 16), CErrorPuerto);
    EXPECT_TRUE(bCerrado);

    // A failure while opening leaves before the dialog shows.
    m_placa.FailAccess(0);
    m_placa.ClearLog();
    EXPECT_THROW(CComunicacion::Run(m_placa, false, false, 16), CErrorPuerto);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(m_placa.Log().empty());
}

}  // namespace
