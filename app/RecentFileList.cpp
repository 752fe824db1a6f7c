#include "app/RecentFileList.h"

#include <QFileInfo>
#include <QSettings>

namespace {

QSettings Perfil() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                     QStringLiteral("Local AppWizard-Generated Applications"),
                     QStringLiteral("Tarnovel"));
}

QString Clave(int i) {
    return QStringLiteral("Recent File List/File%1").arg(i + 1);
}

}  // namespace

void CRecentFileList::ReadList() {
    m_rutas.clear();
    const QSettings perfil = Perfil();
    for (int i = 0; i < kMaximo; ++i) {
        const QString ruta = perfil.value(Clave(i)).toString();
        if (!ruta.isEmpty() && !m_rutas.contains(ruta)) {
            m_rutas.append(ruta);
        }
    }
}

void CRecentFileList::WriteList() const {
    QSettings perfil = Perfil();
    for (int i = 0; i < kMaximo; ++i) {
        if (i < m_rutas.size()) {
            perfil.setValue(Clave(i), m_rutas[i]);
        } else {
            perfil.remove(Clave(i));
        }
    }
}

void CRecentFileList::Add(const QString& path) {
    const QString ruta = QFileInfo(path).absoluteFilePath();
    m_rutas.removeAll(ruta);
    m_rutas.prepend(ruta);
    while (m_rutas.size() > kMaximo) {
        m_rutas.removeLast();
    }
}

void CRecentFileList::Remove(int index) {
    if (index >= 0 && index < m_rutas.size()) {
        m_rutas.removeAt(index);
    }
}
