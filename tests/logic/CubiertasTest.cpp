#include <gtest/gtest.h>

#include <random>

#include "logic/BuscadorCubiertas.h"
#include "platform/MessageBox.h"
#include "tests/logic/CubiertasReferencia.h"
#include "tests/logic/SistemaPrueba.h"

namespace {

using Lista = std::vector<std::string>;

// Each node as cube, masks and flag, so that a mismatch reads plainly.
Lista Nodos(const CSistema& s, const Termino* list) {
    Lista nodos = Cubos(s, list);
    std::size_t k = 0;
    for (; list != nullptr; list = list->sig.get(), ++k) {
        nodos[k] += " f" + std::to_string(list->funciones) + " p" +
                    std::to_string(list->prescindibles) + " m" + std::to_string(list->marca);
    }
    return nodos;
}

std::vector<Lista> Cubiertas(const CSistema& s, const TablaCubiertas& covers) {
    std::vector<Lista> todas;
    for (const ListaTerminos& c : covers) {
        if (c) {
            todas.push_back(Cubos(s, c.get()));
        }
    }
    return todas;
}

std::vector<Lista> Subcubiertas(const CSistema& s, const SubcubiertasFuncion& slots) {
    std::vector<Lista> todas;
    for (const ListaTerminos& c : slots) {
        todas.push_back(Cubos(s, c.get()));
    }
    return todas;
}

// The fast search's result on one side against the literal walk's.
void CompararConReferencia(CSistema& s, const Termino* level0, const Termino* primes,
                           const TablaCubiertas& covers, const TablaSubcubiertas& subCovers,
                           UINT count, UINT lineas, const std::string& contexto) {
    auto refCovers = std::make_unique<TablaCubiertas>();
    auto refSub = std::make_unique<TablaSubcubiertas>();
    const UINT refCount =
        referencia::FindMinimalCovers(s, level0, primes, *refCovers, *refSub, s.m_nFunciones, 0);
    ASSERT_EQ(count, refCount) << contexto;
    EXPECT_EQ(lineas, s.m_nLineasCubiertas) << contexto;
    for (UINT c = 0; c < kMaxCubiertas; ++c) {
        ASSERT_EQ(Nodos(s, covers[c].get()), Nodos(s, (*refCovers)[c].get()))
            << contexto << " cover " << c;
        for (UINT f = 0; f < kMaxFunciones; ++f) {
            for (UINT k = 0; k < kMaxSubcubiertas; ++k) {
                ASSERT_EQ(Nodos(s, subCovers[c][f][k].get()), Nodos(s, (*refSub)[c][f][k].get()))
                    << contexto << " cover " << c << " function " << f << " sub-cover " << k;
            }
        }
    }
}

// Combinations the literal walk tries up to size k, to keep the reference quick.
double Combinaciones(UINT n, UINT k) {
    double total = 0;
    double c = 1;
    for (UINT j = 1; j <= k && j <= n; ++j) {
        c = c * (n - j + 1) / j;
        total += c;
    }
    return total;
}

CeldasTabla CeldasAleatorias(std::mt19937& azar, UINT n, UINT m, double unos,
                             double prescindibles) {
    CeldasTabla celdas{};
    std::uniform_real_distribution<double> u(0.0, 1.0);
    for (UINT f = 0; f < m; ++f) {
        for (UINT t = 0; t < (1u << n); ++t) {
            const double x = u(azar);
            celdas[f][t] = x < unos ? '1' : x < unos + prescindibles ? 'X' : '0';
        }
    }
    return celdas;
}

// ---- covers of small systems, through the whole processing ----

struct Caso {
    const char* nombre;
    UINT n;
    Lista minterminos;
    Lista prescindibles;
    bool todas;
    std::vector<Lista> cubiertas;
    UINT lineas;
};

class CoverTables : public ::testing::TestWithParam<Caso> {};

TEST_P(CoverTables, OfTheOnes) {
    const Caso& c = GetParam();
    auto s = NuevoSistema(c.n, static_cast<UINT>(c.minterminos.size()));
    s->m_bTodasSoluciones = c.todas;
    Minterminos(*s, c.minterminos, c.prescindibles);
    EXPECT_EQ(Cubiertas(*s, s->m_pCubiertaSop), c.cubiertas);
    EXPECT_EQ(s->m_nCubiertasSop, c.cubiertas.size());
    EXPECT_EQ(s->m_nLineasSop, c.lineas);
    ASSERT_TRUE(s->m_pCubiertaSop[0]);
    EXPECT_EQ(s->m_pCubiertaSop[0]->marca, 1u) << "found flag";
}

INSTANTIATE_TEST_SUITE_P(
    Tables, CoverTables,
    ::testing::Values(
        Caso{"TwoLonePrimes", 2, {"1,2"}, {}, false, {{"01", "10"}}, 2},
        Caso{"CyclicFirstCoverOnly", 3, {"0,1,2,5,6,7"}, {}, false, {{"00-", "-10", "1-1"}}, 3},
        Caso{"CyclicAllCheapest",
             3,
             {"0,1,2,5,6,7"},
             {},
             true,
             {{"00-", "-10", "1-1"}, {"0-0", "-01", "11-"}},
             6},
        Caso{"SharedPrimeOnce", 2, {"1,3", "1,3"}, {}, false, {{"-1"}}, 1}),
    [](const auto& prueba) { return std::string(prueba.param.nombre); });

// Terms 0 and 7 of three variables; 0 is covered by 000 and by 00-, 7 by 111.
TEST(CoverLiteralCost, FirstCoverIgnoresItCheaperOneReplacesIt) {
    for (bool todas : {false, true}) {
        auto s = NuevoSistema(3, 1);
        s->m_bTodasSoluciones = todas;
        ListaTerminos level0;
        s->InsertTermMerge(level0, 0, 1, 0);
        s->InsertTermMerge(level0, 7, 1, 0);
        ListaTerminos primos;
        s->InsertUnique(std::make_unique<Termino>(0u, 7u, 1u, 0u), primos);
        s->InsertUnique(std::make_unique<Termino>(0u, 6u, 1u, 0u), primos);
        s->InsertUnique(std::make_unique<Termino>(7u, 0u, 1u, 0u), primos);
        ASSERT_EQ(Cubos(*s, primos.get()), (Lista{"000", "00-", "111"}));
        TablaCubiertas covers;
        auto sub = std::make_unique<TablaSubcubiertas>();
        EXPECT_EQ(s->FindMinimalCovers(level0.get(), primos.get(), covers, *sub, 1, 0), 1u);
        EXPECT_EQ(s->m_nLineasCubiertas, 2u);
        EXPECT_EQ(Cubiertas(*s, covers),
                  (std::vector<Lista>{todas ? Lista{"00-", "111"} : Lista{"000", "111"}}));
    }
}

TEST(SubCovers, DrawnFromTheCoverForEachFunction) {
    auto s = NuevoSistema(3, 2);
    // f1 = m(0,1,3), f2 = m(3,7): {00-, 0-1, -11} comes before the cover with the
    // shared prime 011; each function takes its part of it.
    Minterminos(*s, {"0,1,3", "3,7"});
    ASSERT_EQ(Cubiertas(*s, s->m_pCubiertaSop), (std::vector<Lista>{{"00-", "0-1", "-11"}}));
    EXPECT_EQ(Subcubiertas(*s, s->m_pCubiertaFuncionSop[0][0]),
              (std::vector<Lista>{{"00-", "0-1"}, {}, {}, {}, {}, {}}));
    EXPECT_EQ(Subcubiertas(*s, s->m_pCubiertaFuncionSop[0][1]),
              (std::vector<Lista>{{"-11"}, {}, {}, {}, {}, {}}));
    EXPECT_EQ(s->m_pCubiertaFuncionSop[0][0][0]->marca, 1u);
    EXPECT_EQ(s->m_pCubiertaFuncionSop[1][0][0], nullptr);
}

TEST(SubCovers, SharedPrimeCopiedIntoEachFunction) {
    auto s = NuevoSistema(2, 2);
    Minterminos(*s, {"1,3", "1,3"});
    EXPECT_EQ(Nodos(*s, s->m_pCubiertaFuncionSop[0][0][0].get()), (Lista{"-1 f3 p0 m1"}));
    EXPECT_EQ(Nodos(*s, s->m_pCubiertaFuncionSop[0][1][0].get()), (Lista{"-1 f3 p0 m1"}));
    EXPECT_NE(s->m_pCubiertaFuncionSop[0][0][0].get(), s->m_pCubiertaSop[0].get());
}

TEST(SubCovers, NoneForASingleFunction) {
    auto s = NuevoSistema(3, 1);
    s->m_bTodasSoluciones = true;
    Minterminos(*s, {"0,1,2,5,6,7"});
    ASSERT_EQ(s->m_nCubiertasSop, 2u);
    for (const auto& porCubierta : s->m_pCubiertaFuncionSop) {
        for (const auto& porFuncion : porCubierta) {
            for (const ListaTerminos& slot : porFuncion) {
                ASSERT_EQ(slot, nullptr);
            }
        }
    }
}

TEST(SubCovers, AllCheapestWithTheOption) {
    auto s = NuevoSistema(3, 2);
    s->m_bTodasSoluciones = true;
    // Twin cyclic functions: each of the two covers is each function's only
    // sub-cover.
    Minterminos(*s, {"0,1,2,5,6,7", "0,1,2,5,6,7"});
    ASSERT_EQ(s->m_nCubiertasSop, 2u);
    EXPECT_EQ(Subcubiertas(*s, s->m_pCubiertaFuncionSop[1][1]),
              (std::vector<Lista>{{"0-0", "-01", "11-"}, {}, {}, {}, {}, {}}));
}

// ---- the faults of the literal walk, mended ----

TEST(CoverMends, SideWithoutRequiredPairHasNoCover) {
    CMessageCapture mensajes;
    auto s = NuevoSistema(2, 1);
    s->m_bProcesarPos = true;
    // The zeros are don't-cares only: they combine into a prime that has
    // nothing to cover.
    Minterminos(*s, {"0,1"}, {"2,3"});
    ASSERT_EQ(Cubos(*s, s->m_pPrimosPos.get()), (Lista{"1-"}));
    EXPECT_EQ(s->m_nCubiertasPos, 0u);
    EXPECT_EQ(s->m_nLineasPos, 0u);
    EXPECT_EQ(s->m_pCubiertaPos[0], nullptr);
    EXPECT_EQ(s->m_nCubiertasSop, 1u);
    EXPECT_TRUE(mensajes.Messages().empty());
}

TEST(CoverMends, EmptyPrimeListHasNoCover) {
    auto s = NuevoSistema(2, 1);
    ListaTerminos level0;
    s->InsertTermMerge(level0, 1, 1, 0);
    TablaCubiertas covers;
    auto sub = std::make_unique<TablaSubcubiertas>();
    s->m_nLineasCubiertas = 1;
    EXPECT_EQ(s->FindMinimalCovers(level0.get(), nullptr, covers, *sub, 1, 0), 0u);
    EXPECT_EQ(s->m_nLineasCubiertas, 0u);
    EXPECT_EQ(covers[0], nullptr);
}

TEST(CoverMends, FunctionWithoutRequiredTermGetsNoSubCover) {
    auto s = NuevoSistema(2, 2);
    Minterminos(*s, {"0,1", ""}, {"", "0,1"});
    ASSERT_EQ(Cubiertas(*s, s->m_pCubiertaSop), (std::vector<Lista>{{"0-"}}));
    EXPECT_EQ(Subcubiertas(*s, s->m_pCubiertaFuncionSop[0][0]),
              (std::vector<Lista>{{"0-"}, {}, {}, {}, {}, {}}));
    EXPECT_EQ(Subcubiertas(*s, s->m_pCubiertaFuncionSop[0][1]),
              (std::vector<Lista>{{}, {}, {}, {}, {}, {}}));
}

// Terms 0 to 6 of five variables, each covered by two primes of four literals of
// its own: 128 cheapest covers.
struct CientoVeintiochoCubiertas {
    std::unique_ptr<CSistema> s = NuevoSistema(5, 1);
    ListaTerminos level0;
    ListaTerminos primos;
    CientoVeintiochoCubiertas() {
        for (UINT t = 0; t < 7; ++t) {
            s->InsertTermMerge(level0, t, 1, 0);
            for (UINT libre : {8u, 16u}) {
                const UINT unos = t;
                const UINT ceros = 31 & ~t & ~libre;
                s->InsertUnique(std::make_unique<Termino>(unos, ceros, 1, 0), primos);
            }
        }
    }
};

TEST(CoverMends, KeepsTheFirstHundredCheapestCovers) {
    CientoVeintiochoCubiertas datos;
    CSistema& s = *datos.s;
    s.m_bTodasSoluciones = true;
    auto covers = std::make_unique<TablaCubiertas>();
    auto sub = std::make_unique<TablaSubcubiertas>();
    EXPECT_EQ(s.FindMinimalCovers(datos.level0.get(), datos.primos.get(), *covers, *sub, 1, 0),
              kMaxCubiertas);
    EXPECT_EQ(s.m_nLineasCubiertas, 7 * kMaxCubiertas);
    CompararConReferencia(s, datos.level0.get(), datos.primos.get(), *covers, *sub, kMaxCubiertas,
                          7 * kMaxCubiertas, "128 covers");
}

TEST(CoverMends, KeepsTheFirstSixCheapestSubCovers) {
    CientoVeintiochoCubiertas datos;
    CSistema& s = *datos.s;
    s.m_bTodasSoluciones = true;
    SubcubiertasFuncion slots;
    s.FindFunctionCovers(datos.level0.get(), datos.primos.get(), slots, 0);
    SubcubiertasFuncion ref;
    referencia::Buscar(s, datos.level0.get(), datos.primos.get(), ref, 1, 0, nullptr);
    for (UINT k = 0; k < kMaxSubcubiertas; ++k) {
        ASSERT_TRUE(slots[k]);
        EXPECT_EQ(Nodos(s, slots[k].get()), Nodos(s, ref[k].get())) << k;
    }
}

TEST(CoverMends, PairWithoutCandidateGivesNoCover) {
    auto s = NuevoSistema(2, 1);
    ListaTerminos level0;
    s->InsertTermMerge(level0, 0, 1, 0);
    s->InsertTermMerge(level0, 3, 1, 0);
    ListaTerminos primos;
    s->InsertUnique(std::make_unique<Termino>(0u, 3u, 1u, 0u), primos);
    s->InsertUnique(std::make_unique<Termino>(2u, 0u, 2u, 0u), primos);  // another function's
    TablaCubiertas covers;
    auto sub = std::make_unique<TablaSubcubiertas>();
    EXPECT_EQ(s->FindMinimalCovers(level0.get(), primos.get(), covers, *sub, 1, 0), 0u);
    EXPECT_EQ(s->m_nLineasCubiertas, 0u);
    CompararConReferencia(*s, level0.get(), primos.get(), covers, *sub, 0, 0, "uncoverable");
}

// ---- the selection operations ----

TEST(LiteralEnumeration, WalksCombinationsInLexicographicOrder) {
    auto s = NuevoSistema(3, 1);
    ListaTerminos lista;
    for (UINT t = 0; t < 5; ++t) {
        s->InsertTermMerge(lista, t, 1, 0);
    }
    CSistema::ListaSelectores seleccion = std::make_unique<CSistema::Selector>();
    seleccion->sig = std::make_unique<CSistema::Selector>();
    seleccion->sig->sig = std::make_unique<CSistema::Selector>();
    ASSERT_TRUE(CSistema::ResetSelection(lista.get(), seleccion.get()));
    std::vector<std::string> vistas;
    do {
        std::string c;
        for (const CSistema::Selector* p = seleccion.get(); p; p = p->sig.get()) {
            c += std::to_string(p->termino->unos);
        }
        vistas.push_back(c);
    } while (CSistema::NextCombination(seleccion.get()));
    EXPECT_EQ(vistas,
              (Lista{"012", "013", "014", "023", "024", "034", "123", "124", "134", "234"}));
    // Three selectors cannot take two candidates.
    EXPECT_FALSE(CSistema::ResetSelection(lista->sig->sig->sig.get(), seleccion.get()));
    CSistema::FreeSelectorList(seleccion);
    EXPECT_EQ(seleccion, nullptr);
}

TEST(LiteralEnumeration, CoverageAndLiteralCost) {
    auto s = NuevoSistema(3, 2);
    ListaTerminos level0;
    s->InsertTermMerge(level0, 1, 3, 2);  // required for f1, don't-care of f2
    s->InsertTermMerge(level0, 6, 2, 0);  // required for f2
    const Termino cubo01(1, 6, 1, 0);     // 001, f1 only: 3 literals
    const Termino cubo1(6, 1, 2, 0);      // 110 of f2
    const Termino lado(0, 0, 3, 0);       // ---, both: no literal
    CSistema::Selector b;
    b.termino = &cubo1;
    CSistema::Selector a;
    a.termino = &cubo01;
    auto sigB = std::make_unique<CSistema::Selector>();
    sigB->termino = &cubo1;
    a.sig = std::move(sigB);
    EXPECT_TRUE(s->SelectionCoversAll(level0.get(), &a, 2, 0));
    // Term 1 needs f1's own prime: 110 belongs to f2 and covers other terms.
    EXPECT_FALSE(s->SelectionCoversAll(level0.get(), &b, 2, 0));
    EXPECT_TRUE(s->SelectionCoversAll(level0.get(), &b, 1, 1)) << "f2 alone";
    // Term 1 is not required for f2: it passes the test of f2 alone at once.
    EXPECT_TRUE(s->TermCovered(*level0, &b, 1, 1));
    EXPECT_EQ(s->CountLiterals(cubo01), 3u);
    EXPECT_EQ(s->CountLiterals(lado), 0u);
    EXPECT_EQ(s->CountLiterals(Termino(0xF1, 0x06, 1, 0)), 3u) << "bits above n do not count";
    ListaTerminos slot = std::make_unique<Termino>(7, 0, 1, 0);
    slot->sig = std::make_unique<Termino>(0, 7, 1, 0);
    EXPECT_EQ(s->CompareLiteralCost(slot.get(), &a), 0u);
    EXPECT_EQ(s->CompareLiteralCost(slot.get(), &b), 1u);
    EXPECT_EQ(s->CompareLiteralCost(slot->sig.get(), &a), 2u);
    CSistema::CopySelection(slot.get(), &a);
    EXPECT_EQ(Nodos(*s, slot.get()), (Lista{"001 f1 p0 m0", "110 f2 p0 m0"}));
}

// ---- the fast search against the literal walk ----

// Runs both sides of random systems through the processing and checks every
// result the reference can reach quickly.
void CompararSistemasAleatorios(UINT nMin, UINT nMax, UINT mMax, int sistemas, unsigned semilla,
                                int minimoComparados) {
    CMessageCapture mensajes;
    std::mt19937 azar(semilla);
    int comparados = 0;
    for (int k = 0; k < sistemas; ++k) {
        const UINT n = std::uniform_int_distribution<UINT>(nMin, nMax)(azar);
        const UINT m = std::uniform_int_distribution<UINT>(1, mMax)(azar);
        const double unos = std::uniform_real_distribution<double>(0.1, 0.6)(azar);
        const double prescindibles = std::uniform_real_distribution<double>(0.0, 0.5)(azar);
        const CeldasTabla celdas = CeldasAleatorias(azar, n, m, unos, prescindibles);
        for (bool todas : {false, true}) {
            auto s = NuevoSistema(n, m);
            s->m_bProcesarPos = true;
            s->m_bTodasSoluciones = todas;
            s->ApplyTruthTableCells(celdas);
            const std::string contexto = "system " + std::to_string(k) + " n=" + std::to_string(n) +
                                         " m=" + std::to_string(m) + (todas ? " all" : " first");
            struct Lado {
                const char* nombre;
                const ListaTerminos& nivel0;
                const ListaTerminos& primos;
                const TablaCubiertas& covers;
                const TablaSubcubiertas& sub;
                UINT count;
                UINT lineas;
            };
            for (const Lado& lado :
                 {Lado{"SOP", s->m_pNivelSop[0], s->m_pPrimosSop, s->m_pCubiertaSop,
                       s->m_pCubiertaFuncionSop, s->m_nCubiertasSop, s->m_nLineasSop},
                  Lado{"POS", s->m_pNivelPos[0], s->m_pPrimosPos, s->m_pCubiertaPos,
                       s->m_pCubiertaFuncionPos, s->m_nCubiertasPos, s->m_nLineasPos}}) {
                const UINT tamano = CountNodes(lado.covers[0].get());
                if (Combinaciones(CountNodes(lado.primos.get()), tamano) > 2e5) {
                    continue;
                }
                CompararConReferencia(*s, lado.nivel0.get(), lado.primos.get(), lado.covers,
                                      lado.sub, lado.count, lado.lineas,
                                      contexto + " " + lado.nombre);
                if (::testing::Test::HasFatalFailure()) {
                    return;
                }
                ++comparados;
            }
        }
    }
    EXPECT_GE(comparados, minimoComparados);
}

TEST(CoversMatchLiteralWalk, RandomSystemsUpToFourVariables) {
    CompararSistemasAleatorios(1, 4, 6, 300, 11u, 1000);
}

TEST(CoversMatchLiteralWalk, RandomSystemsOfFiveVariables) {
    CompararSistemasAleatorios(5, 5, 2, 60, 23u, 40);
}

// Arbitrary candidate lists, not only the primes of a processing: candidates
// that cover nothing, overlap freely or leave pairs uncovered.
TEST(CoversMatchLiteralWalk, ArbitraryCandidateLists) {
    std::mt19937 azar(5u);
    int sinCubierta = 0;
    for (int k = 0; k < 400; ++k) {
        const UINT n = std::uniform_int_distribution<UINT>(2, 4)(azar);
        const UINT m = std::uniform_int_distribution<UINT>(1, 3)(azar);
        auto s = NuevoSistema(n, m);
        s->m_bTodasSoluciones = (k & 1) != 0;
        const UINT todas = (1u << n) - 1;
        const UINT funciones = (1u << m) - 1;
        ListaTerminos level0;
        for (UINT t = 0; t <= todas; ++t) {
            const UINT a = Sorteo(azar) & funciones;
            if (a != 0 && Sorteo(azar) % 3 == 0) {
                s->InsertTermMerge(level0, t, a, Sorteo(azar) & a);
            }
        }
        ListaTerminos primos;
        const UINT nCandidatos = std::uniform_int_distribution<UINT>(1, 11)(azar);
        for (UINT j = 0; j < nCandidatos; ++j) {
            const UINT libres = Sorteo(azar) & todas;
            const UINT unos = Sorteo(azar) & todas & ~libres;
            const UINT a = (Sorteo(azar) & funciones) | 1;
            s->InsertUnique(std::make_unique<Termino>(unos, todas & ~libres & ~unos, a, 0), primos);
        }
        TablaCubiertas covers;
        auto sub = std::make_unique<TablaSubcubiertas>();
        const UINT count = s->FindMinimalCovers(level0.get(), primos.get(), covers, *sub, m, 0);
        const UINT lineas = s->m_nLineasCubiertas;
        sinCubierta += count == 0;
        CompararConReferencia(*s, level0.get(), primos.get(), covers, *sub, count, lineas,
                              "list " + std::to_string(k));
        if (HasFatalFailure()) {
            return;
        }
    }
    EXPECT_GT(sinCubierta, 20) << "the lists should also leave pairs uncovered";
}

// ---- six variables: beyond the reference, the covers still hold ----

// Every required pair covered by a prime of its function, every prime inside the
// function's ones and don't-cares.
void VerificarCubierta(const CSistema& s, const Termino* level0, const Termino* cover,
                       UINT funciones, const std::string& contexto) {
    for (const Termino* t = level0; t != nullptr; t = t->sig.get()) {
        for (UINT f = 0; f < s.m_nFunciones; ++f) {
            const UINT bit = 1u << f;
            if ((funciones & bit) == 0 || ((t->funciones ^ t->prescindibles) & bit) == 0) {
                continue;
            }
            bool cubierto = false;
            for (const Termino* p = cover; p != nullptr; p = p->sig.get()) {
                cubierto |= (p->funciones & bit) != 0 && s.CubeCoversTerm(*t, *p);
            }
            EXPECT_TRUE(cubierto) << contexto << " term " << t->unos << " f" << f;
        }
    }
    for (const Termino* p = cover; p != nullptr; p = p->sig.get()) {
        for (UINT v = 0; v < s.GetNumTerms(); ++v) {
            const Termino t(v, (s.GetTermMask() - 1) ^ v, 0, 0);
            if (!s.CubeCoversTerm(t, *p)) {
                continue;
            }
            const Termino* q = level0;
            while (q != nullptr && q->unos != v) {
                q = q->sig.get();
            }
            EXPECT_TRUE(q != nullptr && (q->funciones & p->funciones) == p->funciones)
                << contexto << " prime reaches term " << v;
        }
    }
}

TEST(CoversOfSixVariables, CoverTheFunctionsAndAgreeBetweenModes) {
    CMessageCapture mensajes;
    std::mt19937 azar(77u);
    for (int k = 0; k < 8; ++k) {
        const CeldasTabla celdas = CeldasAleatorias(azar, 6, 6, 0.3, 0.3);
        auto primera = NuevoSistema(6, 6);
        primera->ApplyTruthTableCells(celdas);
        auto todas = NuevoSistema(6, 6);
        todas->m_bTodasSoluciones = true;
        todas->ApplyTruthTableCells(celdas);
        const std::string contexto = "system " + std::to_string(k);
        const Termino* level0 = primera->m_pNivelSop[0].get();
        VerificarCubierta(*primera, level0, primera->m_pCubiertaSop[0].get(), 63, contexto);
        const UINT tamano = CountNodes(primera->m_pCubiertaSop[0].get());
        ASSERT_EQ(primera->m_nCubiertasSop, 1u);
        ASSERT_GE(todas->m_nCubiertasSop, 1u);
        for (UINT c = 0; c < todas->m_nCubiertasSop; ++c) {
            const Termino* cover = todas->m_pCubiertaSop[c].get();
            EXPECT_EQ(CountNodes(cover), tamano) << contexto;
            VerificarCubierta(*todas, level0, cover, 63, contexto);
            UINT literales = 0;
            for (const Termino* p = cover; p; p = p->sig.get()) {
                literales += todas->CountLiterals(*p);
            }
            UINT primeros = 0;
            for (const Termino* p = todas->m_pCubiertaSop[0].get(); p; p = p->sig.get()) {
                primeros += todas->CountLiterals(*p);
            }
            EXPECT_EQ(literales, primeros) << contexto << " cover " << c;
            for (UINT f = 0; f < 6; ++f) {
                VerificarCubierta(*todas, level0, todas->m_pCubiertaFuncionSop[c][f][0].get(),
                                  1u << f, contexto + " sub-cover");
            }
        }
        EXPECT_EQ(todas->m_nLineasSop, tamano * todas->m_nCubiertasSop);
    }
}

// Every term required for every function: 384 pairs, the most the search holds,
// and six cheapest covers of two opposite literals each. (Processing never gets
// here: a system without zeros is not processed.)
TEST(CoversMatchLiteralWalk, EveryPairOfSixFunctionsRequired) {
    for (bool todas : {false, true}) {
        auto s = NuevoSistema(6, 6);
        s->m_bTodasSoluciones = todas;
        ListaTerminos level0;
        for (UINT t = 0; t < 64; ++t) {
            s->InsertTermMerge(level0, t, 63, 0);
        }
        ListaTerminos primos;
        for (UINT bit = 1; bit < 64; bit <<= 1) {
            s->InsertUnique(std::make_unique<Termino>(bit, 0u, 63u, 0u), primos);
            s->InsertUnique(std::make_unique<Termino>(0u, bit, 63u, 0u), primos);
        }
        auto covers = std::make_unique<TablaCubiertas>();
        auto sub = std::make_unique<TablaSubcubiertas>();
        const UINT count = s->FindMinimalCovers(level0.get(), primos.get(), *covers, *sub, 6, 0);
        EXPECT_EQ(count, todas ? 6u : 1u);
        EXPECT_EQ(Cubos(*s, (*covers)[0].get()), (Lista{"0-----", "1-----"}));
        CompararConReferencia(*s, level0.get(), primos.get(), *covers, *sub, count,
                              s->m_nLineasCubiertas, todas ? "all" : "first");
    }
}

TEST(CoverSearchEngine, RefusesProblemsItCannotHold) {
    std::vector<CBuscadorCubiertas::Pares> cubre(1);
    cubre[0].Set(0);
    const std::vector<UINT> literales{2};
    EXPECT_TRUE(CBuscadorCubiertas::Buscar(0, cubre, literales, false, 1).empty()) << "no pair";
    EXPECT_TRUE(CBuscadorCubiertas::Buscar(2, cubre, literales, false, 1).empty())
        << "pair 1 has no candidate";
    EXPECT_TRUE(
        CBuscadorCubiertas::Buscar(CBuscadorCubiertas::kMaxPares + 1, cubre, literales, false, 1)
            .empty());
    EXPECT_EQ(CBuscadorCubiertas::Buscar(1, cubre, literales, true, 5),
              (std::vector<std::vector<UINT>>{{0}}));
}

// Four pairs; A = {0,1,2} and C = {1,2,3} each cover all that a smaller candidate
// covers, A' = {0,1} and C' = {2,3}. When all four weigh the same, every pair of
// one A and one C is a least cover, even A' with C', which differs from the
// cover of the larger ones in both; when A' is dearer, no cover has it.
TEST(CoverSearchEngine, CoversWithCandidatesAsDearAsLargerOnes) {
    std::vector<CBuscadorCubiertas::Pares> cubre(4);
    for (UINT p : {0u, 1u}) {
        cubre[0].Set(p);  // A'
    }
    for (UINT p : {1u, 2u, 3u}) {
        cubre[1].Set(p);  // C
    }
    for (UINT p : {0u, 1u, 2u}) {
        cubre[2].Set(p);  // A
    }
    for (UINT p : {2u, 3u}) {
        cubre[3].Set(p);  // C'
    }
    using Cubiertas = std::vector<std::vector<UINT>>;
    EXPECT_EQ(CBuscadorCubiertas::Buscar(4, cubre, std::vector<UINT>{2, 2, 2, 2}, true, 100),
              (Cubiertas{{0, 1}, {0, 3}, {1, 2}, {2, 3}}));
    EXPECT_EQ(CBuscadorCubiertas::Buscar(4, cubre, std::vector<UINT>{3, 2, 2, 2}, true, 100),
              (Cubiertas{{1, 2}, {2, 3}}));
    EXPECT_EQ(CBuscadorCubiertas::Buscar(4, cubre, std::vector<UINT>{2, 2, 2, 2}, true, 3),
              (Cubiertas{{0, 1}, {0, 3}, {1, 2}}));
}

// Three pairs, each covered by `porPar` candidates of its own, listed in turn:
// every cover of three is a least cover, porPar^3 of them. Below and above the
// number of ties the search keeps, the first 100 come in enumeration order.
TEST(CoverSearchEngine, ManyTiesStillComeInEnumerationOrder) {
    for (const UINT porPar : {12u, 13u}) {
        const UINT n = 3 * porPar;
        std::vector<CBuscadorCubiertas::Pares> cubre(n);
        for (UINT j = 0; j < n; ++j) {
            cubre[j].Set(j % 3);
        }
        const std::vector<UINT> literales(n, 2);
        std::vector<std::vector<UINT>> esperadas;
        for (UINT a = 0; a < n && esperadas.size() < 100; ++a) {
            for (UINT b = a + 1; b < n && esperadas.size() < 100; ++b) {
                for (UINT c = b + 1; c < n && esperadas.size() < 100; ++c) {
                    if (a % 3 != b % 3 && b % 3 != c % 3 && a % 3 != c % 3) {
                        esperadas.push_back({a, b, c});
                    }
                }
            }
        }
        EXPECT_EQ(CBuscadorCubiertas::Buscar(3, cubre, literales, true, 100), esperadas)
            << porPar << " candidates per pair";
        EXPECT_EQ(CBuscadorCubiertas::Buscar(3, cubre, literales, false, 100),
                  (std::vector<std::vector<UINT>>{{0, 1, 2}}));
    }
}

}  // namespace
