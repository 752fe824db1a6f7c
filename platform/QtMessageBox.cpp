#include "platform/QtMessageBox.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>

namespace {

QString Title() {
    const QString nombre = QGuiApplication::applicationDisplayName();
    return nombre.isEmpty() ? QStringLiteral("Tarnovel") : nombre;
}

// The window whose code raised the message: the modal dialog that is running,
// else the active window, else the main window. A frameless dialog need not
// be the active window: where no window manager gives it the focus, nothing
// is, and a box without a parent would stand in a corner of the screen.
QWidget* Owner() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    if (QWidget* activa = QApplication::activeWindow()) {
        return activa;
    }
    for (QWidget* ventana : QApplication::topLevelWidgets()) {
        if (ventana->isVisible() && qobject_cast<QMainWindow*>(ventana) != nullptr) {
            return ventana;
        }
    }
    return nullptr;
}

}  // namespace

MessageBoxHandler CQtMessageBox::Install() {
    return SetMessageBoxHandler(&CQtMessageBox::Show);
}

void CQtMessageBox::Show(const std::string& text) {
    QMessageBox box(QMessageBox::Warning, Title(), QString::fromStdString(text), QMessageBox::Ok,
                    Owner());
    // A file name may hold "<" or "&": shown as typed, never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

CQtMessageBox::Respuesta CQtMessageBox::Ask(const std::string& text) {
    QMessageBox box(QMessageBox::Question, Title(), QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, Owner());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return IDYES;
        case QMessageBox::No:
            return IDNO;
        default:
            return IDCANCEL;
    }
}
