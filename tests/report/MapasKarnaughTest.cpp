// The covers on Karnaugh maps, on the recording device: the cells, grid and
// labels of each size of map, the flow of the blocks in rows, the legend, the
// dots, the gating of the section, and the blocks left out of a clipped paint.

#include <gtest/gtest.h>

#include <bit>
#include <map>
#include <set>

#include "report/GeometriaMapa.h"
#include "tests/report/ReportePrueba.h"

namespace {

// What one map block drew: its heading, its legend entries and per term the
// top-left corner of its cell, its value and its dots' boxes and colours.
struct Punto {
    CGeometriaMapa::Caja caja;
    COLORREF color;
};
struct Bloque {
    Linea encabezado;
    std::vector<Linea> leyenda;
    std::vector<COLORREF> colores;  // of the legend's dots
    std::map<UINT, CPoint> celdas;
    std::map<UINT, std::string> valores;
    std::map<UINT, std::vector<Punto>> puntos;
};

std::vector<Bloque> Bloques(const CRecordingDC& dc) {
    std::vector<Bloque> bloques;
    int termino = -1;
    bool valor = false;
    for (const DrawCall& c : dc.Calls()) {
        if (c.kind == DrawCall::Kind::TextOut && c.text.starts_with("Cubierta ") &&
            c.text.find(" de f") != std::string::npos) {
            bloques.push_back(Bloque{{c.to.x, c.to.y, c.text}, {}, {}, {}, {}, {}});
            termino = -1;
        } else if (bloques.empty()) {
            continue;
        } else if (c.kind == DrawCall::Kind::TextOut && c.font.face == "Arial") {
            termino = std::stoi(c.text);
            bloques.back().celdas[static_cast<UINT>(termino)] = CPoint{c.to.x - 2, c.to.y - 2};
            valor = true;
        } else if (c.kind == DrawCall::Kind::TextOut && termino >= 0 && valor) {
            bloques.back().valores[static_cast<UINT>(termino)] = c.text;
            valor = false;
        } else if (c.kind == DrawCall::Kind::TextOut && termino < 0 &&
                   c.text.find_first_not_of("01- ") == std::string::npos) {
            bloques.back().leyenda.push_back(Linea{c.to.x, c.to.y, c.text});
        } else if (c.kind == DrawCall::Kind::Ellipse) {
            const Punto p{{c.box[0], c.box[1], c.box[2], c.box[3]}, c.brush.color};
            if (termino < 0) {
                bloques.back().colores.push_back(p.color);
            } else {
                bloques.back().puntos[static_cast<UINT>(termino)].push_back(p);
            }
        }
    }
    return bloques;
}

// n variables, m functions, only the maps shown; the SOP term list holds every
// term in every function, so that cells read '1'.
std::unique_ptr<CSistema> Mapas(UINT n, UINT m) {
    auto s = SistemaVacio(n, m);
    s->m_bVerMapaK = true;
    ListaTerminos* final = &s->m_pNivelSop[0];
    for (UINT t = 0; t < (1u << n); ++t) {
        final =
            AppendTerm(final, std::make_unique<Termino>(t, ~t & ((1u << n) - 1), (1u << m) - 1, 0));
    }
    s->m_pNivelPos[0] = Lista({{"0"}});
    return s;
}

// After the sentence (30) and the section's heading (20) the first block starts
// at (10, 60); its heading stands at y 70 and its map's origin at (50, 110).
constexpr int kY0 = 60;

TEST(MapasKarnaughTest, OneVariableSixMapsToARowThenANewRow) {
    auto s = Mapas(1, 1);
    s->m_pNivelSop[0] = Lista({{"1"}});
    for (UINT k = 0; k < 7; ++k) {
        s->m_pCubiertaSop[k] = Lista({{"1"}});
    }
    const CRecordingDC dc = Dibujar(*s);
    const auto b = Bloques(dc);
    ASSERT_EQ(b.size(), 7u);
    for (int k = 0; k < 6; ++k) {
        // Beside the previous map, 15 lower; only the cover's number changes.
        EXPECT_EQ(b.at(static_cast<std::size_t>(k)).encabezado,
                  (Linea{10 + 120 * k, kY0 + 10 + 15 * k,
                         "Cubierta " + std::to_string(k + 1) + ".1 de f1 :"}));
    }
    // A full row: the seventh begins at the margin where the sixth map ended.
    EXPECT_EQ(b[6].encabezado.x, 10);
    EXPECT_EQ(b[6].encabezado.y, kY0 + 15 * 5 + 65 + 10);
    EXPECT_EQ(b[0].celdas, (std::map<UINT, CPoint>{{0, {50, 110}}, {1, {90, 110}}}));
    EXPECT_EQ(b[0].valores, (std::map<UINT, std::string>{{0, "0"}, {1, "1"}}));
    EXPECT_EQ(TextoEn(dc, 55, 90), "A");
    EXPECT_EQ(b[0].leyenda, (std::vector<Linea>{{140, 70, "1 "}}));
    EXPECT_EQ(b[0].colores, (std::vector<COLORREF>{RGB(0, 0, 0)}));
    // The corner, then per column its horizontal and vertical line, then the
    // last vertical border.
    std::vector<DrawnLine> lineas = dc.Lines();
    lineas.resize(6);
    EXPECT_EQ(lineas, (std::vector<DrawnLine>{{{35, 95}, {50, 110}},
                                              {{50, 110}, {130, 110}},
                                              {{50, 110}, {50, 150}},
                                              {{50, 150}, {130, 150}},
                                              {{90, 110}, {90, 150}},
                                              {{130, 110}, {130, 150}}}));
    // The last map ends 65 below its start; a row step, then the final feed.
    EXPECT_EQ(s->m_nPosY, kY0 + 15 * 5 + 65 + 65 - 50 + 100);
    EXPECT_EQ(s->m_nPosX, 10);
    EXPECT_EQ(dc.CurrentPen(), CPen{}) << "the pen on entry is selected again";
    EXPECT_EQ(dc.CurrentBrush(), CBrush{});
}

TEST(MapasKarnaughTest, CellsStandWhereTheirAxesSay) {
    auto cuatro = Mapas(4, 1);
    const CRecordingDC dc4 = Dibujar(*cuatro);
    const auto b4 = Bloques(dc4).at(0);
    const int ox = 50;
    const int oy = 110;
    for (const auto& [t, y] : std::map<UINT, int>{{12, 0}, {13, 40}, {15, 80}, {14, 120}}) {
        EXPECT_EQ(b4.celdas.at(t), (CPoint{ox + 80, oy + y})) << t;
        EXPECT_EQ(b4.celdas.at(t - 4), (CPoint{ox + 120, oy + y})) << t - 4;
    }
    for (const UINT t : {3u, 7u, 15u, 11u}) {
        EXPECT_EQ(b4.celdas.at(t).y, oy + 80) << t;
    }
    EXPECT_EQ(TextoEn(dc4, ox + 5, oy - 20), "AB");
    EXPECT_EQ(TextoEn(dc4, ox - 25, oy), "CD");
    const auto celda = dc4.FindText(" 12");
    ASSERT_NE(celda, nullptr);
    EXPECT_EQ(celda->font, CFont::CreatePointFont(70, "Arial", dc4));
    EXPECT_EQ(dc4.TextAt(ox + 80 + 16, oy + 13)->font, CRecordingDC::DefaultFont());

    auto seis = Mapas(6, 1);
    const CRecordingDC dc6 = Dibujar(*seis);
    const auto b6 = Bloques(dc6).at(0);
    EXPECT_EQ(b6.celdas.at(63), (CPoint{ox + 280, oy + 280}));
    EXPECT_EQ(b6.celdas.at(32), (CPoint{ox, oy + 200}));
    EXPECT_EQ(b6.celdas.at(16), (CPoint{ox + 200, oy}));
    EXPECT_TRUE(dc6.HasLine({ox + 200, oy + 200}, {ox + 360, oy + 200}));
    EXPECT_TRUE(dc6.HasLine({ox + 360, oy + 200}, {ox + 360, oy + 360}));
    EXPECT_EQ(TextoEn(dc6, ox - 30, oy), "AEF");
    EXPECT_EQ(seis->m_nPosY, kY0 + 425);
    EXPECT_EQ(seis->m_nDesplazamientoY, 200);
}

TEST(MapasKarnaughTest, WhereAMapEndsAndTheNextBegins) {
    // Per n: the end of the map relative to its block's start, and the step back
    // up while the row has room (none for five and six variables).
    const int finX[] = {120, 120, 200, 200, 0, 0};
    const int finY[] = {65, 145, 145, 225, 225, 425};
    const int paso[] = {50, 130, 130, 210, 0, 0};
    const int altoMapa[] = {40, 80, 80, 160, 160, 360};
    for (UINT n = 1; n <= 6; ++n) {
        auto s = Mapas(n, 1);
        s->m_pCubiertaSop[0] = Lista({{"1"}});
        s->m_pCubiertaSop[1] = Lista({{"1"}});
        const auto b = Bloques(Dibujar(*s));
        ASSERT_EQ(b.size(), 2u);
        const int x = paso[n - 1] == 0 ? 10 : 10 + finX[n - 1];
        EXPECT_EQ(b[1].encabezado.x, x) << n;
        EXPECT_EQ(b[1].encabezado.y, kY0 + finY[n - 1] - paso[n - 1] + 10) << n;
        // Left out of a paint below it, the first block moves the cursor the same.
        CRecordingDC dc;
        dc.SetClipBox(CRect{0, kY0 + 50 + altoMapa[n - 1] + 22, 2000, 5000});
        s->DrawReport(dc);
        const auto recortados = Bloques(dc);
        ASSERT_EQ(recortados.size(), 1u) << n;
        EXPECT_EQ(recortados[0].encabezado, b[1].encabezado) << n;
    }
}

TEST(MapasKarnaughTest, FunctionsAndAlternativesFlowInRowsAndEachCoverStartsOne) {
    auto s = Mapas(2, 2);
    s->m_pCubiertaSop[0] = Lista({{"1-", 3}});
    s->m_pCubiertaSop[1] = Lista({{"-1", 3}});
    for (UINT j = 0; j < 6; ++j) {
        s->m_pCubiertaFuncionSop[0][0][j] = Lista({{"1-"}});
    }
    s->m_pCubiertaFuncionSop[0][1][0] = Lista({{"1-", 2}});
    s->m_pCubiertaFuncionSop[1][0][0] = Lista({{"-1"}});
    s->m_pCubiertaFuncionSop[1][1][0] = Lista({{"-1", 2}});
    const auto b = Bloques(Dibujar(*s));
    ASSERT_EQ(b.size(), 9u);
    for (int j = 0; j < 6; ++j) {
        EXPECT_EQ(b.at(static_cast<std::size_t>(j)).encabezado,
                  (Linea{10 + 120 * j, kY0 + 10 + 15 * j,
                         "Cubierta 1." + std::to_string(j + 1) + " de f1 :"}));
    }
    // Six maps fill the row: f2 begins a new one, and the next cover another.
    const int y2 = kY0 + 15 * 5 + 145;
    EXPECT_EQ(b[6].encabezado, (Linea{10, y2 + 10, "Cubierta 1.1 de f2 :"}));
    EXPECT_EQ(b[7].encabezado, (Linea{10, y2 + 145 + 10, "Cubierta 2.1 de f1 :"}));
    EXPECT_EQ(b[8].encabezado, (Linea{130, y2 + 145 + 25, "Cubierta 2.1 de f2 :"}));
}

TEST(MapasKarnaughTest, SectionFollowsItsOptionsAndBothTermLists) {
    auto s = Mapas(2, 1);
    s->m_bProcesarPos = true;
    auto encabezados = [&] {
        std::vector<std::string> t;
        for (const std::string& x : Dibujar(*s).TextStrings()) {
            if (x.starts_with("Cubiertas ")) {
                t.push_back(x);
            }
        }
        return t;
    };
    EXPECT_EQ(encabezados(), (std::vector<std::string>{"Cubiertas SOP sobre mapas K:",
                                                       "Cubiertas POS sobre mapas K:"}));
    s->m_bProcesarSop = false;
    EXPECT_EQ(encabezados(), (std::vector<std::string>{"Cubiertas POS sobre mapas K:"}));
    s->m_bProcesarSop = true;
    s->m_pNivelPos[0].reset();
    EXPECT_TRUE(encabezados().empty());
    s->m_pNivelPos[0] = Lista({{"00"}});
    s->m_bVerMapaK = false;
    EXPECT_TRUE(encabezados().empty());
}

TEST(MapasKarnaughTest, SopAndPosMapsShowTheFunctionsValues) {
    auto s = Procesado(3, {"1,3,5,7", "0,2,3"}, {"6", ""});
    s->m_bProcesarPos = true;
    const auto b = Bloques(Dibujar(*s));
    ASSERT_EQ(b.size(), 4u);
    const std::map<UINT, std::string> f1{{0, "0"}, {1, "1"}, {2, "0"}, {3, "1"},
                                         {4, "0"}, {5, "1"}, {6, "X"}, {7, "1"}};
    EXPECT_EQ(b[0].valores, f1);
    EXPECT_EQ(b[2].valores, f1);
    EXPECT_EQ(b[1].valores, b[3].valores);
}

TEST(MapasKarnaughTest, DotsOfImplicantsZeroAndFiveStandSideBySide) {
    auto s = Mapas(2, 1);
    s->m_pCubiertaSop[0] = Lista({{"00"}, {"11"}, {"11"}, {"11"}, {"11"}, {"0-"}});
    const auto b = Bloques(Dibujar(*s)).at(0);
    const CPoint c = b.celdas.at(0);
    ASSERT_EQ(b.puntos.at(0).size(), 2u);
    EXPECT_EQ(b.puntos.at(0)[0].caja, (CGeometriaMapa::Caja{c.x + 32, c.y + 3, c.x + 38, c.y + 9}));
    EXPECT_EQ(b.puntos.at(0)[0].color, RGB(0, 0, 0));
    EXPECT_EQ(b.puntos.at(0)[1].caja, (CGeometriaMapa::Caja{c.x + 25, c.y + 3, c.x + 31, c.y + 9}));
    EXPECT_EQ(b.puntos.at(0)[1].color, RGB(255, 0, 255));
    // 0- covers terms 0 and 1 only.
    EXPECT_EQ(b.puntos.at(1).size(), 1u);
    EXPECT_EQ(b.puntos.count(2), 0u);
}

TEST(MapasKarnaughTest, LegendWrapsAfterTheEntryThatPassesX770) {
    auto s = Mapas(6, 1);
    s->m_pCubiertaSop[0] = Lista({{"000000"},
                                  {"000001"},
                                  {"000010"},
                                  {"000011"},
                                  {"000100"},
                                  {"000101"},
                                  {"000110"},
                                  {"000111"},
                                  {"001000"},
                                  {"001001"},
                                  {"001010"},
                                  {"001011"},
                                  {"001100"}});
    const auto b = Bloques(Dibujar(*s)).at(0);
    ASSERT_EQ(b.leyenda.size(), 13u);
    EXPECT_EQ(b.leyenda[11], (Linea{140 + 11 * 56, kY0 + 10, "001011 "}));
    EXPECT_EQ(b.leyenda[12], (Linea{10, kY0 + 30, "001100 "}));
    EXPECT_EQ(b.celdas.at(0), (CPoint{50, 110 + 20}));
}

TEST(MapasKarnaughTest, MoreThanSixteenImplicantsKeepColoursAndPlacesOfTheirOwn) {
    // Odd parity of six variables: 32 implicants, one per term.
    std::string impares;
    for (UINT t = 0; t < 64; ++t) {
        if (std::popcount(t) % 2 == 1) {
            impares += (impares.empty() ? "" : ",") + std::to_string(t);
        }
    }
    auto s = Procesado(6, {impares});
    s->m_bVerMapaK = true;
    const auto b = Bloques(Dibujar(*s)).at(0);
    ASSERT_EQ(b.colores.size(), 32u);
    EXPECT_EQ(std::set<COLORREF>(b.colores.begin(), b.colores.end()).size(), 32u);
    std::set<COLORREF> enCeldas;
    for (const auto& [t, puntos] : b.puntos) {
        ASSERT_EQ(puntos.size(), 1u) << t;
        EXPECT_EQ(b.valores.at(t), "1");
        enCeldas.insert(puntos[0].color);
    }
    EXPECT_EQ(enCeldas.size(), 32u);
}

TEST(MapasKarnaughTest, EmptySubCoverDrawsTheMapWithoutDots) {
    // f2 is 1 everywhere: nothing is required of it on the POS side.
    auto s = SistemaVacio(2, 2);
    s->m_bProcesarSop = false;
    s->m_bProcesarPos = true;
    s->m_bVerMapaK = true;
    s->ApplyMinterms(TextosFuncion{"1,2", "0,1,2,3"}, TextosFuncion{});
    ASSERT_EQ(s->m_pCubiertaFuncionPos[0][1][0], nullptr);
    const auto b = Bloques(Dibujar(*s));
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(b[1].encabezado.texto, "Cubierta 1.1 de f2 :");
    EXPECT_TRUE(b[1].leyenda.empty());
    EXPECT_TRUE(b[1].puntos.empty());
    EXPECT_EQ(b[1].valores, (std::map<UINT, std::string>{{0, "1"}, {1, "1"}, {2, "1"}, {3, "1"}}));
}

// A long report: 28 covers of one function of six variables on both sides.
std::unique_ptr<CSistema> Larga() {
    std::string unos;
    for (const int a : {0, 1, 2, 5, 6, 7}) {
        for (const int b : {0, 1, 2, 5, 6, 7}) {
            unos += (unos.empty() ? "" : ",") + std::to_string(a * 8 + b);
        }
    }
    auto s = SistemaVacio(6, 1);
    s->m_bVerMapaK = true;
    s->m_bProcesarPos = true;
    s->m_bTodasSoluciones = true;
    s->ApplyMinterms(TextosFuncion{unos}, TextosFuncion{});
    return s;
}

// The texts, line ends and dots drawn from y top to y bottom, in drawing order.
std::vector<Linea> Dentro(const CRecordingDC& dc, const CRect& recorte) {
    std::vector<Linea> dentro;
    for (const DrawCall& c : dc.Calls()) {
        const bool elipse = c.kind == DrawCall::Kind::Ellipse;
        const CPoint p = elipse ? CPoint{c.box[0], c.box[1]} : c.to;
        if ((c.kind == DrawCall::Kind::TextOut || c.kind == DrawCall::Kind::LineTo || elipse) &&
            p.y >= recorte.top && p.y < recorte.bottom) {
            dentro.push_back(Linea{p.x, p.y, elipse ? "elipse" : c.text});
        }
    }
    return dentro;
}

TEST(MapasKarnaughTest, ClippedPaintLeavesOutBlocksButKeepsEveryCursorStep) {
    auto s = Larga();
    const CRecordingDC entero = Dibujar(*s);
    const auto estado = [](const CSistema& x) {
        return std::tuple(x.m_nPosX, x.m_nPosY, x.m_nOrigenMapaX, x.m_nOrigenMapaY,
                          x.m_nDesplazamientoY, x.m_cCelda, x.m_bContieneCelda);
    };
    const auto completo = estado(*s);
    ASSERT_GT(s->m_nPosY, 10000);
    // A screen of 480 pixels at every place of the report, and an empty one.
    std::vector<CRect> pantallas{CRect{0, 0, 0, 0}};
    for (int y = 0; y < s->m_nPosY; y += 160) {
        pantallas.push_back(CRect{0, y, 640, y + 480});
    }
    for (const CRect& recorte : pantallas) {
        SCOPED_TRACE(recorte.top);
        CRecordingDC dc;
        dc.SetClipBox(recorte);
        s->DrawReport(dc);
        EXPECT_EQ(estado(*s), completo);
        EXPECT_LT(dc.Calls().size(), entero.Calls().size() / 5);
        EXPECT_EQ(Dentro(dc, recorte), Dentro(entero, recorte));
    }
}

}  // namespace
