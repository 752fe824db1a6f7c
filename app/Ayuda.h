#pragma once
// "Temas de ayuda": the program's own short help, in Spanish.

#include <QDialog>

class CAyuda : public QDialog {
    Q_OBJECT
public:
    explicit CAyuda(QWidget* parent = nullptr);
    static QString Text();
};
