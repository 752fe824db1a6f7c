#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow frame;
    frame.setWindowTitle(QStringLiteral("Tarnovel"));
    frame.setCentralWidget(new QMdiArea(&frame));
    frame.showMaximized();
    return app.exec();
}
