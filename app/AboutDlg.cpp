#include "app/AboutDlg.h"

#include <QLabel>

#include "resources/Imagenes.h"
#include "resources/Resource.h"

CAboutDlg::CAboutDlg(QWidget* parent)
    : CDialog(QStringLiteral("Acerca de Tarnovel"), 213, 84, Estilo::Marco, parent) {
    AddButton(IDOK, QStringLiteral("Aceptar"), 156, 7, 50, 14, true);
    auto* imagen = AddStatic(-1, QString(), 21, 26, 32, 30);
    imagen->setPixmap(CImagenes::AboutPicture());
    imagen->setObjectName(QStringLiteral("imagen"));
    AddStatic(-1, QStringLiteral("Tarnovel Versión 1.0"), 68, 20, 62, 8)
        ->setTextFormat(Qt::PlainText);
    AddStatic(-1, QStringLiteral("Copyright © 2026"), 68, 31, 58, 8);
    AddStatic(-1, QStringLiteral("Tarnovel para Linux"), 68, 42, 69, 8);
    AddStatic(-1, QStringLiteral("Consultas: ver README.md"), 68, 54, 102, 8);
}

bool CAboutDlg::OnInitDialog() {
    // Only the exchange: the about box shows no tool tips.
    UpdateData(false);
    return true;
}
