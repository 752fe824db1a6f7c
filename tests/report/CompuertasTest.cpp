// The pieces of the gate diagrams on the recording device: rails and literal
// wires, the AND and OR outlines, dots, bubbles and rail labels.

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "tests/report/ReportePrueba.h"

namespace {

constexpr int X = 10;
constexpr int Y = 100;

std::unique_ptr<CSistema> EnCursor(UINT n) {
    auto s = SistemaVacio(n, 1);
    s->m_nPosX = X;
    s->m_nPosY = Y;
    return s;
}

std::vector<DrawnLine> Rieles(UINT n) {
    std::vector<DrawnLine> rieles;
    for (int v = 0; v < static_cast<int>(n); ++v) {
        const int riel = X + 12 * (v + 1);
        rieles.push_back({{riel, Y}, {riel, Y + 60}});
        rieles.push_back({{riel + 6, Y}, {riel + 6, Y + 60}});
    }
    return rieles;
}

// The box of each ellipse, in drawing order.
std::vector<std::vector<int>> Elipses(const CRecordingDC& dc) {
    std::vector<std::vector<int>> cajas;
    for (const DrawCall& c : dc.CallsOf(DrawCall::Kind::Ellipse)) {
        cajas.push_back({c.box[0], c.box[1], c.box[2], c.box[3]});
    }
    return cajas;
}

// A 5-pixel dot centred on (x, y).
std::vector<int> Punto(int x, int y) {
    return {x - 2, y - 2, x + 3, y + 3};
}

struct Arco {
    std::vector<int> caja;
    CPoint inicio;
    CPoint fin;
    friend bool operator==(const Arco&, const Arco&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Arco& a) {
        return os << "box " << a.caja[0] << "," << a.caja[1] << "," << a.caja[2] << "," << a.caja[3]
                  << " from " << a.inicio.x << "," << a.inicio.y << " to " << a.fin.x << ","
                  << a.fin.y;
    }
};

std::vector<Arco> Arcos(const CRecordingDC& dc) {
    std::vector<Arco> arcos;
    for (const DrawCall& c : dc.CallsOf(DrawCall::Kind::Arc)) {
        arcos.push_back({{c.box[0], c.box[1], c.box[2], c.box[3]}, c.from, c.to});
    }
    return arcos;
}

TEST(CompuertasTest, TermWithoutLiteralsDrawsOnlyTheRails) {
    auto s = EnCursor(3);
    CRecordingDC dc;
    EXPECT_EQ(s->DrawGateInputs(true, false, *Lista({{"---"}}), dc), 0u);
    EXPECT_EQ(dc.Lines(), Rieles(3));
    EXPECT_TRUE(dc.CallsOf(DrawCall::Kind::Ellipse).empty());
    EXPECT_EQ(s->m_nPosY, Y);
}

// A lone literal: straight flag, the literal's value, the rail it comes from.
class LiteralSoloTest : public testing::TestWithParam<std::tuple<bool, const char*, int>> {};

TEST_P(LiteralSoloTest, RunsOnTheOutputLineFromItsRail) {
    const auto& [recto, cubo, riel] = GetParam();
    auto s = EnCursor(3);
    for (const bool suma : {false, true}) {
        CRecordingDC dc;
        // The sum flag does not choose a lone literal's rail.
        EXPECT_EQ(s->DrawGateInputs(recto, suma, *Lista({{cubo}}), dc), 1u);
        std::vector<DrawnLine> esperadas = Rieles(3);
        esperadas.push_back({{riel, Y + 21}, {X + 180, Y + 21}});
        EXPECT_EQ(dc.Lines(), esperadas);
        EXPECT_EQ(Elipses(dc), (std::vector<std::vector<int>>{Punto(riel, Y + 21)}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rieles, LiteralSoloTest,
    testing::Values(std::make_tuple(true, "-1-", X + 24),   // B at 1, straight: true rail
                    std::make_tuple(false, "-1-", X + 30),  // inverted rail
                    std::make_tuple(true, "--0", X + 42),   // C at 0, straight: inverted rail
                    std::make_tuple(false, "--0", X + 36),  // true rail
                    std::make_tuple(false, "1--", X + 18)));

TEST(CompuertasTest, WiresFollowTheVariableNotTheLiteralsRank) {
    auto s = EnCursor(6);
    CRecordingDC dc;
    // A at 1 and F at 0 in a product: A from its true rail, F from its inverted one.
    EXPECT_EQ(s->DrawGateInputs(true, false, *Lista({{"1----0"}}), dc), 2u);
    std::vector<DrawnLine> esperadas = Rieles(6);
    esperadas.push_back({{X + 12, Y + 6}, {X + 120, Y + 6}});
    esperadas.push_back({{X + 78, Y + 36}, {X + 120, Y + 36}});
    EXPECT_EQ(dc.Lines(), esperadas);
    EXPECT_EQ(Elipses(dc),
              (std::vector<std::vector<int>>{Punto(X + 12, Y + 6), Punto(X + 78, Y + 36)}));
}

TEST(CompuertasTest, SumWiresEndOnTheCurvedBackOfTheirOrGate) {
    auto s = EnCursor(6);
    CRecordingDC dc;
    // A sum takes a variable at 1 from its inverted rail and one at 0 from its
    // true rail; the wires end 7, 8, 9, 10, 9, 8 past the gate's back.
    EXPECT_EQ(s->DrawGateInputs(false, true, *Lista({{"101010"}}), dc), 6u);
    const std::vector<DrawnLine> lineas = dc.Lines();
    ASSERT_EQ(lineas.size(), 12u + 6u);
    const std::vector<int> fin = {7, 8, 9, 10, 9, 8};
    for (int v = 0; v < 6; ++v) {
        const int riel = X + 12 * (v + 1) + (v % 2 == 0 ? 6 : 0);
        const int alto = Y + 6 * (v + 1);
        EXPECT_EQ(lineas[12 + static_cast<std::size_t>(v)],
                  (DrawnLine{{riel, alto}, {X + 120 + fin[static_cast<std::size_t>(v)], alto}}))
            << v;
    }
    EXPECT_EQ(dc.CallsOf(DrawCall::Kind::Ellipse).size(), 6u);
}

TEST(CompuertasTest, AndGateAtBothUses) {
    auto s = EnCursor(2);
    CRecordingDC primer;
    s->DrawAndGate(primer, 120, 42);
    EXPECT_EQ(primer.Lines(), (std::vector<DrawnLine>{{{X + 149, Y}, {X + 120, Y}},
                                                      {{X + 120, Y}, {X + 120, Y + 42}},
                                                      {{X + 120, Y + 42}, {X + 149, Y + 42}}}));
    EXPECT_EQ(
        Arcos(primer),
        (std::vector<Arco>{{{X + 174, Y + 43, X + 132, Y}, {X + 149, Y + 43}, {X + 149, Y}}}));

    CRecordingDC salida;
    s->DrawAndGate(salida, 370, 76);
    EXPECT_EQ(salida.Lines(), (std::vector<DrawnLine>{{{X + 423, Y}, {X + 370, Y}},
                                                      {{X + 370, Y}, {X + 370, Y + 76}},
                                                      {{X + 370, Y + 76}, {X + 423, Y + 76}}}));
    EXPECT_EQ(
        Arcos(salida),
        (std::vector<Arco>{{{X + 468, Y + 77, X + 392, Y}, {X + 423, Y + 77}, {X + 423, Y}}}));
    EXPECT_EQ(s->m_nPosY, Y);
}

TEST(CompuertasTest, OrGateAtBothHeights) {
    auto s = EnCursor(2);
    CRecordingDC primer;
    s->DrawOrGate(primer, 120, 42);
    EXPECT_EQ(primer.Lines(), (std::vector<DrawnLine>{{{X + 120, Y}, {X + 135, Y}},
                                                      {{X + 120, Y + 42}, {X + 135, Y + 42}}}));
    EXPECT_EQ(Arcos(primer),
              (std::vector<Arco>{
                  {{X + 93, Y + 63, X + 177, Y}, {X + 177, Y + 20}, {X + 135, Y}},
                  {{X + 177, Y + 43, X + 93, Y - 21}, {X + 135, Y + 43}, {X + 177, Y + 22}},
                  {{X + 130, Y + 42, X + 110, Y}, {X + 120, Y + 42}, {X + 120, Y}}}));

    // 15h/42 and h/2 drop their remainders: w = 27, h2 = 38.
    CRecordingDC grande;
    s->DrawOrGate(grande, 370, 76);
    EXPECT_EQ(grande.Lines(), (std::vector<DrawnLine>{{{X + 370, Y}, {X + 397, Y}},
                                                      {{X + 370, Y + 76}, {X + 397, Y + 76}}}));
    EXPECT_EQ(Arcos(grande),
              (std::vector<Arco>{
                  {{X + 321, Y + 114, X + 473, Y}, {X + 473, Y + 37}, {X + 397, Y}},
                  {{X + 473, Y + 77, X + 321, Y - 38}, {X + 397, Y + 77}, {X + 473, Y + 39}},
                  {{X + 380, Y + 76, X + 360, Y}, {X + 370, Y + 76}, {X + 370, Y}}}));
}

TEST(CompuertasTest, RailLabelsInTheirOwnFontSizedForTheDevice) {
    for (const int pixeles : {96, 600}) {
        auto s = EnCursor(6);
        CRecordingDC dc(pixeles);
        dc.SelectObject(CFont{"Otra", -20});
        s->DrawRailLabels(dc, 300);
        const CFont etiquetas{"Arial", pixeles == 96 ? -11 : -68};
        const std::vector<Linea> esperadas = {
            {X + 9, 300, "Aa"},  {X + 21, 300, "Bb"}, {X + 33, 300, "Cc"},
            {X + 45, 300, "Dd"}, {X + 57, 300, "Ee"}, {X + 69, 300, "Ff"},
        };
        EXPECT_EQ(Lineas(dc), esperadas);
        for (const DrawCall& c : dc.Texts()) {
            EXPECT_EQ(c.font, etiquetas);
        }
        EXPECT_EQ(dc.CurrentFont(), (CFont{"Otra", -20})) << "the previous font is selected back";
    }
}

}  // namespace
