#include "app/LockKeys.h"

#include <QDir>
#include <QFile>

namespace {

QString Sufijo(CLockKeys::Tecla tecla) {
    switch (tecla) {
        case CLockKeys::Mayusculas:
            return QStringLiteral("::capslock");
        case CLockKeys::Numerico:
            return QStringLiteral("::numlock");
        default:
            return QStringLiteral("::scrolllock");
    }
}

}  // namespace

std::optional<bool> CLockKeys::State(Tecla tecla) const {
    const QDir raiz(m_strRaiz);
    const QStringList leds =
        raiz.entryList({QStringLiteral("*") + Sufijo(tecla)}, QDir::Dirs | QDir::NoDotAndDotDot);
    std::optional<bool> estado;
    for (const QString& led : leds) {
        QFile brillo(raiz.filePath(led + QStringLiteral("/brightness")));
        if (!brillo.open(QIODevice::ReadOnly)) {
            continue;
        }
        const bool encendido = brillo.readAll().trimmed().toInt() > 0;
        estado = estado.value_or(false) || encendido;
    }
    return estado;
}
