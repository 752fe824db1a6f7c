#pragma once
// Drives the modal windows that a command opens, one after the other: each
// step waits for the next modal window and acts on it. A modal window that no
// step expects is closed, and noted, so that a failing test ends instead of
// hanging.

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <functional>
#include <string>
#include <vector>

class CModales {
public:
    using Paso = std::function<void(QWidget* modal)>;

    // Queues a step for the next modal window.
    CModales& Luego(Paso paso) {
        m_pasos.push_back(std::move(paso));
        return *this;
    }

    // Runs the command while serving the queued steps.
    void Ejecutar(const std::function<void()>& comando) {
        QTimer reloj;
        reloj.setInterval(5);
        QObject::connect(&reloj, &QTimer::timeout, [this] { Atender(); });
        reloj.start();
        comando();
        reloj.stop();
        QApplication::processEvents();
    }

    // Steps still waiting after the command ended.
    std::size_t Pendientes() const { return m_pasos.size(); }
    // Class names of the modal windows that were closed because no step expected them.
    const std::vector<std::string>& Inesperados() const { return m_inesperados; }

private:
    void Atender() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == m_pUltimo || !modal->isVisible()) {
            return;
        }
        m_pUltimo = modal;
        if (m_pasos.empty()) {
            m_inesperados.push_back(modal->metaObject()->className());
            if (auto* d = qobject_cast<QDialog*>(modal)) {
                d->reject();
            } else {
                modal->close();
            }
            return;
        }
        Paso paso = std::move(m_pasos.front());
        m_pasos.pop_front();
        paso(modal);
    }

    std::deque<Paso> m_pasos;
    QPointer<QWidget> m_pUltimo;
    std::vector<std::string> m_inesperados;
};
