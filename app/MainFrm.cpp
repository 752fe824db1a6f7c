#include "app/MainFrm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>
#include <QWhatsThis>
#include <algorithm>
#include <utility>

#include "app/Ayuda.h"
#include "app/ChildFrm.h"
#include "app/RecentFileList.h"
#include "app/Tarnovel.h"
#include "app/TarnovelDoc.h"
#include "report/TarnovelView.h"
#include "resources/Imagenes.h"
#include "resources/Resource.h"
#include "resources/StringTable.h"

using namespace res;

namespace {

// A name shown in a menu as it is: an "&" in it would otherwise mark a shortcut.
QString EntradaDeMenu(QString nombre) {
    return nombre.replace(u'&', QStringLiteral("&&"));
}

struct Leyenda {
    int id;
    const char* texto;
};

// Captions of the menu items.
constexpr Leyenda kLeyendas[] = {
    {ID_FILE_NEW, "&Nuevo\tCtrl+N"},
    {ID_FILE_OPEN, "&Abrir...\tCtrl+A"},
    {ID_FILE_CLOSE, "&Cerrar"},
    {ID_FILE_SAVE, "&Guardar\tCtrl+G"},
    {ID_FILE_SAVE_AS, "Guardar c&omo..."},
    {ID_FILE_PRINT, "&Imprimir...\tCtrl+I"},
    {ID_FILE_PRINT_PREVIEW, "&Presentación preliminar"},
    {ID_FILE_PRINT_SETUP, "Con&figurar impresora..."},
    {ID_FILE_MRU_FILE1, "Archivo reciente"},
    {ID_APP_EXIT, "&Salir"},
    {ID_EDIT_UNDO, "&Deshacer\tCtrl+Z"},
    {ID_EDIT_CUT, "Cor&tar\tCtrl+X"},
    {ID_EDIT_COPY, "&Copiar\tCtrl+C"},
    {ID_EDIT_PASTE, "&Pegar\tCtrl+V"},
    {ID_TABLA_DE_VERDAD, "&Tabla de Verdad"},
    {ID_LISTA_DE_MINTERMINOS, "Lista de mi&ntérminos"},
    {ID_LISTA_DE_MAXTERMINOS, "Lista de ma&xtérminos"},
    {ID_ECUACION_LOGICA, "&Ecuación lógica"},
    {ID_MAPA_DE_KARNAUGH, "&Mapa de Karnaugh"},
    {ID_VIEW_TOOLBAR, "Barra de &herramientas"},
    {ID_VIEW_STATUS_BAR, "Barra de &estado"},
    {ID_WINDOW_NEW, "&Nueva ventana"},
    {ID_WINDOW_CASCADE, "&Cascada"},
    {ID_WINDOW_TILE_HORZ, "&Mosaico"},
    {ID_WINDOW_ARRANGE, "&Organizar iconos"},
    {ID_CONFIGURAR_SALIDA, "&Configurar salida"},
    {ID_COMUNICACION_CON_PUERTO, "Comunicación con puerto"},
    {ID_ESPECIFICACIONES, "&Especificaciones"},
    {ID_HELP_FINDER, "Temas de &ayuda"},
    {ID_APP_ABOUT, "&Acerca de Tarnovel..."},
    // Commands without a menu item.
    {ID_CONTEXT_HELP, "Ayuda"},
    {ID_HELP, "Ayuda"},
    {ID_NEXT_PANE, "Panel siguiente"},
    {ID_PREV_PANE, "Panel anterior"},
};

struct Acelerador {
    QKeyCombination tecla;
    int id;
};

const Acelerador kAceleradores[] = {
    {Qt::CTRL | Qt::Key_T, ID_TABLA_DE_VERDAD},
    {Qt::CTRL | Qt::Key_I, ID_LISTA_DE_MINTERMINOS},
    {Qt::CTRL | Qt::Key_A, ID_LISTA_DE_MAXTERMINOS},
    {Qt::CTRL | Qt::Key_E, ID_ECUACION_LOGICA},
    {Qt::CTRL | Qt::Key_M, ID_MAPA_DE_KARNAUGH},
    {Qt::CTRL | Qt::Key_H, ID_CONFIGURAR_SALIDA},
    {Qt::CTRL | Qt::Key_G, ID_COMUNICACION_CON_PUERTO},
    {Qt::CTRL | Qt::Key_F, ID_ESPECIFICACIONES},
    {Qt::CTRL | Qt::Key_N, ID_FILE_NEW},
    {Qt::CTRL | Qt::Key_O, ID_FILE_OPEN},
    {Qt::CTRL | Qt::Key_S, ID_FILE_SAVE},
    {Qt::CTRL | Qt::Key_P, ID_FILE_PRINT},
    {Qt::CTRL | Qt::Key_Z, ID_EDIT_UNDO},
    {Qt::ALT | Qt::Key_Backspace, ID_EDIT_UNDO},
    {Qt::CTRL | Qt::Key_X, ID_EDIT_CUT},
    {Qt::SHIFT | Qt::Key_Delete, ID_EDIT_CUT},
    {Qt::CTRL | Qt::Key_C, ID_EDIT_COPY},
    {Qt::CTRL | Qt::Key_Insert, ID_EDIT_COPY},
    {Qt::CTRL | Qt::Key_V, ID_EDIT_PASTE},
    {Qt::SHIFT | Qt::Key_Insert, ID_EDIT_PASTE},
    {QKeyCombination(Qt::Key_F1), ID_HELP},
    {Qt::SHIFT | Qt::Key_F1, ID_CONTEXT_HELP},
    {QKeyCombination(Qt::Key_F6), ID_NEXT_PANE},
    {Qt::SHIFT | Qt::Key_F6, ID_PREV_PANE},
};

// The tool bar, left to right; 0 is a separator.
constexpr int kBotones[] = {ID_FILE_NEW,
                            ID_FILE_OPEN,
                            ID_FILE_SAVE,
                            0,
                            ID_EDIT_CUT,
                            ID_EDIT_COPY,
                            ID_EDIT_PASTE,
                            0,
                            ID_FILE_PRINT,
                            0,
                            ID_APP_ABOUT,
                            ID_CONTEXT_HELP,
                            0,
                            ID_TABLA_DE_VERDAD,
                            ID_LISTA_DE_MINTERMINOS,
                            ID_LISTA_DE_MAXTERMINOS,
                            ID_ECUACION_LOGICA,
                            ID_MAPA_DE_KARNAUGH,
                            0,
                            ID_COMUNICACION_CON_PUERTO,
                            ID_CONFIGURAR_SALIDA,
                            0,
                            ID_ESPECIFICACIONES};

// Commands that need an open document.
constexpr int kComandosDocumento[] = {
    ID_FILE_CLOSE,         ID_FILE_SAVE,        ID_FILE_SAVE_AS,         ID_FILE_PRINT,
    ID_FILE_PRINT_PREVIEW, ID_WINDOW_NEW,       ID_WINDOW_CASCADE,       ID_WINDOW_TILE_HORZ,
    ID_WINDOW_ARRANGE,     ID_TABLA_DE_VERDAD,  ID_LISTA_DE_MINTERMINOS, ID_LISTA_DE_MAXTERMINOS,
    ID_ECUACION_LOGICA,    ID_MAPA_DE_KARNAUGH, ID_CONFIGURAR_SALIDA,    ID_COMUNICACION_CON_PUERTO,
    ID_ESPECIFICACIONES};

// Commands that nothing handles: always disabled.
constexpr int kSinManejador[] = {ID_EDIT_UNDO,  ID_EDIT_CUT,  ID_EDIT_COPY,
                                 ID_EDIT_PASTE, ID_NEXT_PANE, ID_PREV_PANE};

QString Cadena(int id) {
    return QString::fromStdString(CStringTable::Load(id));
}

}  // namespace

// A separator for id 0, else the command's action.
template <class Barra>
void CMainFrame::AddItem(Barra* barra, int id) const {
    if (id == 0) {
        barra->addSeparator();
    } else {
        barra->addAction(GetAction(id));
    }
}

CMainFrame::CMainFrame(CTarnovelApp& app) : m_app(app), m_pArea(new QMdiArea(this)) {
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowTitle(Cadena(IDR_MAINFRAME));
    setWindowIcon(CImagenes::MainIcon());
    m_pArea->setObjectName(QStringLiteral("mdi"));
    setCentralWidget(m_pArea);
    CreateActions();
    ConnectActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    CreateAccelerators();
    connect(m_pArea, &QMdiArea::subWindowActivated, this, [this] { UpdateCommands(); });
    UpdateCommands();
}

CMainFrame::~CMainFrame() {
    // The document windows close while the frame is half gone: no more menu updates.
    disconnect(m_pArea, nullptr, this, nullptr);
    disconnect(m_pBarraHerramientas, nullptr, nullptr, nullptr);
    qApp->removeEventFilter(this);
}

QAction* CMainFrame::MakeAction(int id, const QString& caption) {
    auto* accion = new QAction(caption, this);
    accion->setObjectName(ObjectNameFor(id));
    accion->setData(id);
    const QString prompt = QString::fromStdString(CStringTable::Prompt(id));
    const QString consejo = QString::fromStdString(CStringTable::ToolTip(id));
    accion->setStatusTip(prompt);
    accion->setWhatsThis(prompt);
    accion->setToolTip(
        consejo.isEmpty()
            ? QString(caption).remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0)
            : consejo);
    m_acciones[id] = accion;
    SetToolBarImage(id, accion);
    return accion;
}

void CMainFrame::SetToolBarImage(int id, QAction* accion) const {
    const QPixmap imagen = CImagenes::ToolBarImage(id, palette().color(QPalette::ButtonText));
    if (!imagen.isNull()) {
        accion->setIcon(QIcon(imagen));
    }
}

void CMainFrame::changeEvent(QEvent* event) {
    // A new colour scheme: the buttons' black follows its text colour.
    if (event->type() == QEvent::PaletteChange) {
        for (const auto& [id, accion] : m_acciones) {
            SetToolBarImage(id, accion);
        }
    }
    QMainWindow::changeEvent(event);
}

void CMainFrame::CreateActions() {
    for (const Leyenda& l : kLeyendas) {
        MakeAction(l.id, QString::fromUtf8(l.texto));
    }
    for (const int id : kSinManejador) {
        GetAction(id)->setEnabled(false);
    }
    GetAction(ID_FILE_MRU_FILE1)->setEnabled(false);
    for (const int id : {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR}) {
        GetAction(id)->setCheckable(true);
        GetAction(id)->setChecked(true);
    }
}

QAction* CMainFrame::GetAction(int id) const {
    const auto it = m_acciones.find(id);
    return it != m_acciones.end() ? it->second : nullptr;
}

template <class Funcion>
void CMainFrame::Connect(int id, Funcion&& f) {
    connect(GetAction(id), &QAction::triggered, this, std::forward<Funcion>(f));
}

void CMainFrame::ConnectActions() {
    Connect(ID_FILE_NEW, [this] { m_app.OnFileNew(); });
    Connect(ID_FILE_OPEN, [this] { m_app.OnFileOpen(); });
    Connect(ID_FILE_PRINT_SETUP, [this] { m_app.OnFilePrintSetup(); });
    Connect(ID_APP_ABOUT, [this] { m_app.OnAppAbout(); });
    Connect(ID_APP_EXIT, [this] { m_app.OnAppExit(); });
    ConnectDocumentActions();
    Connect(ID_WINDOW_CASCADE, [this] { CascadeWindows(); });
    Connect(ID_WINDOW_TILE_HORZ, [this] { m_pArea->tileSubWindows(); });
    Connect(ID_WINDOW_ARRANGE, [this] { ArrangeIcons(); });
    Connect(ID_HELP_FINDER, [this] { OnHelp(); });
    Connect(ID_HELP, [this] { OnHelp(); });
    Connect(ID_CONTEXT_HELP, [this] { OnContextHelp(); });
    connect(GetAction(ID_VIEW_TOOLBAR), &QAction::toggled, this,
            [this](bool on) { m_pBarraHerramientas->setVisible(on); });
    connect(GetAction(ID_VIEW_STATUS_BAR), &QAction::toggled, this,
            [this](bool on) { statusBar()->setVisible(on); });
}

void CMainFrame::ConnectDocumentActions() {
    Connect(ID_FILE_CLOSE, [this] {
        if (CTarnovelDoc* doc = GetActiveDocument()) {
            m_app.CloseDocument(*doc);
        }
    });
    Connect(ID_FILE_SAVE, [this] {
        if (CTarnovelDoc* doc = GetActiveDocument()) {
            doc->DoFileSave();
        }
    });
    Connect(ID_FILE_SAVE_AS, [this] {
        if (CTarnovelDoc* doc = GetActiveDocument()) {
            doc->DoSaveAs();
        }
    });
    Connect(ID_FILE_PRINT, [this] {
        if (CTarnovelView* vista = GetActiveView()) {
            vista->OnFilePrint(m_app.GetPrinter());
        }
    });
    Connect(ID_FILE_PRINT_PREVIEW, [this] {
        if (CTarnovelView* vista = GetActiveView()) {
            vista->OnFilePrintPreview(m_app.GetPrinter());
        }
    });
    const std::pair<int, void (CTarnovelDoc::*)()> comandos[] = {
        {ID_TABLA_DE_VERDAD, &CTarnovelDoc::OnTablaDeVerdad},
        {ID_LISTA_DE_MINTERMINOS, &CTarnovelDoc::OnListaDeMinterminos},
        {ID_LISTA_DE_MAXTERMINOS, &CTarnovelDoc::OnListaDeMaxterminos},
        {ID_ECUACION_LOGICA, &CTarnovelDoc::OnEcuacionLogica},
        {ID_MAPA_DE_KARNAUGH, &CTarnovelDoc::OnMapaDeKarnaugh},
        {ID_CONFIGURAR_SALIDA, &CTarnovelDoc::OnConfigurarSalida},
        {ID_COMUNICACION_CON_PUERTO, &CTarnovelDoc::OnComunicacionConPuerto},
        {ID_ESPECIFICACIONES, &CTarnovelDoc::OnEspecificaciones}};
    for (const auto& [id, manejador] : comandos) {
        // Copied by name: older compilers cannot capture a structured binding.
        Connect(id, [this, metodo = manejador] {
            if (CTarnovelDoc* doc = GetActiveDocument()) {
                (doc->*metodo)();
            }
        });
    }
    Connect(ID_WINDOW_NEW, [this] {
        if (CTarnovelDoc* doc = GetActiveDocument()) {
            m_app.OnWindowNew(*doc);
        }
    });
}

void CMainFrame::FillFileMenu(QMenu* menu, bool documento) {
    menu->clear();
    const std::vector<int> antes =
        documento ? std::vector<int>{ID_FILE_NEW,         ID_FILE_OPEN,
                                     ID_FILE_CLOSE,       ID_FILE_SAVE,
                                     ID_FILE_SAVE_AS,     0,
                                     ID_FILE_PRINT,       ID_FILE_PRINT_PREVIEW,
                                     ID_FILE_PRINT_SETUP, 0}
                  : std::vector<int>{ID_FILE_NEW, ID_FILE_OPEN, 0, ID_FILE_PRINT_SETUP, 0};
    for (const int id : antes) {
        AddItem(menu, id);
    }
    const QStringList& recientes = m_app.GetRecentFileList().Entries();
    if (recientes.isEmpty()) {
        menu->addAction(GetAction(ID_FILE_MRU_FILE1));
    }
    for (int i = 0; i < recientes.size(); ++i) {
        QAction* entrada = menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(
            EntradaDeMenu(QDir::toNativeSeparators(recientes[i]))));
        entrada->setObjectName(ObjectNameFor(ID_FILE_MRU_FILE1 + i));
        entrada->setStatusTip(Cadena(ID_FILE_MRU_FILE1));
        connect(entrada, &QAction::triggered, this, [this, i] { m_app.OnOpenRecentFile(i); });
    }
    menu->addSeparator();
    menu->addAction(GetAction(ID_APP_EXIT));
}

void CMainFrame::CreateMenus() {
    const auto menu = [this](const char* caption) {
        auto* m = new QMenu(QString::fromUtf8(caption), this);
        m->setToolTipsVisible(false);
        return m;
    };
    const auto llenar = [this](QMenu* m, std::initializer_list<int> ids) {
        for (const int id : ids) {
            AddItem(m, id);
        }
    };
    // Menu 169: no document open.
    m_pArchivoSinDoc = menu("&Archivo");
    m_pVerSinDoc = menu("&Ver");
    llenar(m_pVerSinDoc, {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR});
    m_pAyudaSinDoc = menu("Ay&uda");
    llenar(m_pAyudaSinDoc, {ID_HELP_FINDER, 0, ID_APP_ABOUT});
    connect(m_pArchivoSinDoc, &QMenu::aboutToShow, this,
            [this] { FillFileMenu(m_pArchivoSinDoc, false); });
    FillFileMenu(m_pArchivoSinDoc, false);

    // Menu 170: a document open.
    m_pArchivoDoc = menu("&Archivo");
    connect(m_pArchivoDoc, &QMenu::aboutToShow, this,
            [this] { FillFileMenu(m_pArchivoDoc, true); });
    FillFileMenu(m_pArchivoDoc, true);
    QMenu* editar = menu("&Editar");
    llenar(editar, {ID_EDIT_UNDO, 0, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE});
    QMenu* opciones = menu("&Opciones");
    llenar(opciones, {ID_TABLA_DE_VERDAD, ID_LISTA_DE_MINTERMINOS, ID_LISTA_DE_MAXTERMINOS,
                      ID_ECUACION_LOGICA, ID_MAPA_DE_KARNAUGH});
    QMenu* ver = menu("&Ver");
    llenar(ver, {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR});
    m_pVentana = menu("Ven&tana");
    connect(m_pVentana, &QMenu::aboutToShow, this, [this] { FillWindowMenu(); });
    FillWindowMenu();
    QMenu* preferencias = menu("&Preferencias");
    llenar(preferencias, {ID_CONFIGURAR_SALIDA, ID_COMUNICACION_CON_PUERTO});
    QMenu* caracteristicas = menu("&Características");
    llenar(caracteristicas, {ID_ESPECIFICACIONES});
    QMenu* ayuda = menu("Ay&uda");
    llenar(ayuda, {ID_HELP_FINDER, 0, ID_APP_ABOUT});
    m_menusDoc = {m_pArchivoDoc, editar,       opciones,        ver,
                  m_pVentana,    preferencias, caracteristicas, ayuda};
}

void CMainFrame::FillWindowMenu() {
    m_pVentana->clear();
    for (const int id :
         {ID_WINDOW_NEW, ID_WINDOW_CASCADE, ID_WINDOW_TILE_HORZ, ID_WINDOW_ARRANGE}) {
        m_pVentana->addAction(GetAction(id));
    }
    const QList<QMdiSubWindow*> ventanas = m_pArea->subWindowList();
    if (!ventanas.isEmpty()) {
        m_pVentana->addSeparator();
    }
    for (int i = 0; i < ventanas.size(); ++i) {
        QMdiSubWindow* ventana = ventanas[i];
        QAction* entrada = m_pVentana->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(EntradaDeMenu(ventana->windowTitle())));
        entrada->setCheckable(true);
        entrada->setChecked(ventana == m_pArea->currentSubWindow());
        entrada->setStatusTip(QStringLiteral("Activa esta ventana"));
        connect(entrada, &QAction::triggered, this, [this, ventana] {
            if (m_pArea->subWindowList().contains(ventana)) {
                m_pArea->setActiveSubWindow(ventana);
                ventana->showMaximized();
            }
        });
    }
}

void CMainFrame::ShowMenus(bool documento) {
    if (documento == m_bMenuDocumento && !menuBar()->actions().isEmpty()) {
        return;
    }
    m_bMenuDocumento = documento;
    menuBar()->clear();
    const std::vector<QMenu*> menus =
        documento ? m_menusDoc
                  : std::vector<QMenu*>{m_pArchivoSinDoc, m_pVerSinDoc, m_pAyudaSinDoc};
    for (QMenu* m : menus) {
        menuBar()->addMenu(m);
    }
}

QStringList CMainFrame::MenuCaptions() const {
    QStringList leyendas;
    for (const QAction* a : menuBar()->actions()) {
        if (a->menu() != nullptr) {
            leyendas << a->text();
        }
    }
    return leyendas;
}

QMenu* CMainFrame::FindMenu(const QString& caption) const {
    for (const QAction* a : menuBar()->actions()) {
        if (a->menu() != nullptr && a->text() == caption) {
            return a->menu();
        }
    }
    return nullptr;
}

void CMainFrame::CreateToolBar() {
    m_pBarraHerramientas = new QToolBar(QStringLiteral("Barra de herramientas"), this);
    m_pBarraHerramientas->setObjectName(QStringLiteral("barraHerramientas"));
    m_pBarraHerramientas->setIconSize(QSize(CImagenes::kAnchoBoton, CImagenes::kAltoBoton));
    m_pBarraHerramientas->setMovable(true);
    m_pBarraHerramientas->setFloatable(true);
    m_pBarraHerramientas->setAllowedAreas(Qt::AllToolBarAreas);
    for (const int id : kBotones) {
        AddItem(m_pBarraHerramientas, id);
    }
    addToolBar(Qt::TopToolBarArea, m_pBarraHerramientas);
    connect(m_pBarraHerramientas, &QToolBar::visibilityChanged, GetAction(ID_VIEW_TOOLBAR),
            [this](bool visible) {
                if (!isHidden() || visible) {
                    GetAction(ID_VIEW_TOOLBAR)->setChecked(visible);
                }
            });
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* barra = statusBar();
    barra->setObjectName(QStringLiteral("barraEstado"));
    m_pMensaje = new QLabel(Cadena(AFX_IDS_IDLEMESSAGE), barra);
    m_pMensaje->setObjectName(QStringLiteral("mensaje"));
    barra->addWidget(m_pMensaje, 1);
    for (const int id : {ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL}) {
        auto* panel = new QLabel(Cadena(id), barra);
        panel->setObjectName(ObjectNameFor(id));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setAlignment(Qt::AlignCenter);
        panel->setMinimumWidth(panel->fontMetrics().horizontalAdvance(QStringLiteral("DESP")) + 8);
        barra->addPermanentWidget(panel);
    }
    // The state is looked at again whenever a lock key is let go, and when the
    // program comes back to the front (a key may have changed meanwhile).
    qApp->installEventFilter(this);
    UpdateIndicators();
}

void CMainFrame::UpdateIndicators() {
    const std::pair<int, CLockKeys::Tecla> paneles[] = {
        {ID_INDICATOR_CAPS, CLockKeys::Mayusculas},
        {ID_INDICATOR_NUM, CLockKeys::Numerico},
        {ID_INDICATOR_SCRL, CLockKeys::Desplazamiento}};
    for (const auto& [id, tecla] : paneles) {
        auto* panel = statusBar()->findChild<QLabel*>(ObjectNameFor(id));
        const std::optional<bool> estado = m_teclas.State(tecla);
        // Unknown: the name greyed. Known: the name when on, nothing when off.
        panel->setEnabled(estado.has_value());
        panel->setText(!estado.has_value() || *estado ? Cadena(id) : QString());
    }
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) {
        const int tecla = static_cast<QKeyEvent*>(event)->key();
        if (tecla == Qt::Key_CapsLock || tecla == Qt::Key_NumLock || tecla == Qt::Key_ScrollLock) {
            UpdateIndicators();
        }
    } else if (event->type() == QEvent::ApplicationStateChange && watched == qApp) {
        UpdateIndicators();
    } else if (event->type() == QEvent::LeaveWhatsThisMode) {
        // The help mode's prompt gives way to the idle text.
        statusBar()->clearMessage();
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::CreateAccelerators() {
    for (const Acelerador& a : kAceleradores) {
        auto* atajo = new QShortcut(QKeySequence(a.tecla), this);
        atajo->setObjectName(QStringLiteral("atajo%1").arg(a.id));
        atajo->setContext(Qt::WindowShortcut);
        QAction* accion = GetAction(a.id);
        // In help mode the key shows its command's help rather than running it.
        atajo->setWhatsThis(accion->whatsThis());
        connect(atajo, &QShortcut::activated, accion, [accion] {
            if (accion->isEnabled()) {
                accion->trigger();
            }
        });
    }
}

CChildFrame* CMainFrame::GetActiveFrame() const {
    return qobject_cast<CChildFrame*>(m_pArea->currentSubWindow());
}

CTarnovelDoc* CMainFrame::GetActiveDocument() const {
    CChildFrame* marco = GetActiveFrame();
    return marco != nullptr ? &marco->GetDocument() : nullptr;
}

CTarnovelView* CMainFrame::GetActiveView() const {
    CChildFrame* marco = GetActiveFrame();
    return marco != nullptr ? marco->GetView() : nullptr;
}

void CMainFrame::AddFrame(CChildFrame* frame) {
    m_pArea->addSubWindow(frame);
    frame->ActivateFrame();
    UpdateCommands();
}

void CMainFrame::UpdateCommands() {
    const bool documento = !m_pArea->subWindowList().isEmpty() && GetActiveFrame() != nullptr;
    for (const int id : kComandosDocumento) {
        GetAction(id)->setEnabled(documento);
    }
    ShowMenus(documento);
}

void CMainFrame::UpdateRecentFiles() {
    FillFileMenu(m_pArchivoSinDoc, false);
    FillFileMenu(m_pArchivoDoc, true);
}

void CMainFrame::OnHelp() {
    CAyuda ayuda(this);
    ayuda.exec();
}

void CMainFrame::OnContextHelp() {
    statusBar()->showMessage(Cadena(AFX_IDS_HELPMODEMESSAGE));
    QWhatsThis::enterWhatsThisMode();
}

void CMainFrame::CascadeWindows() {
    // Qt cascades every window at its size hint, a small fraction of the area.
    // Each keeps its place in the cascade and grows until the last one reaches
    // the far corner of the area, so every title stays in sight.
    m_pArea->cascadeSubWindows();
    std::vector<QMdiSubWindow*> ventanas;
    QPoint extremo;
    for (QMdiSubWindow* ventana : m_pArea->subWindowList()) {
        if (!ventana->isMinimized() && !ventana->isHidden()) {
            ventanas.push_back(ventana);
            extremo =
                QPoint(std::max(extremo.x(), ventana->x()), std::max(extremo.y(), ventana->y()));
        }
    }
    const QSize area = m_pArea->viewport()->size();
    const QSize tamano(std::max(area.width() - extremo.x(), area.width() / 2),
                       std::max(area.height() - extremo.y(), area.height() / 2));
    for (QMdiSubWindow* ventana : ventanas) {
        ventana->resize(tamano);
    }
}

void CMainFrame::ArrangeIcons() {
    // Minimised windows in rows along the bottom edge, a full row pushing the
    // next one above it: the area does not scroll, and a window placed past
    // its right edge could no longer be reached.
    const int ancho = m_pArea->viewport()->width();
    int x = 0;
    int fondo = m_pArea->viewport()->height();
    for (QMdiSubWindow* ventana : m_pArea->subWindowList()) {
        if (ventana->isMinimized()) {
            if (x > 0 && x + ventana->width() > ancho) {
                x = 0;
                fondo -= ventana->height();
            }
            ventana->move(x, fondo - ventana->height());
            x += ventana->width();
        }
    }
}

void CMainFrame::CloseWithoutAsking() {
    m_bSinPreguntar = true;
    close();
    m_bSinPreguntar = false;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!m_bSinPreguntar && !m_app.SaveAllModified()) {
        event->ignore();
        return;
    }
    for (QMdiSubWindow* ventana : m_pArea->subWindowList()) {
        if (auto* marco = qobject_cast<CChildFrame*>(ventana)) {
            marco->CloseWithoutAsking();
        }
    }
    m_app.GetRecentFileList().WriteList();
    QMainWindow::closeEvent(event);
}
