#pragma once
// The Qt side of the application's message box. Install() makes AfxMessageBox
// (platform/MessageBox.h) show a modal box titled with the application's name,
// with a warning icon and one OK button ("Aceptar" under the Spanish
// translations), over the window that raised it: the running modal dialog,
// else the active window, else the main window. Tests keep intercepting every message
// by installing a CMessageCapture over it.
//
// Ask() is the three-way question of the document cycle ("¿Guardar cambios a
// %1?"): Sí, No, Cancelar. Tests answer it by acting on
// QApplication::activeModalWidget() from a zero-time timer.

#include <string>

#include "platform/MessageBox.h"

class CQtMessageBox {
public:
    enum Respuesta { IDYES = 6, IDNO = 7, IDCANCEL = 2 };

    // Installs Show as the handler of AfxMessageBox; returns the one replaced.
    static MessageBoxHandler Install();
    static void Show(const std::string& text);

    static Respuesta Ask(const std::string& text);
};
