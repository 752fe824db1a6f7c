#pragma once
// Offsets of the gate diagrams from the report cursor, in report pixels. The
// screen and the printer draw the same geometry.

namespace compuertas {

// One term row: its height, the output line's offset from the row's top, and
// the x of the variable rails (true rail of variable v at 12(v+1), inverted
// rail 6 to its right).
constexpr int kAltoFila = 60;
constexpr int kLineaSalida = 21;
constexpr int kPasoRiel = 12;
constexpr int kRielInvertido = 6;
constexpr int kPasoCable = 6;

// The first-level gate: back, height, front, the end of a lone literal's wire
// and of the stub that stands for a missing NAND or NOR gate.
constexpr int kEspalda = 120;
constexpr int kAltoPuerta = 42;
constexpr int kFrente = 174;
constexpr int kFinLiteral = 180;
constexpr int kFinMunon = 185;

// Bubbles are 9 across; a junction dot 5.
constexpr int kBurbuja = 9;

// Bus lines of a simultaneous diagram at 200 + 6t, output gates with their back
// at 370 (42 or 76 high), output lines up to 500 where the label starts.
constexpr int kBus = 200;
constexpr int kEspaldaSalida = 370;
constexpr int kAltoSalidaGrande = 76;
constexpr int kFinSalida = 500;

}  // namespace compuertas
