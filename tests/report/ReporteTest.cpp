#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "tests/report/ReportePrueba.h"

namespace {

// One function of two variables with minterms 1 and 3, entered as a list, as the
// default options show it: SOP processed, POS not.
std::unique_ptr<CSistema> EjemploDosVariables() {
    auto s = std::make_unique<CSistema>();
    s->SetNumVariables(2);
    s->SetNumFunctions(1);
    s->m_strMinterminos[0] = "1,3";
    s->m_strMaxterminos[0] = "0,2";
    s->m_pNivelSop[0] = Lista({{"01"}, {"11"}});
    s->m_pNivelPos[0] = Lista({{"00"}, {"10"}});
    s->m_pPrimosSop = Lista({{"-1"}});
    s->m_pEsencialesSop = Lista({{"-1"}});
    s->m_pCubiertaSop[0] = Lista({{"-1"}});
    return s;
}

TEST(ReporteTest, WorkedExampleDrawsEveryTextAtItsPoint) {
    auto s = EjemploDosVariables();
    const CRecordingDC dc = Dibujar(*s);

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
        // The truth table starts from the cursor at (10, 190).
        {10, 200, "Tabla de Verdad :"},
    };
    const std::vector<Linea> lineas = Lineas(dc);
    ASSERT_GE(lineas.size(), esperadas.size());
    EXPECT_EQ(std::vector<Linea>(lineas.begin(), lineas.begin() + esperadas.size()), esperadas);
}

TEST(ReporteTest, OnlyTheSignsUseTheSymbolFontSizedForTheDevice) {
    for (const int pixeles : {96, 600}) {
        SCOPED_TRACE(pixeles);
        auto s = EjemploDosVariables();
        const CRecordingDC dc = Dibujar(*s, pixeles);
        const CFont simbolo = CFont::CreatePointFont(140, "Symbol", dc);
        EXPECT_EQ(simbolo.height, pixeles == 96 ? -19 : -117);
        for (const DrawCall& c : dc.Texts()) {
            const bool signo = c.text == "S " || c.text == "P ";
            EXPECT_EQ(c.font, signo ? simbolo : CRecordingDC::DefaultFont()) << c.text;
        }
        EXPECT_EQ(dc.CurrentFont(), CRecordingDC::DefaultFont());
        ASSERT_FALSE(dc.Calls().empty());
        EXPECT_EQ(dc.Calls().front().kind, DrawCall::Kind::SetMapMode);
        EXPECT_EQ(dc.MapMode(), MM_TEXT);
    }
}

TEST(ReporteTest, EveryPassStartsAfreshFromTheTopLeft) {
    auto s = EjemploDosVariables();
    s->m_nPosX = 300;
    s->m_nPosY = 900;
    s->m_nDesplazamientoY = 200;
    const CRecordingDC primera = Dibujar(*s);
    const int finalY = s->m_nPosY;
    const CRecordingDC segunda = Dibujar(*s);
    EXPECT_EQ(Lineas(primera), Lineas(segunda));
    EXPECT_EQ(s->m_nPosX, 10);
    EXPECT_EQ(s->m_nPosY, finalY);
    EXPECT_EQ(s->m_nDesplazamientoY, 0);
    // 190 where the table starts, 25 x 4 rows and 55 below it.
    EXPECT_EQ(finalY, 190 + 30 + 100 + 55);
}

class DescripcionTest : public testing::TestWithParam<std::tuple<UINT, UINT, std::string>> {};

TEST_P(DescripcionTest, SentenceFollowsTheCounts) {
    const auto& [n, m, frase] = GetParam();
    auto s = SistemaVacio(n, m);
    s->m_strCaracteristicas = "Otra descripción";  // the stored text is never drawn
    const CRecordingDC dc = Dibujar(*s);
    EXPECT_EQ(Lineas(dc), (std::vector<Linea>{{10, 10, frase}}));
    EXPECT_EQ(s->m_nPosY, 40);
}

INSTANTIATE_TEST_SUITE_P(
    CuatroFrases, DescripcionTest,
    testing::Values(std::make_tuple(1u, 1u, "Sistema con una función de una variable."),
                    std::make_tuple(4u, 1u, "Sistema con una función de 4 variables."),
                    std::make_tuple(1u, 3u, "Sistema de 3 funciones de una variable cada una."),
                    std::make_tuple(6u, 2u, "Sistema de 2 funciones de 6 variables cada una.")));

TEST(ReporteTest, SystemWhoseNumbersWereNeverSetHasNoSentence) {
    CSistema s;
    s.m_strEcuaciones[0] = "AB";
    CRecordingDC dc;
    s.DrawReport(dc);
    EXPECT_EQ(Lineas(dc),
              (std::vector<Linea>{{10, 10, "Como ecuación lógica:"}, {15, 30, "f  = AB"}}));
}

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
    s->m_strEcuaciones = {"AB+c", "", "a"};
    s->m_bVerEcuacion = false;
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
    EXPECT_EQ(Lineas(Dibujar(*s)), (std::vector<Linea>{
                                       {10, 10, "Sistema de 2 funciones de 3 variables cada una."},
                                       {10, 40, "Suma de mintérminos:"},
                                       {15, 60, "f1 = "},
                                       {45, 60, "S "},
                                       {70, 60, "m (1,3,5) + d (7)"},
                                       {15, 90, "f2 = "},
                                       {45, 90, "S "},
                                       {70, 90, "m (2)"},
                                       {10, 120, "Producto de maxtérminos:"},
                                       {15, 140, "f1 = "},
                                       {45, 140, "P "},
                                       {70, 140, "M (0,2,4,6) + D (7)"},
                                       {15, 170, "f2 = "},
                                       {45, 170, "P "},
                                       {70, 170, "M (0,1,3,4,5,6,7)"},
                                   }));
}

// Every section of both sides turned on, with one cover per side.
std::unique_ptr<CSistema> SistemaCompleto() {
    auto s = std::make_unique<CSistema>();
    s->SetNumVariables(2);
    s->SetNumFunctions(1);
    s->m_bVerImplicantesPrimos = true;
    s->m_bVerImplicantesEsenciales = true;
    s->m_bVerCubiertasSop = true;
    s->m_bProcesarPos = true;
    s->m_bVerImplicadosPrimos = true;
    s->m_bVerImplicadosEsenciales = true;
    s->m_bVerCubiertasPos = true;
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
    return s;
}

TEST(ReporteTest, EverySectionInOrder) {
    auto s = SistemaCompleto();
    const std::vector<std::string> textos = Dibujar(*s).TextStrings();
    const std::vector<std::string> inicio(textos.begin(), textos.begin() + 20);
    EXPECT_EQ(inicio, (std::vector<std::string>{"Sistema con una función de 2 variables.",
                                                "Suma de mintérminos:",
                                                "f  = ",
                                                "S ",
                                                "m (1,3)",
                                                "Como expresión SOP:",
                                                "f = B",
                                                "Implicantes Primos: -1 ",
                                                "Implicantes PE: -1 ",
                                                "Cubierta 1: -1 ",
                                                "Producto de maxtérminos:",
                                                "f  = ",
                                                "P ",
                                                "M (0,2)",
                                                "Como expresión POS:",
                                                "f = (B)",
                                                "Implicados Primos: -0 ",
                                                "Implicados PE: -0 ",
                                                "Cubierta 1: -0 ",
                                                "Tabla de Verdad :"}));
}

TEST(ReporteTest, EmptyListOfZerosLeavesOutWhatNeedsBothLists) {
    auto s = SistemaCompleto();
    s->m_pNivelPos[0].reset();
    EXPECT_EQ(Dibujar(*s).TextStrings(),
              (std::vector<std::string>{"Sistema con una función de 2 variables.",
                                        "Implicantes Primos: -1 ", "Implicantes PE: -1 ",
                                        "Cubierta 1: -1 "}));
}

TEST(ReporteTest, EmptyListOfOnesLeavesOutWhatNeedsBothLists) {
    auto s = SistemaCompleto();
    s->m_pNivelSop[0].reset();
    EXPECT_EQ(Dibujar(*s).TextStrings(),
              (std::vector<std::string>{"Sistema con una función de 2 variables.",
                                        "Implicados Primos: -0 ", "Implicados PE: -0 ",
                                        "Cubierta 1: -0 "}));
}

TEST(ReporteTest, EmptyResultListsDrawNoLineEvenWhenAskedFor) {
    auto s = SistemaCompleto();
    s->m_pEsencialesSop.reset();
    s->m_pPrimosPos.reset();
    s->m_pCubiertaPos[0].reset();
    const std::vector<std::string> textos = Dibujar(*s).TextStrings();
    const std::vector<std::string> lados(textos.begin() + 5, textos.begin() + 15);
    EXPECT_EQ(lados, (std::vector<std::string>{"Como expresión SOP:", "f = B",
                                               "Implicantes Primos: -1 ", "Cubierta 1: -1 ",
                                               "Producto de maxtérminos:", "f  = ", "P ", "M (0,2)",
                                               "Como expresión POS:", "f1 = (A+B)(a+B)"}));
    // The POS side without a cover still shows its essentials.
    EXPECT_EQ(textos.at(15), "Implicados PE: -0 ");
    EXPECT_EQ(textos.at(16), "Tabla de Verdad :");
}

TEST(ReporteTest, SideNotProcessedLeavesOutOnlyItsOwnSections) {
    auto s = SistemaCompleto();
    s->m_bProcesarSop = false;
    const std::vector<std::string> textos = Dibujar(*s).TextStrings();
    for (const char* ausente : {"Como expresión SOP:", "f = B", "Implicantes Primos: -1 ",
                                "Implicantes PE: -1 ", "Cubierta 1: -1 "}) {
        EXPECT_EQ(std::count(textos.begin(), textos.end(), ausente), 0) << ausente;
    }
    for (const char* presente : {"Suma de mintérminos:", "Producto de maxtérminos:",
                                 "Como expresión POS:", "Tabla de Verdad :"}) {
        EXPECT_EQ(std::count(textos.begin(), textos.end(), presente), 1) << presente;
    }
}

TEST(ReporteTest, LongPrimeLineIsOneUnbrokenText) {
    auto s = SistemaVacio(6, 1);
    s->m_bVerImplicantesPrimos = true;
    s->m_pNivelSop[0] = Lista({{"000000"}});
    std::string esperada = "Implicantes Primos: ";
    for (int i = 0; i < 30; ++i) {
        esperada += "10-0-1 ";
    }
    s->m_pPrimosSop = Lista({{"10-0-1"}});
    Termino* ultimo = s->m_pPrimosSop.get();
    for (int i = 1; i < 30; ++i) {
        ultimo->sig = Lista({{"10-0-1"}});
        ultimo = ultimo->sig.get();
    }
    const CRecordingDC dc = Dibujar(*s);
    EXPECT_EQ(Lineas(dc).back(), (Linea{10, 40, esperada}));
    EXPECT_EQ(s->m_nPosY, 70);
}

}  // namespace
