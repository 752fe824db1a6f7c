#include "editors/Ecuacion.h"

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "platform/MessageBox.h"

namespace {

struct Caso {
    unsigned n;
    std::string entrada;
    std::string esperado;  // the one message, or the canonical text
};

void PrintTo(const Caso& c, std::ostream* os) {
    *os << c.n << " \"" << c.entrada << '"';
}

std::string Expand(unsigned n, const std::string& ecuacion) {
    CEcuacion e(n);
    return CEcuacion::JoinTerms(
        e.ExpandSum(ecuacion, ListaProductos{std::string()}, ecuacion.size(), false));
}

// ---- syntax check ----

class Sintaxis : public testing::TestWithParam<Caso> {};

TEST_P(Sintaxis, ShowsAtMostTheOneExpectedMessage) {
    const Caso& c = GetParam();
    CMessageCapture capture;
    const bool valida = CEcuacion(c.n).CheckSyntax(c.entrada);
    EXPECT_EQ(valida, c.esperado.empty());
    const std::vector<std::string> esperados =
        c.esperado.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.esperado};
    EXPECT_EQ(capture.Messages(), esperados);
}

INSTANTIATE_TEST_SUITE_P(Validas, Sintaxis,
                         testing::Values(Caso{4, "ab+C", ""}, Caso{4, "A/(B+c)D", ""},
                                         Caso{4, "(A+B)(a+C)", ""}, Caso{4, "/(/(A))", ""},
                                         Caso{4, "A++B", ""}, Caso{4, "  A + B  ", ""},
                                         Caso{4, "   ", ""}, Caso{1, "/(a)A", ""}));

INSTANTIATE_TEST_SUITE_P(
    Errores, Sintaxis,
    testing::Values(Caso{4, "+A", "El primer caracter no puede ser un '+'"},
                    Caso{4, " +A", "El primer caracter no puede ser un '+'"},
                    Caso{4, "(+A)", "No puede ir un '+' despues de un '('"},
                    Caso{4, "A/ +(B)", "No puede ir un '+' despues de un '/'"},
                    Caso{4, ")A", "El primer caracter no puede ser un ')'"},
                    Caso{4, "(A+)", "No puede ir un ')' despues de un '+'"},
                    Caso{4, "A()", "No puede ir un ')' despues de un '('"},
                    Caso{4, "A/)", "No puede ir un ')' despues de un '/'"},
                    Caso{4, "A//(B)", "No tiene efecto poner dos '/' seguidas"},
                    Caso{4, "A/ /(B)", "No tiene efecto poner dos '/' seguidas"},
                    Caso{4, "/A", "Lo que quiera negar debe ir entre parentesis"},
                    Caso{2, "AC", "El caracter 'C' es incorrecto"},
                    Caso{2, "A*B", "El caracter '*' es incorrecto"},
                    Caso{1, "A\tB", "El caracter '\t' es incorrecto"},
                    Caso{6, "A+\xC3\xB1", "El caracter '\xC3\xB1' es incorrecto"},
                    Caso{6, "A\xFF", "El caracter '\xEF\xBF\xBD' es incorrecto"},
                    Caso{6, "A\xC3", "El caracter '\xEF\xBF\xBD' es incorrecto"},
                    Caso{4, "A+", "El último caracter no puede ser un '+'"},
                    Caso{4, "A/  ", "El último caracter no puede ser un '/'"},
                    Caso{4, "(A", "El numero de parentesis '(' no coincide con el de ')'"},
                    Caso{4, "A)", "El numero de parentesis '(' no coincide con el de ')'"},
                    Caso{4, "A)(B", "El numero de parentesis '(' no coincide con el de ')'"},
                    Caso{4, "(A))+((B)", "El numero de parentesis '(' no coincide con el de ')'"},
                    Caso{4, "(A+", "El numero de parentesis '(' no coincide con el de ')'"},
                    Caso{4, "", "Debe ingresar al menos un termino."},
                    // The pass stops at the first error: none of the later checks speaks.
                    Caso{2, "AC+", "El caracter 'C' es incorrecto"},
                    Caso{4, "(+A", "No puede ir un '+' despues de un '('"}));

// ---- expansion into the canonical text ----

class Expansion : public testing::TestWithParam<Caso> {};

TEST_P(Expansion, WritesTheCanonicalProductsInOrder) {
    const Caso& c = GetParam();
    EXPECT_EQ(Expand(c.n, c.entrada), c.esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Ejemplos, Expansion,
    testing::Values(Caso{4, "AB", "ABcd + ABcD + ABCd + ABCD"}, Caso{3, "A/(B+c)", "AbC"},
                    Caso{2, "B+a", "aB + AB + ab"}, Caso{1, "A+a", "A + a"},
                    Caso{2, "/(Aa)", "ab + aB + Ab + AB"}, Caso{2, "Aa", ""},
                    Caso{2, "A++B", "Ab + AB + aB"}, Caso{2, "(Aa)(B)", ""}, Caso{2, "(Aa)B", ""},
                    Caso{2, "(Aa)+B", "aB + AB"}, Caso{2, "/(/(A))", "AB + Ab"},
                    Caso{2, "/(A+B)", "ab"}, Caso{2, "/(A++B)", "ab"},
                    Caso{2, "/(AB)", "ab + aB + Ab"}, Caso{3, "BA", "ABc + ABC"},
                    Caso{3, "AAB", "ABc + ABC"}, Caso{3, "(A+B)(a+C)", "aBc + aBC + AbC + ABC"},
                    Caso{2, "A)B", "AB"}, Caso{2, "A)(B", "Ab + AB"}, Caso{6, "ABCDEF", "ABCDEF"},
                    Caso{2, " A + b ", "Ab + AB + ab"}, Caso{4, "   ", ""},
                    Caso{3, "(A+B)C", "AbC + ABC + aBC"},
                    Caso{3, "C+A(b)", "abC + aBC + AbC + ABC + Abc"},
                    Caso{3, "/(ABC)", "abc + abC + aBc + aBC + Abc + ABc + AbC"},
                    Caso{2, "/(Aa+B)", "Ab + ab"}, Caso{2, "A*C b", "Ab"}));

// A group with no product is 0, so its complement is every minterm, and a factor
// without product makes its whole product vanish, whatever stands around it.
INSTANTIATE_TEST_SUITE_P(GruposSinProducto, Expansion,
                         testing::Values(Caso{2, "/((Aa))", "ab + aB + Ab + AB"},
                                         Caso{2, "B/((Aa)+(Bb))", "aB + AB"},
                                         Caso{2, "A+(Aa)(B)", "Ab + AB"}, Caso{3, "A(Bb)(C)", ""},
                                         Caso{2, "(Aa)/(B)", ""},
                                         Caso{2, "b+(Aa)A+B", "ab + Ab + aB + AB"}));

TEST(Expansion, AllOfSixVariablesListsTheComplementedHalfFirst) {
    const std::string texto = Expand(6, "a+A");
    ASSERT_EQ(texto.size(), 64u * 9 - 3);
    EXPECT_EQ(texto.substr(0, 15), "abcdef + abcdeF");
    EXPECT_EQ(texto.substr(31 * 9, 15), "aBCDEF + Abcdef");
    EXPECT_EQ(texto.substr(63 * 9), "ABCDEF");
}

TEST(Expansion, DeepAndLongEquationsStayBounded) {
    // The complement of 24 minterms, each of 6 letters.
    EXPECT_EQ(Expand(6, "/(A(B+C))").size(), 40u * 9 - 3);
    std::string anidada = "A";
    for (int i = 0; i < 20; ++i) {
        anidada = "/(" + anidada + "+b)";
    }
    EXPECT_EQ(Expand(2, anidada), "AB");  // /(A+b) is aB, /(aB+b) is AB again
    EXPECT_EQ(Expand(3, std::string(100000, '(') + "B" + std::string(100000, ')')),
              "aBc + aBC + ABc + ABC");
    std::string larga;
    while (larga.size() < 10000) {
        larga += "/(A(B+C)d+E/(f+a))";
    }
    EXPECT_EQ(Expand(6, larga), Expand(6, "/(A(B+C)d+E/(f+a))"));
}

// ---- "Aceptar" ----

TEST(Aceptar, StoresTheEquationWithoutBlanksAndItsCanonicalText) {
    CMessageCapture capture;
    CEcuacion e(2);
    e.m_nPos = 7;  // left over from an earlier equation
    const EcuacionAceptada a = e.Accept(" A + b\t");
    EXPECT_EQ(capture.Messages(), std::vector<std::string>{"El caracter '\t' es incorrecto"});
    EXPECT_FALSE(a.aceptada);
    EXPECT_EQ(a.ecuacion, "");
    EXPECT_EQ(a.canonica, "");
    const EcuacionAceptada b = e.Accept(" A + B ");
    EXPECT_TRUE(b.aceptada);
    EXPECT_EQ(b.ecuacion, "A+B");
    EXPECT_EQ(b.canonica, "Ab + AB + aB");
    const EcuacionAceptada blancos = e.Accept("   ");
    EXPECT_TRUE(blancos.aceptada);
    EXPECT_EQ(blancos.ecuacion, "");
    EXPECT_EQ(blancos.canonica, "");
}

// ---- every valid equation means what it says ----

// Evaluates an equation that passed the check, directly, for one assignment.
class Evaluador {
public:
    Evaluador(const std::string& texto, unsigned n, unsigned t) : s_(texto), n_(n), t_(t) {}
    bool Sum() {
        bool valor = false;
        bool vacio = true;  // an empty product contributes nothing
        bool producto = true;
        for (Skip(); i_ < s_.size() && s_[i_] != ')'; Skip()) {
            if (s_[i_] == '+') {
                valor |= producto && !vacio;
                producto = true;
                vacio = true;
                ++i_;
                continue;
            }
            producto = Factor() && producto;
            vacio = false;
        }
        return valor || (producto && !vacio);
    }

private:
    void Skip() {
        while (i_ < s_.size() && s_[i_] == ' ') {
            ++i_;
        }
    }
    bool Factor() {
        const char c = s_[i_++];
        if (c == '/' || c == '(') {
            i_ += c == '/' ? 1 : 0;
            const bool v = Sum();
            ++i_;  // ')'
            return c == '/' ? !v : v;
        }
        const unsigned k = static_cast<unsigned>(std::tolower(c) - 'a');
        return (((t_ >> (n_ - 1 - k)) & 1u) != 0) == (c < 'a');
    }
    const std::string& s_;
    unsigned n_;
    unsigned t_;
    std::size_t i_ = 0;
};

class Generador {
public:
    Generador(unsigned n, std::mt19937& azar) : n_(n), azar_(azar) {}
    std::string Sum(int nivel) {
        std::string s = Product(nivel);
        for (int k = Uno(3); k > 0; --k) {
            s += Blank() + (Uno(5) == 0 ? "++" : "+") + Blank() + Product(nivel);
        }
        return s;
    }

private:
    std::string Product(int nivel) {
        std::string s;
        for (int k = Uno(3) + 1; k > 0; --k) {
            const int clase = nivel < 4 ? Uno(4) : 0;
            if (clase <= 1) {
                s += static_cast<char>((Uno(2) != 0 ? 'A' : 'a') + Uno(static_cast<int>(n_)));
            } else {
                s += std::string(clase == 3 ? "/" : "") + "(" + Blank() + Sum(nivel + 1) + ")";
            }
            s += Blank();
        }
        return s;
    }
    std::string Blank() { return Uno(4) == 0 ? " " : ""; }
    int Uno(int k) { return std::uniform_int_distribution<int>(0, k - 1)(azar_); }
    unsigned n_;
    std::mt19937& azar_;
};

TEST(Aleatorias, CanonicalTextHoldsExactlyTheMintermsWhereTheEquationIsOne) {
    std::mt19937 azar(20261207);
    CMessageCapture capture;
    for (int caso = 0; caso < 3000; ++caso) {
        const unsigned n = static_cast<unsigned>(caso % 6) + 1;
        const std::string ecuacion = Generador(n, azar).Sum(0);
        CEcuacion e(n);
        const EcuacionAceptada a = e.Accept(ecuacion);
        ASSERT_TRUE(a.aceptada) << ecuacion;
        std::vector<bool> esperado(1u << n), obtenido(1u << n);
        for (unsigned t = 0; t < (1u << n); ++t) {
            esperado[t] = Evaluador(ecuacion, n, t).Sum();
        }
        for (std::size_t p = 0; p < a.canonica.size(); p += n + 3) {
            unsigned t = 0;
            for (unsigned k = 0; k < n; ++k) {
                const char c = a.canonica[p + k];
                ASSERT_EQ(std::tolower(c), 'a' + static_cast<int>(k)) << a.canonica;
                t = 2 * t + (c < 'a' ? 1 : 0);
            }
            ASSERT_FALSE(obtenido[t]) << "twice: " << a.canonica;
            obtenido[t] = true;
        }
        ASSERT_EQ(obtenido, esperado) << ecuacion << " -> " << a.canonica;
    }
    EXPECT_TRUE(capture.Messages().empty());
}

}  // namespace
