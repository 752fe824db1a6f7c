// The frame of one report pass and its opening text sections: the sentence that
// describes the system, the entered equations, and the canonical sum of minterms
// and product of maxterms.
#include <cstdio>

#include "logic/Sistema.h"

namespace {
constexpr int kMargen = 10;

std::string Formato(const char* pattern, UINT a) {
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, pattern, a);
    return buffer;
}
}  // namespace

void CSistema::DrawReport(CDC& dc) {
    m_nPosX = kMargen;
    m_nPosY = kMargen;
    m_nDesplazamientoY = 0;
    dc.SetMapMode(MM_TEXT);
    // Sized for this device, so the printer gets as large a sign as the screen.
    const CFont simbolo = CFont::CreatePointFont(140, "Symbol", dc);

    DrawDescription(dc);
    DrawEquations(dc);
    DrawCanonicalLists(dc, simbolo, false);
    DrawSopSections(dc);
    DrawCanonicalLists(dc, simbolo, true);
    DrawPosSections(dc);
    DrawTruthTable(dc);
    DrawGateDiagrams(dc);
    DrawKarnaughSections(dc);
}

void CSistema::DrawDescription(CDC& dc) {
    // A system whose numbers were never set has nothing to describe.
    if (m_nTerminos <= 1) {
        return;
    }
    dc.TextOut(m_nPosX, m_nPosY, DefaultDescription());
    m_nPosY += 30;
}

namespace {
// The label of one function's line in the equation and canonical sections.
std::string EtiquetaFuncion(UINT f, UINT funciones) {
    return funciones > 1 ? Formato("f%u = ", f + 1) : std::string("f  = ");
}
}  // namespace

void CSistema::DrawEquations(CDC& dc) {
    if (!m_bVerEcuacion || m_strEcuaciones[0].empty()) {
        return;
    }
    dc.TextOut(m_nPosX, m_nPosY, "Como ecuación lógica:");
    m_nPosY += 20;
    for (UINT f = 0; f < m_nFunciones && f < kMaxFunciones; ++f) {
        dc.TextOut(m_nPosX + 5, m_nPosY, EtiquetaFuncion(f, m_nFunciones) + m_strEcuaciones[f]);
        m_nPosY += 30;
    }
}

void CSistema::DrawCanonicalLists(CDC& dc, const CFont& simbolo, bool maxterminos) {
    const bool ver = maxterminos ? m_bVerMaxterminos : m_bVerMinterminos;
    // A system that is 1 on every term has no zeros, and no maxterms to show,
    // but its minterms are still what the user entered.
    const bool listas = m_pNivelSop[0] && (m_pNivelPos[0] || !maxterminos);
    if (!ver || !listas) {
        return;
    }
    dc.TextOut(m_nPosX, m_nPosY, maxterminos ? "Producto de maxtérminos:" : "Suma de mintérminos:");
    m_nPosY += 20;
    for (UINT f = 0; f < m_nFunciones && f < kMaxFunciones; ++f) {
        dc.TextOut(m_nPosX + 5, m_nPosY, EtiquetaFuncion(f, m_nFunciones));
        // In the Symbol face S and P are the capital sigma and pi.
        const CFont anterior = dc.SelectObject(simbolo);
        dc.TextOut(m_nPosX + 35, m_nPosY, maxterminos ? "P " : "S ");
        dc.SelectObject(anterior);
        std::string lista =
            maxterminos ? "M (" + m_strMaxterminos[f] + ")" : "m (" + m_strMinterminos[f] + ")";
        if (!m_strPrescindibles[f].empty()) {
            lista += (maxterminos ? " + D (" : " + d (") + m_strPrescindibles[f] + ")";
        }
        dc.TextOut(m_nPosX + 60, m_nPosY, lista);
        m_nPosY += 30;
    }
}
