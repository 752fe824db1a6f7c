#include <gtest/gtest.h>

#include "platform/MessageBox.h"
#include "tests/logic/SistemaPrueba.h"

namespace {

using Lista = std::vector<std::string>;

struct Caso {
    const char* nombre;
    UINT n;
    Lista minterminos;
    Lista prescindibles;
    Lista primos;
    Lista esenciales;
};

class PrimesAndEssentials : public ::testing::TestWithParam<Caso> {};

TEST_P(PrimesAndEssentials, OfTheOnes) {
    const Caso& c = GetParam();
    auto s = NuevoSistema(c.n, static_cast<UINT>(c.minterminos.size()));
    Minterminos(*s, c.minterminos, c.prescindibles);
    EXPECT_EQ(Cubos(*s, s->m_pPrimosSop.get()), c.primos);
    EXPECT_EQ(Cubos(*s, s->m_pEsencialesSop.get()), c.esenciales);
    EXPECT_EQ(s->m_nAnchoReporte, 1 + c.primos.size());
    // Only the term list stays; the higher levels live inside one processing.
    for (UINT k = 1; k < kMaxVariables; ++k) {
        EXPECT_EQ(s->m_pNivelSop[k], nullptr);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tables, PrimesAndEssentials,
    ::testing::Values(
        Caso{"NothingCombines", 2, {"1,2"}, {}, {"01", "10"}, {"01", "10"}},
        Caso{"SharedTermStaysUnmarked", 2, {"1,3", "3"}, {}, {"-1", "11"}, {"-1", "11"}},
        Caso{"NoCubeWithoutLiterals",
             2,
             {"0,1,2,3", "0"},
             {},
             {"00", "0-", "-0", "-1", "1-"},
             {"00"}},
        Caso{"DontCaresFormPrimes", 2, {"0"}, {"1,3"}, {"0-", "-1"}, {"0-"}},
        Caso{"LoneDontCareIsNoPrime", 2, {"0"}, {"3"}, {"00"}, {"00"}},
        Caso{"CyclicFunction",
             3,
             {"0,1,2,5,6,7"},
             {},
             {"00-", "0-0", "-01", "-10", "1-1", "11-"},
             {}},
        Caso{"SixVariables", 6, {"0,1,2,3,63"}, {}, {"0000--", "111111"}, {"0000--", "111111"}}),
    [](const auto& prueba) { return std::string(prueba.param.nombre); });

TEST(Essentials, TermFlagsMarkPureDontCaresAfterwards) {
    auto s = NuevoSistema(2, 2);
    Minterminos(*s, {"0", "1"}, {"3", "3"});
    const Termino* t = s->GetTermList();
    ASSERT_EQ(Cubos(*s, t), (Lista{"00", "01", "11"}));
    EXPECT_EQ(t->marca, 0u);
    EXPECT_EQ(t->sig->marca, 0u);
    EXPECT_EQ(t->sig->sig->marca, 1u);
}

TEST(SideProcessing, OneTermIsNotEnough) {
    auto s = NuevoSistema(2, 1);
    s->m_bProcesarPos = true;
    CMessageCapture capture;
    Minterminos(*s, {"0,1,2"});
    EXPECT_EQ(capture.Messages(), (Lista{"Datos insuficientes para procesar"}));
    EXPECT_NE(s->m_pPrimosSop, nullptr);
    EXPECT_EQ(s->m_pPrimosPos, nullptr);
    EXPECT_EQ(s->m_pEsencialesPos, nullptr);
    EXPECT_EQ(s->m_pCubiertaPos[0], nullptr);
    EXPECT_TRUE(s->m_bPosHecho);
}

TEST(SideProcessing, BothSidesCountTheirPrimesIntoTheReportWidth) {
    auto s = NuevoSistema(3, 1);
    s->m_bProcesarPos = true;
    Minterminos(*s, {"0,1,2,5,6,7"});
    EXPECT_EQ(Cubos(*s, s->m_pPrimosPos.get()), (Lista{"011", "100"}));
    EXPECT_EQ(s->m_nAnchoReporte, 1u + 6u + 2u);
}

TEST(SideProcessing, ASideOfLoneDontCaresHasNoPrimeAndNoCover) {
    // Function 1 is one or don't-care everywhere: its zeros list holds only
    // the don't-cares 1 and 2, which combine with nothing.
    auto s = NuevoSistema(2, 1);
    s->m_bProcesarPos = true;
    CMessageCapture capture;
    Minterminos(*s, {"0,3"}, {"1,2"});
    EXPECT_TRUE(capture.Messages().empty());
    EXPECT_EQ(s->m_pPrimosPos, nullptr);
    EXPECT_EQ(s->m_pCubiertaPos[0], nullptr);
    EXPECT_EQ(s->m_nCubiertasPos, 0u);
    EXPECT_EQ(s->m_nLineasPos, 0u);
}

TEST(SideProcessing, ReprocessingTheSameListGivesTheSameResults) {
    auto s = NuevoSistema(4, 2);
    Minterminos(*s, {"0,2,5,7,8,10,13,15", "1,3,5,7"}, {"4", "15"});
    const Lista primos = Cubos(*s, s->m_pPrimosSop.get());
    const Lista esenciales = Cubos(*s, s->m_pEsencialesSop.get());
    s->m_bSopHecho = false;
    s->m_bPosHecho = false;
    s->Reprocess();
    EXPECT_EQ(Cubos(*s, s->m_pPrimosSop.get()), primos);
    EXPECT_EQ(Cubos(*s, s->m_pEsencialesSop.get()), esenciales);
}

// Every prime must be an implicant of each of its functions, and no prime may
// be contained in another prime that serves all of its functions.
TEST(SideProcessing, PrimesAreMaximalImplicantsOnRandomSystems) {
    unsigned semilla = 12345;
    auto azar = [&semilla] {
        semilla = semilla * 1103515245u + 12345u;
        return (semilla >> 16) & 0x7FFF;
    };
    for (int vuelta = 0; vuelta < 60; ++vuelta) {
        const UINT n = 1 + azar() % 5;
        const UINT m = 1 + azar() % 4;
        auto s = NuevoSistema(n, m);
        CeldasTabla tabla{};
        for (UINT f = 0; f < m; ++f) {
            for (UINT t = 0; t < (1u << n); ++t) {
                const UINT r = azar() % 10;
                tabla[f][t] = r < 4 ? '1' : r < 6 ? 'X' : '0';
            }
        }
        s->ApplyTruthTableCells(tabla);
        for (const Termino* p = s->m_pPrimosSop.get(); p != nullptr; p = p->sig.get()) {
            for (UINT f = 0; f < m; ++f) {
                if ((p->funciones & (1u << f)) == 0) {
                    continue;
                }
                for (UINT t = 0; t < (1u << n); ++t) {
                    Termino termino(t, ((1u << n) - 1) ^ t, 0, 0);
                    if (s->CubeCoversTerm(termino, *p)) {
                        EXPECT_NE(tabla[f][t], '0') << "vuelta " << vuelta;
                    }
                }
            }
            for (const Termino* q = s->m_pPrimosSop.get(); q != nullptr; q = q->sig.get()) {
                const bool contenido =
                    q != p && (q->unos & p->unos) == q->unos && (q->ceros & p->ceros) == q->ceros;
                EXPECT_FALSE(contenido && (q->funciones & p->funciones) == p->funciones)
                    << "vuelta " << vuelta;
            }
        }
    }
}

}  // namespace
