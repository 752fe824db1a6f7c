#include <gtest/gtest.h>

#include "platform/Archive.h"
#include "platform/MessageBox.h"
#include "tests/logic/SistemaPrueba.h"

namespace {

TEST(SystemLifeCycle, NumbersSetTheTermCountsAndTheSentence) {
    auto s = NuevoSistema(3, 1);
    EXPECT_EQ(s->GetNumTerms(), 8u);
    EXPECT_EQ(s->GetTermMask(), 8u);
    EXPECT_EQ(s->GetDescription(), "Sistema con una función de 3 variables.");
    EXPECT_EQ(NuevoSistema(1, 1)->GetDescription(), "Sistema con una función de una variable.");
    EXPECT_EQ(NuevoSistema(1, 2)->GetDescription(),
              "Sistema de 2 funciones de una variable cada una.");
    EXPECT_EQ(NuevoSistema(6, 4)->GetDescription(),
              "Sistema de 4 funciones de 6 variables cada una.");
}

TEST(SystemLifeCycle, DescriptionSetsTheChangeWordWhichStaysSet) {
    CSistema s;
    s.SetDescription("");
    EXPECT_FALSE(s.m_bModificado);
    s.SetDescription("otra");
    EXPECT_TRUE(s.m_bModificado);
    s.SetDescription("");
    EXPECT_TRUE(s.m_bModificado);
}

TEST(EntryForms, MintermsAreRewrittenAscendingWithTheirMaxterms) {
    auto s = NuevoSistema(2, 1);
    Minterminos(*s, {"3,1"});
    EXPECT_EQ(s->GetMintermText(0), "1,3");
    EXPECT_EQ(s->GetMaxtermText(0), "0,2");
    EXPECT_TRUE(s->m_bModificado);
}

TEST(EntryForms, MaxtermsGiveTheComplementAndDontCaresWin) {
    auto s = NuevoSistema(3, 1);
    TextosFuncion max{"5,2"};
    s->ApplyMaxterms(max, TextosFuncion{});
    EXPECT_EQ(s->GetMintermText(0), "0,1,3,4,6,7");
    EXPECT_EQ(s->GetMaxtermText(0), "2,5");

    auto t = NuevoSistema(2, 1);
    t->ApplyMaxterms(TextosFuncion{"2"}, TextosFuncion{"3"});
    EXPECT_EQ(t->GetMintermText(0), "0,1");
    EXPECT_EQ(t->GetDontCareText(0), "3");
    EXPECT_EQ(t->GetMaxtermText(0), "2");
    EXPECT_EQ(Cubos(*t, t->GetTermList()), (std::vector<std::string>{"00", "01", "11"}));
}

TEST(EntryForms, EquationsKeepTheirTextAndDropEarlierDontCares) {
    auto s = NuevoSistema(2, 1);
    Minterminos(*s, {"0"}, {"2"});
    s->ApplyEquations(TextosFuncion{"B"}, TextosFuncion{"aB + AB"});
    EXPECT_EQ(s->GetMintermText(0), "1,3");
    EXPECT_EQ(s->GetDontCareText(0), "");
    EXPECT_EQ(s->GetEquation(0), "B");
}

TEST(EntryForms, AnEmptyCanonicalTextHasNoMinterm) {
    auto s = NuevoSistema(2, 2);
    s->ApplyEquations(TextosFuncion{"A", ""}, TextosFuncion{"Ab + AB", ""});
    EXPECT_EQ(s->GetMintermText(0), "2,3");
    EXPECT_EQ(s->GetMintermText(1), "");
}

TEST(EntryForms, CellsTakeOneAndUppercaseXOnly) {
    auto s = NuevoSistema(2, 2);
    CeldasTabla tabla{};
    for (auto& fila : tabla) {
        fila.fill('0');
    }
    tabla[0][0] = '1';
    tabla[0][1] = 'x';
    tabla[0][2] = 'X';
    tabla[1][3] = '1';
    s->ApplyTruthTableCells(tabla);
    EXPECT_EQ(s->GetMintermText(0), "0");
    EXPECT_EQ(s->GetDontCareText(0), "2");
    EXPECT_EQ(s->GetMintermText(1), "3");

    CeldasMapa mapa{};
    for (UINT t = 0; t < 4; ++t) {
        for (UINT f = 0; f < 2; ++f) {
            mapa[t][f] = tabla[f][t];
        }
    }
    auto k = NuevoSistema(2, 2);
    k->ApplyKMapCells(mapa);
    EXPECT_EQ(Cubos(*k, k->GetTermList()), Cubos(*s, s->GetTermList()));
    EXPECT_EQ(k->GetDontCareText(0), "2");
}

TEST(EntryForms, CellsAreSeededFromTheTermList) {
    auto s = NuevoSistema(2, 2);
    Minterminos(*s, {"1,3", "0"}, {"2", ""});
    const CeldasMapa mapa = s->GetKMapCells();
    EXPECT_EQ(std::string(mapa[0].data(), 2), "01");
    EXPECT_EQ(std::string(mapa[1].data(), 2), "10");
    EXPECT_EQ(std::string(mapa[2].data(), 2), "X0");
    EXPECT_EQ(std::string(mapa[3].data(), 2), "10");
    const CeldasTabla tabla = s->GetTruthTableCells();
    EXPECT_EQ(std::string(tabla[0].data(), 4), "01X1");
    EXPECT_EQ(std::string(tabla[1].data(), 4), "1000");
    // Cells beyond the system stay '0'.
    EXPECT_EQ(tabla[5][63], '0');
    // What the cells give back is the system itself.
    auto k = NuevoSistema(2, 2);
    k->ApplyKMapCells(mapa);
    EXPECT_EQ(Cubos(*k, k->GetTermList()), Cubos(*s, s->GetTermList()));
}

TEST(Processing, NeitherSideSelectedWarnsOnceAndStillRewritesTheTexts) {
    auto s = NuevoSistema(2, 1);
    s->m_bProcesarSop = false;
    CMessageCapture capture;
    Minterminos(*s, {"3,1"});
    EXPECT_EQ(capture.Messages(),
              (std::vector<std::string>{
                  "No seleccionó procesamiento POS, ni SOP por lo que no se realizarán"}));
    EXPECT_EQ(s->GetMintermText(0), "1,3");
    EXPECT_EQ(s->m_pPrimosSop, nullptr);
}

TEST(Processing, AnEntryEqualToTheLoadedOneLeavesTheChangeWordClear) {
    auto s = NuevoSistema(2, 1);
    Minterminos(*s, {"1,3"});
    CArchive out;
    s->Serialize(out);
    CArchive in(out.Bytes());
    CSistema cargado;
    cargado.Serialize(in);
    cargado.RebuildAfterLoad();
    EXPECT_FALSE(cargado.m_bModificado);
    Minterminos(cargado, {"3,1"});
    EXPECT_FALSE(cargado.m_bModificado);
    Minterminos(cargado, {"1"});
    EXPECT_TRUE(cargado.m_bModificado);
    Minterminos(cargado, {"1,3"});
    EXPECT_TRUE(cargado.m_bModificado);
}

TEST(Processing, AFunctionOneEverywhereDiscardsEarlierResults) {
    auto s = NuevoSistema(2, 1);
    s->m_bProcesarPos = true;
    Minterminos(*s, {"1,2"});
    ASSERT_NE(s->m_pPrimosSop, nullptr);
    ASSERT_NE(s->m_pPrimosPos, nullptr);
    // No zero left: the POS side has nothing to work on, and the SOP results
    // of the earlier entry must not stay on show.
    Minterminos(*s, {"0,1,2,3"});
    EXPECT_EQ(s->GetMaxtermText(0), "");
    EXPECT_EQ(s->m_pPrimosSop, nullptr);
    EXPECT_EQ(s->m_pPrimosPos, nullptr);
    EXPECT_EQ(s->m_pCubiertaSop[0], nullptr);
    EXPECT_EQ(s->m_nCubiertasSop, 0u);
    EXPECT_EQ(s->m_nCubiertasPos, 0u);
    EXPECT_EQ(s->m_nLineasSop, 0u);
    EXPECT_EQ(s->m_nCubiertas, 0u);
}

TEST(Processing, RebuildAfterLoadReadsOnlyMintermAndDontCareTexts) {
    CSistema s;
    s.m_nVariables = 2;
    s.m_strMinterminos[0] = "3,0";
    s.m_strMaxterminos[0] = "0,1,2,3";
    s.m_strEcuaciones[0] = "ab";
    s.RebuildAfterLoad();
    EXPECT_EQ(s.GetNumTerms(), 4u);
    EXPECT_EQ(s.GetTermMask(), 4u);
    EXPECT_EQ(s.GetMintermText(0), "0,3");
    EXPECT_EQ(s.GetMaxtermText(0), "1,2");
    EXPECT_EQ(s.GetEquation(0), "ab");
}

}  // namespace
