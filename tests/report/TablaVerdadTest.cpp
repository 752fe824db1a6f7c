#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/report/ReportePrueba.h"

namespace {

// Only the truth table shown; the sentence takes the first 30 pixels, so the
// section starts at y = 40 and its grid at Y = 70.
constexpr int kArriba = 70;

std::unique_ptr<CSistema> SoloTabla(UINT n, UINT m) {
    auto s = SistemaVacio(n, m);
    s->m_bVerTablaVerdad = true;
    return s;
}

TEST(TablaVerdadTest, OneVariableOneFunctionDrawsItsWholeGrid) {
    auto s = SoloTabla(1, 1);
    s->m_pNivelSop[0] = Lista({{"1"}});
    s->m_pNivelPos[0] = Lista({{"0"}});
    const CRecordingDC dc = Dibujar(*s);

    EXPECT_EQ(Lineas(dc), (std::vector<Linea>{
                              {10, 10, "Sistema con una función de una variable."},
                              {10, 50, "Tabla de Verdad :"},
                              {133, kArriba + 5, "funcion 1 "},
                              {11, kArriba + 30, "   0 (0)"},
                              {155, kArriba + 30, "0"},
                              {11, kArriba + 55, "   1 (1)"},
                              {155, kArriba + 55, "1"},
                          }));
    // A 200 x 75 grid: four horizontal and three vertical lines.
    EXPECT_EQ(dc.Lines(), (std::vector<DrawnLine>{
                              {{10, 70}, {210, 70}},
                              {{10, 70}, {10, 145}},
                              {{110, 70}, {110, 145}},
                              {{210, 70}, {210, 145}},
                              {{10, 95}, {210, 95}},
                              {{10, 120}, {210, 120}},
                              {{10, 145}, {210, 145}},
                          }));
    // 135 below where the section started.
    EXPECT_EQ(s->m_nPosY, 40 + 135);
    EXPECT_EQ(s->m_nPosX, 10);
}

TEST(TablaVerdadTest, CellsShowRequiredDontCareAndAbsentPerFunction) {
    auto s = SoloTabla(3, 2);
    // Term 2: don't-care of f1, required in f2. Term 5: required in f1 only.
    s->m_pNivelSop[0] = Lista({{"010", 3, 1}, {"101", 1}});
    s->m_pNivelPos[0] = Lista({{"000", 3}});
    const CRecordingDC dc = Dibujar(*s);
    auto celda = [&](int t, int f) {
        return TextoEn(dc, 10 + 100 * (f + 1) + 45, kArriba + 25 * (t + 1) + 5);
    };
    EXPECT_EQ(celda(2, 0), "X");
    EXPECT_EQ(celda(2, 1), "1");
    EXPECT_EQ(celda(5, 0), "1");
    EXPECT_EQ(celda(5, 1), "0");
    EXPECT_EQ(celda(0, 0), "0");
    EXPECT_EQ(celda(7, 1), "0");
    EXPECT_EQ(TextoEn(dc, 11, kArriba + 25 * 6 + 5), "   5 (101)");
    EXPECT_EQ(TextoEn(dc, 233, kArriba + 5), "funcion 2 ");
}

TEST(TablaVerdadTest, SixFunctionsOfSixVariables) {
    auto s = SoloTabla(6, 6);
    s->m_pNivelSop[0] = Lista({{"111111", 63}});
    s->m_pNivelPos[0] = Lista({{"000000", 63}});
    const CRecordingDC dc = Dibujar(*s);
    // A 700 x 1625 grid of 64 rows.
    const int fondo = kArriba + 1625;
    EXPECT_TRUE(dc.HasLine({10, kArriba}, {710, kArriba}));
    EXPECT_TRUE(dc.HasLine({10, fondo}, {710, fondo}));
    EXPECT_TRUE(dc.HasLine({10, kArriba}, {10, fondo}));
    EXPECT_TRUE(dc.HasLine({710, kArriba}, {710, fondo}));
    EXPECT_EQ(dc.Lines().size(), 2u + 6u + 1u + 64u + 1u);
    const std::vector<Linea> lineas = Lineas(dc);
    // Sentence, heading, 6 headers, 64 rows of a label and 6 cells.
    ASSERT_EQ(lineas.size(), 2u + 6u + 64u * 7u);
    EXPECT_EQ(lineas[2 + 5], (Linea{633, kArriba + 5, "funcion 6 "}));
    EXPECT_EQ(lineas.back(), (Linea{655, fondo - 20, "1"}));
    EXPECT_EQ(lineas[lineas.size() - 7], (Linea{11, fondo - 20, "  63 (111111)"}));
    EXPECT_EQ(s->m_nPosY, kArriba + 25 * 64 + 55);
}

TEST(TablaVerdadTest, DrawnWithoutZerosLeftOutWithoutOnesOrWithoutTheOption) {
    auto s = SoloTabla(2, 1);
    s->m_pNivelSop[0] = Lista({{"00"}, {"01"}, {"10"}, {"11"}});
    EXPECT_EQ(Dibujar(*s).TextStrings().size(), 3u + 4u * 2u);
    EXPECT_EQ(s->m_nPosY, kArriba + 25 * 4 + 55);

    s->m_pNivelPos[0] = Lista({{"00"}, {"01"}, {"10"}, {"11"}});
    s->m_pNivelSop[0].reset();
    EXPECT_EQ(Dibujar(*s).TextStrings(),
              (std::vector<std::string>{"Sistema con una función de 2 variables."}));
    EXPECT_EQ(s->m_nPosY, 40);

    s->m_pNivelSop[0] = Lista({{"01"}});
    s->m_pNivelPos[0] = Lista({{"00", 1, 1}});
    s->m_bVerTablaVerdad = false;
    const CRecordingDC dc = Dibujar(*s);
    EXPECT_TRUE(dc.Lines().empty());
    EXPECT_EQ(s->m_nPosY, 40);
}

}  // namespace
