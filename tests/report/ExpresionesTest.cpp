#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/report/ReportePrueba.h"

namespace {

// The fields and texts of one side, so that every case runs on SOP and on POS.
struct Lado {
    const char* nombre;
    bool CSistema::*procesar;
    bool CSistema::*verExpresion;
    bool CSistema::*verCubiertas;
    NivelesLado CSistema::*nivel;
    TablaCubiertas CSistema::*cubiertas;
    TablaSubcubiertas CSistema::*subcubiertas;
    bool pos;
    std::string encabezado;
    std::string encabezadoMinimo;
    std::string general;
    std::string funcion;
    std::string constante;
};

void PrintTo(const Lado& lado, std::ostream* os) {
    *os << lado.nombre;
}

const Lado kSop{"SOP",
                &CSistema::m_bProcesarSop,
                &CSistema::m_bVerExpresionSop,
                &CSistema::m_bVerCubiertasSop,
                &CSistema::m_pNivelSop,
                &CSistema::m_pCubiertaSop,
                &CSistema::m_pCubiertaFuncionSop,
                false,
                "Como expresión SOP:",
                "Como expresión SOP mínima:",
                "Cubierta SOP gral.",
                "Implicantes PE de funcion ",
                "0"};
const Lado kPos{"POS",
                &CSistema::m_bProcesarPos,
                &CSistema::m_bVerExpresionPos,
                &CSistema::m_bVerCubiertasPos,
                &CSistema::m_pNivelPos,
                &CSistema::m_pCubiertaPos,
                &CSistema::m_pCubiertaFuncionPos,
                true,
                "Como expresión POS:",
                "Como expresión POS mínima:",
                "Cubierta POS gral.",
                "Implicados PE de funcion ",
                "1"};

class ExpresionesTest : public testing::TestWithParam<Lado> {
protected:
    // A system of n variables and m functions showing only this side's
    // expressions and covers; both term lists hold one term.
    std::unique_ptr<CSistema> Sistema(UINT n, UINT m) {
        const Lado& lado = GetParam();
        auto s = SistemaVacio(n, m);
        s->m_bProcesarSop = false;
        (*s).*lado.procesar = true;
        (*s).*lado.verExpresion = true;
        (*s).*lado.verCubiertas = true;
        s->m_pNivelSop[0] = Lista({{std::string(n, '1').c_str()}});
        s->m_pNivelPos[0] = Lista({{std::string(n, '0').c_str()}});
        return s;
    }

    TablaCubiertas& Cubiertas(CSistema& s) { return s.*GetParam().cubiertas; }
    TablaSubcubiertas& Sub(CSistema& s) { return s.*GetParam().subcubiertas; }

    // The expression of a list of cubes in this side's notation, "1-0" style.
    std::string Expr(const std::vector<std::string>& cubos) const {
        std::string texto;
        for (std::size_t i = 0; i < cubos.size(); ++i) {
            std::string letras;
            for (std::size_t k = 0; k < cubos[i].size(); ++k) {
                const char c = cubos[i][k];
                if (c == '-') {
                    continue;
                }
                const bool mayuscula = (c == '1') != GetParam().pos;
                if (GetParam().pos && !letras.empty()) {
                    letras += '+';
                }
                letras += static_cast<char>((mayuscula ? 'A' : 'a') + k);
            }
            if (GetParam().pos) {
                texto += "(" + letras + ")";
            } else {
                texto += (i > 0 ? " + " : "") + letras;
            }
        }
        return texto;
    }
};

TEST_P(ExpresionesTest, OneFunctionWithSeveralCovers) {
    auto s = Sistema(2, 1);
    s->m_bTodasSoluciones = true;
    Cubiertas(*s)[0] = Lista({{"1-"}});
    Cubiertas(*s)[1] = Lista({{"-1"}});
    Cubiertas(*s)[2] = Lista({{"11"}});
    // A single function has no sub-covers; whatever a slot holds is not shown.
    Sub(*s)[0][0][0] = Lista({{"00"}});

    const std::vector<Linea> esperadas = {
        {10, 10, "Sistema con una función de 2 variables."},
        {10, 40, GetParam().encabezadoMinimo},
        {15, 60, "f = " + Expr({"1-"})},
        {10, 80, "O también: "},
        {15, 100, "f = " + Expr({"-1"})},
        {10, 120, "O también: "},
        {15, 140, "f = " + Expr({"11"})},
        {10, 170, "Cubierta 1: 1- "},
        {10, 200, "Cubierta 2: -1 "},
        {10, 230, "Cubierta 3: 11 "},
    };
    EXPECT_EQ(Lineas(Dibujar(*s)), esperadas);
    EXPECT_EQ(s->m_nPosY, 260);
}

TEST_P(ExpresionesTest, SeveralFunctionsWithSubCovers) {
    auto s = Sistema(2, 2);
    s->m_bTodasSoluciones = true;
    Cubiertas(*s)[0] = Lista({{"1-", 1}, {"-1", 3}, {"11", 1}});
    Sub(*s)[0][0][0] = Lista({{"1-"}});
    Sub(*s)[0][0][1] = Lista({{"-1"}});
    Sub(*s)[0][0][2] = Lista({{"11"}});
    Sub(*s)[0][1][0] = Lista({{"-1"}});
    Cubiertas(*s)[1] = Lista({{"0-", 1}, {"-0", 2}});
    Sub(*s)[1][0][0] = Lista({{"0-"}});
    Sub(*s)[1][1][0] = Lista({{"-0"}});

    const std::string& pe = GetParam().funcion;
    const std::vector<Linea> esperadas = {
        {10, 10, "Sistema de 2 funciones de 2 variables cada una."},
        {10, 40, GetParam().encabezadoMinimo},
        {15, 60, "f1 = " + Expr({"1-"})},
        {10, 80, "O sinó: "},
        {15, 100, "f1 = " + Expr({"-1"})},
        {10, 120, "O sinó: "},
        {15, 140, "f1 = " + Expr({"11"})},
        {15, 160, "f2 = " + Expr({"-1"})},
        {10, 190, "O también: "},
        {15, 210, "f1 = " + Expr({"0-"})},
        {15, 230, "f2 = " + Expr({"-0"})},
        {10, 260, GetParam().general + "1: 1- -1 11 "},
        {15, 290, pe + "1: 1- "},
        {15, 320, "O sinó: -1 "},
        {15, 350, "O sinó: 11 "},
        {15, 380, pe + "2: -1 "},
        {10, 410, GetParam().general + "2: 0- -0 "},
        {15, 440, pe + "1: 0- "},
        {15, 470, pe + "2: -0 "},
    };
    EXPECT_EQ(Lineas(Dibujar(*s)), esperadas);
    EXPECT_EQ(s->m_nPosY, 500);
}

TEST_P(ExpresionesTest, FunctionWithNothingRequiredOnThisSideIsItsConstant) {
    auto s = Sistema(2, 2);
    Cubiertas(*s)[0] = Lista({{"1-", 1}});
    Sub(*s)[0][0][0] = Lista({{"1-"}});
    const std::vector<Linea> esperadas = {
        {10, 10, "Sistema de 2 funciones de 2 variables cada una."},
        {10, 40, GetParam().encabezado},
        {15, 60, "f1 = " + Expr({"1-"})},
        {15, 80, "f2 = " + GetParam().constante},
        {10, 110, GetParam().general + "1: 1- "},
        {15, 140, GetParam().funcion + "1: 1- "},
    };
    EXPECT_EQ(Lineas(Dibujar(*s)), esperadas);
}

TEST_P(ExpresionesTest, WithoutCoverEachFunctionShowsOnlyItsOwnRequiredTerms) {
    auto s = Sistema(2, 3);
    // 01 required by f1 and f2, 11 by f1 alone, 10 a don't-care of f2; f3 has
    // nothing required on this side.
    ((*s).*GetParam().nivel)[0] = Lista({{"01", 3}, {"10", 2, 2}, {"11", 1}});
    const std::vector<std::string> textos = Dibujar(*s).TextStrings();
    EXPECT_EQ(textos, (std::vector<std::string>{
                          "Sistema de 3 funciones de 2 variables cada una.",
                          GetParam().encabezado,
                          "f1 = " + Expr({"01", "11"}),
                          "f2 = " + Expr({"01"}),
                          "f3 = " + GetParam().constante,
                      }));

    // One function without a cover is labelled f1 too.
    auto uno = Sistema(2, 1);
    const std::string unico = GetParam().pos ? "00" : "11";
    EXPECT_EQ(Lineas(Dibujar(*uno)).back(), (Linea{15, 60, "f1 = " + Expr({unico})}));
}

INSTANTIATE_TEST_SUITE_P(AmbosLados, ExpresionesTest, testing::Values(kSop, kPos),
                         [](const testing::TestParamInfo<Lado>& prueba) {
                             return std::string(prueba.param.nombre);
                         });

}  // namespace
