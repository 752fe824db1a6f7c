// The simulated board's own model, which the transfer and dialog tests rely
// on to read back what the board would show: the shift register moves only on
// a clock edge with the load bit held, the multiplexer follows the control
// lines at their connector levels, the flip-flop latches on its own edge.

#include <gtest/gtest.h>

#include "port/ErrorPuerto.h"
#include "port/Protocolo.h"
#include "tests/port/Bytes.h"

namespace {

TEST(PlacaSimuladaTest, ShiftsOnlyOnARisingClockWithTheLoadBitHeld) {
    CPlacaSimulada placa;
    placa.WriteData(0x30);
    placa.WriteData(0x38);  // shifts a 1 in
    placa.WriteData(0x38);  // no edge
    placa.WriteData(0x10);
    placa.WriteData(0x18);  // edge without the load bit: the port dialog's settings
    placa.WriteData(0x30);
    placa.WriteData(0x08);  // load bit dropped with the edge
    EXPECT_EQ(placa.GetShiftRegister(), 0x8000);
}

TEST(PlacaSimuladaTest, SelectsTheTermOfTheControlLinesAndComplements) {
    CPlacaSimulada placa;
    Load(placa, 0b1000'0000'0010'0001);  // terms 0, 5 and 15
    placa.WriteData(protocolo::SettingByte(false, false));
    for (unsigned t = 0; t < 16; ++t) {
        placa.WriteControl(protocolo::ControlByteOfTerm(t));
        EXPECT_EQ(protocolo::OutputOfStatus(placa.ReadStatus()), t == 0 || t == 5 || t == 15) << t;
    }
    placa.WriteControl(protocolo::ControlByteOfTerm(5));
    placa.WriteData(protocolo::SettingByte(false, true));
    EXPECT_EQ(placa.ReadStatus(), 0xDF) << "the other status lines read as 1";
}

TEST(PlacaSimuladaTest, TheFlipFlopLatchesOnItsClockAndFeedsTheOutputWhenSelected) {
    CPlacaSimulada placa;
    Load(placa, 0b0010);  // term 1
    placa.WriteControl(protocolo::ControlByteOfTerm(1));
    placa.WriteData(0x00);  // through the flip-flop, still 0
    EXPECT_FALSE(placa.GetOutput());
    placa.WriteData(0x04);
    EXPECT_TRUE(placa.GetOutput());
    placa.WriteControl(protocolo::ControlByteOfTerm(0));
    EXPECT_TRUE(placa.GetOutput()) << "latched";
    placa.WriteData(0x01);
    EXPECT_FALSE(placa.GetOutput()) << "direct";
}

TEST(PlacaSimuladaTest, AnInjectedFailureThrowsOnceAndReachesNoRegister) {
    CPlacaSimulada placa(0x11, 0x22);
    auto visita = placa.Open();
    EXPECT_EQ(placa.OpenVisits(), 1);
    placa.FailAccess(1);
    EXPECT_EQ(visita->ReadData(), 0x11);
    EXPECT_THROW(visita->WriteData(0x33), CErrorPuerto);
    EXPECT_EQ(visita->ReadData(), 0x11);
    EXPECT_EQ(placa.Log(),
              (std::vector<Acceso>{Read(Registro::Datos, 0x11), Read(Registro::Datos, 0x11)}));
    visita.reset();
    EXPECT_EQ(placa.OpenVisits(), 0);
}

}  // namespace
