#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "tests/report/ReportePrueba.h"

namespace {

TEST(ReporteTest, WorkedExampleDrawsEveryTextAtItsPointOnAnyDevice) {
    for (const int pixeles : {96, 600}) {
        SCOPED_TRACE(pixeles);
        // Entered as a list, so no equation; SOP processed, POS not.
        auto s = Procesado(2, {"3,1"});
        s->m_bVerMapaK = false;  // the maps after the table have tests of their own
        s->m_nPosY = 900;
        s->m_nDesplazamientoY = 200;
        const CRecordingDC dc = Dibujar(*s, pixeles);
        const std::vector<Linea> esperadas = {
            {10, 10, "Sistema con una función de 2 variables."},
            {10, 40, "Suma de mintérminos:"},
            {15, 60, "f  = "},
            {45, 60, "S "},
            {70, 60, "m (1,3)"},
            {10, 90, "Como expresión SOP:"},
            {15, 110, "f = B"},
            {10, 140, "Producto de maxtérminos:"},
            {15, 160, "f  = "},
            {45, 160, "P "},
            {70, 160, "M (0,2)"},
            {10, 200, "Tabla de Verdad :"},  // the table starts from (10, 190)
        };
        const std::vector<Linea> lineas = Lineas(dc);
        ASSERT_GE(lineas.size(), esperadas.size());
        EXPECT_EQ(std::vector<Linea>(lineas.begin(), lineas.begin() + static_cast<std::ptrdiff_t>(
                                                                          esperadas.size())),
                  esperadas);
        // The table ends at 375; the AND-OR diagram of f = B follows: two
        // headings and one row.
        EXPECT_EQ(TextoEn(dc, 10, 375), "Diagramas de Compuertas AND-OR:");
        EXPECT_EQ(s->m_nPosY, 190 + 30 + 25 * 4 + 55 + 30 + 30 + 60 + 21);
        EXPECT_EQ(s->m_nDesplazamientoY, 0);

        // Only the two signs use the 14-point Symbol face and the rail labels the
        // 8.2-point Arial, both sized for the device.
        const CFont simbolo{"Symbol", pixeles == 96 ? -19 : -117};
        const CFont rieles{"Arial", pixeles == 96 ? -11 : -68};
        for (const DrawCall& c : dc.Texts()) {
            const bool signo = c.text == "S " || c.text == "P ";
            const bool riel = c.text == "Aa" || c.text == "Bb";
            EXPECT_EQ(c.font, signo  ? simbolo
                              : riel ? rieles
                                     : CRecordingDC::DefaultFont())
                << c.text;
        }
        EXPECT_EQ(dc.CurrentFont(), CRecordingDC::DefaultFont());
        EXPECT_EQ(dc.Calls().front().kind, DrawCall::Kind::SetMapMode);
        EXPECT_EQ(dc.MapMode(), MM_TEXT);
    }
}

class DescripcionTest : public testing::TestWithParam<std::tuple<UINT, UINT, std::string>> {};

TEST_P(DescripcionTest, SentenceFollowsTheCounts) {
    const auto& [n, m, frase] = GetParam();
    auto s = SistemaVacio(n, m);
    s->m_strCaracteristicas = "Otra descripción";  // the stored text is never drawn
    const std::vector<Linea> esperadas =
        frase.empty() ? std::vector<Linea>{} : std::vector<Linea>{{10, 10, frase}};
    EXPECT_EQ(Lineas(Dibujar(*s)), esperadas);
}

INSTANTIATE_TEST_SUITE_P(
    CuatroFrases, DescripcionTest,
    testing::Values(std::make_tuple(1u, 1u, "Sistema con una función de una variable."),
                    std::make_tuple(4u, 1u, "Sistema con una función de 4 variables."),
                    std::make_tuple(1u, 3u, "Sistema de 3 funciones de una variable cada una."),
                    std::make_tuple(6u, 2u, "Sistema de 2 funciones de 6 variables cada una."),
                    // Numbers never set: nothing to describe.
                    std::make_tuple(0u, 1u, "")));

TEST(ReporteTest, EquationsFollowTheFirstFunctionAndShowEmptyOnesAsLabels) {
    auto s = SistemaVacio(2, 3);
    s->m_bVerEcuacion = true;
    s->m_strEcuaciones = {"AB+c", "", "a"};
    EXPECT_EQ(Lineas(Dibujar(*s)), (std::vector<Linea>{
                                       {10, 10, "Sistema de 3 funciones de 2 variables cada una."},
                                       {10, 40, "Como ecuación lógica:"},
                                       {15, 60, "f1 = AB+c"},
                                       {15, 90, "f2 = "},
                                       {15, 120, "f3 = a"},
                                   }));
    s->m_strEcuaciones = {"", "AB", "a"};
    EXPECT_EQ(Lineas(Dibujar(*s)).size(), 1u);
}

TEST(ReporteTest, CanonicalListsAddDontCaresOnlyWhereThereAreSome) {
    auto s = SistemaVacio(3, 2);
    s->m_bVerMinterminos = true;
    s->m_bVerMaxterminos = true;
    s->m_strMinterminos = {"1,3,5", "2"};
    s->m_strPrescindibles = {"7", ""};
    s->m_strMaxterminos = {"0,2,4,6", "0,1,3,4,5,6,7"};
    s->m_pNivelSop[0] = Lista({{"001"}});
    s->m_pNivelPos[0] = Lista({{"000"}});
    const CRecordingDC dc = Dibujar(*s);
    EXPECT_EQ(TextoEn(dc, 70, 60), "m (1,3,5) + d (7)");
    EXPECT_EQ(TextoEn(dc, 70, 90), "m (2)");
    EXPECT_EQ(TextoEn(dc, 10, 120), "Producto de maxtérminos:");
    EXPECT_EQ(TextoEn(dc, 70, 140), "M (0,2,4,6) + D (7)");
    EXPECT_EQ(TextoEn(dc, 15, 170), "f2 = ");
    EXPECT_EQ(TextoEn(dc, 70, 170), "M (0,1,3,4,5,6,7)");
}

// Both sides processed with every section shown, one cover per side; each row
// changes the system and lists what is drawn before the truth table.
struct Compuerta {
    const char* nombre;
    std::function<void(CSistema&)> cambio;
    std::vector<std::string> textos;
};

void PrintTo(const Compuerta& c, std::ostream* os) {
    *os << c.nombre;
}

class CompuertaTest : public testing::TestWithParam<Compuerta> {};

TEST_P(CompuertaTest, SectionsFollowTheirOptionsAndData) {
    auto s = SistemaVacio(2, 1);
    for (bool CSistema::*opcion :
         {&CSistema::m_bVerMinterminos, &CSistema::m_bVerMaxterminos, &CSistema::m_bVerExpresionSop,
          &CSistema::m_bVerImplicantesPrimos, &CSistema::m_bVerImplicantesEsenciales,
          &CSistema::m_bVerCubiertasSop, &CSistema::m_bProcesarPos, &CSistema::m_bVerExpresionPos,
          &CSistema::m_bVerImplicadosPrimos, &CSistema::m_bVerImplicadosEsenciales,
          &CSistema::m_bVerCubiertasPos}) {
        (*s).*opcion = true;
    }
    s->m_strMinterminos[0] = "1,3";
    s->m_strMaxterminos[0] = "0,2";
    s->m_pNivelSop[0] = Lista({{"01"}, {"11"}});
    s->m_pNivelPos[0] = Lista({{"00"}, {"10"}});
    s->m_pPrimosSop = Lista({{"-1"}});
    s->m_pEsencialesSop = Lista({{"-1"}});
    s->m_pCubiertaSop[0] = Lista({{"-1"}});
    s->m_pPrimosPos = Lista({{"-0"}});
    s->m_pEsencialesPos = Lista({{"-0"}});
    s->m_pCubiertaPos[0] = Lista({{"-0"}});
    GetParam().cambio(*s);
    std::vector<std::string> esperados = {"Sistema con una función de 2 variables."};
    esperados.insert(esperados.end(), GetParam().textos.begin(), GetParam().textos.end());
    EXPECT_EQ(Dibujar(*s).TextStrings(), esperados);
}

const std::vector<std::string> kMin = {"Suma de mintérminos:", "f  = ", "S ", "m (1,3)"};
const std::vector<std::string> kMax = {"Producto de maxtérminos:", "f  = ", "P ", "M (0,2)"};

std::vector<std::string> Unir(std::initializer_list<std::vector<std::string>> partes) {
    std::vector<std::string> todo;
    for (const auto& p : partes) {
        todo.insert(todo.end(), p.begin(), p.end());
    }
    return todo;
}

INSTANTIATE_TEST_SUITE_P(
    Secciones, CompuertaTest,
    testing::Values(
        Compuerta{"Todas", [](CSistema&) {},
                  Unir({kMin,
                        {"Como expresión SOP:", "f = B", "Implicantes Primos: -1 ",
                         "Implicantes PE: -1 ", "Cubierta 1: -1 "},
                        kMax,
                        {"Como expresión POS:", "f = (B)", "Implicados Primos: -0 ",
                         "Implicados PE: -0 ", "Cubierta 1: -0 "}})},
        // 1 on every term: the minterms, and on either side the constant 1
        // whatever covers an earlier entry left.
        Compuerta{
            "SinCeros", [](CSistema& s) { s.m_pNivelPos[0].reset(); },
            Unir({kMin,
                  {"Como expresión SOP:", "f = 1", "Implicantes Primos: -1 ", "Implicantes PE: -1 ",
                   "Cubierta 1: -1 ", "Como expresión POS:", "f = 1"}})},
        Compuerta{"SinUnos",
                  [](CSistema& s) { s.m_pNivelSop[0].reset(); },
                  {"Implicados Primos: -0 ", "Implicados PE: -0 ", "Cubierta 1: -0 "}},
        Compuerta{"SopApagado", [](CSistema& s) { s.m_bProcesarSop = false; },
                  Unir({kMin,
                        kMax,
                        {"Como expresión POS:", "f = (B)", "Implicados Primos: -0 ",
                         "Implicados PE: -0 ", "Cubierta 1: -0 "}})},
        Compuerta{
            "ListasVacias",
            [](CSistema& s) {
                s.m_pEsencialesSop.reset();
                s.m_pPrimosPos.reset();
                s.m_pCubiertaPos[0].reset();
                s.m_bProcesarSop = false;
            },
            // Without a cover the POS side writes the function's zeros.
            Unir({kMin, kMax, {"Como expresión POS:", "f1 = (A+B)(a+B)", "Implicados PE: -0 "}})}),
    [](const testing::TestParamInfo<Compuerta>& prueba) {
        return std::string(prueba.param.nombre);
    });

TEST(ReporteTest, FunctionWithoutZerosIsTheConstantOneOnThePosSide) {
    // f2 is 1 everywhere but on its don't-care 0; f1 has zeros.
    auto s = Procesado(2, {"1,3", "1,2,3"}, {"", "0"});
    s->m_bProcesarPos = true;
    s->m_bSopHecho = false;
    s->m_bPosHecho = false;
    s->Reprocess();
    const std::vector<std::string> textos = Dibujar(*s).TextStrings();
    const auto pos = std::find(textos.begin(), textos.end(), "Como expresión POS:");
    ASSERT_GE(textos.end() - pos, 3);
    EXPECT_EQ(pos[1], "f1 = (B)");
    EXPECT_EQ(pos[2], "f2 = 1");
}

TEST(ReporteTest, SystemThatIsOneEverywhereShowsWhatWasEnteredAndTheConstant) {
    // Minterms 0 to 3 of one function of two variables: the worked example's
    // layout, the constant in place of the expression, no maxterms.
    auto s = Procesado(2, {"0,1,2,3"});
    s->m_bVerMapaK = false;
    const std::vector<Linea> lineas = Lineas(Dibujar(*s));
    ASSERT_GE(lineas.size(), 7u);
    EXPECT_EQ(std::vector<Linea>(lineas.begin(), lineas.begin() + 7),
              (std::vector<Linea>{{10, 10, "Sistema con una función de 2 variables."},
                                  {10, 40, "Suma de mintérminos:"},
                                  {15, 60, "f  = "},
                                  {45, 60, "S "},
                                  {70, 60, "m (0,1,2,3)"},
                                  {10, 90, "Como expresión SOP:"},
                                  {15, 110, "f = 1"}}));
    EXPECT_EQ(lineas[7], (Linea{10, 150, "Tabla de Verdad :"}));
    EXPECT_EQ(lineas.back(), (Linea{155, 275, "1"})) << "the last row of the table";
    EXPECT_EQ(s->GetMaxtermText(0), "");

    // Several functions, both sides: each function is numbered; nothing is
    // shown as minimised.
    auto dos = Procesado(2, {"0,1,2,3", "0,1,2,3"});
    dos->m_bProcesarPos = true;
    dos->m_bVerImplicantesPrimos = true;
    dos->m_bVerCubiertasPos = true;
    dos->m_bVerTablaVerdad = false;
    dos->Reprocess();
    EXPECT_EQ(
        Dibujar(*dos).TextStrings(),
        (std::vector<std::string>{"Sistema de 2 funciones de 2 variables cada una.",
                                  "Suma de mintérminos:", "f1 = ", "S ", "m (0,1,2,3)",
                                  "f2 = ", "S ", "m (0,1,2,3)", "Como expresión SOP:", "f1 = 1",
                                  "f2 = 1", "Como expresión POS:", "f1 = 1", "f2 = 1"}));
}

}  // namespace
