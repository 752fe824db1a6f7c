#include <gtest/gtest.h>

#include "tests/logic/SistemaPrueba.h"

namespace {

TEST(TermTexts, AreReadInAnyOrderAndWrittenAscending) {
    auto s = NuevoSistema(4, 1);
    ListaTerminos list;
    s->ParseTermText(list, "3,1, 2", 1, 0);
    EXPECT_EQ(s->FormatTermText(list.get(), 1, 1), "1,2,3");
    ListaTerminos ceros;
    s->ParseTermText(ceros, "012, 0,12", 1, 0);
    EXPECT_EQ(s->FormatTermText(ceros.get(), 1, 1), "0,12");
    ListaTerminos blancos;
    s->ParseTermText(blancos, " 1 5 ,", 1, 0);
    EXPECT_EQ(s->FormatTermText(blancos.get(), 1, 1), "15");
}

TEST(TermTexts, NumbersOutsideTheTermsNeverEnterAList) {
    auto s = NuevoSistema(2, 1);
    ListaTerminos list;
    // 2^32 + 1 would wrap to 1 in 32-bit arithmetic.
    s->ParseTermText(list, "4,4294967297,99999999999999,3,,", 1, 0);
    EXPECT_EQ(s->FormatTermText(list.get(), 1, 1), "3");
}

TEST(TermTexts, ValidityOfStoredTexts) {
    EXPECT_TRUE(CSistema::IsValidTermText("", 4));
    EXPECT_TRUE(CSistema::IsValidTermText("0, 1,3", 4));
    EXPECT_TRUE(CSistema::IsValidTermText("1,,2", 4));
    EXPECT_FALSE(CSistema::IsValidTermText("4", 4));
    EXPECT_FALSE(CSistema::IsValidTermText("4294967297", 4));
    EXPECT_FALSE(CSistema::IsValidTermText("1;2", 4));
    EXPECT_FALSE(CSistema::IsValidTermText("a", 4));
    EXPECT_FALSE(CSistema::IsValidTermText("-1", 4));
}

TEST(TermLists, RequiredAndDontCareOfTwoFunctionsShareOneNode) {
    auto s = NuevoSistema(3, 2);
    Minterminos(*s, {"5", ""}, {"", "5"});
    const Termino* t = s->GetTermList();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->sig, nullptr);
    EXPECT_EQ(t->funciones, 3u);
    EXPECT_EQ(t->prescindibles, 2u);
    EXPECT_EQ(s->GetMintermText(0), "5");
    EXPECT_EQ(s->GetDontCareText(1), "5");
    EXPECT_EQ(s->GetMintermText(1), "");
}

TEST(TermLists, ATermBothRequiredAndDontCareEndsAsDontCare) {
    auto s = NuevoSistema(2, 1);
    Minterminos(*s, {"1,2"}, {"2"});
    EXPECT_EQ(s->GetMintermText(0), "1");
    EXPECT_EQ(s->GetDontCareText(0), "2");
    EXPECT_EQ(s->GetMaxtermText(0), "0,3");
}

TEST(TermLists, CubeOrderIsZeroDashOneFromTheFirstVariable) {
    auto s = NuevoSistema(2, 1);
    ListaTerminos list;
    // 1-, -1, -0, 0- inserted in reverse of their order.
    for (auto [u, c] : {std::pair{2u, 0u}, {1u, 0u}, {0u, 1u}, {0u, 2u}}) {
        s->InsertUnique(std::make_unique<Termino>(u, c, 1, 0), list);
    }
    EXPECT_EQ(Cubos(*s, list.get()), (std::vector<std::string>{"0-", "-0", "-1", "1-"}));
}

TEST(TermLists, InsertUniqueKeepsTheFirstMasks) {
    auto s = NuevoSistema(2, 2);
    ListaTerminos list;
    s->InsertUnique(std::make_unique<Termino>(1, 2, 1, 0), list);
    s->InsertUnique(std::make_unique<Termino>(1, 2, 3, 2), list);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->sig, nullptr);
    EXPECT_EQ(list->funciones, 1u);
    EXPECT_EQ(list->prescindibles, 0u);
}

TEST(TermLists, ComplementTextListsTheValuesNoNodeHolds) {
    auto s = NuevoSistema(2, 2);
    Minterminos(*s, {"0,1,2", "3"}, {"3", ""});
    EXPECT_EQ(s->GetMaxtermText(0), "");
    EXPECT_EQ(s->GetMaxtermText(1), "0,1,2");
    EXPECT_EQ(s->GetDontCareText(1), "");
}

TEST(TermLists, LongListsAreFreedWithoutRecursion) {
    ListaTerminos list;
    Termino* last = nullptr;
    for (int k = 0; k < 200000; ++k) {
        auto node = std::make_unique<Termino>(1, 0, 1, 0);
        Termino* raw = node.get();
        if (last == nullptr) {
            list = std::move(node);
        } else {
            last->sig = std::move(node);
        }
        last = raw;
    }
    EXPECT_EQ(CountNodes(list.get()), 200000u);
    CSistema::FreeTermList(list);
    EXPECT_EQ(list, nullptr);
}

}  // namespace
