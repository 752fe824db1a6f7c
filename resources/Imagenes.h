#pragma once
// The program's images, drawn at run time to their descriptions: the tool-bar
// buttons (16 x 15), the main frame's icon (a grey chip with yellow pins), the
// document's icon and the about box's picture (two-level gate diagrams).
// A QGuiApplication must exist.

#include <QColor>
#include <QIcon>
#include <QPixmap>

class CImagenes {
public:
    static constexpr int kAnchoBoton = 16;
    static constexpr int kAltoBoton = 15;

    // The image of the tool-bar button with the command id, its black drawn in
    // `textoBoton`, the colour of the buttons' text, so that it shows on a dark
    // tool bar too; a null pixmap for an id without a button.
    static QPixmap ToolBarImage(int id, const QColor& textoBoton = Qt::black);
    // Icon 169.
    static QIcon MainIcon();
    // Icon 170.
    static QIcon DocumentIcon();
    // Bitmap 144: five AND gates feeding one OR gate, on grey.
    static QPixmap AboutPicture();
};
