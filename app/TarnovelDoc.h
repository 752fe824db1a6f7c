#pragma once
// One open document: one logic system in its own file, shown in one or more
// child windows. New asks for the numbers of variables and functions; Open
// reads the file and rebuilds and recomputes the system; the file is exactly
// the system's serialised form. Failures are reported with the framework's
// Spanish messages and leave no half-made document behind.
//
// The eight commands that edit the system (menus "&Opciones", "&Preferencias"
// and "&Características") are members of this class; they live in
// TarnovelDocComandos.cpp.

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

#include "logic/Sistema.h"
#include "port/Puerto.h"

class CArchive;
class CTarnovelView;

class CTarnovelDoc : public QObject {
    Q_OBJECT
public:
    CTarnovelDoc() = default;

    // Runs the numbers dialog and sets the system from it; always keeps the
    // document (a cancelled dialog leaves one variable and one function).
    bool OnNewDocument();
    // Reads the file; false, after telling the user, when it cannot be read.
    bool OnOpenDocument(const QString& path);
    // Writes the file; false, after telling the user, when it cannot be written.
    bool OnSaveDocument(const QString& path);
    void Serialize(CArchive& ar) { m_sistema.Serialize(ar); }

    // Save: to the document's file, or as Save As when it has none.
    bool DoFileSave();
    // Save As: asks for the name (starting from the title), then saves.
    bool DoSaveAs();
    // Asks "¿Guardar cambios a %1?" when modified; false when the user cancels
    // or the save fails.
    bool SaveModified();

    bool IsModified() const { return m_bModificadoDoc; }
    void SetModifiedFlag(bool modified = true);
    const QString& GetTitle() const { return m_strTitulo; }
    void SetTitle(const QString& title);
    const QString& GetPathName() const { return m_strRuta; }
    void SetPathName(const QString& path);

    CSize GetDocSize() const { return m_sistema.GetReportSize(); }
    // Every view takes its new extent and repaints.
    void UpdateAllViews();
    void AddView(CTarnovelView* view);
    void RemoveView(CTarnovelView* view);
    const std::vector<CTarnovelView*>& GetViews() const { return m_vistas; }

    // The document's commands.
    void OnTablaDeVerdad();
    void OnListaDeMinterminos();
    void OnListaDeMaxterminos();
    void OnEcuacionLogica();
    void OnMapaDeKarnaugh();
    void OnConfigurarSalida();
    void OnComunicacionConPuerto();
    void OnEspecificaciones();
    // How the port command reaches the board. Without one it opens the first
    // parallel port; tests give their simulated board.
    void SetPortFactory(FabricaPuerto fabrica) { m_fabricaPuerto = std::move(fabrica); }
    // Whether another open document has the file at a path: a save refuses
    // it, as the two windows would each save over the other's work.
    void SetFileInUse(std::function<bool(const QString&)> enUso) { m_enUso = std::move(enUso); }

    // What a refused OK of an entry command shows: `una` when the system has one
    // function, otherwise `varias` with the function's number in place of %u.
    struct SMensajeEntrada {
        const char* una;
        const char* varias;
    };
    // The shape the five entry commands share. `ejecutar` runs the command's
    // dialog, already seeded from the system, and tells whether it ended with
    // OK; `sinTermino` gives the first function (0-based) that the dialog's
    // results leave without a required term, or -1; `aplicar` hands those
    // results to the system. A refused OK shows its message and runs the dialog
    // again; an accepted one applies, marks the document modified when the
    // system's indicator is set, and updates every view. Anything but OK ends
    // the command with nothing changed.
    void RunEntryCommand(const std::function<bool()>& ejecutar,
                         const std::function<int()>& sinTermino, SMensajeEntrada mensaje,
                         const std::function<void()>& aplicar);

    CSistema m_sistema;

signals:
    void TitleChanged();
    // The document was saved under a new path (the recent-file list).
    void PathUsed(const QString& path);
    void ViewsChanged();

private:
    bool ReadFile(const QString& path, std::vector<std::uint8_t>& bytes);
    // Whether another open document has the file at `path`; tells the user so.
    bool IsFileOfAnother(const QString& path) const;

    QString m_strTitulo;
    QString m_strRuta;
    bool m_bModificadoDoc = false;
    std::vector<CTarnovelView*> m_vistas;
    FabricaPuerto m_fabricaPuerto;
    std::function<bool(const QString&)> m_enUso;
};
