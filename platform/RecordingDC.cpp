#include "platform/RecordingDC.h"

#include <algorithm>
#include <iterator>

CRecordingDC::CRecordingDC(int logPixelsY) : m_nPixelesY(logPixelsY) {}

DrawCall CRecordingDC::Nueva(DrawCall::Kind kind) const {
    DrawCall call;
    call.kind = kind;
    call.mode = m_nModo;
    call.font = m_fuente;
    call.pen = m_pluma;
    call.brush = m_brocha;
    return call;
}

int CRecordingDC::SetMapMode(int mode) {
    const int anterior = m_nModo;
    m_nModo = mode;
    m_llamadas.push_back(Nueva(DrawCall::Kind::SetMapMode));
    return anterior;
}

int CRecordingDC::GetDeviceCaps(int index) const {
    // Square pixels: both resolutions are the configured one.
    return index == LOGPIXELSX || index == LOGPIXELSY ? m_nPixelesY : 0;
}

CPoint CRecordingDC::MoveTo(int x, int y) {
    const CPoint anterior = m_posicion;
    m_posicion = CPoint{x, y};
    DrawCall call = Nueva(DrawCall::Kind::MoveTo);
    call.from = anterior;
    call.to = m_posicion;
    m_llamadas.push_back(std::move(call));
    return anterior;
}

void CRecordingDC::LineTo(int x, int y) {
    DrawCall call = Nueva(DrawCall::Kind::LineTo);
    call.from = m_posicion;
    call.to = CPoint{x, y};
    m_posicion = call.to;
    m_llamadas.push_back(std::move(call));
}

void CRecordingDC::TextOut(int x, int y, const std::string& text) {
    DrawCall call = Nueva(DrawCall::Kind::TextOut);
    call.to = CPoint{x, y};
    call.text = text;
    m_llamadas.push_back(std::move(call));
}

void CRecordingDC::Ellipse(int left, int top, int right, int bottom) {
    DrawCall call = Nueva(DrawCall::Kind::Ellipse);
    call.box[0] = left;
    call.box[1] = top;
    call.box[2] = right;
    call.box[3] = bottom;
    m_llamadas.push_back(std::move(call));
}

void CRecordingDC::Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
                       int yEnd) {
    DrawCall call = Nueva(DrawCall::Kind::Arc);
    call.box[0] = left;
    call.box[1] = top;
    call.box[2] = right;
    call.box[3] = bottom;
    call.from = CPoint{xStart, yStart};
    call.to = CPoint{xEnd, yEnd};
    m_llamadas.push_back(std::move(call));
}

CFont CRecordingDC::SelectObject(const CFont& font) {
    CFont anterior = m_fuente;
    m_fuente = font;
    m_llamadas.push_back(Nueva(DrawCall::Kind::Font));
    return anterior;
}

CPen CRecordingDC::SelectObject(const CPen& pen) {
    const CPen anterior = m_pluma;
    m_pluma = pen;
    m_llamadas.push_back(Nueva(DrawCall::Kind::Pen));
    return anterior;
}

CBrush CRecordingDC::SelectObject(const CBrush& brush) {
    const CBrush anterior = m_brocha;
    m_brocha = brush;
    m_llamadas.push_back(Nueva(DrawCall::Kind::Brush));
    return anterior;
}

std::vector<DrawCall> CRecordingDC::CallsOf(DrawCall::Kind kind) const {
    std::vector<DrawCall> result;
    std::copy_if(m_llamadas.begin(), m_llamadas.end(), std::back_inserter(result),
                 [kind](const DrawCall& c) { return c.kind == kind; });
    return result;
}

std::vector<std::string> CRecordingDC::TextStrings() const {
    std::vector<std::string> result;
    for (const DrawCall& c : m_llamadas) {
        if (c.kind == DrawCall::Kind::TextOut) {
            result.push_back(c.text);
        }
    }
    return result;
}

const DrawCall* CRecordingDC::FindText(std::string_view text) const {
    const auto it = std::find_if(m_llamadas.begin(), m_llamadas.end(), [text](const DrawCall& c) {
        return c.kind == DrawCall::Kind::TextOut && c.text == text;
    });
    return it == m_llamadas.end() ? nullptr : &*it;
}

const DrawCall* CRecordingDC::TextAt(int x, int y) const {
    const CPoint p{x, y};
    const auto it = std::find_if(m_llamadas.begin(), m_llamadas.end(), [p](const DrawCall& c) {
        return c.kind == DrawCall::Kind::TextOut && c.to == p;
    });
    return it == m_llamadas.end() ? nullptr : &*it;
}

std::vector<DrawnLine> CRecordingDC::Lines() const {
    std::vector<DrawnLine> result;
    for (const DrawCall& c : m_llamadas) {
        if (c.kind == DrawCall::Kind::LineTo) {
            result.push_back(DrawnLine{c.from, c.to});
        }
    }
    return result;
}

bool CRecordingDC::HasLine(CPoint a, CPoint b) const {
    return std::any_of(m_llamadas.begin(), m_llamadas.end(), [a, b](const DrawCall& c) {
        return c.kind == DrawCall::Kind::LineTo &&
               ((c.from == a && c.to == b) || (c.from == b && c.to == a));
    });
}
