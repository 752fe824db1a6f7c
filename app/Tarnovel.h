#pragma once
// The application object: starts the program (settings, recent-file list, main
// frame shown maximised, no document), owns the open documents and the
// printer settings, and carries out the application's commands: New, Open,
// the recent files, print set-up, about box and exit.
//
// Several may be built one after the other in one process (the tests do); the
// QApplication must exist first.

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class CMainFrame;
class CTarnovelDoc;
class CRecentFileList;
class QPrinter;
class QSessionManager;
class QWidget;

class CTarnovelApp : public QObject {
    Q_OBJECT
public:
    CTarnovelApp();
    ~CTarnovelApp() override;
    CTarnovelApp(const CTarnovelApp&) = delete;
    CTarnovelApp& operator=(const CTarnovelApp&) = delete;

    // Builds and shows the main window maximised; the arguments are parsed
    // and ignored: no file is opened and no first document is made.
    bool InitInstance(const QStringList& arguments = {});

    void OnFileNew();
    void OnFileOpen();
    // Opens the file in a new document window, or activates the window of the
    // document that already has it open. nullptr when it cannot be opened.
    CTarnovelDoc* OpenDocumentFile(const QString& path);
    // The open document, other than `salvo`, whose file is the one at `path`:
    // by its name, or by another name of the same file (a link).
    CTarnovelDoc* FindDocument(const QString& path, const CTarnovelDoc* salvo = nullptr) const;
    void OnOpenRecentFile(int index);
    void OnFilePrintSetup();
    void OnAppAbout();
    // Closes every document (asking to save each modified one) and then the
    // main window; false when the user cancelled.
    bool OnAppExit();
    // Asks to save each modified document in turn; false when one is refused.
    bool SaveAllModified();
    // The desktop session is ending (log-out, shut-down): the save questions,
    // asked now while the session manager still waits for the answers. False
    // when the user cancelled; true lets the session manager end the program
    // without asking again.
    bool QueryEndSession();
    // Closes the document's windows after the save question; false when cancelled.
    bool CloseDocument(CTarnovelDoc& doc);
    // A further window on the document ("&Nueva ventana").
    void OnWindowNew(CTarnovelDoc& doc);

    CMainFrame* GetMainFrame() const { return m_pMainFrame.get(); }
    QPrinter& GetPrinter() { return *m_pImpresora; }
    CRecentFileList& GetRecentFileList() { return *m_pRecientes; }
    const std::vector<std::unique_ptr<CTarnovelDoc>>& GetDocuments() const { return m_documentos; }

    // The file dialog of Open ("Abrir") and Save As ("Guardar como"), with the
    // filter of all files. The empty text when the user cancels.
    static QString DoPromptFileName(const QString& initial, bool open);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnCommitDataRequest(QSessionManager& manager);
    CTarnovelDoc& AddDocument(std::unique_ptr<CTarnovelDoc> doc);
    void CreateFrame(CTarnovelDoc& doc);
    void RemoveDocument(CTarnovelDoc* doc);

    int m_nSinTitulo = 0;
    // The save questions were answered for the ending session.
    bool m_bFinDeSesion = false;
    std::unique_ptr<QPrinter> m_pImpresora;
    std::unique_ptr<CRecentFileList> m_pRecientes;
    std::vector<std::unique_ptr<CTarnovelDoc>> m_documentos;
    // Destroyed first: its windows hold views of the documents.
    std::unique_ptr<CMainFrame> m_pMainFrame;
};
