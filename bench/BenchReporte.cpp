// Times the drawing of the whole report of the system with the most Karnaugh
// maps among the cover benchmark's systems, processed with "Todas las
// soluciones" and every section shown: on the recording device, on a QImage the
// size of a screen (the whole report drawn, as a paint without a clip does), and
// one screen's repaint through the report view at the bottom of the report.
// Prints the median, the fastest and the slowest of the repeats.
//
// build-*/bench/tarnovel_bench_reporte [random systems] [seed] [repeats]

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "bench/SistemasAleatorios.h"
#include "platform/PainterDC.h"
#include "platform/RecordingDC.h"
#include "report/TarnovelView.h"

namespace {

constexpr int kAnchoPantalla = 1280;
constexpr int kAltoPantalla = 1024;

std::unique_ptr<CSistema> Sistema(const bench::Caso& caso) {
    auto s = std::make_unique<CSistema>();
    s->SetNumVariables(bench::kVariables);
    s->SetNumFunctions(bench::kFunciones);
    for (bool CSistema::*opcion : {&CSistema::m_bVerMinterminos,
                                   &CSistema::m_bVerMaxterminos,
                                   &CSistema::m_bVerTablaVerdad,
                                   &CSistema::m_bVerMapaK,
                                   &CSistema::m_bVerEcuacion,
                                   &CSistema::m_bTodasSoluciones,
                                   &CSistema::m_bDiagramaIndividual,
                                   &CSistema::m_bIndividualUnTipo,
                                   &CSistema::m_bIndividualDosTipos,
                                   &CSistema::m_bDiagramaSimultaneo,
                                   &CSistema::m_bSimultaneoUnTipo,
                                   &CSistema::m_bSimultaneoDosTipos,
                                   &CSistema::m_bVerImplicantesPrimos,
                                   &CSistema::m_bVerImplicantesEsenciales,
                                   &CSistema::m_bVerExpresionSop,
                                   &CSistema::m_bVerCubiertasSop,
                                   &CSistema::m_bProcesarSop,
                                   &CSistema::m_bVerImplicadosPrimos,
                                   &CSistema::m_bVerImplicadosEsenciales,
                                   &CSistema::m_bVerExpresionPos,
                                   &CSistema::m_bVerCubiertasPos,
                                   &CSistema::m_bProcesarPos}) {
        (*s).*opcion = true;
    }
    s->ApplyTruthTableCells(caso.celdas);
    return s;
}

struct Mapas {
    UINT bloques = 0;
    UINT maxImplicantes = 0;
};

// The map blocks of one side, counted as the report draws them.
void Contar(const CSistema& s, const TablaCubiertas& cubiertas,
            const TablaSubcubiertas& subcubiertas, Mapas& mapas) {
    for (UINT k = 0; k < kMaxCubiertas && (k == 0 || cubiertas[k]); ++k) {
        for (UINT f = 0; f < s.m_nFunciones; ++f) {
            for (UINT j = 0; j < kMaxSubcubiertas && (j == 0 || subcubiertas[k][f][j]); ++j) {
                const Termino* lista =
                    s.m_nFunciones == 1 ? cubiertas[k].get() : subcubiertas[k][f][j].get();
                ++mapas.bloques;
                mapas.maxImplicantes = std::max(mapas.maxImplicantes, CountNodes(lista));
            }
        }
    }
}

Mapas ContarMapas(const CSistema& s) {
    Mapas mapas;
    Contar(s, s.m_pCubiertaSop, s.m_pCubiertaFuncionSop, mapas);
    Contar(s, s.m_pCubiertaPos, s.m_pCubiertaFuncionPos, mapas);
    return mapas;
}

// Reaches everything, so that the whole report is drawn call by call, as a
// paint that leaves nothing out would.
class CPainterDCSinRecorte : public CPainterDC {
public:
    using CPainterDC::CPainterDC;
    CRect GetClipBox() const override { return CDC::GetClipBox(); }
};

void Medir(const char* nombre, int repeticiones, const std::function<void()>& dibujo) {
    std::vector<double> ms;
    for (int r = 0; r < repeticiones; ++r) {
        const auto inicio = std::chrono::steady_clock::now();
        dibujo();
        const auto fin = std::chrono::steady_clock::now();
        ms.push_back(std::chrono::duration<double, std::milli>(fin - inicio).count());
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-44s %9.2f %9.2f %9.2f\n", nombre, ms[ms.size() / 2], ms.front(), ms.back());
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const std::size_t aleatorios = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 240;
    const unsigned semilla =
        argc > 2 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)) : 20261207u;
    const int repeticiones = argc > 3 ? std::max(1, std::atoi(argv[3])) : 7;

    const std::vector<bench::Caso> casos = bench::Casos(aleatorios, semilla);
    std::size_t peor = 0;
    Mapas masMapas;
    for (std::size_t k = 0; k < casos.size(); ++k) {
        const Mapas mapas = ContarMapas(*Sistema(casos[k]));
        if (mapas.bloques > masMapas.bloques) {
            peor = k;
            masMapas = mapas;
        }
    }
    const auto sistema = Sistema(casos[peor]);
    CRecordingDC medida;
    sistema->DrawReport(medida);
    const int alto = sistema->m_nPosY;
    std::printf(
        "system %zu of %zu (%s, seed %u): %u maps, up to %u implicants in one, "
        "covers SOP %u POS %u, report %d pixels high, %zu drawing calls\n\n",
        peor, casos.size(), casos[peor].familia.c_str(), semilla, masMapas.bloques,
        masMapas.maxImplicantes, sistema->m_nCubiertasSop, sistema->m_nCubiertasPos, alto,
        medida.Calls().size());
    std::printf("%-44s %9s %9s %9s\n", "ms", "median", "min", "max");

    Medir("whole report, recording device", repeticiones, [&] {
        CRecordingDC dc;
        sistema->DrawReport(dc);
    });
    QImage imagen(kAnchoPantalla, kAltoPantalla, QImage::Format_RGB32);
    Medir("whole report, QImage, every call drawn", repeticiones, [&] {
        imagen.fill(Qt::white);
        QPainter painter(&imagen);
        painter.translate(0, kAltoPantalla - alto);
        CPainterDCSinRecorte dc(painter);
        sistema->DrawReport(dc);
    });
    Medir("whole report, QImage, last screen", repeticiones, [&] {
        imagen.fill(Qt::white);
        QPainter painter(&imagen);
        painter.translate(0, kAltoPantalla - alto);
        CPainterDC dc(painter);
        sistema->DrawReport(dc);
    });

    CTarnovelView vista(*sistema);
    vista.resize(kAnchoPantalla, kAltoPantalla);
    vista.OnInitialUpdate();
    vista.show();
    // Until the window is exposed a repaint paints nothing.
    while (!vista.viewport()->isVisible() || !vista.windowHandle()->isExposed()) {
        QApplication::processEvents();
    }
    QScrollBar& barra = *vista.verticalScrollBar();
    barra.setValue(alto - vista.viewport()->height());
    char nombre[96];
    std::snprintf(nombre, sizeof nombre, "view repaint, last screen (y %d)", barra.value());
    Medir(nombre, repeticiones, [&] { vista.viewport()->repaint(); });
    barra.setValue(barra.maximum());
    std::snprintf(nombre, sizeof nombre, "view repaint, end of the extent (y %d)", barra.value());
    Medir(nombre, repeticiones, [&] { vista.viewport()->repaint(); });
    barra.setValue(0);
    Medir("view repaint, first screen", repeticiones, [&] { vista.viewport()->repaint(); });
    return 0;
}
