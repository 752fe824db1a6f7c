// The transfer of a function to the board, checked byte by byte against the
// simulated board's log: the registers saved, the serial load, the dialog run
// on the port, the registers put back, and what happens when an access fails.

#include <gtest/gtest.h>

#include <random>

#include "logic/Sistema.h"
#include "platform/MessageBox.h"
#include "port/ErrorPuerto.h"
#include "tests/logic/SistemaPrueba.h"
#include "tests/port/Bytes.h"

namespace {

using Mensajes = std::vector<std::string>;

// What the transfer handed to the dialog.
struct SLlamada {
    int nVeces = 0;
    bool bComplementar = true;
    bool bSeleccion = true;
    UINT nTerminos = 0;
    std::size_t nAccesosAntes = 0;
};

class TransferenciaTest : public testing::Test {
protected:
    // A dialog that only notes its call; `accion` stands for what the user does.
    CSistema::DialogoPuerto Dialog(std::function<void(CPuerto&)> accion = {}) {
        return [this, accion](CPuerto& puerto, bool c, bool s, UINT t) {
            m_llamada = {m_llamada.nVeces + 1, c, s, t, m_placa.Log().size()};
            if (accion) {
                accion(puerto);
            }
        };
    }

    Bytes Send(CSistema& s, UINT nFuncion) {
        s.SendFunctionToPort(nFuncion, m_placa, Dialog());
        return LoadPart();
    }

    // The data writes of the serial load: those before the dialog, after the
    // two reads that save the registers.
    Bytes LoadPart() const {
        Bytes bytes;
        const auto& log = m_placa.Log();
        for (std::size_t i = 2; i < m_llamada.nAccesosAntes && i < log.size(); ++i) {
            EXPECT_EQ(log[i].registro, Registro::Datos);
            bytes.push_back(log[i].valor);
        }
        return bytes;
    }

    CPlacaSimulada m_placa{0x5A, 0x04};
    CMessageCapture m_mensajes;
    SLlamada m_llamada;
};

TEST_F(TransferenciaTest, TheWholeVisitOfAFunctionOfTwoVariables) {
    // 1 at terms 1 and 3 only.
    auto s = NuevoSistema(2, 1);
    Minterminos(*s, {"1,3"});
    s->SendFunctionToPort(1, m_placa, Dialog([](CPuerto& puerto) { puerto.WriteData(0x41); }));

    std::vector<Acceso> esperado = {Read(Registro::Control, 0x04), Read(Registro::Datos, 0x5A)};
    const Bytes carga = {0x20, 0x28, 0x20, 0x28, 0x30, 0x38, 0x20, 0x28, 0x30, 0x38};
    for (const std::uint8_t b : carga) {
        esperado.push_back(Write(Registro::Datos, b));
    }
    for (int t = 4; t < 16; ++t) {
        esperado.push_back(Write(Registro::Datos, 0x20));
        esperado.push_back(Write(Registro::Datos, 0x28));
    }
    ASSERT_EQ(esperado.size(), 2u + 34u);
    esperado.push_back(Write(Registro::Datos, 0x41));  // the dialog's
    esperado.push_back(Write(Registro::Control, 0x04));
    esperado.push_back(Write(Registro::Datos, 0x5A));
    EXPECT_EQ(m_placa.Log(), esperado);

    EXPECT_EQ(m_llamada.nVeces, 1);
    EXPECT_EQ(m_llamada.nAccesosAntes, 2u + 34u);
    EXPECT_FALSE(m_llamada.bComplementar);
    EXPECT_FALSE(m_llamada.bSeleccion);
    EXPECT_EQ(m_llamada.nTerminos, 4u);
    EXPECT_EQ(m_mensajes.Messages(), Mensajes{});
    EXPECT_EQ(m_placa.GetShiftRegister(), 0b1010);
}

TEST_F(TransferenciaTest, AFunctionWithoutOnesSendsSeventeenZeros) {
    const Bytes ceros = LoadWrites(std::vector<int>(17, 0));
    auto vacia = NuevoSistema(4, 1);
    EXPECT_EQ(Send(*vacia, 1), ceros);

    // Function 1's ones all belong to function 2.
    m_placa.ClearLog();
    auto otras = NuevoSistema(4, 2);
    Minterminos(*otras, {"", "0,5,15"});
    EXPECT_EQ(Send(*otras, 1), ceros);
}

TEST_F(TransferenciaTest, DontCaresAreSentAsOnesAndOtherFunctionsTermsAsZeros) {
    auto s = NuevoSistema(4, 2);
    Minterminos(*s, {"2,9", "4,7"}, {"12", "9"});
    EXPECT_EQ(Send(*s, 1), LoadWrites(LoadBits({2, 9, 12})));
    m_placa.ClearLog();
    EXPECT_EQ(Send(*s, 2), LoadWrites(LoadBits({4, 7, 9})));
}

TEST_F(TransferenciaTest, ThreeVariablesLeaveTermsEightToFifteenAtZero) {
    auto s = NuevoSistema(3, 1);
    Minterminos(*s, {"0,1,2,3,4,5,6,7"});
    EXPECT_EQ(Send(*s, 1), LoadWrites(LoadBits({0, 1, 2, 3, 4, 5, 6, 7})));
    EXPECT_EQ(m_llamada.nTerminos, 8u);
    EXPECT_EQ(m_placa.GetShiftRegister(), 0x00FF);
}

TEST_F(TransferenciaTest, FunctionTwoOfThreeLoadsBitOneOfTheMasks) {
    auto s = NuevoSistema(4, 3);
    Minterminos(*s, {"0,1,2", "1,3,14", "2,3,15"});
    EXPECT_EQ(Send(*s, 2), LoadWrites(LoadBits({1, 3, 14})));
    EXPECT_EQ(m_placa.GetShiftRegister(), std::uint16_t{(1u << 1) | (1u << 3) | (1u << 14)});
}

TEST_F(TransferenciaTest, TheBoardHoldsEveryTruthValueOfARandomFunction) {
    std::mt19937 azar(16);
    for (int vuelta = 0; vuelta < 20; ++vuelta) {
        const auto valores = static_cast<std::uint16_t>(azar());
        std::string texto;
        for (unsigned t = 0; t < 16; ++t) {
            if ((valores >> t) & 1u) {
                texto += (texto.empty() ? "" : ",") + std::to_string(t);
            }
        }
        auto s = NuevoSistema(4, 1);
        Minterminos(*s, {texto});
        s->SendFunctionToPort(1, m_placa, Dialog());
        EXPECT_EQ(m_placa.GetShiftRegister(), valores) << texto;
    }
}

// ---- failing accesses ----

TEST_F(TransferenciaTest, AFailingSaveReportsAndWritesNothing) {
    auto s = NuevoSistema(2, 1);
    m_placa.FailAccess(1);  // the read of the data register
    s->SendFunctionToPort(1, m_placa, Dialog());
    EXPECT_EQ(m_placa.Log(), (std::vector<Acceso>{Read(Registro::Control, 0x04)}));
    EXPECT_EQ(m_llamada.nVeces, 0);
    EXPECT_EQ(m_mensajes.Messages(),
              Mensajes{"Se interrumpió la comunicación con la placa simulada: error de "
                       "entrada/salida."});
}

TEST_F(TransferenciaTest, AFailureDuringTheLoadSkipsTheDialogAndStillRestores) {
    auto s = NuevoSistema(2, 1);
    Minterminos(*s, {"1,3"});
    m_placa.FailAccess(2 + 5);  // the sixth write of the load
    s->SendFunctionToPort(1, m_placa, Dialog());
    EXPECT_EQ(m_llamada.nVeces, 0);
    EXPECT_EQ(m_placa.Writes(Registro::Datos), (Bytes{0x20, 0x28, 0x20, 0x28, 0x30, 0x5A}));
    EXPECT_EQ(m_placa.Writes(Registro::Control), Bytes{0x04});
    EXPECT_EQ(m_placa.Log().back(), Write(Registro::Datos, 0x5A));
    EXPECT_EQ(m_mensajes.Messages().size(), 1u);
}

TEST_F(TransferenciaTest, AFailureInTheDialogStillRestores) {
    auto s = NuevoSistema(2, 1);
    s->SendFunctionToPort(1, m_placa, Dialog([](CPuerto& puerto) {
                              puerto.WriteData(0x01);
                              throw CErrorPuerto("Se interrumpió la comunicación.");
                          }));
    const auto& log = m_placa.Log();
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(std::vector<Acceso>(log.end() - 3, log.end()),
              (std::vector<Acceso>{Write(Registro::Datos, 0x01), Write(Registro::Control, 0x04),
                                   Write(Registro::Datos, 0x5A)}));
    EXPECT_EQ(m_mensajes.Messages(), Mensajes{"Se interrumpió la comunicación."});
}

TEST_F(TransferenciaTest, AFailingRestoreOfControlStillRestoresData) {
    auto s = NuevoSistema(2, 1);
    m_placa.FailAccess(2 + 34);  // the control write of the restore
    s->SendFunctionToPort(1, m_placa, Dialog());
    EXPECT_EQ(m_placa.Writes(Registro::Control), Bytes{});
    EXPECT_EQ(m_placa.Log().back(), Write(Registro::Datos, 0x5A));
    EXPECT_EQ(m_mensajes.Messages().size(), 1u);
}

TEST_F(TransferenciaTest, AFailureAndAFailedRestoreMakeOneMessage) {
    auto s = NuevoSistema(2, 1);
    s->SendFunctionToPort(1, m_placa, Dialog([this](CPuerto&) {
                              m_placa.FailAccess(0);
                              throw CErrorPuerto("Se interrumpió la comunicación.");
                          }));
    EXPECT_EQ(m_mensajes.Messages(),
              Mensajes{"Se interrumpió la comunicación. Tampoco se pudieron restaurar los "
                       "registros del puerto."});
    EXPECT_EQ(m_placa.Log().back(), Write(Registro::Datos, 0x5A));
}

}  // namespace
