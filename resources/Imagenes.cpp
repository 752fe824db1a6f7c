#include "resources/Imagenes.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <functional>

#include "resources/Resource.h"

namespace {

using Dibujo = std::function<void(QPainter&)>;

QPixmap Pintar(int ancho, int alto, const Dibujo& dibujo, QColor fondo = Qt::transparent) {
    QPixmap imagen(ancho, alto);
    imagen.fill(fondo);
    QPainter p(&imagen);
    dibujo(p);
    return imagen;
}

void Texto(QPainter& p, const QRectF& caja, const QString& texto, int pixeles, QColor color,
           bool negrita = false, const QString& familia = QStringLiteral("DejaVu Sans")) {
    QFont f(familia);
    f.setPixelSize(pixeles);
    f.setBold(negrita);
    p.setFont(f);
    p.setPen(color);
    p.drawText(caja, Qt::AlignCenter, texto);
}

void Hoja(QPainter& p, int x, int y, int w, int h) {
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    QPolygon hoja;
    hoja << QPoint(x, y) << QPoint(x + w - 4, y) << QPoint(x + w, y + 4) << QPoint(x + w, y + h)
         << QPoint(x, y + h);
    p.drawPolygon(hoja);
    p.drawLine(x + w - 4, y, x + w - 4, y + 4);
    p.drawLine(x + w - 4, y + 4, x + w, y + 4);
}

void Nuevo(QPainter& p) {
    Hoja(p, 3, 1, 10, 13);
}

void Abrir(QPainter& p) {
    p.setPen(Qt::black);
    p.setBrush(QColor(255, 255, 0));
    p.drawRect(1, 4, 12, 9);
    p.drawRect(1, 2, 5, 2);
    p.setBrush(QColor(128, 128, 0));
    QPolygon tapa;
    tapa << QPoint(3, 7) << QPoint(15, 7) << QPoint(13, 13) << QPoint(1, 13);
    p.drawPolygon(tapa);
}

void Guardar(QPainter& p) {
    p.setPen(Qt::black);
    p.setBrush(QColor(0, 0, 128));
    p.drawRect(1, 1, 13, 13);
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 7, 5);
    p.setBrush(QColor(192, 192, 192));
    p.drawRect(4, 9, 7, 5);
}

void Cortar(QPainter& p) {
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(5, 1, 10, 9);
    p.drawLine(10, 1, 5, 9);
    p.setPen(QPen(QColor(0, 0, 128), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(2, 9, 4, 4);
    p.drawEllipse(9, 9, 4, 4);
}

void Copiar(QPainter& p) {
    Hoja(p, 1, 1, 8, 9);
    Hoja(p, 6, 5, 8, 9);
}

void Pegar(QPainter& p) {
    p.setPen(Qt::black);
    p.setBrush(QColor(128, 64, 0));
    p.drawRect(1, 2, 10, 12);
    p.setBrush(QColor(192, 192, 192));
    p.drawRect(4, 1, 4, 2);
    Hoja(p, 7, 6, 7, 8);
}

void Imprimir(QPainter& p) {
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 7, 6);
    p.setBrush(QColor(192, 192, 192));
    p.drawRect(1, 7, 13, 5);
    p.setBrush(Qt::white);
    p.drawRect(4, 10, 7, 4);
    p.setPen(QColor(0, 160, 0));
    p.drawPoint(12, 9);
}

void AcercaDe(QPainter& p) {
    p.setPen(Qt::black);
    p.setBrush(QColor(255, 255, 192));
    p.drawEllipse(1, 1, 13, 10);
    QPolygon cola;
    cola << QPoint(4, 10) << QPoint(3, 14) << QPoint(8, 10);
    p.drawPolygon(cola);
    Texto(p, QRectF(1, 0, 14, 12), QStringLiteral("?"), 10, QColor(0, 0, 128), true);
}

void AyudaContexto(QPainter& p) {
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    QPolygon flecha;
    flecha << QPoint(1, 1) << QPoint(1, 12) << QPoint(4, 9) << QPoint(6, 13) << QPoint(8, 12)
           << QPoint(6, 8) << QPoint(10, 8);
    p.drawPolygon(flecha);
    Texto(p, QRectF(8, 0, 8, 12), QStringLiteral("?"), 10, QColor(0, 0, 128), true);
}

void TablaVerdad(QPainter& p) {
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(0, 0, 15, 14);
    p.fillRect(1, 1, 14, 4, QColor(192, 192, 255));
    p.drawLine(0, 5, 15, 5);
    p.drawLine(5, 0, 5, 14);
    p.drawLine(10, 0, 10, 14);
    p.drawLine(0, 9, 15, 9);
    Texto(p, QRectF(0, 0, 6, 6), QStringLiteral("a"), 6, Qt::black);
    Texto(p, QRectF(5, 0, 6, 6), QStringLiteral("b"), 6, Qt::black);
    Texto(p, QRectF(10, 0, 6, 6), QStringLiteral("f"), 6, Qt::black);
}

void Minterminos(QPainter& p) {
    Texto(p, QRectF(0, 0, 9, 15), QStringLiteral("Σ"), 12, QColor(255, 0, 0), true);
    Texto(p, QRectF(8, 4, 8, 11), QStringLiteral("m"), 8, Qt::black);
}

void Maxterminos(QPainter& p) {
    Texto(p, QRectF(0, 0, 9, 15), QStringLiteral("Π"), 12, QColor(224, 192, 0), true);
    Texto(p, QRectF(8, 4, 8, 11), QStringLiteral("M"), 8, Qt::black);
}

void Ecuacion(QPainter& p) {
    Texto(p, QRectF(0, 0, 16, 8), QStringLiteral("Ecuación"), 4, QColor(0, 0, 128));
    Texto(p, QRectF(0, 7, 16, 8), QStringLiteral("Lógica"), 4, QColor(0, 0, 128));
}

void Grilla(QPainter& p, int x, int y, int celda, int n) {
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(x, y, celda * n, celda * n);
    for (int i = 1; i < n; ++i) {
        p.drawLine(x + i * celda, y, x + i * celda, y + celda * n);
        p.drawLine(x, y + i * celda, x + celda * n, y + i * celda);
    }
}

void MapaK(QPainter& p) {
    Texto(p, QRectF(0, 2, 6, 12), QStringLiteral("K"), 9, QColor(0, 0, 128), true);
    Grilla(p, 6, 3, 2, 4);
}

void Puerto(QPainter& p) {
    // A plug: two pins, the grey body and the cable leaving it.
    p.setPen(Qt::black);
    p.setBrush(QColor(255, 255, 0));
    p.drawRect(0, 4, 4, 1);
    p.drawRect(0, 9, 4, 1);
    p.setBrush(QColor(160, 160, 160));
    QPolygon cuerpo;
    cuerpo << QPoint(4, 2) << QPoint(9, 2) << QPoint(11, 5) << QPoint(11, 8) << QPoint(9, 11)
           << QPoint(4, 11);
    p.drawPolygon(cuerpo);
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(12, 7, 14, 7);
    p.drawLine(14, 7, 14, 14);
}

void Compuerta(QPainter& p, const QPointF& origen, double escala) {
    QPainterPath and_;
    and_.moveTo(origen);
    and_.lineTo(origen + QPointF(3, 0) * escala);
    and_.arcTo(QRectF(origen + QPointF(0, 0) * escala, QSizeF(6, 6) * escala), 90, -180);
    and_.lineTo(origen + QPointF(0, 6) * escala);
    and_.closeSubpath();
    p.drawPath(and_);
}

void Salida(QPainter& p) {
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(0, 0, 15, 14);
    p.fillRect(1, 1, 14, 2, QColor(0, 0, 128));
    Grilla(p, 1, 4, 2, 3);
    Texto(p, QRectF(8, 3, 4, 6), QStringLiteral("Σ"), 6, QColor(255, 0, 0), true);
    Texto(p, QRectF(11, 3, 4, 6), QStringLiteral("m"), 5, Qt::black);
    p.setBrush(QColor(255, 255, 192));
    Compuerta(p, QPointF(8, 9), 0.8);
}

void Notas(QPainter& p) {
    p.setPen(Qt::black);
    p.setBrush(QColor(255, 255, 192));
    p.drawRect(2, 2, 11, 12);
    p.setPen(QColor(0, 0, 160));
    for (int y = 5; y <= 12; y += 2) {
        p.drawLine(4, y, 11, y);
    }
    p.setPen(Qt::black);
    for (int x = 3; x <= 12; x += 3) {
        p.drawLine(x, 0, x, 3);
    }
}

Dibujo DibujoDe(int id) {
    switch (id) {
        case res::ID_FILE_NEW:
            return Nuevo;
        case res::ID_FILE_OPEN:
            return Abrir;
        case res::ID_FILE_SAVE:
            return Guardar;
        case res::ID_EDIT_CUT:
            return Cortar;
        case res::ID_EDIT_COPY:
            return Copiar;
        case res::ID_EDIT_PASTE:
            return Pegar;
        case res::ID_FILE_PRINT:
            return Imprimir;
        case res::ID_APP_ABOUT:
            return AcercaDe;
        case res::ID_CONTEXT_HELP:
            return AyudaContexto;
        case res::ID_TABLA_DE_VERDAD:
            return TablaVerdad;
        case res::ID_LISTA_DE_MINTERMINOS:
            return Minterminos;
        case res::ID_LISTA_DE_MAXTERMINOS:
            return Maxterminos;
        case res::ID_ECUACION_LOGICA:
            return Ecuacion;
        case res::ID_MAPA_DE_KARNAUGH:
            return MapaK;
        case res::ID_COMUNICACION_CON_PUERTO:
            return Puerto;
        case res::ID_CONFIGURAR_SALIDA:
            return Salida;
        case res::ID_ESPECIFICACIONES:
            return Notas;
        default:
            return {};
    }
}

// Five AND gates feeding one OR gate, scaled to the side given.
void Diagrama(QPainter& p, int lado, int puertas) {
    const double e = lado / 48.0;
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, std::max(1.0, e)));
    const double paso = 44.0 / puertas;
    for (int i = 0; i < puertas; ++i) {
        const double y = 2 + i * paso;
        p.setBrush(QColor(255, 255, 255));
        QPainterPath and_;
        and_.moveTo(8 * e, y * e);
        and_.lineTo(13 * e, y * e);
        and_.arcTo(QRectF(9 * e, y * e, 8 * e, (paso - 2) * e), 90, -180);
        and_.lineTo(8 * e, (y + paso - 2) * e);
        and_.closeSubpath();
        p.drawPath(and_);
        p.drawLine(QPointF(2 * e, (y + 2) * e), QPointF(8 * e, (y + 2) * e));
        p.drawLine(QPointF(2 * e, (y + paso - 4) * e), QPointF(8 * e, (y + paso - 4) * e));
        p.drawLine(QPointF(17 * e, (y + (paso - 2) / 2) * e), QPointF(28 * e, 24 * e));
    }
    QPainterPath or_;
    or_.moveTo(26 * e, 14 * e);
    or_.quadTo(38 * e, 14 * e, 44 * e, 24 * e);
    or_.quadTo(38 * e, 34 * e, 26 * e, 34 * e);
    or_.quadTo(31 * e, 24 * e, 26 * e, 14 * e);
    p.setBrush(QColor(255, 255, 192));
    p.drawPath(or_);
    p.drawLine(QPointF(44 * e, 24 * e), QPointF(47 * e, 24 * e));
}

}  // namespace

QPixmap CImagenes::ToolBarImage(int id, const QColor& textoBoton) {
    const Dibujo dibujo = DibujoDe(id);
    if (!dibujo) {
        return {};
    }
    const QPixmap imagen = Pintar(kAnchoBoton, kAltoBoton, dibujo);
    if (textoBoton == QColor(Qt::black)) {
        return imagen;
    }
    // Black strokes and text, their smoothed edges included, take the buttons'
    // text colour; the other colours stay.
    QImage pixeles = imagen.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < pixeles.height(); ++y) {
        auto* linea = reinterpret_cast<QRgb*>(pixeles.scanLine(y));
        for (int x = 0; x < pixeles.width(); ++x) {
            if (qAlpha(linea[x]) != 0 && (linea[x] & RGB_MASK) == 0) {
                linea[x] = qRgba(textoBoton.red(), textoBoton.green(), textoBoton.blue(),
                                 qAlpha(linea[x]));
            }
        }
    }
    return QPixmap::fromImage(pixeles);
}

QIcon CImagenes::MainIcon() {
    return QIcon(Pintar(32, 32, [](QPainter& p) {
        p.setPen(QColor(224, 192, 0));
        p.setBrush(QColor(255, 255, 0));
        for (int i = 0; i < 6; ++i) {
            p.drawRect(4, 5 + i * 4, 4, 2);
            p.drawRect(24, 5 + i * 4, 4, 2);
        }
        p.setPen(Qt::black);
        p.setBrush(QColor(128, 128, 128));
        p.drawRect(8, 3, 16, 26);
        p.setBrush(QColor(192, 192, 192));
        p.drawEllipse(13, 4, 5, 4);
    }));
}

QIcon CImagenes::DocumentIcon() {
    QIcon icono;
    for (const int lado : {16, 32, 48}) {
        icono.addPixmap(Pintar(lado, lado, [lado](QPainter& p) { Diagrama(p, lado, 3); }));
    }
    return icono;
}

QPixmap CImagenes::AboutPicture() {
    return Pintar(
        48, 48, [](QPainter& p) { Diagrama(p, 48, 5); }, QColor(192, 192, 192));
}
