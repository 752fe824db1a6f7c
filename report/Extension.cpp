#include <algorithm>

#include "logic/Sistema.h"

// An allowance per section that the options show, not a measurement of the
// drawing: the view scrolls over it and the drawing is neither clipped nor
// scaled to it.
CSize CSistema::GetReportSize() const {
    const UINT n = m_nVariables;
    const UINT m = m_nFunciones;
    const UINT c = m_nCubiertas;
    UINT h = 30;

    if (m_bVerMapaK && (m_bProcesarSop || m_bProcesarPos)) {
        h += n == 6 ? 460 : (n < 4 ? 140 : 260);
        h *= n > 4 ? c * m : (m > 3 ? c * 2 : c);
    }
    if (m_bDiagramaIndividual) {
        for (const bool tipo : {m_bIndividualUnTipo, m_bIndividualDosTipos}) {
            if (tipo && m_bProcesarSop) {
                h += m * (m_nLineasSop + m_nCubiertasSop) * 60;
            }
            if (tipo && m_bProcesarPos) {
                h += m * (m_nLineasPos + m_nCubiertasPos) * 60;
            }
        }
    }
    if (m_bDiagramaSimultaneo) {
        for (const bool tipo : {m_bSimultaneoUnTipo, m_bSimultaneoDosTipos}) {
            if (tipo && m_bProcesarSop) {
                h += (m_nLineasSop + m_nCubiertasSop + 1) * 60;
            }
            if (tipo && m_bProcesarPos) {
                h += (m_nLineasPos + m_nCubiertasPos + 1) * 60;
            }
        }
    }
    for (const bool ver : {m_bVerMinterminos, m_bVerMaxterminos, m_bVerEcuacion}) {
        h += ver ? 50 * m : 0;
    }
    for (const bool ver : {m_bVerExpresionSop, m_bVerCubiertasSop}) {
        h += ver ? 50 * m_nCubiertasSop : 0;
    }
    for (const bool ver : {m_bVerExpresionPos, m_bVerCubiertasPos}) {
        h += ver ? 50 * m_nCubiertasPos : 0;
    }
    for (const bool ver : {m_bVerImplicadosPrimos, m_bVerImplicantesPrimos,
                           m_bVerImplicadosEsenciales, m_bVerImplicantesEsenciales}) {
        h += ver ? 30 * m : 0;
    }
    if (m_bVerTablaVerdad) {
        h += (m_nTerminos + 3) * 25;
    }

    UINT w = m_bVerImplicadosPrimos || m_bVerImplicantesPrimos ? m_nAnchoReporte * 5 * n
                                                               : m_nAnchoReporte;
    if (n > 5) {
        w = std::max<UINT>(w, 1500);
    }
    return CSize{static_cast<int>(std::max<UINT>(w, 780)),
                 static_cast<int>(std::max<UINT>(h, 487))};
}
