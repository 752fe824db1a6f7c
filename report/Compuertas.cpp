// The pieces the gate diagrams are built from: the variable rails of one term
// row with the wires of its literals, the AND and OR outlines at any height,
// the junction dot, the inversion bubble and the labels under the rails. Each
// draws from the report cursor and leaves it where it was.
#include <algorithm>
#include <cstdlib>
#include <string>

#include "logic/Sistema.h"
#include "report/GeometriaCompuertas.h"

using namespace compuertas;

namespace {

void Line(CDC& dc, int x0, int y0, int x1, int y1) {
    dc.MoveTo(x0, y0);
    dc.LineTo(x1, y1);
}

}  // namespace

UINT CSistema::DrawGateInputs(bool recto, bool suma, const Termino& termino, CDC& dc) const {
    const UINT n = std::min(m_nVariables, kMaxVariables);
    const int x = m_nPosX;
    const int y = m_nPosY;
    // Variable v is bit n-1-v: A is the most significant.
    auto bit = [n](UINT v) { return 1u << (n - 1 - v); };
    auto rielVerdadero = [x](UINT v) { return x + kPasoRiel * static_cast<int>(v + 1); };

    UINT literales = 0;
    for (UINT v = 0; v < n; ++v) {
        const int riel = rielVerdadero(v);
        Line(dc, riel, y, riel, y + kAltoFila);
        Line(dc, riel + kRielInvertido, y, riel + kRielInvertido, y + kAltoFila);
        if ((termino.unos | termino.ceros) & bit(v)) {
            ++literales;
        }
    }

    for (UINT v = 0; v < n; ++v) {
        const bool uno = (termino.unos & bit(v)) != 0;
        if (!uno && (termino.ceros & bit(v)) == 0) {
            continue;
        }
        if (literales >= 2) {
            // A product takes a variable at 1 from its true rail, a sum from its
            // inverted one; a variable at 0 the other way round.
            const int riel = rielVerdadero(v) + (uno == suma ? kRielInvertido : 0);
            const int alto = y + kPasoCable * static_cast<int>(v + 1);
            // A sum's wires end on the curved back of its OR gate: 7, 8, 9, 10, 9, 8.
            const int fin = x + kEspalda + (suma ? 10 - std::abs(3 - static_cast<int>(v)) : 0);
            Line(dc, riel, alto, fin, alto);
            DrawJunction(dc, riel, alto);
        } else {
            // A lone literal has no gate of its own and runs on the output line,
            // straight or inverted as the output gate needs it.
            const int riel = rielVerdadero(v) + (uno == recto ? 0 : kRielInvertido);
            Line(dc, riel, y + kLineaSalida, x + kFinLiteral, y + kLineaSalida);
            DrawJunction(dc, riel, y + kLineaSalida);
        }
    }
    return literales;
}

void CSistema::DrawAndGate(CDC& dc, int dx, int h) const {
    const int x = m_nPosX + dx;
    const int y = m_nPosY;
    const int w = 7 * h / 10;
    dc.MoveTo(x + w, y);
    dc.LineTo(x, y);
    dc.LineTo(x, y + h);
    dc.LineTo(x + w, y + h);
    // The right-hand part of the ellipse from the bottom line round to the top.
    dc.Arc(x + 13 * h / 10, y + h + 1, x + 3 * h / 10, y, x + w, y + h + 1, x + w, y);
}

void CSistema::DrawOrGate(CDC& dc, int dx, int h) const {
    const int x = m_nPosX + dx;
    const int y = m_nPosY;
    const int w = 15 * h / 42;
    const int h2 = h / 2;
    Line(dc, x, y, x + w, y);
    Line(dc, x, y + h, x + w, y + h);
    // The front in two arcs that meet at the tip, a little apart at mid-height.
    dc.Arc(x + w - h, y + 3 * h / 2, x + w + h, y, x + w + h, y + h2 - 1, x + w, y);
    dc.Arc(x + w + h, y + h + 1, x + w - h, y - h2, x + w, y + h + 1, x + w + h, y + h2 + 1);
    // The back bulges 10 into the gate at mid-height.
    dc.Arc(x + 10, y + h, x - 10, y, x, y + h, x, y);
}

void CSistema::DrawJunction(CDC& dc, int x, int y) {
    dc.Ellipse(x - 2, y - 2, x + 3, y + 3);
}

void CSistema::DrawBubble(CDC& dc, int left, int top) {
    dc.Ellipse(left, top, left + kBurbuja, top + kBurbuja);
}

void CSistema::DrawRailLabels(CDC& dc, int y) const {
    // Sized for the device, so the printer's labels match the screen's.
    const CFont etiquetas = CFont::CreatePointFont(82, "Arial", dc);
    const CFont anterior = dc.SelectObject(etiquetas);
    const UINT n = std::min(m_nVariables, kMaxVariables);
    for (UINT v = 0; v < n; ++v) {
        const std::string texto{static_cast<char>('A' + v), static_cast<char>('a' + v)};
        dc.TextOut(m_nPosX + kPasoRiel * static_cast<int>(v) + 9, y, texto);
    }
    dc.SelectObject(anterior);
}
