#pragma once
// The main window: the document windows inside, the menus (one while no
// document is open, the document menu while one is), the accelerators, the
// flat tool bar, the status bar with its prompts and the MAY/NUM/DESP panes.
//
// Every command has one QAction, found with GetAction(id) and named "id<n>".
// Accelerators are shortcuts of their own that trigger the action of their
// command, so that a key and a menu caption may disagree: Ctrl+A runs the
// maxterm list while "&Abrir...\tCtrl+A" only shows that text.

#include <QMainWindow>
#include <map>

#include "app/LockKeys.h"

class CChildFrame;
class CTarnovelApp;
class CTarnovelDoc;
class CTarnovelView;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(CTarnovelApp& app);
    ~CMainFrame() override;

    QAction* GetAction(int id) const;
    QMdiArea* GetMdiArea() const { return m_pArea; }
    QToolBar* GetToolBar() const { return m_pBarraHerramientas; }
    CChildFrame* GetActiveFrame() const;
    CTarnovelDoc* GetActiveDocument() const;
    CTarnovelView* GetActiveView() const;
    // The menus of the menu bar, by their captions.
    QStringList MenuCaptions() const;
    QMenu* FindMenu(const QString& caption) const;

    // Adds a document window, maximised and active.
    void AddFrame(CChildFrame* frame);
    // Enables the commands and shows the menu that suit the open documents.
    void UpdateCommands();
    // The recent-file entries changed.
    void UpdateRecentFiles();
    // Closes every window, the save questions already answered.
    void CloseWithoutAsking();

    static QString ObjectNameFor(int id) { return QStringLiteral("id%1").arg(id); }

    // Shows the lock keys' state in the MAY, NUM and DESP panes.
    void UpdateIndicators();
    // Where the keyboard LEDs are read (tests point it elsewhere).
    void SetLockKeys(CLockKeys teclas) { m_teclas = std::move(teclas); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* MakeAction(int id, const QString& caption);
    void SetToolBarImage(int id, QAction* accion) const;
    template <class Barra>
    void AddItem(Barra* barra, int id) const;
    void CreateActions();
    void ConnectActions();
    // The commands that act on the active document or its view.
    void ConnectDocumentActions();
    template <class Funcion>
    void Connect(int id, Funcion&& f);
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void CreateAccelerators();
    void FillFileMenu(QMenu* menu, bool documento);
    void FillWindowMenu();
    void ShowMenus(bool documento);
    void OnHelp();
    void OnContextHelp();
    void CascadeWindows();
    void ArrangeIcons();

    CTarnovelApp& m_app;
    QMdiArea* m_pArea;
    std::map<int, QAction*> m_acciones;
    QToolBar* m_pBarraHerramientas = nullptr;
    QLabel* m_pMensaje = nullptr;
    QMenu* m_pArchivoSinDoc = nullptr;
    QMenu* m_pVerSinDoc = nullptr;
    QMenu* m_pAyudaSinDoc = nullptr;
    std::vector<QMenu*> m_menusDoc;
    QMenu* m_pArchivoDoc = nullptr;
    QMenu* m_pVentana = nullptr;
    bool m_bMenuDocumento = true;
    CLockKeys m_teclas;
    bool m_bSinPreguntar = false;
};
