#include "platform/BoundsDC.h"

#include <algorithm>

namespace {

// The font a fresh device context carries, as the screen and the printer have it.
CFont SystemFont() {
    return CFont{"System", 16, 700, false};
}

// Overlapping rows joined, in order from the top.
std::vector<std::pair<int, int>> Joined(std::vector<std::pair<int, int>> filas) {
    std::sort(filas.begin(), filas.end());
    std::vector<std::pair<int, int>> unidas;
    for (const auto& fila : filas) {
        if (!unidas.empty() && fila.first < unidas.back().second) {
            unidas.back().second = std::max(unidas.back().second, fila.second);
        } else {
            unidas.push_back(fila);
        }
    }
    return unidas;
}

}  // namespace

CBoundsDC::CBoundsDC(TextMeasure medir, int logPixelsY)
    : m_medir(std::move(medir)), m_nPixelesY(logPixelsY), m_fuente(SystemFont()) {}

int CBoundsDC::SetMapMode(int mode) {
    return std::exchange(m_nModo, mode);
}

int CBoundsDC::GetDeviceCaps(int index) const {
    return index == LOGPIXELSX || index == LOGPIXELSY ? m_nPixelesY : 0;
}

CPoint CBoundsDC::MoveTo(int x, int y) {
    return std::exchange(m_posicion, CPoint{x, y});
}

void CBoundsDC::LineTo(int x, int y) {
    // A wide pen spreads on both sides of the line; its whole width is allowed.
    const int grosor = std::max(m_pluma.width, 1);
    Include(std::min(m_posicion.y, y), std::max(m_posicion.x, x) + grosor,
            std::max(m_posicion.y, y) + grosor);
    m_posicion = CPoint{x, y};
}

void CBoundsDC::TextOut(int x, int y, const std::string& text) {
    const CSize tamano = m_medir(m_fuente, text);
    Include(y, x + tamano.cx, y + tamano.cy);
    m_filas.emplace_back(y, y + tamano.cy);
}

void CBoundsDC::Ellipse(int left, int top, int right, int bottom) {
    Include(std::min(top, bottom), std::max(left, right), std::max(top, bottom));
}

void CBoundsDC::Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
                    int yEnd) {
    // The whole ellipse: never less than the part of it that is drawn.
    (void)xStart, (void)yStart, (void)xEnd, (void)yEnd;
    Include(std::min(top, bottom), std::max(left, right), std::max(top, bottom));
}

CFont CBoundsDC::SelectObject(const CFont& font) {
    return std::exchange(m_fuente, font);
}

CPen CBoundsDC::SelectObject(const CPen& pen) {
    return std::exchange(m_pluma, pen);
}

CBrush CBoundsDC::SelectObject(const CBrush& brush) {
    return std::exchange(m_brocha, brush);
}

void CBoundsDC::Include(int top, int right, int bottom) {
    m_extremo.cx = std::max(m_extremo.cx, right);
    m_extremo.cy = std::max(m_extremo.cy, bottom);
    if (bottom <= 0 || right <= 0) {
        return;
    }
    const auto primera = static_cast<std::size_t>(std::max(top, 0));
    const auto ultima = static_cast<std::size_t>(bottom - 1);
    if (m_derechas.size() <= ultima) {
        m_derechas.resize(ultima + 1, 0);
    }
    for (std::size_t y = primera; y <= ultima; ++y) {
        m_derechas[y] = std::max(m_derechas[y], right);
    }
}

int CBoundsDC::GetRightEdge(int top, int bottom) const {
    int derecha = 0;
    const auto primera = static_cast<std::size_t>(std::max(top, 0));
    for (std::size_t y = primera; y < m_derechas.size() && static_cast<int>(y) < bottom; ++y) {
        derecha = std::max(derecha, m_derechas[y]);
    }
    return derecha;
}

std::vector<int> CBoundsDC::PageBreaks(int alto) const {
    std::vector<int> cortes;
    if (alto <= 0) {
        return cortes;
    }
    const std::vector<std::pair<int, int>> filas = Joined(m_filas);
    int inicio = 0;
    while (m_extremo.cy - inicio > alto) {
        int corte = inicio + alto;
        // The last row that starts above the cut; the cut moves up to its top
        // when it falls inside it.
        const auto siguiente = std::upper_bound(
            filas.begin(), filas.end(), corte,
            [](int y, const std::pair<int, int>& fila) { return y <= fila.first; });
        if (siguiente != filas.begin()) {
            const auto& fila = *(siguiente - 1);
            if (fila.second > corte && fila.first > inicio) {
                corte = fila.first;
            }
        }
        cortes.push_back(corte);
        inicio = corte;
    }
    return cortes;
}
