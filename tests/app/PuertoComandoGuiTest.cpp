// The port command end to end, against the simulated board: the refusal of
// five variables, the function choice, the whole visit with the registers put
// back, a port that cannot be opened and an access that fails, and the whole
// road through the application's windows as a user takes it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "app/MainFrm.h"
#include "app/Tarnovel.h"
#include "app/TarnovelDoc.h"
#include "editors/Datos.h"
#include "editors/DialogoLista.h"
#include "platform/MessageBox.h"
#include "port/Comunicacion.h"
#include "port/Funcion_a_enviar.h"
#include "port/PuertoPpdev.h"
#include "resources/Resource.h"
#include "tests/app/ComandoPrueba.h"
#include "tests/app/Modales.h"
#include "tests/logic/SistemaPrueba.h"
#include "tests/port/Bytes.h"

namespace {

using Mensajes = std::vector<std::string>;
using C = CComunicacion;

template <class T>
T* Expect(QWidget* modal) {
    auto* dlg = qobject_cast<T*>(modal);
    EXPECT_NE(dlg, nullptr) << modal->metaObject()->className();
    return dlg;
}

void Type(CDialog& dlg, int id, const char* texto) {
    QLineEdit* edit = dlg.GetDlgItem<QLineEdit>(id);
    edit->clear();
    QTest::keyClicks(edit, QString::fromUtf8(texto));
}

void Click(CDialog& dlg, int id) {
    QTest::mouseClick(dlg.GetDlgItem<QAbstractButton>(id), Qt::LeftButton, {}, QPoint(6, 6));
}

// The function choice: the number, then OK.
CModales::Paso Choose(const char* funcion) {
    return [=](QWidget* modal) {
        if (auto* dlg = Expect<CFuncion_a_enviar>(modal)) {
            Type(*dlg, CFuncion_a_enviar::IDC_FUNCION, funcion);
            Click(*dlg, CDialog::IDOK);
        }
    };
}

// The port dialog: the user's actions, then Escape.
CModales::Paso Port(std::function<void(CComunicacion&)> accion = {}) {
    return [=](QWidget* modal) {
        if (auto* dlg = Expect<CComunicacion>(modal)) {
            if (accion) {
                accion(*dlg);
            }
            if (dlg->isVisible()) {
                QTest::keyClick(dlg, Qt::Key_Escape);
            }
        }
    };
}

class PuertoComandoTest : public ComandoTest {
protected:
    void SetUp() override {
        ComandoTest::SetUp();
        m_doc.SetPortFactory([this] {
            ++m_nAperturas;
            return m_placa.Open();
        });
    }

    void System(UINT n, const std::vector<std::string>& unos,
                const std::vector<std::string>& prescindibles = {}) {
        m_doc.m_sistema.SetNumVariables(n);
        m_doc.m_sistema.SetNumFunctions(static_cast<UINT>(unos.size()));
        Minterminos(m_doc.m_sistema, unos, prescindibles);
        m_doc.SetModifiedFlag(false);
    }

    // The whole visit's log: the saves, the load, what the dialog wrote and
    // read (from its opening on), and the restore.
    std::vector<Acceso> Visit(const std::vector<int>& bits, const std::vector<Acceso>& dialogo) {
        std::vector<Acceso> log = {Read(Registro::Control, 0x04), Read(Registro::Datos, 0x5A)};
        for (const std::uint8_t b : LoadWrites(bits)) {
            log.push_back(Write(Registro::Datos, b));
        }
        log.insert(log.end(), dialogo.begin(), dialogo.end());
        log.push_back(Write(Registro::Control, 0x04));
        log.push_back(Write(Registro::Datos, 0x5A));
        return log;
    }

    // The opening of the port dialog with the board's output at `salida`.
    static std::vector<Acceso> Opening(bool salida) {
        return {Write(Registro::Datos, 0x01), Write(Registro::Datos, 0x09),
                Write(Registro::Control, 0x0B), Read(Registro::Estado, salida ? 0xFF : 0xDF)};
    }

    CPlacaSimulada m_placa{0x5A, 0x04};
    int m_nAperturas = 0;
};

TEST_F(PuertoComandoTest, FiveVariablesAreRefusedWithoutTouchingThePort) {
    System(5, {"1,2,3"});
    CModales m;
    Run(m, m_doc, &CTarnovelDoc::OnComunicacionConPuerto);
    EXPECT_EQ(m_mensajes.Messages(),
              Mensajes{"No puede enviar datos de funciones de más de 4 variables"});
    EXPECT_EQ(m_nAperturas, 0);
    EXPECT_TRUE(m_placa.Log().empty());
}

TEST_F(PuertoComandoTest, OneFunctionGoesStraightToThePortDialogAndIsPutBack) {
    System(2, {"1,3"});
    const std::string antes = m_doc.m_sistema.GetMintermText(0);
    CModales m;
    m.Luego(Port());
    Run(m, m_doc, &CTarnovelDoc::OnComunicacionConPuerto);
    EXPECT_EQ(m_placa.Log(), Visit(LoadBits({1, 3}), Opening(false)));
    EXPECT_EQ(m_nAperturas, 1);
    EXPECT_EQ(m_placa.OpenVisits(), 0) << "the port is released";
    EXPECT_EQ(m_mensajes.Messages(), Mensajes{});
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(m_doc.m_sistema.GetMintermText(0), antes);
}

TEST_F(PuertoComandoTest, TheChosenFunctionIsLoadedAndTheCloseBoxEndsTheVisit) {
    System(4, {"0,1", "2,3,9", "15"}, {"", "0", ""});
    CModales m;
    m.Luego(Choose("2")).Luego([](QWidget* modal) {
        if (auto* dlg = Expect<CComunicacion>(modal)) {
            Type(*dlg, C::IDC_TERMINO, "9");
            Click(*dlg, C::IDC_ENVIAR);
            EXPECT_EQ(dlg->GetDlgItem<QLineEdit>(C::IDC_VALOR)->text(), QStringLiteral("1"));
            dlg->close();
        }
    });
    Run(m, m_doc, &CTarnovelDoc::OnComunicacionConPuerto);
    std::vector<Acceso> dialogo = Opening(true);  // the don't-care at term 0
    dialogo.push_back(Write(Registro::Control, 0x02));
    dialogo.push_back(Read(Registro::Estado, 0xFF));
    EXPECT_EQ(m_placa.Log(), Visit(LoadBits({0, 2, 3, 9}), dialogo));
    EXPECT_EQ(m_placa.OpenVisits(), 0);
}

TEST_F(PuertoComandoTest, ACancelledChoiceSendsNothing) {
    System(3, {"1", "2"});
    CModales m;
    m.Luego([](QWidget* modal) {
        if (auto* dlg = Expect<CFuncion_a_enviar>(modal)) {
            QTest::keyClick(dlg, Qt::Key_Escape);
        }
    });
    Run(m, m_doc, &CTarnovelDoc::OnComunicacionConPuerto);
    EXPECT_EQ(m_nAperturas, 0);
    EXPECT_TRUE(m_placa.Log().empty());
    EXPECT_EQ(m_mensajes.Messages(), Mensajes{});
}

TEST_F(PuertoComandoTest, APortThatCannotBeOpenedIsReportedAndNothingChanges) {
    System(2, {"1,3"});
    const std::filesystem::path carpeta = std::filesystem::temp_directory_path();
    const std::string falta = (carpeta / "tarnovel-no-existe" / "parport0").string();
    m_doc.SetPortFactory(CPuertoPpdev::Factory(falta));
    CModales m;
    Run(m, m_doc, &CTarnovelDoc::OnComunicacionConPuerto);
    EXPECT_EQ(m_mensajes.Messages(),
              Mensajes{"No se pudo abrir el puerto paralelo " + falta +
                       ": el dispositivo no existe (la computadora no tiene puerto paralelo o no "
                       "está cargado el módulo ppdev)."});
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(m_doc.m_sistema.GetMintermText(0), "1,3");
}

TEST_F(PuertoComandoTest, AnAccessThatFailsInTheDialogEndsTheVisitAndRestores) {
    System(2, {"1,3"});
    CModales m;
    m.Luego(Port([this](CComunicacion& dlg) {
        m_placa.FailAccess(0);
        Click(dlg, C::IDC_ENVIAR);
        EXPECT_FALSE(dlg.isVisible());
    }));
    Run(m, m_doc, &CTarnovelDoc::OnComunicacionConPuerto);
    EXPECT_EQ(m_placa.Log(), Visit(LoadBits({1, 3}), Opening(false)));
    EXPECT_EQ(m_mensajes.Messages(),
              Mensajes{"Se interrumpió la comunicación con la placa simulada: error de "
                       "entrada/salida."});
    EXPECT_EQ(m_placa.OpenVisits(), 0);
}

// ---- the whole road through the application ----

TEST(PuertoAplicacionTest, ANewUserLoadsAFunctionAndDrivesTheBoard) {
    CMessageCapture mensajes;
    CTarnovelApp app;
    ASSERT_TRUE(app.InitInstance());
    CMainFrame& marco = *app.GetMainFrame();
    marco.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&marco));
    const auto ejecutar = [&](CModales& m, int id) {
        m.Ejecutar([&] { marco.GetAction(id)->trigger(); });
        EXPECT_EQ(m.Pendientes(), 0u);
        EXPECT_TRUE(m.Inesperados().empty()) << m.Inesperados().front();
    };

    // A new system of three variables and two functions, entered as minterms.
    CModales nuevo;
    nuevo.Luego([](QWidget* modal) {
        if (auto* dlg = Expect<CDatos>(modal)) {
            Type(*dlg, res::IDC_VARIABLES, "3");
            Type(*dlg, res::IDC_FUNCIONES, "2");
            Click(*dlg, CDialog::IDOK);
        }
    });
    ejecutar(nuevo, res::ID_FILE_NEW);
    ASSERT_EQ(app.GetDocuments().size(), 1u);
    CTarnovelDoc& doc = *app.GetDocuments().front();
    CModales lista;
    lista.Luego([](QWidget* modal) {
        if (auto* dlg = Expect<CDialogoLista>(modal)) {
            for (const auto& [f, imp, dc] : {std::tuple{"1", "1,2,7", "4"}, {"2", "0,6", ""}}) {
                Type(*dlg, CDialogoLista::IDC_FUNCION, f);
                Type(*dlg, CDialogoLista::IDC_IMPRESCINDIBLES, imp);
                Type(*dlg, CDialogoLista::IDC_PRESCINDIBLES, dc);
                Click(*dlg, CDialogoLista::IDC_ACEPTAR);
            }
            Click(*dlg, CDialog::IDOK);
        }
    });
    ejecutar(lista, res::ID_LISTA_DE_MINTERMINOS);
    ASSERT_EQ(doc.m_sistema.GetMintermText(0), "1,2,7");
    const bool modificado = doc.IsModified();

    // "Comunicación con puerto": function 1, then every term through
    // "Enviar", the complement, and the flip-flop's clock.
    CPlacaSimulada placa(0x00, 0x0B);
    doc.SetPortFactory([&placa] { return placa.Open(); });
    QStringList valores;
    CModales puerto;
    puerto.Luego(Choose("1")).Luego(Port([&](CComunicacion& dlg) {
        const auto valor = [&] { return dlg.GetDlgItem<QLineEdit>(C::IDC_VALOR)->text(); };
        for (int t = 0; t < 8; ++t) {
            Type(dlg, C::IDC_TERMINO, std::to_string(t).c_str());
            Click(dlg, C::IDC_ENVIAR);
            valores << valor();
        }
        Click(dlg, C::IDC_COMPLEMENTAR);
        Click(dlg, C::IDC_SELECCION);
        Type(dlg, C::IDC_TERMINO, "4");
        Click(dlg, C::IDC_ENVIAR);
        Click(dlg, C::IDC_RELOJ_FFD);
        valores << valor();
        Type(dlg, C::IDC_TERMINO, "9");
        Click(dlg, C::IDC_ENVIAR);
    }));
    ejecutar(puerto, res::ID_COMUNICACION_CON_PUERTO);

    EXPECT_EQ(valores, (QStringList{"0", "1", "1", "0", "1", "0", "0", "1", "0"}));
    EXPECT_EQ(mensajes.Messages(), Mensajes{"Introduzca un número entero entre 0 y 7."});
    EXPECT_EQ(placa.Writes(Registro::Control).back(), 0x0B) << "put back";
    EXPECT_EQ(placa.Writes(Registro::Datos).back(), 0x00) << "put back";
    EXPECT_EQ(placa.OpenVisits(), 0);
    EXPECT_EQ(doc.IsModified(), modificado);
    doc.SetModifiedFlag(false);
}

}  // namespace
