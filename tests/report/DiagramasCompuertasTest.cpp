// The gate-diagram block of the report on the recording device: the families
// and their gating, individual and simultaneous diagrams, output gates.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "tests/report/ReportePrueba.h"

namespace {

// The sentence takes the first 30 pixels, a family heading and a cover heading
// 30 each: the first row of the first diagram starts at Y = 100. X is 10.
constexpr int kFila = 100;

// Both term lists present and every diagram option off; each test sets the
// covers and the options it looks at.
std::unique_ptr<CSistema> ConListas(UINT n, UINT m) {
    auto s = SistemaVacio(n, m);
    s->m_pNivelSop[0] = Lista({{"1"}});
    s->m_pNivelPos[0] = Lista({{"0"}});
    s->m_bIndividualDosTipos = false;
    s->m_bSimultaneoUnTipo = false;
    return s;
}

void AndOrIndividual(CSistema& s) {
    s.m_bDiagramaIndividual = true;
    s.m_bIndividualDosTipos = true;
}

void AndOrSimultaneo(CSistema& s) {
    s.m_bDiagramaSimultaneo = true;
    s.m_bSimultaneoDosTipos = true;
}

std::vector<DrawnLine> Cola(const CRecordingDC& dc, std::size_t n) {
    const std::vector<DrawnLine> lineas = dc.Lines();
    return n > lineas.size() ? lineas
                             : std::vector<DrawnLine>(lineas.end() - static_cast<std::ptrdiff_t>(n),
                                                      lineas.end());
}

std::vector<std::vector<int>> Cajas(const CRecordingDC& dc, DrawCall::Kind kind) {
    std::vector<std::vector<int>> cajas;
    for (const DrawCall& c : dc.CallsOf(kind)) {
        cajas.push_back({c.box[0], c.box[1], c.box[2], c.box[3]});
    }
    return cajas;
}

std::vector<int> Punto(int x, int y) {
    return {x - 2, y - 2, x + 3, y + 3};
}

std::vector<std::string> Encabezados(const CRecordingDC& dc) {
    std::vector<std::string> encabezados;
    for (const std::string& t : dc.TextStrings()) {
        if (t.starts_with("Diagramas") || t.starts_with("Con Cubierta")) {
            encabezados.push_back(t);
        }
    }
    return encabezados;
}

// Whether a vertical line drawn at x passes through y.
bool Atraviesa(const CRecordingDC& dc, int x, int y) {
    const std::vector<DrawnLine> lineas = dc.Lines();
    return std::any_of(lineas.begin(), lineas.end(), [x, y](const DrawnLine& l) {
        return l.from.x == x && l.to.x == x && std::min(l.from.y, l.to.y) <= y &&
               y <= std::max(l.from.y, l.to.y);
    });
}

TEST(DiagramasCompuertasTest, ThreeTermAndOrDiagram) {
    auto s = ConListas(3, 1);
    AndOrIndividual(*s);
    s->m_pCubiertaSop[0] = Lista({{"11-"}, {"-01"}, {"0-0"}});
    const CRecordingDC dc = Dibujar(*s);

    EXPECT_EQ(Lineas(dc), (std::vector<Linea>{
                              {10, 10, "Sistema con una función de 3 variables."},
                              {10, 40, "Diagramas de Compuertas AND-OR:"},
                              {10, 70, "Con Cubierta 1:"},
                              {19, 280, "Aa"},
                              {31, 280, "Bb"},
                              {43, 280, "Cc"},
                              {510, 176, " f"},
                          }));
    // The middle row runs straight onto the OR back; the third row's input
    // comes next, then the first's, each turning at X+266. Then the output
    // line and the gate's top and bottom.
    EXPECT_EQ(Cola(dc, 10), (std::vector<DrawnLine>{
                                {{184, 181}, {390, 181}},
                                {{184, 241}, {276, 241}},
                                {{276, 241}, {276, 187}},
                                {{276, 187}, {390, 187}},
                                {{184, 121}, {276, 121}},
                                {{276, 121}, {276, 175}},
                                {{276, 175}, {390, 175}},
                                {{434, 181}, {510, 181}},
                                {{380, 160}, {395, 160}},
                                {{380, 202}, {395, 202}},
                            }));
    // Three first-level AND fronts, then the OR gate of 42 with its top at 160.
    const std::vector<DrawCall> arcos = dc.CallsOf(DrawCall::Kind::Arc);
    ASSERT_EQ(arcos.size(), 6u);
    for (int r = 0; r < 3; ++r) {
        const int y = kFila + 60 * r;
        EXPECT_EQ(Cajas(dc, DrawCall::Kind::Arc)[static_cast<std::size_t>(r)],
                  (std::vector<int>{184, y + 43, 142, y}));
    }
    EXPECT_EQ(Cajas(dc, DrawCall::Kind::Arc)[3], (std::vector<int>{353, 223, 437, 160}));
    EXPECT_EQ(Cajas(dc, DrawCall::Kind::Arc)[5], (std::vector<int>{390, 202, 370, 160}));
    EXPECT_EQ(s->m_nPosY, kFila + 201);
}

TEST(DiagramasCompuertasTest, FiveTermsSharedByTwoFunctions) {
    auto s = ConListas(3, 2);
    AndOrSimultaneo(*s);
    s->m_pCubiertaSop[0] = Lista({{"11-"}, {"-01"}, {"0-0"}, {"1-1"}, {"01-"}});
    // The fourth term serves both functions.
    s->m_pCubiertaFuncionSop[0][0][0] = Lista({{"11-"}, {"0-0"}, {"1-1"}});
    s->m_pCubiertaFuncionSop[0][1][0] = Lista({{"-01"}, {"1-1"}, {"01-"}});
    const CRecordingDC dc = Dibujar(*s);

    EXPECT_EQ(Encabezados(dc), (std::vector<std::string>{
                                   "Diagramas de Compuertas AND-OR simultaneos:",
                                   "Con Cubierta gral. 1:",
                               }));
    // Every row carries the five bus lines at X+206 to X+230, and its term's
    // output line ends on its own bus line with a dot.
    for (int r = 0; r < 5; ++r) {
        const int y = kFila + 60 * r;
        for (int p = 1; p <= 5; ++p) {
            EXPECT_TRUE(dc.HasLine({210 + 6 * p, y}, {210 + 6 * p, y + 60})) << r << " " << p;
        }
        EXPECT_TRUE(dc.HasLine({184, y + 21}, {216 + 6 * r, y + 21})) << r;
    }
    // s = 6, q = 2: the gates' tops on the output lines of the second and the
    // fourth row; inputs 6 apart from the top, ending on the OR back.
    EXPECT_EQ(Cola(dc, 12), (std::vector<DrawnLine>{
                                {{216, 187}, {387, 187}},
                                {{228, 193}, {388, 193}},
                                {{234, 199}, {389, 199}},
                                {{380, 181}, {395, 181}},
                                {{380, 223}, {395, 223}},
                                {{434, 202}, {510, 202}},
                                {{222, 307}, {387, 307}},
                                {{234, 313}, {388, 313}},
                                {{240, 319}, {389, 319}},
                                {{380, 301}, {395, 301}},
                                {{380, 343}, {395, 343}},
                                {{434, 322}, {510, 322}},
                            }));
    // The shared term's row is drawn once; each function has its own dot on
    // that term's bus line.
    const std::vector<DrawnLine> lineas = dc.Lines();
    EXPECT_EQ(std::count(lineas.begin(), lineas.end(), DrawnLine{{184, 301}, {234, 301}}), 1);
    const std::vector<std::vector<int>> puntos = Cajas(dc, DrawCall::Kind::Ellipse);
    ASSERT_GE(puntos.size(), 6u);
    EXPECT_EQ(std::vector<std::vector<int>>(puntos.end() - 6, puntos.end()),
              (std::vector<std::vector<int>>{Punto(216, 187), Punto(228, 193), Punto(234, 199),
                                             Punto(222, 307), Punto(234, 313), Punto(240, 319)}));
    EXPECT_EQ(TextoEn(dc, 510, 197), " f1");
    EXPECT_EQ(TextoEn(dc, 510, 317), " f2");
    EXPECT_EQ(TextoEn(dc, 19, 400), "Aa");
    EXPECT_FALSE(Atraviesa(dc, 216, 401)) << "the bus stops at the last row";
    EXPECT_EQ(s->m_nPosY, kFila + 351);
}

TEST(DiagramasCompuertasTest, OneTermAndOrDiagramHasNoOutputGate) {
    auto s = ConListas(2, 1);
    AndOrIndividual(*s);
    s->m_pCubiertaSop[0] = Lista({{"11"}});
    const CRecordingDC dc = Dibujar(*s);
    EXPECT_EQ(dc.CallsOf(DrawCall::Kind::Arc).size(), 1u) << "only the term's own gate";
    EXPECT_EQ(Cola(dc, 2),
              (std::vector<DrawnLine>{{{184, 121}, {390, 121}}, {{380, 121}, {510, 121}}}));
    EXPECT_EQ(TextoEn(dc, 510, 116), " f");
    EXPECT_EQ(s->m_nPosY, kFila + 81);
}

TEST(DiagramasCompuertasTest, OneNandTermIsInvertedByAGateOfOneInput) {
    auto s = ConListas(2, 1);
    s->m_bDiagramaIndividual = true;
    s->m_bIndividualUnTipo = true;
    s->m_pCubiertaSop[0] = Lista({{"11"}});
    const CRecordingDC dc = Dibujar(*s);
    // Without a second NAND the diagram would give the term's complement.
    EXPECT_EQ(Cola(dc, 5), (std::vector<DrawnLine>{
                               {{193, 121}, {380, 121}},
                               {{434, 121}, {510, 121}},
                               {{409, 100}, {380, 100}},
                               {{380, 100}, {380, 142}},
                               {{380, 142}, {409, 142}},
                           }));
    EXPECT_EQ(Cajas(dc, DrawCall::Kind::Ellipse).back(), (std::vector<int>{434, 117, 443, 126}));
    EXPECT_EQ(TextoEn(dc, 510, 116), " f");
    EXPECT_EQ(s->m_nPosY, kFila + 81);
}

TEST(DiagramasCompuertasTest, LoneLiteralInNandAndNorTakesTheOppositeRailAndAStub) {
    auto s = ConListas(2, 1);
    s->m_bProcesarPos = true;
    s->m_bDiagramaIndividual = true;
    s->m_bIndividualUnTipo = true;
    s->m_pCubiertaSop[0] = Lista({{"1-"}, {"01"}});
    s->m_pCubiertaPos[0] = Lista({{"1-"}, {"01"}});
    const CRecordingDC dc = Dibujar(*s);
    // NAND: A at 1 from its inverted rail (X+18); NOR: a sum's A at 1 reaches
    // the NOR output gate from its true rail (X+12). Both rows have the stub.
    const int nor = kFila + 60 * 2 + 21 + 30 + 30;
    EXPECT_TRUE(dc.HasLine({28, kFila + 21}, {190, kFila + 21}));
    EXPECT_TRUE(dc.HasLine({184, kFila + 21}, {195, kFila + 21}));
    EXPECT_TRUE(dc.HasLine({22, nor + 21}, {190, nor + 21}));
    EXPECT_TRUE(dc.HasLine({184, nor + 21}, {195, nor + 21}));
    EXPECT_EQ(TextoEn(dc, 10, nor - 60), "Diagramas de Compuertas NOR:");
    // The two-literal rows have their gate and its bubble.
    const std::vector<std::vector<int>> cajas = Cajas(dc, DrawCall::Kind::Ellipse);
    EXPECT_NE(std::find(cajas.begin(), cajas.end(), std::vector<int>{184, kFila + 77, 193, 186}),
              cajas.end());
}

// Two to six terms take the 42-high output gate, seven or more the 76-high one.
class AlturaSalidaTest : public testing::TestWithParam<int> {};

TEST_P(AlturaSalidaTest, GateHeightFollowsTheRowCount) {
    const int filas = GetParam();
    auto s = ConListas(3, 1);
    AndOrIndividual(*s);
    const char* cubos[] = {"11-", "-01", "0-0", "1-1", "01-", "-10", "00-", "-11"};
    for (int r = filas - 1; r >= 0; --r) {
        ListaTerminos nodo = Lista({{cubos[r]}});
        nodo->sig = std::move(s->m_pCubiertaSop[0]);
        s->m_pCubiertaSop[0] = std::move(nodo);
    }
    const CRecordingDC dc = Dibujar(*s);
    const int h = filas < 7 ? 42 : 76;
    const int yc = kFila + 30 * filas - 9;
    const int arriba = yc - h / 2;
    // The back of the OR gate, then the output line from the AND shape's front.
    EXPECT_EQ(Cajas(dc, DrawCall::Kind::Arc).back(),
              (std::vector<int>{390, arriba + h, 370, arriba}));
    EXPECT_TRUE(dc.HasLine({380 + 13 * h / 10, yc}, {510, yc}));
    EXPECT_EQ(TextoEn(dc, 510, yc - 5), " f");
    EXPECT_EQ(s->m_nPosY, kFila + 60 * filas + 21);
}

INSTANTIATE_TEST_SUITE_P(DosASiete, AlturaSalidaTest, testing::Values(2, 3, 6, 7, 8));

TEST(DiagramasCompuertasTest, TermWithoutLiteralsStillFeedsTheOutputGate) {
    auto s = ConListas(2, 1);
    AndOrIndividual(*s);
    s->m_pCubiertaSop[0] = Lista({{"--"}, {"11"}});
    const CRecordingDC dc = Dibujar(*s);
    // Two rows: the upper one's input turns at X+260 up to 3 above the centre.
    EXPECT_TRUE(dc.HasLine({184, 121}, {270, 121}));
    EXPECT_TRUE(dc.HasLine({270, 121}, {270, 148}));
    EXPECT_TRUE(dc.HasLine({270, 148}, {390, 148}));
    // The first row has neither wires nor dots: the only dots are the second's.
    EXPECT_EQ(Cajas(dc, DrawCall::Kind::Ellipse),
              (std::vector<std::vector<int>>{Punto(22, 166), Punto(34, 172)}));
}

TEST(DiagramasCompuertasTest, SingleInputFunctionInASimultaneousDiagram) {
    for (const bool nand : {false, true}) {
        SCOPED_TRACE(nand ? "NAND" : "AND-OR");
        auto s = ConListas(3, 2);
        s->m_bDiagramaSimultaneo = true;
        (nand ? s->m_bSimultaneoUnTipo : s->m_bSimultaneoDosTipos) = true;
        s->m_pCubiertaSop[0] = Lista({{"11-"}, {"0-1"}});
        s->m_pCubiertaFuncionSop[0][0][0] = Lista({{"11-"}});
        s->m_pCubiertaFuncionSop[0][1][0] = Lista({{"11-"}, {"0-1"}});
        const CRecordingDC dc = Dibujar(*s);
        // s = 3, q = 1: f1's gate top on the first row's output line (121).
        if (!nand) {
            // No gate: the input runs on to X+500, 6 below the gate's top.
            EXPECT_TRUE(dc.HasLine({216, 127}, {390, 127}));
            EXPECT_TRUE(dc.HasLine({380, 127}, {510, 127}));
            EXPECT_EQ(TextoEn(dc, 510, 122), " f1");
        } else {
            // A NAND of one input gives the term back uninverted.
            EXPECT_TRUE(dc.HasLine({216, 127}, {380, 127}));
            EXPECT_TRUE(dc.HasLine({380, 121}, {380, 163}));
            EXPECT_TRUE(dc.HasLine({443, 142}, {510, 142}));
            const std::vector<std::vector<int>> cajas = Cajas(dc, DrawCall::Kind::Ellipse);
            EXPECT_NE(std::find(cajas.begin(), cajas.end(), std::vector<int>{434, 138, 443, 147}),
                      cajas.end());
            EXPECT_EQ(TextoEn(dc, 510, 137), " f1");
        }
        EXPECT_EQ(TextoEn(dc, 510, 181 + 16), " f2");
        EXPECT_EQ(s->m_nPosY, kFila + 120 + 51);
    }
}

TEST(DiagramasCompuertasTest, SevenSharedInputsTakeTheLargeGate) {
    auto s = ConListas(3, 2);
    AndOrSimultaneo(*s);
    s->m_pCubiertaSop[0] = Lista({{"11-"}, {"-01"}, {"0-0"}, {"1-1"}, {"01-"}, {"-10"}, {"00-"}});
    s->m_pCubiertaFuncionSop[0][0][0] =
        Lista({{"11-"}, {"-01"}, {"0-0"}, {"1-1"}, {"01-"}, {"-10"}, {"00-"}});
    s->m_pCubiertaFuncionSop[0][1][0] = Lista({{"11-"}, {"-01"}});
    const CRecordingDC dc = Dibujar(*s);
    // s = 8, q = 2: f1's gate has its top at 181 and is 76 high; its inputs end
    // on the OR back 4 to 10 past it, the seventh at the middle.
    for (int i = 0; i < 7; ++i) {
        EXPECT_TRUE(dc.HasLine({216 + 6 * i, 187 + 6 * i}, {384 + i, 187 + 6 * i})) << i;
    }
    EXPECT_TRUE(dc.HasLine({380, 181}, {407, 181}));
    EXPECT_TRUE(dc.HasLine({380, 257}, {407, 257}));
    EXPECT_TRUE(dc.HasLine({478, 219}, {510, 219}));
    EXPECT_EQ(TextoEn(dc, 510, 214), " f1");
    EXPECT_EQ(s->m_nPosY, kFila + 420 + 51);
}

TEST(DiagramasCompuertasTest, OneFunctionIsLabelledFAndHasNoSimultaneousDiagram) {
    auto s = ConListas(2, 1);
    AndOrIndividual(*s);
    AndOrSimultaneo(*s);
    s->m_bIndividualUnTipo = true;
    s->m_bSimultaneoUnTipo = true;
    s->m_pCubiertaSop[0] = Lista({{"1-"}});
    s->m_pCubiertaSop[1] = Lista({{"-1"}});
    const CRecordingDC dc = Dibujar(*s);
    EXPECT_EQ(Encabezados(dc), (std::vector<std::string>{
                                   "Diagramas de Compuertas AND-OR:",
                                   "Con Cubierta 1:",
                                   "Con Cubierta 2:",
                                   "Diagramas de Compuertas NAND:",
                                   "Con Cubierta 1:",
                                   "Con Cubierta 2:",
                               }));
    const std::vector<std::string> textos = dc.TextStrings();
    EXPECT_EQ(std::count(textos.begin(), textos.end(), " f"), 4);
}

TEST(DiagramasCompuertasTest, EveryAlternativeGetsADiagramOfItsOwn) {
    auto s = ConListas(3, 2);
    AndOrIndividual(*s);
    s->m_pCubiertaSop[0] = Lista({{"11-"}, {"-01"}, {"0-0"}});
    s->m_pCubiertaFuncionSop[0][0][0] = Lista({{"11-"}, {"-01"}});
    s->m_pCubiertaFuncionSop[0][0][1] = Lista({{"11-"}, {"0-0"}});
    s->m_pCubiertaFuncionSop[0][1][0] = Lista({{"0-0"}});
    s->m_pCubiertaSop[1] = Lista({{"11-"}});
    s->m_pCubiertaFuncionSop[1][0][0] = Lista({{"11-"}});
    s->m_pCubiertaFuncionSop[1][1][0] = Lista({{"11-"}});
    const CRecordingDC dc = Dibujar(*s);
    // Two rows take 141, one row 81.
    EXPECT_EQ(TextoEn(dc, 510, 146), " f1");
    EXPECT_EQ(TextoEn(dc, 510, 287), " f1");
    EXPECT_EQ(TextoEn(dc, 510, 398), " f2");
    EXPECT_EQ(TextoEn(dc, 10, 463), "Con Cubierta 2:");
    EXPECT_EQ(TextoEn(dc, 510, 509), " f1");
    EXPECT_EQ(TextoEn(dc, 510, 590), " f2");
    EXPECT_FALSE(dc.FindText("Diagramas de Compuertas AND-OR simultaneos:"));
}

TEST(DiagramasCompuertasTest, DefaultOptionsShowAndOrAloneThenNandTogether) {
    auto s = Procesado(3, {"1,3,5,7", "0,2,3"});
    const std::vector<std::string> encabezados = Encabezados(Dibujar(*s));
    ASSERT_FALSE(encabezados.empty());
    EXPECT_EQ(encabezados.front(), "Diagramas de Compuertas AND-OR:");
    const auto nand = std::find(encabezados.begin(), encabezados.end(),
                                "Diagramas de Compuertas NAND simultaneos:");
    ASSERT_NE(nand, encabezados.end());
    EXPECT_EQ(std::count_if(encabezados.begin(), encabezados.end(),
                            [](const std::string& t) { return t.starts_with("Diagramas"); }),
              2);
    EXPECT_EQ(nand[1], "Con Cubierta gral. 1:");
}

// Everything on, both halves with one cover; each row changes the system and
// lists the family headings drawn.
struct Familias {
    const char* nombre;
    std::function<void(CSistema&)> cambio;
    std::vector<std::string> encabezados;
};

void PrintTo(const Familias& f, std::ostream* os) {
    *os << f.nombre;
}

class FamiliasTest : public testing::TestWithParam<Familias> {};

TEST_P(FamiliasTest, FamiliesFollowTheirOptionsAndData) {
    auto s = ConListas(2, 2);
    s->m_bProcesarPos = true;
    for (bool CSistema::*opcion :
         {&CSistema::m_bDiagramaIndividual, &CSistema::m_bDiagramaSimultaneo,
          &CSistema::m_bIndividualUnTipo, &CSistema::m_bIndividualDosTipos,
          &CSistema::m_bSimultaneoUnTipo, &CSistema::m_bSimultaneoDosTipos}) {
        (*s).*opcion = true;
    }
    for (auto* lado : {&s->m_pCubiertaSop, &s->m_pCubiertaPos}) {
        (*lado)[0] = Lista({{"1-"}});
    }
    for (auto* lado : {&s->m_pCubiertaFuncionSop, &s->m_pCubiertaFuncionPos}) {
        (*lado)[0][0][0] = Lista({{"1-"}});
        (*lado)[0][1][0] = Lista({{"1-"}});
    }
    GetParam().cambio(*s);
    std::vector<std::string> familias;
    for (const std::string& t : Encabezados(Dibujar(*s))) {
        if (t.starts_with("Diagramas de Compuertas ")) {
            familias.push_back(t.substr(24));
        }
    }
    EXPECT_EQ(familias, GetParam().encabezados);
}

const std::vector<std::string> kOcho = {
    "AND-OR:", "AND-OR simultaneos:", "OR-AND:", "OR-AND simultaneos:",
    "NAND:",   "NAND simultaneos:",   "NOR:",    "NOR simultaneos:"};

INSTANTIATE_TEST_SUITE_P(
    Opciones, FamiliasTest,
    testing::Values(Familias{"Todas", [](CSistema&) {}, kOcho},
                    Familias{"PosApagado",
                             [](CSistema& s) { s.m_bProcesarPos = false; },
                             {"AND-OR:", "AND-OR simultaneos:", "NAND:", "NAND simultaneos:"}},
                    Familias{"SinCubiertaSop",
                             [](CSistema& s) { s.m_pCubiertaSop[0].reset(); },
                             {"OR-AND:", "OR-AND simultaneos:", "NOR:", "NOR simultaneos:"}},
                    Familias{"SinCeros", [](CSistema& s) { s.m_pNivelPos[0].reset(); }, {}},
                    Familias{"SoloSimultaneos",
                             [](CSistema& s) { s.m_bDiagramaIndividual = false; },
                             {"AND-OR simultaneos:", "OR-AND simultaneos:", "NAND simultaneos:",
                              "NOR simultaneos:"}},
                    Familias{"SinDosTipos",
                             [](CSistema& s) {
                                 s.m_bIndividualDosTipos = false;
                                 s.m_bSimultaneoDosTipos = false;
                             },
                             {"NAND:", "NAND simultaneos:", "NOR:", "NOR simultaneos:"}},
                    Familias{"NandSoloIndividual",
                             [](CSistema& s) { s.m_bSimultaneoUnTipo = false; },
                             {"AND-OR:", "AND-OR simultaneos:", "OR-AND:", "OR-AND simultaneos:",
                              "NAND:", "NOR:"}}),
    [](const testing::TestParamInfo<Familias>& prueba) {
        return std::string(prueba.param.nombre);
    });

TEST(DiagramasCompuertasTest, FewerTermsThanFunctionsGiveEachGateARowOfItsOwn) {
    auto s = ConListas(3, 3);
    AndOrSimultaneo(*s);
    s->m_pCubiertaSop[0] = Lista({{"11-"}, {"0-1"}});
    s->m_pCubiertaFuncionSop[0][0][0] = Lista({{"11-"}});
    s->m_pCubiertaFuncionSop[0][1][0] = Lista({{"0-1"}});
    s->m_pCubiertaFuncionSop[0][2][0] = Lista({{"11-"}, {"0-1"}});
    const CRecordingDC dc = Dibujar(*s);
    // The rows end at 220. The gates stand one row apart from the first row's
    // output line on; f3's lies below the last row and the bus runs down to it.
    EXPECT_TRUE(dc.HasLine({380, 127}, {510, 127}));
    EXPECT_EQ(TextoEn(dc, 510, 122), " f1");
    EXPECT_TRUE(dc.HasLine({380, 187}, {510, 187}));
    EXPECT_EQ(TextoEn(dc, 510, 182), " f2");
    EXPECT_TRUE(dc.HasLine({216, 220}, {216, 253}));
    EXPECT_TRUE(dc.HasLine({222, 220}, {222, 253}));
    EXPECT_TRUE(dc.HasLine({216, 247}, {387, 247}));
    EXPECT_TRUE(dc.HasLine({222, 253}, {388, 253}));
    EXPECT_TRUE(dc.HasLine({434, 262}, {510, 262}));
    EXPECT_EQ(TextoEn(dc, 510, 257), " f3");
    // The cursor moves one more row down for each gate below the last row.
    EXPECT_EQ(s->m_nPosY, 220 + 51 + 60);
}

TEST(DiagramasCompuertasTest, FunctionWithNothingRequiredKeepsItsPlaceWithoutInputs) {
    auto s = ConListas(2, 2);
    AndOrSimultaneo(*s);
    s->m_pCubiertaSop[0] = Lista({{"1-"}});
    s->m_pCubiertaFuncionSop[0][0][0] = Lista({{"1-"}});
    const CRecordingDC dc = Dibujar(*s);
    // f2 has no sub-cover: its output line stands one row below f1's, with no
    // input, and the bus does not run down to it.
    EXPECT_TRUE(dc.HasLine({380, 127}, {510, 127}));
    EXPECT_TRUE(dc.HasLine({380, 181}, {510, 181}));
    EXPECT_EQ(TextoEn(dc, 510, 176), " f2");
    EXPECT_FALSE(Atraviesa(dc, 216, 161));
    EXPECT_EQ(s->m_nPosY, 160 + 51 + 60);
}

// Six functions and one to six terms: no two gates share a place and every
// input hangs from a bus line that reaches it.
class PocosTerminosTest : public testing::TestWithParam<int> {};

TEST_P(PocosTerminosTest, GatesAndLabelsKeepApart) {
    const int k = GetParam();
    auto s = ConListas(3, 6);
    AndOrSimultaneo(*s);
    const char* cubos[] = {"11-", "0-1", "-00", "1-0", "01-", "-11"};
    ListaTerminos* ultimo = &s->m_pCubiertaSop[0];
    for (int t = 0; t < k; ++t) {
        *ultimo = Lista({{cubos[t]}});
        ultimo = &(*ultimo)->sig;
    }
    // Function f takes the terms from f % k on, one or two of them.
    for (int f = 0; f < 6; ++f) {
        const int a = f % k;
        const int b = (f + 1) % k;
        s->m_pCubiertaFuncionSop[0][static_cast<std::size_t>(f)][0] =
            b > a ? Lista({{cubos[a]}, {cubos[b]}}) : Lista({{cubos[a]}});
    }
    const CRecordingDC dc = Dibujar(*s);
    std::vector<int> etiquetas;
    for (const DrawCall& c : dc.Texts()) {
        if (c.text.starts_with(" f")) {
            EXPECT_EQ(c.text, " f" + std::to_string(etiquetas.size() + 1));
            etiquetas.push_back(c.to.y);
        }
    }
    ASSERT_EQ(etiquetas.size(), 6u);
    for (std::size_t f = 1; f < 6; ++f) {
        EXPECT_GE(etiquetas[f] - etiquetas[f - 1], 42) << f;
    }
    // Every input ends at the output gates' back and starts on a bus line.
    int entradas = 0;
    for (const DrawnLine& l : dc.Lines()) {
        if (l.from.y == l.to.y && l.from.x >= 216 && l.from.x <= 246 && l.to.x >= 380) {
            ++entradas;
            EXPECT_TRUE(Atraviesa(dc, l.from.x, l.from.y)) << l.from.x << "," << l.from.y;
        }
    }
    EXPECT_GE(entradas, 6);
    EXPECT_GT(s->m_nPosY, etiquetas.back() + 42);
}

INSTANTIATE_TEST_SUITE_P(UnoASeis, PocosTerminosTest, testing::Range(1, 7));

// The figures and texts of a drawing that reach from y top to y bottom, in
// drawing order.
using Trazo = std::tuple<int, int, int, int, int, std::string>;
std::vector<Trazo> Visibles(const CRecordingDC& dc, const CRect& recorte) {
    std::vector<Trazo> visibles;
    for (const DrawCall& c : dc.Calls()) {
        int arriba = 0;
        int abajo = 0;
        switch (c.kind) {
            case DrawCall::Kind::LineTo:
                arriba = std::min(c.from.y, c.to.y);
                abajo = std::max(c.from.y, c.to.y);
                break;
            case DrawCall::Kind::TextOut:
                arriba = c.to.y;
                abajo = c.to.y + 20;
                break;
            case DrawCall::Kind::Ellipse:
            case DrawCall::Kind::Arc:
                arriba = std::min(c.box[1], c.box[3]);
                abajo = std::max(c.box[1], c.box[3]);
                break;
            default:
                continue;
        }
        if (abajo >= recorte.top && arriba < recorte.bottom) {
            visibles.emplace_back(static_cast<int>(c.kind), c.from.y, c.to.x, c.to.y, c.box[1],
                                  c.text);
        }
    }
    return visibles;
}

TEST(DiagramasCompuertasTest, ClippedPaintLeavesOutDiagramsButKeepsWhatItShows) {
    // Processed systems with every family, alone and together, and many covers:
    // a screen or page anywhere shows what the whole drawing has there.
    std::mt19937 azar(20261207);
    const auto sorteo = [&](UINT k) { return static_cast<UINT>(azar() % k); };
    for (int caso = 0; caso < 8; ++caso) {
        const UINT n = 4;
        const UINT m = 2 + sorteo(4);
        TextosFuncion unos;
        TextosFuncion prescindibles;
        for (UINT f = 0; f < m; ++f) {
            for (UINT t = 0; t < (1u << n); ++t) {
                const UINT r = sorteo(10);
                std::string& lista = r < 3 ? unos[f] : prescindibles[f];
                if (r < 6) {
                    lista += (lista.empty() ? "" : ",") + std::to_string(t);
                }
            }
        }
        CSistema sistemaTodas;
        CSistema* s = &sistemaTodas;
        s->SetNumVariables(n);
        s->SetNumFunctions(m);
        s->m_bTodasSoluciones = true;
        s->m_bProcesarPos = true;
        s->m_bDiagramaIndividual = s->m_bDiagramaSimultaneo = true;
        s->m_bIndividualUnTipo = s->m_bIndividualDosTipos = true;
        s->m_bSimultaneoUnTipo = s->m_bSimultaneoDosTipos = true;
        s->ApplyMinterms(unos, prescindibles);
        const CRecordingDC entero = Dibujar(*s);
        const int alto = s->m_nPosY;
        for (int y = -100; y < alto; y += 377) {
            SCOPED_TRACE(testing::Message() << "system " << caso << ", y " << y);
            const CRect recorte{0, y, 1000, y + 480};
            CRecordingDC dc;
            dc.SetClipBox(recorte);
            s->DrawReport(dc);
            EXPECT_EQ(s->m_nPosY, alto);
            EXPECT_LT(dc.Calls().size(), entero.Calls().size());
            EXPECT_EQ(Visibles(dc, recorte), Visibles(entero, recorte));
        }
    }
}

}  // namespace
