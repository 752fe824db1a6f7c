#pragma once
// The state of the lock keys for the status bar's MAY, NUM and DESP panes.
// Qt has no portable way to ask for it; on Linux the keyboard LEDs under
// /sys/class/leds (input*::capslock, ::numlock, ::scrolllock) tell it when the
// machine has a keyboard the kernel drives. Where there are none (remote and
// virtual sessions, some Wayland set-ups) the state is unknown.

#include <QString>
#include <optional>

class CLockKeys {
public:
    enum Tecla { Mayusculas, Numerico, Desplazamiento };

    explicit CLockKeys(QString root = QStringLiteral("/sys/class/leds"))
        : m_strRaiz(std::move(root)) {}

    // On when any keyboard shows the LED lit; nullopt when no LED is found.
    std::optional<bool> State(Tecla tecla) const;

private:
    QString m_strRaiz;
};
