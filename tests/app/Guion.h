#pragma once
// Acts on each program dialog as it shows, one action per showing in order,
// also when the same dialog object is run again; a dialog that shows when no
// action is left is cancelled, and so is one an action leaves open, so a test
// never hangs.

#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>

#include "platform/Dialog.h"

class CGuionDialogos : public QObject {
public:
    using Accion = std::function<void(CDialog&)>;
    explicit CGuionDialogos(std::deque<Accion> acciones) : m_acciones(std::move(acciones)) {
        qApp->installEventFilter(this);
    }
    ~CGuionDialogos() override { qApp->removeEventFilter(this); }
    int Aperturas() const { return m_nAperturas; }
    bool Agotado() const { return m_acciones.empty(); }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        auto* dlg = qobject_cast<CDialog*>(objeto);
        if (evento->type() == QEvent::Show && dlg != nullptr) {
            ++m_nAperturas;
            Accion accion;
            if (!m_acciones.empty()) {
                accion = std::move(m_acciones.front());
                m_acciones.pop_front();
            }
            QTimer::singleShot(0, dlg, [dlg, accion] {
                if (accion) {
                    accion(*dlg);
                }
                if (dlg->isVisible()) {
                    dlg->reject();
                }
            });
        }
        return false;
    }

private:
    std::deque<Accion> m_acciones;
    int m_nAperturas = 0;
};

namespace guion {

inline void Type(CDialog& dlg, int id, const std::string& texto) {
    auto* edit = dlg.GetDlgItem<QLineEdit>(id);
    ASSERT_NE(edit, nullptr) << id;
    edit->setText(QString::fromStdString(texto));
}

inline void Click(CDialog& dlg, int id) {
    auto* boton = dlg.GetDlgItem<QPushButton>(id);
    ASSERT_NE(boton, nullptr) << id;
    QTest::mouseClick(boton, Qt::LeftButton);
}

inline CGuionDialogos::Accion Then(CGuionDialogos::Accion primera, CGuionDialogos::Accion segunda) {
    return [=](CDialog& dlg) {
        primera(dlg);
        segunda(dlg);
    };
}

inline CGuionDialogos::Accion Press(int id) {
    return [id](CDialog& dlg) { Click(dlg, id); };
}

}  // namespace guion
