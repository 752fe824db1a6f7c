#include "platform/QtMessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QString Title() {
    const QString nombre = QGuiApplication::applicationDisplayName();
    return nombre.isEmpty() ? QStringLiteral("Tarnovel") : nombre;
}

}  // namespace

MessageBoxHandler CQtMessageBox::Install() {
    return SetMessageBoxHandler(&CQtMessageBox::Show);
}

void CQtMessageBox::Show(const std::string& text) {
    QMessageBox box(QMessageBox::Warning, Title(), QString::fromStdString(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

CQtMessageBox::Respuesta CQtMessageBox::Ask(const std::string& text) {
    QMessageBox box(QMessageBox::Question, Title(), QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                    QApplication::activeWindow());
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
