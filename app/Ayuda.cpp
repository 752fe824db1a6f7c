#include "app/Ayuda.h"

#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

CAyuda::CAyuda(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Temas de ayuda"));
    resize(560, 480);
    auto* texto = new QTextBrowser(this);
    texto->setObjectName(QStringLiteral("texto"));
    texto->setHtml(Text());
    auto* botones = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* disposicion = new QVBoxLayout(this);
    disposicion->addWidget(texto);
    disposicion->addWidget(botones);
}

QString CAyuda::Text() {
    return QStringLiteral(
        "<h2>Tarnovel</h2>"
        "<p>Tarnovel minimiza sistemas de una a seis funciones lógicas de una a seis "
        "variables, como suma de productos (SOP) y como producto de sumas (POS), y "
        "dibuja un reporte con los resultados.</p>"
        "<h3>Crear un sistema</h3>"
        "<p><b>Archivo, Nuevo</b> (Ctrl+N) pide el número de variables y de funciones. "
        "Luego ingrese los términos de cada función con el menú <b>Opciones</b>: "
        "tabla de verdad (Ctrl+T), lista de mintérminos (Ctrl+I), lista de maxtérminos "
        "(Ctrl+A), ecuación lógica (Ctrl+E) o mapa de Karnaugh (Ctrl+M).</p>"
        "<h3>Salida</h3>"
        "<p><b>Preferencias, Configurar salida</b> (Ctrl+H) elige qué se calcula y qué "
        "muestra el reporte. <b>Preferencias, Comunicación con puerto</b> (Ctrl+G) envía "
        "una función de hasta cuatro variables a la placa de multiplexores.</p>"
        "<p><b>Características, Especificaciones</b> (Ctrl+F) guarda una descripción del "
        "sistema.</p>"
        "<h3>Archivos e impresión</h3>"
        "<p>Abrir (Ctrl+O), Guardar (Ctrl+S) e Imprimir (Ctrl+P) están en el menú "
        "<b>Archivo</b>; la impresión admite impresoras y archivos PDF.</p>"
        "<h3>Ayuda sobre un objeto</h3>"
        "<p>Presione Mayús+F1 o el botón de ayuda de la barra de herramientas y haga "
        "clic sobre un botón o comando para ver qué hace. La barra de estado también "
        "lo describe mientras el cursor está sobre él.</p>");
}
