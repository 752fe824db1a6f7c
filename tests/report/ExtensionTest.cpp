// The report's extent: the estimate the view scrolls over.

#include <gtest/gtest.h>

#include <functional>

#include "logic/Sistema.h"

namespace {

void HideEverything(CSistema& s) {
    for (bool* f : {&s.m_bVerMinterminos,
                    &s.m_bVerMaxterminos,
                    &s.m_bVerTablaVerdad,
                    &s.m_bVerMapaK,
                    &s.m_bVerEcuacion,
                    &s.m_bDiagramaIndividual,
                    &s.m_bIndividualUnTipo,
                    &s.m_bIndividualDosTipos,
                    &s.m_bDiagramaSimultaneo,
                    &s.m_bSimultaneoUnTipo,
                    &s.m_bSimultaneoDosTipos,
                    &s.m_bVerImplicantesPrimos,
                    &s.m_bVerImplicantesEsenciales,
                    &s.m_bVerExpresionSop,
                    &s.m_bVerCubiertasSop,
                    &s.m_bProcesarSop,
                    &s.m_bVerImplicadosPrimos,
                    &s.m_bVerImplicadosEsenciales,
                    &s.m_bVerExpresionPos,
                    &s.m_bVerCubiertasPos,
                    &s.m_bProcesarPos}) {
        *f = false;
    }
}

struct Caso {
    const char* nombre;
    std::function<void(CSistema&)> preparar;
    CSize esperado;
};

void PrintTo(const Caso& caso, std::ostream* os) {
    *os << caso.nombre;
}

class ExtensionTest : public ::testing::TestWithParam<Caso> {};

TEST_P(ExtensionTest, EstimatesTheReportSize) {
    CSistema s;
    HideEverything(s);
    GetParam().preparar(s);
    EXPECT_EQ(s.GetReportSize(), GetParam().esperado);
    // The estimate only reads the system: asking again gives the same size.
    EXPECT_EQ(s.GetReportSize(), GetParam().esperado);
}

void Variables(CSistema& s, UINT n) {
    s.m_nVariables = n;
    s.m_nTerminos = 1u << n;
}

INSTANTIATE_TEST_SUITE_P(
    Ejemplos, ExtensionTest,
    ::testing::Values(Caso{"NadaVisible", [](CSistema&) {}, CSize{780, 487}},
                      Caso{"TablaDeVerdadCuatroVariables",
                           [](CSistema& s) {
                               Variables(s, 4);
                               s.m_bVerTablaVerdad = true;
                           },
                           CSize{780, 505}},
                      Caso{"PrimosAnchos",
                           [](CSistema& s) {
                               Variables(s, 4);
                               s.m_nAnchoReporte = 40;
                               s.m_bVerImplicantesPrimos = true;
                           },
                           CSize{800, 487}},
                      Caso{"PrimosEstrechos",
                           [](CSistema& s) {
                               Variables(s, 4);
                               s.m_nAnchoReporte = 20;
                               s.m_bVerImplicadosPrimos = true;
                           },
                           CSize{780, 487}},
                      Caso{"SeisVariablesConPrimos",
                           [](CSistema& s) {
                               Variables(s, 6);
                               s.m_nAnchoReporte = 21;
                               s.m_bVerImplicantesPrimos = true;
                           },
                           CSize{1500, 487}},
                      Caso{"SeisVariablesAnchoPropio",
                           [](CSistema& s) {
                               Variables(s, 6);
                               s.m_nAnchoReporte = 1600;
                           },
                           CSize{1600, 487}},
                      Caso{"MapasDosVariablesTresCubiertas",
                           [](CSistema& s) {
                               Variables(s, 2);
                               s.m_nCubiertas = 3;
                               s.m_bVerMapaK = true;
                               s.m_bProcesarPos = true;
                           },
                           CSize{780, 510}},
                      Caso{"MapasSinProcesarNoCuentan",
                           [](CSistema& s) {
                               Variables(s, 2);
                               s.m_nCubiertas = 3;
                               s.m_bVerMapaK = true;
                           },
                           CSize{780, 487}},
                      Caso{"MapasCincoVariablesPorFuncion",
                           [](CSistema& s) {
                               Variables(s, 5);
                               s.m_nFunciones = 2;
                               s.m_nCubiertas = 2;
                               s.m_bVerMapaK = true;
                               s.m_bProcesarSop = true;
                           },
                           CSize{780, 290 * 4}},
                      Caso{"MapasMasDeTresFunciones",
                           [](CSistema& s) {
                               Variables(s, 6);
                               s.m_nFunciones = 4;
                               s.m_nCubiertas = 1;
                               s.m_bVerMapaK = true;
                               s.m_bProcesarSop = true;
                           },
                           // n > 4 multiplies by C x m before m > 3 is looked at.
                           CSize{1500, 490 * 4}},
                      Caso{"MapasCuatroVariablesCuatroFunciones",
                           [](CSistema& s) {
                               Variables(s, 4);
                               s.m_nFunciones = 4;
                               s.m_nCubiertas = 3;
                               s.m_bVerMapaK = true;
                               s.m_bProcesarSop = true;
                           },
                           CSize{780, 290 * 6}},
                      Caso{"DiagramasIndividualesDeAmbosTipos",
                           [](CSistema& s) {
                               s.m_nFunciones = 2;
                               s.m_nLineasSop = 3;
                               s.m_nCubiertasSop = 1;
                               s.m_nLineasPos = 5;
                               s.m_nCubiertasPos = 2;
                               s.m_bDiagramaIndividual = true;
                               s.m_bIndividualUnTipo = true;
                               s.m_bIndividualDosTipos = true;
                               s.m_bProcesarSop = true;
                               s.m_bProcesarPos = true;
                           },
                           CSize{780, 30 + 2 * (2 * 4 * 60 + 2 * 7 * 60)}},
                      Caso{"DiagramasSimultaneos",
                           [](CSistema& s) {
                               s.m_nLineasSop = 3;
                               s.m_nCubiertasSop = 1;
                               s.m_bDiagramaSimultaneo = true;
                               s.m_bSimultaneoDosTipos = true;
                               s.m_bProcesarSop = true;
                           },
                           CSize{780, 487}},
                      Caso{"SeccionesDeTexto",
                           [](CSistema& s) {
                               s.m_nFunciones = 3;
                               s.m_nCubiertasSop = 2;
                               s.m_nCubiertasPos = 4;
                               s.m_bVerMinterminos = true;
                               s.m_bVerEcuacion = true;
                               s.m_bVerExpresionSop = true;
                               s.m_bVerCubiertasSop = true;
                               s.m_bVerCubiertasPos = true;
                               s.m_bVerImplicantesEsenciales = true;
                               s.m_bVerImplicadosPrimos = true;
                           },
                           CSize{780, 30 + 150 + 150 + 100 + 100 + 200 + 90 + 90}}),
    [](const ::testing::TestParamInfo<Caso>& prueba) { return std::string(prueba.param.nombre); });

TEST(ExtensionDefaultsTest, NewSystemOfThreeVariablesAndOneFunction) {
    // The defaults show minterms, maxterms, table, maps, equation, SOP
    // and POS expressions and the individual and simultaneous two-level diagrams.
    CSistema s;
    s.m_nVariables = 3;
    s.m_nTerminos = 8;
    const UINT mapas = 170;
    const UINT diagramas = (1 + 1) * 60 + (1 + 1 + 1) * 60;
    const UINT textos = 5 * 50;
    const UINT tabla = 11 * 25;
    EXPECT_EQ(s.GetReportSize(),
              (CSize{780, static_cast<int>(mapas + diagramas + textos + tabla)}));
}

}  // namespace
