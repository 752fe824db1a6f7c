// The main of every test executable that drives Qt windows: one QApplication,
// headless, with a fixed Spanish locale and translations, and the user's
// settings and runtime folder in temporary folders.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QTemporaryDir carpeta;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        qputenv("XDG_RUNTIME_DIR", carpeta.path().toLocal8Bit());
    }
    qputenv("XDG_CONFIG_HOME", (carpeta.path() + QStringLiteral("/config")).toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       carpeta.path() + QStringLiteral("/settings"));
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));

    QApplication app(argc, argv);
    QTranslator traduccion;
    if (traduccion.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&traduccion);
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
