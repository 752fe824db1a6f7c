#include "editors/VerificadorLista.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/MessageBox.h"

namespace {

const char* const kRango = "Ingresó un término fuera de rango";
const char* const kInvalido = "Error. Usó algún caracter inválido";
const char* const kComaFinal = "Error de sintaxis al usar el caracter ','";

struct CasoLista {
    UINT limite;
    std::string lista;
    int resultado;
    std::string mensaje;  // "" when none
};

void PrintTo(const CasoLista& c, std::ostream* os) {
    *os << c.limite << " \"" << c.lista << '"';
}

std::vector<std::string> Una(const std::string& mensaje) {
    return mensaje.empty() ? std::vector<std::string>{} : std::vector<std::string>{mensaje};
}

class CheckListTest : public testing::TestWithParam<CasoLista> {};

TEST_P(CheckListTest, GivesTheResultAndAtMostOneMessage) {
    const CasoLista& c = GetParam();
    CMessageCapture mensajes;
    EXPECT_EQ(CVerificadorLista::CheckList(c.lista, c.limite), c.resultado);
    EXPECT_EQ(mensajes.Messages(), Una(c.mensaje));
}

INSTANTIATE_TEST_SUITE_P(
    Validas, CheckListTest,
    testing::Values(CasoLista{8, "0, 2,7", 1, ""}, CasoLista{8, "7", 1, ""},
                    CasoLista{16, "1 2", 1, ""},        // a blank inside a number
                    CasoLista{8, "2,2", 1, ""},         // repeats inside one list pass
                    CasoLista{64, "07,063", 1, ""},     // leading zeros
                    CasoLista{64, "  5 , 6  ", 1, ""},  // blanks around numbers
                    CasoLista{8, "00000000000000007", 1, ""}, CasoLista{2, "1,0,1,0", 1, ""}));

INSTANTIATE_TEST_SUITE_P(Vacia, CheckListTest, testing::Values(CasoLista{8, "", -1, ""}));

INSTANTIATE_TEST_SUITE_P(
    FueraDeRango, CheckListTest,
    testing::Values(CasoLista{8, "8", 0, kRango}, CasoLista{32, "063", 0, kRango},
                    CasoLista{8, "1,8", 0, kRango},
                    // The comma after an out-of-range number ends the scan.
                    CasoLista{8, "99,a", 0, kRango}, CasoLista{8, "99,,", 0, kRango},
                    CasoLista{8, "9,", 0, kRango},
                    // Long numbers never wrap round into small terms: 2^32 and
                    // 2^32 + 3 would read as 0 and 3 in 32-bit arithmetic.
                    CasoLista{64, "4294967296", 0, kRango}, CasoLista{64, "4294967299", 0, kRango},
                    CasoLista{64, "1,42949672960000000001", 0, kRango},
                    CasoLista{64, "99999999999999999999999999999999", 0, kRango},
                    CasoLista{4294967295u, "4294967295", 0, kRango},
                    CasoLista{4294967295u, "4294967294", 1, ""}));

INSTANTIATE_TEST_SUITE_P(
    Sintaxis, CheckListTest,
    testing::Values(CasoLista{8, "1,,2", 0, kInvalido}, CasoLista{8, ",1", 0, kInvalido},
                    CasoLista{8, " ,1", 0, kInvalido}, CasoLista{8, "1, ", 0, kInvalido},
                    CasoLista{8, "   ", 0, kInvalido}, CasoLista{8, "9a", 0, kInvalido},
                    CasoLista{8, "99a", 0, kInvalido},  // the letter, not the range
                    CasoLista{8, "1\t2", 0, kInvalido}, CasoLista{8, "-1", 0, kInvalido},
                    CasoLista{8, "1.5", 0, kInvalido}, CasoLista{8, "1;2", 0, kInvalido},
                    CasoLista{8, "ñ", 0, kInvalido}, CasoLista{8, "1,", 0, kComaFinal},
                    CasoLista{8, "1,2,", 0, kComaFinal}, CasoLista{8, "1 ,", 0, kComaFinal}));

struct CasoRepetido {
    std::string imprescindibles;
    std::string prescindibles;
    bool sinRepetidos;
    std::string mensaje;
};

void PrintTo(const CasoRepetido& c, std::ostream* os) {
    *os << '"' << c.imprescindibles << "\" \"" << c.prescindibles << '"';
}

class CheckRepeatedTest : public testing::TestWithParam<CasoRepetido> {};

TEST_P(CheckRepeatedTest, ReportsOnlyTheFirstNumberInBothLists) {
    const CasoRepetido& c = GetParam();
    CMessageCapture mensajes;
    EXPECT_EQ(CVerificadorLista::CheckRepeated(c.imprescindibles, c.prescindibles), c.sinRepetidos);
    EXPECT_EQ(mensajes.Messages(), Una(c.mensaje));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, CheckRepeatedTest,
    testing::Values(CasoRepetido{"1,2", "2", false, "El termino 2 esta repetido"},
                    CasoRepetido{"5", "", true, ""}, CasoRepetido{"", "5", true, ""},
                    CasoRepetido{"1,2,3", "4,5", true, ""},
                    CasoRepetido{"3,1", "1,3", false, "El termino 3 esta repetido"},
                    CasoRepetido{"07", "7", false, "El termino 7 esta repetido"},
                    CasoRepetido{"1 2", "12", false, "El termino 12 esta repetido"},
                    CasoRepetido{"1,2", "12", true, ""},
                    CasoRepetido{"0", "00", false, "El termino 0 esta repetido"}));

struct CasoAceptar {
    std::string imprescindibles;
    std::string prescindibles;
    bool aceptada;
    std::string mensaje;
};

void PrintTo(const CasoAceptar& c, std::ostream* os) {
    *os << '"' << c.imprescindibles << "\" \"" << c.prescindibles << '"';
}

class AcceptListsTest : public testing::TestWithParam<CasoAceptar> {};

TEST_P(AcceptListsTest, ChecksTheDontCaresFirstAndShowsOneMessage) {
    const CasoAceptar& c = GetParam();
    CMessageCapture mensajes;
    EXPECT_EQ(CVerificadorLista::AcceptLists(c.imprescindibles, c.prescindibles, 8), c.aceptada);
    EXPECT_EQ(mensajes.Messages(), Una(c.mensaje));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, AcceptListsTest,
    testing::Values(
        CasoAceptar{"5", "", true, ""}, CasoAceptar{"0,1", "2, 3", true, ""},
        CasoAceptar{"", "", false, "La función debe tener al menos un término imprecindible"},
        CasoAceptar{"", "3", false, "La función debe tener al menos un término imprecindible"},
        CasoAceptar{"9", "x", false, kInvalido},  // both bad: only the don't-care list speaks
        CasoAceptar{"9", "1", false, kRango}, CasoAceptar{"1", "1,", false, kComaFinal},
        CasoAceptar{"1,2", "2", false, "El termino 2 esta repetido"},
        CasoAceptar{"", "8", false, kRango}));

TEST(FirstWithoutRequiredTest, LooksOnlyAtTheRequiredListsOfTheSystemsFunctions) {
    std::array<std::string, 6> listas{"1", "", "3", "", "", ""};
    EXPECT_EQ(CVerificadorLista::FirstWithoutRequired(listas, 1), -1);
    EXPECT_EQ(CVerificadorLista::FirstWithoutRequired(listas, 2), 1);
    listas[1] = "0";
    EXPECT_EQ(CVerificadorLista::FirstWithoutRequired(listas, 3), -1);
    EXPECT_EQ(CVerificadorLista::FirstWithoutRequired(listas, 6), 3);
}

}  // namespace
