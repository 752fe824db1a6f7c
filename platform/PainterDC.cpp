#include "platform/PainterDC.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr int kAlturaSistema = 16;

CFont SystemFont() {
    CFont fuente;
    fuente.face = "System";
    fuente.height = kAlturaSistema;
    fuente.weight = 700;
    return fuente;
}

bool IsSymbolFace(const std::string& face) {
    return face == "Symbol";
}

QColor ToQColor(COLORREF c) {
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

// Symbol encoding of the letters A..Z and a..z.
constexpr std::array<char16_t, 26> kMayusculas = {
    u'Α', u'Β', u'Χ', u'Δ', u'Ε', u'Φ', u'Γ', u'Η', u'Ι', u'ϑ', u'Κ', u'Λ', u'Μ',
    u'Ν', u'Ο', u'Π', u'Θ', u'Ρ', u'Σ', u'Τ', u'Υ', u'ς', u'Ω', u'Ξ', u'Ψ', u'Ζ'};
constexpr std::array<char16_t, 26> kMinusculas = {
    u'α', u'β', u'χ', u'δ', u'ε', u'φ', u'γ', u'η', u'ι', u'ϕ', u'κ', u'λ', u'μ',
    u'ν', u'ο', u'π', u'θ', u'ρ', u'σ', u'τ', u'υ', u'ϖ', u'ω', u'ξ', u'ψ', u'ζ'};

char16_t SymbolSign(char c) {
    switch (c) {
        case '"':
            return u'∀';
        case '$':
            return u'∃';
        case '\'':
            return u'∋';
        case '*':
            return u'∗';
        case '-':
            return u'−';
        case '@':
            return u'≅';
        case '^':
            return u'⊥';
        case '~':
            return u'∼';
        default:
            return static_cast<char16_t>(static_cast<unsigned char>(c));
    }
}

// The parametric angle, in degrees, of the point of the ellipse on the ray from
// its centre towards (x, y); y grows downwards, angles counter-clockwise.
double RayAngle(const QRectF& box, int x, int y) {
    const QPointF c = box.center();
    const double a = box.width() / 2.0;
    const double b = box.height() / 2.0;
    return std::atan2(-(y - c.y()) / b, (x - c.x()) / a) * 180.0 / std::numbers::pi;
}

// The box of a GDI figure: right and bottom are excluded.
QRectF FigureBox(int left, int top, int right, int bottom) {
    const int l = std::min(left, right);
    const int r = std::max(left, right);
    const int t = std::min(top, bottom);
    const int b = std::max(top, bottom);
    return QRectF(l, t, std::max(r - l - 1, 0), std::max(b - t - 1, 0));
}

}  // namespace

CPainterDC::CPainterDC(QPainter& painter, int logPixels, bool printing)
    : m_painter(painter),
      m_nLogPixels(logPixels),
      m_bImprimiendo(printing),
      m_fuente(SystemFont()) {
    m_painter.save();
    // Asked for every figure; the painter's clip and transform are set before a
    // drawing starts and stay.
    m_recorte = PainterClipBox();
}

CPainterDC::~CPainterDC() {
    m_painter.restore();
}

int CPainterDC::SetMapMode(int mode) {
    return std::exchange(m_nMapMode, mode);
}

int CPainterDC::GetDeviceCaps(int index) const {
    return index == LOGPIXELSX || index == LOGPIXELSY ? m_nLogPixels : 0;
}

CPoint CPainterDC::MoveTo(int x, int y) {
    return std::exchange(m_posicion, CPoint{x, y});
}

void CPainterDC::ApplyPen() {
    if (m_pluma.style == CPen::Null) {
        m_painter.setPen(Qt::NoPen);
        return;
    }
    QPen pluma(ToQColor(m_pluma.color));
    pluma.setWidthF(std::max(m_pluma.width, 1));
    pluma.setCapStyle(Qt::SquareCap);
    pluma.setJoinStyle(Qt::MiterJoin);
    if (m_pluma.style == CPen::Dash) {
        pluma.setStyle(Qt::DashLine);
    } else if (m_pluma.style == CPen::Dot) {
        pluma.setStyle(Qt::DotLine);
    }
    m_painter.setPen(pluma);
}

void CPainterDC::LineTo(int x, int y) {
    const CPoint desde = std::exchange(m_posicion, CPoint{x, y});
    if (OutsideClip(desde.x, desde.y, x, y)) {
        return;
    }
    ApplyPen();
    m_painter.drawLine(QPointF(desde.x, desde.y), QPointF(x, y));
}

bool CPainterDC::OutsideClip(int left, int top, int right, int bottom) const {
    // Half the pen reaches beyond the figure's edge, a square cap as far again.
    const int margen = std::max(m_pluma.width, 1) + 2;
    return std::max(left, right) + margen < m_recorte.left ||
           std::min(left, right) - margen >= m_recorte.right ||
           std::max(top, bottom) + margen < m_recorte.top ||
           std::min(top, bottom) - margen >= m_recorte.bottom;
}

QString CPainterDC::FromSymbol(const std::string& text) {
    QString out;
    out.reserve(static_cast<qsizetype>(text.size()));
    for (char c : text) {
        if (c >= 'A' && c <= 'Z') {
            out += QChar(kMayusculas[static_cast<std::size_t>(c - 'A')]);
        } else if (c >= 'a' && c <= 'z') {
            out += QChar(kMinusculas[static_cast<std::size_t>(c - 'a')]);
        } else {
            out += QChar(SymbolSign(c));
        }
    }
    return out;
}

QFont CPainterDC::ToQFont(const CFont& font) {
    QFont q;
    if (font.face.empty() || font.face == "System" || IsSymbolFace(font.face)) {
        q.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
        q.setStyleHint(QFont::SansSerif);
    } else {
        q.setFamily(QString::fromStdString(font.face));
        q.setStyleHint(QFont::SansSerif);
    }
    // A negative height is the em height; a positive one the whole cell, of
    // which the em is about four fifths.
    const int alto = font.height < 0   ? -font.height
                     : font.height > 0 ? std::max(1, font.height * 4 / 5)
                                       : 13;
    q.setPixelSize(std::max(alto, 1));
    q.setWeight(
        static_cast<QFont::Weight>(std::clamp(font.weight == 0 ? 400 : font.weight, 100, 900)));
    q.setItalic(font.italic);
    return q;
}

CPainterDC::FuenteQt& CPainterDC::CurrentQtFont() {
    constexpr std::size_t kFuentesGuardadas = 4;
    if (!m_fuentesQt.empty() && m_fuentesQt.back().fuente == m_fuente) {
        return m_fuentesQt.back();
    }
    const auto guardada = std::find_if(m_fuentesQt.begin(), m_fuentesQt.end(),
                                       [this](const FuenteQt& f) { return f.fuente == m_fuente; });
    if (guardada != m_fuentesQt.end()) {
        std::rotate(guardada, guardada + 1, m_fuentesQt.end());
        return m_fuentesQt.back();
    }
    if (m_fuentesQt.size() == kFuentesGuardadas) {
        m_fuentesQt.erase(m_fuentesQt.begin());
    }
    const QFont qt = ToQFont(m_fuente);
    m_fuentesQt.push_back(FuenteQt{m_fuente, qt, QFontMetricsF(qt, m_painter.device()), {}});
    return m_fuentesQt.back();
}

qreal CPainterDC::TextWidth(FuenteQt& fuente, const std::string& text, const QString& texto) {
    constexpr std::size_t kAnchosGuardados = 4096;
    const auto guardado = fuente.anchos.find(text);
    if (guardado != fuente.anchos.end()) {
        return guardado->second;
    }
    if (fuente.anchos.size() == kAnchosGuardados) {
        fuente.anchos.clear();
    }
    const qreal ancho = fuente.medidas.horizontalAdvance(texto);
    fuente.anchos.emplace(text, ancho);
    return ancho;
}

void CPainterDC::TextOut(int x, int y, const std::string& text) {
    FuenteQt& fuente = CurrentQtFont();
    const QFontMetricsF& medidas = fuente.medidas;
    // A text wholly outside the clip would paint nothing: it is not laid out.
    // The margin takes in glyphs that reach a little beyond their cell.
    constexpr double kMargen = 4;
    const CRect& recorte = m_recorte;
    if (y - kMargen >= recorte.bottom || y + medidas.height() + kMargen <= recorte.top ||
        x - kMargen >= recorte.right) {
        return;
    }
    const QString texto =
        IsSymbolFace(m_fuente.face) ? FromSymbol(text) : QString::fromStdString(text);
    m_painter.fillRect(QRectF(x, y, TextWidth(fuente, text, texto), medidas.height()), Qt::white);
    m_painter.setFont(fuente.qt);
    m_painter.setPen(Qt::black);
    m_painter.drawText(QPointF(x, y + medidas.ascent()), texto);
}

void CPainterDC::Ellipse(int left, int top, int right, int bottom) {
    if (OutsideClip(left, top, right, bottom)) {
        return;
    }
    ApplyPen();
    m_painter.setBrush(m_pincel.hollow ? QBrush(Qt::NoBrush) : QBrush(ToQColor(m_pincel.color)));
    m_painter.drawEllipse(FigureBox(left, top, right, bottom));
}

void CPainterDC::Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
                     int yEnd) {
    const QRectF caja = FigureBox(left, top, right, bottom);
    if (caja.width() <= 0 || caja.height() <= 0 || OutsideClip(left, top, right, bottom)) {
        return;
    }
    const double inicio = RayAngle(caja, xStart, yStart);
    double recorrido = RayAngle(caja, xEnd, yEnd) - inicio;
    while (recorrido <= 0) {
        recorrido += 360.0;
    }
    ApplyPen();
    QPainterPath camino;
    camino.arcMoveTo(caja, inicio);
    camino.arcTo(caja, inicio, recorrido);
    m_painter.strokePath(camino, m_painter.pen());
}

CRect CPainterDC::GetClipBox() const {
    return m_recorte;
}

CRect CPainterDC::PainterClipBox() const {
    QRectF caja;
    if (m_painter.hasClipping()) {
        caja = m_painter.clipBoundingRect();
    } else {
        // As a device context's clip box: the device's whole area.
        const QPaintDevice* dispositivo = m_painter.device();
        bool invertible = false;
        const QTransform inversa = m_painter.combinedTransform().inverted(&invertible);
        // A device of no fixed size (a picture being recorded) takes everything.
        if (dispositivo == nullptr || !invertible || dispositivo->width() <= 0 ||
            dispositivo->height() <= 0) {
            return CDC::GetClipBox();
        }
        caja = inversa.mapRect(QRectF(0, 0, dispositivo->width(), dispositivo->height()));
    }
    const QRect entera = caja.toAlignedRect();
    return CRect{entera.left(), entera.top(), entera.right() + 1, entera.bottom() + 1};
}

CFont CPainterDC::SelectObject(const CFont& font) {
    return std::exchange(m_fuente, font);
}

CPen CPainterDC::SelectObject(const CPen& pen) {
    return std::exchange(m_pluma, pen);
}

CBrush CPainterDC::SelectObject(const CBrush& brush) {
    return std::exchange(m_pincel, brush);
}
