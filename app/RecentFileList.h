#pragma once
// The recent-file list: at most eight paths, the latest first, kept in the
// user's settings under "Local AppWizard-Generated Applications" / "Tarnovel",
// group "Recent File List", keys File1 to File8.

#include <QString>
#include <QStringList>

class CRecentFileList {
public:
    static constexpr int kMaximo = 8;

    // Reads the list from the settings.
    void ReadList();
    // Writes the list to the settings.
    void WriteList() const;
    // Puts the path first; an equal path further down is dropped, and the
    // ninth entry falls off.
    void Add(const QString& path);
    void Remove(int index);
    const QStringList& Entries() const { return m_rutas; }

private:
    QStringList m_rutas;
};
