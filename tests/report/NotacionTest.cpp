#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "logic/Sistema.h"
#include "tests/report/ReportePrueba.h"

namespace {

std::unique_ptr<CSistema> Sistema(UINT n) {
    auto s = std::make_unique<CSistema>();
    s->SetNumVariables(n);
    s->SetNumFunctions(1);
    return s;
}

TEST(Notation, ThreeVariableExamples) {
    auto s = Sistema(3);
    EXPECT_EQ(s->FormatSop(Lista({{"101"}, {"01-"}}).get()), "AbC + aB");
    EXPECT_EQ(s->FormatPos(Lista({{"1-0"}, {"01-"}}).get()), "(a+C)(A+b)");
    EXPECT_EQ(s->FormatCubeList(Lista({{"1-0"}, {"01-"}}).get(), "Implicantes Primos: "),
              "Implicantes Primos: 1-0 01- ");
}

TEST(Notation, OneVariableAndOneCube) {
    auto s = Sistema(1);
    const ListaTerminos a = Lista({{"1"}});
    EXPECT_EQ(s->FormatSop(a.get()), "A");
    EXPECT_EQ(s->FormatPos(a.get()), "(a)");
    EXPECT_EQ(s->FormatCubeList(a.get(), ""), "1 ");
}

TEST(Notation, SixVariablesKeepVariableOrderWhateverThePolarity) {
    auto s = Sistema(6);
    const ListaTerminos l = Lista({{"010101"}, {"1-0--1"}});
    EXPECT_EQ(s->FormatSop(l.get()), "aBcDeF + AcF");
    EXPECT_EQ(s->FormatPos(l.get()), "(A+b+C+d+E+f)(a+C+f)");
    EXPECT_EQ(s->FormatCubeList(l.get(), "x"), "x010101 1-0--1 ");
}

TEST(Notation, EmptyListsGiveNothingButThePrefix) {
    auto s = Sistema(2);
    EXPECT_EQ(s->FormatSop(nullptr), "");
    EXPECT_EQ(s->FormatCubeList(nullptr, "Cubierta: "), "Cubierta: ");
}

}  // namespace
