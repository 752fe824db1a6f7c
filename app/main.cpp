#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/Tarnovel.h"
#include "platform/QtMessageBox.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The framework's own dialogs and buttons in Spanish, whatever the desktop's
    // language.
    QLocale::setDefault(QLocale(QLocale::Spanish));
    QTranslator traduccion;
    if (traduccion.load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&traduccion);
    }
    CQtMessageBox::Install();

    CTarnovelApp tarnovel;
    if (!tarnovel.InitInstance(QApplication::arguments())) {
        return 1;
    }
    return QApplication::exec();
}
