// The application driven through its real windows: start-up, menus and
// commands, new documents, saving and opening, damaged files, the save
// question, the recent-file list, the view's extent, printing and a screenshot.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QWhatsThis>

#include "app/ChildFrm.h"
#include "app/LockKeys.h"
#include "app/MainFrm.h"
#include "app/RecentFileList.h"
#include "app/Tarnovel.h"
#include "app/TarnovelDoc.h"
#include "editors/Datos.h"
#include "platform/Archive.h"
#include "platform/MessageBox.h"
#include "report/TarnovelView.h"
#include "resources/Resource.h"
#include "tests/GuiPrinters.h"
#include "tests/app/Modales.h"

using namespace res;

namespace {

using Mensajes = std::vector<std::string>;

// Steps for the modal windows.
CModales::Paso Datos(const char* variables, const char* funciones) {
    return [=](QWidget* modal) {
        auto* dlg = qobject_cast<CDatos*>(modal);
        ASSERT_NE(dlg, nullptr) << modal->metaObject()->className();
        dlg->GetDlgItem<QLineEdit>(IDC_VARIABLES)->setText(QString::fromUtf8(variables));
        dlg->GetDlgItem<QLineEdit>(IDC_FUNCIONES)->setText(QString::fromUtf8(funciones));
        QTest::mouseClick(dlg->GetDlgItem<QPushButton>(IDOK), Qt::LeftButton);
    };
}

CModales::Paso Escape() {
    return [](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); };
}

CModales::Paso Archivo(const QString& path, QString* titulo = nullptr) {
    return [=](QWidget* modal) {
        auto* dlg = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dlg, nullptr) << modal->metaObject()->className();
        if (titulo != nullptr) {
            *titulo = dlg->windowTitle();
        }
        // Typed as a user types it: selectFile leaves a focused name field
        // alone, and when the field gets the focus is a matter of timing.
        auto* nombre = dlg->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(nombre, nullptr);
        nombre->setText(path);
        static_cast<QDialog*>(dlg)->accept();
        EXPECT_FALSE(dlg->isVisible()) << "the file dialog took the name";
    };
}

CModales::Paso Respuesta(QMessageBox::StandardButton boton, QString* texto = nullptr,
                         QStringList* botones = nullptr) {
    return [=](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr) << modal->metaObject()->className();
        if (texto != nullptr) {
            *texto = box->text();
        }
        if (botones != nullptr) {
            for (QAbstractButton* b : box->buttons()) {
                *botones << b->text();
            }
            *botones << box->windowTitle();
        }
        box->button(boton)->click();
    };
}

CModales::Paso Rechazar(QString* clase, QString* titulo = nullptr) {
    return [=](QWidget* modal) {
        *clase = modal->metaObject()->className();
        if (titulo != nullptr) {
            *titulo = modal->windowTitle();
        }
        qobject_cast<QDialog*>(modal)->reject();
    };
}

class AppTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_carpeta.isValid());
        CRecentFileList vacia;
        vacia.WriteList();
        ASSERT_TRUE(m_app.InitInstance(
            {QStringLiteral("tarnovel"), Ruta("x"), QStringLiteral("/p"), Ruta("y")}));
        Frame().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    }
    void TearDown() override {
        // Nothing left to save, so closing asks nothing.
        for (const auto& doc : m_app.GetDocuments()) {
            doc->SetModifiedFlag(false);
        }
    }

    CMainFrame& Frame() { return *m_app.GetMainFrame(); }
    QAction* Action(int id) { return Frame().GetAction(id); }
    QString Ruta(const QString& nombre) const { return m_carpeta.filePath(nombre); }
    // The refusal of a file another open document has.
    static Mensajes EnUso(const QString& ruta) {
        return {QStringLiteral("Imposible escribir en %1, es de sólo lectura o alguien más lo ha "
                               "abierto.")
                    .arg(ruta)
                    .toStdString()};
    }

    // Runs a command (or key) while serving the modal windows queued in m.
    void Run(CModales& m, const std::function<void()>& comando) {
        m.Ejecutar(comando);
        EXPECT_EQ(m.Pendientes(), 0u);
        EXPECT_TRUE(m.Inesperados().empty()) << m.Inesperados().front();
        Settle();
    }
    // Lets closed windows go and queued work run.
    static void Settle() {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }
    void Trigger(int id) {
        ASSERT_TRUE(Action(id)->isEnabled()) << id;
        Action(id)->trigger();
    }
    void Key(QKeyCombination tecla) {
        // Shortcuts of the main window need it active, as a user's keys do.
        Frame().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&Frame()));
        QTest::keyClick(&Frame(), tecla.key(), tecla.keyboardModifiers());
    }
    CTarnovelDoc* NewDocument(const char* variables, const char* funciones) {
        CModales m;
        m.Luego(Datos(variables, funciones));
        Run(m, [&] { Trigger(ID_FILE_NEW); });
        return m_app.GetDocuments().empty() ? nullptr : m_app.GetDocuments().back().get();
    }
    void WriteFile(const QString& path, const std::vector<std::uint8_t>& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    }
    std::vector<std::uint8_t> SystemBytes(UINT n, UINT m, const std::string& descripcion) {
        CArchive ar;
        ar << n << m << descripcion;
        for (UINT f = 0; f < m; ++f) {
            ar << std::string() << std::string("1") << std::string() << std::string("0");
        }
        return ar.Bytes();
    }
    // Opens through "Abrir..." and its file dialog.
    void OpenThroughDialog(const QString& path) {
        CModales m;
        m.Luego(Archivo(path));
        Run(m, [&] { Trigger(ID_FILE_OPEN); });
    }
    std::size_t Windows() {
        return static_cast<std::size_t>(Frame().GetMdiArea()->subWindowList().size());
    }

    QTemporaryDir m_carpeta;
    CMessageCapture m_mensajes;
    CTarnovelApp m_app;
};

TEST_F(AppTest, StartsWithTheMenuWithoutDocumentAndNoDocument) {
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("Tarnovel"));
    EXPECT_TRUE(m_app.GetDocuments().empty()) << "the command line opens nothing";
    EXPECT_EQ(Windows(), 0u);
    EXPECT_EQ(Frame().MenuCaptions(),
              (QStringList{QStringLiteral("&Archivo"), QStringLiteral("&Ver"),
                           QStringLiteral("Ay&uda")}));
    QStringList archivo;
    for (QAction* a : Frame().FindMenu(QStringLiteral("&Archivo"))->actions()) {
        archivo << (a->isSeparator() ? QStringLiteral("-") : a->text());
    }
    EXPECT_EQ(archivo,
              (QStringList{QStringLiteral("&Nuevo\tCtrl+N"), QStringLiteral("&Abrir...\tCtrl+A"),
                           QStringLiteral("-"), QStringLiteral("Con&figurar impresora..."),
                           QStringLiteral("-"), QStringLiteral("Archivo reciente"),
                           QStringLiteral("-"), QStringLiteral("&Salir")}));
    EXPECT_FALSE(Action(ID_FILE_MRU_FILE1)->isEnabled());
    auto* mensaje = Frame().statusBar()->findChild<QLabel*>(QStringLiteral("mensaje"));
    ASSERT_NE(mensaje, nullptr);
    EXPECT_EQ(mensaje->text(), QStringLiteral("Para obtener ayuda presione F1"));
}

TEST_F(AppTest, LockKeyPanesShowTheKeyboardLeds) {
    // A keyboard whose caps lock is lit and num lock dark, and no scroll lock LED.
    const auto led = [&](const QString& nombre, const char* brillo) {
        ASSERT_TRUE(QDir(m_carpeta.path()).mkpath(QStringLiteral("leds/") + nombre));
        QFile f(Ruta(QStringLiteral("leds/%1/brightness").arg(nombre)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(brillo);
    };
    led(QStringLiteral("input3::capslock"), "1\n");
    led(QStringLiteral("input3::numlock"), "0\n");
    led(QStringLiteral("input7::numlock"), "0\n");
    Frame().SetLockKeys(CLockKeys(Ruta(QStringLiteral("leds"))));
    Frame().UpdateIndicators();
    QStringList textos;
    QList<bool> conocidos;
    for (const int id : {ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL}) {
        auto* panel = Frame().statusBar()->findChild<QLabel*>(CMainFrame::ObjectNameFor(id));
        textos << panel->text();
        conocidos << panel->isEnabled();
    }
    EXPECT_EQ(textos, (QStringList{QStringLiteral("MAY"), QString(), QStringLiteral("DESP")}));
    EXPECT_EQ(conocidos, (QList<bool>{true, true, false})) << "an unknown state is greyed";

    // A second keyboard with num lock lit turns NUM on after the next key.
    led(QStringLiteral("input7::numlock"), "1\n");
    Key(QKeyCombination(Qt::Key_NumLock));
    EXPECT_EQ(Frame()
                  .statusBar()
                  ->findChild<QLabel*>(CMainFrame::ObjectNameFor(ID_INDICATOR_NUM))
                  ->text(),
              QStringLiteral("NUM"));
}

TEST_F(AppTest, ToolBarHasItsEighteenButtonsInOrderAndDocumentOnesAreDisabled) {
    std::vector<int> ids;
    for (QAction* a : Frame().GetToolBar()->actions()) {
        ids.push_back(a->isSeparator() ? 0 : a->data().toInt());
    }
    EXPECT_EQ(ids, (std::vector<int>{57600, 57601, 57603, 0,     57635, 57634, 57637, 0,
                                     57607, 0,     57664, 57669, 0,     32776, 32777, 32778,
                                     32779, 32780, 0,     32782, 32781, 0,     32785}));
    for (QAction* a : Frame().GetToolBar()->actions()) {
        if (!a->isSeparator()) {
            EXPECT_FALSE(a->icon().isNull()) << a->data().toInt();
        }
    }
    for (const int id : {32776, 32777, 32778, 32779, 32780, 32781, 32782, 32785, 57603, 57607,
                         57635, 57634, 57637, 57643}) {
        EXPECT_FALSE(Action(id)->isEnabled()) << id;
    }
    for (const int id : {57600, 57601, 57664, 57669}) {
        EXPECT_TRUE(Action(id)->isEnabled()) << id;
    }
    EXPECT_EQ(Action(32777)->toolTip(), QStringLiteral("Lista de mintérminos"));
    EXPECT_EQ(Action(32777)->statusTip(),
              QStringLiteral("Abre el diálogo que le permite ingresar los datos del sistema en "
                             "forma de lista de mintérminos"));
    EXPECT_EQ(Action(32777)->whatsThis(), Action(32777)->statusTip());
}

TEST_F(AppTest, ToolBarImagesDrawTheirBlackInTheColourSchemesButtonText) {
    // Under a dark scheme black strokes would vanish on the tool bar.
    const auto pixeles = [&](int id, QRgb color) {
        const QImage imagen =
            Action(id)->icon().pixmap(16, 15).toImage().convertToFormat(QImage::Format_ARGB32);
        int n = 0;
        for (int y = 0; y < imagen.height(); ++y) {
            for (int x = 0; x < imagen.width(); ++x) {
                n += qAlpha(imagen.pixel(x, y)) != 0 && (imagen.pixel(x, y) & RGB_MASK) == color;
            }
        }
        return n;
    };
    const QPalette antes = QApplication::palette();
    QPalette oscura = antes;
    oscura.setColor(QPalette::ButtonText, QColor(250, 250, 250));
    QApplication::setPalette(oscura);
    Settle();
    for (QAction* a : Frame().GetToolBar()->actions()) {
        if (!a->isSeparator()) {
            EXPECT_EQ(pixeles(a->data().toInt(), 0), 0) << a->data().toInt();
        }
    }
    EXPECT_GT(pixeles(32777, 0xFAFAFA), 0);
    QApplication::setPalette(antes);
    Settle();
    EXPECT_GT(pixeles(32777, 0), 0);
}

TEST_F(AppTest, DocumentAcceleratorsDoNothingWithoutADocument) {
    QSignalSpy maxterminos(Action(ID_LISTA_DE_MAXTERMINOS), &QAction::triggered);
    QSignalSpy puerto(Action(ID_COMUNICACION_CON_PUERTO), &QAction::triggered);
    Key(Qt::CTRL | Qt::Key_A);
    Key(Qt::CTRL | Qt::Key_G);
    EXPECT_EQ(maxterminos.count(), 0);
    EXPECT_EQ(puerto.count(), 0);
    EXPECT_TRUE(m_app.GetDocuments().empty());
}

TEST_F(AppTest, NewWithOkSetsTheNumbersAndShowsTheDocumentMenu) {
    CTarnovelDoc* doc = NewDocument("3", "2");
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->m_sistema.GetNumVariables(), 3u);
    EXPECT_EQ(doc->m_sistema.GetNumFunctions(), 2u);
    EXPECT_EQ(doc->m_sistema.GetNumTerms(), 8u);
    EXPECT_EQ(doc->m_sistema.GetDescription(), "Sistema de 2 funciones de 3 variables cada una.");
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->GetTitle(), QStringLiteral("Tarnovel1"));
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("Tarnovel - [Tarnovel1]"));
    ASSERT_EQ(Windows(), 1u);
    EXPECT_TRUE(Frame().GetMdiArea()->subWindowList().front()->isMaximized());
    EXPECT_EQ(Frame().MenuCaptions(),
              (QStringList{QStringLiteral("&Archivo"), QStringLiteral("&Editar"),
                           QStringLiteral("&Opciones"), QStringLiteral("&Ver"),
                           QStringLiteral("Ven&tana"), QStringLiteral("&Preferencias"),
                           QStringLiteral("&Características"), QStringLiteral("Ay&uda")}));
    for (const int id : {32776, 32777, 32778, 32779, 32780, 32781, 32782, 32785, 57602, 57603,
                         57604, 57607, 57609}) {
        EXPECT_TRUE(Action(id)->isEnabled()) << id;
    }
    for (const int id : {57635, 57634, 57637, 57643}) {
        EXPECT_FALSE(Action(id)->isEnabled()) << id;
    }
    // A second new document takes the next number.
    EXPECT_EQ(NewDocument("1", "1")->GetTitle(), QStringLiteral("Tarnovel2"));
    // Closing an unmodified document asks nothing.
    CModales m;
    Run(m, [&] { Trigger(ID_FILE_CLOSE); });
    Run(m, [&] { Trigger(ID_FILE_CLOSE); });
    EXPECT_TRUE(m_app.GetDocuments().empty());
    EXPECT_EQ(Frame().MenuCaptions().size(), 3);
}

TEST_F(AppTest, NewCancelledWithEscapeStillMakesADocumentOfOneVariable) {
    CModales m;
    m.Luego(Escape());
    Run(m, [&] { Key(Qt::CTRL | Qt::Key_N); });
    ASSERT_EQ(m_app.GetDocuments().size(), 1u);
    const CSistema& s = m_app.GetDocuments().front()->m_sistema;
    EXPECT_EQ(s.GetNumVariables(), 1u);
    EXPECT_EQ(s.GetNumFunctions(), 1u);
    EXPECT_EQ(s.GetNumTerms(), 2u);
    EXPECT_EQ(s.GetDescription(), "");
    EXPECT_FALSE(m_app.GetDocuments().front()->IsModified());
    EXPECT_EQ(Windows(), 1u);
}

TEST_F(AppTest, NewWithBadNumbersKeepsTheDialogOpen) {
    CModales m;
    m.Luego([](QWidget* modal) {
        auto* dlg = qobject_cast<CDatos*>(modal);
        dlg->GetDlgItem<QLineEdit>(IDC_VARIABLES)->setText(QStringLiteral("7"));
        dlg->GetDlgItem<QLineEdit>(IDC_FUNCIONES)->setText(QStringLiteral("0"));
        QTest::mouseClick(dlg->GetDlgItem<QPushButton>(IDOK), Qt::LeftButton);
        EXPECT_TRUE(dlg->isVisible());
        dlg->GetDlgItem<QLineEdit>(IDC_VARIABLES)->setText(QStringLiteral("6"));
        dlg->GetDlgItem<QLineEdit>(IDC_FUNCIONES)->setText(QStringLiteral("6"));
        QTest::mouseClick(dlg->GetDlgItem<QPushButton>(IDOK), Qt::LeftButton);
    });
    Run(m, [&] { Trigger(ID_FILE_NEW); });
    EXPECT_EQ(m_mensajes.Messages(), Mensajes{"Introduzca un número entero entre 1 y 6."});
    ASSERT_EQ(m_app.GetDocuments().size(), 1u);
    EXPECT_EQ(m_app.GetDocuments().front()->m_sistema.GetNumVariables(), 6u);
    EXPECT_EQ(m_app.GetDocuments().front()->m_sistema.GetNumFunctions(), 6u);
}

TEST_F(AppTest, AcceleratorsFollowTheTableNotTheCaptions) {
    ASSERT_NE(NewDocument("2", "1"), nullptr);
    const std::pair<QKeyCombination, int> documento[] = {
        {Qt::CTRL | Qt::Key_A, ID_LISTA_DE_MAXTERMINOS},
        {Qt::CTRL | Qt::Key_G, ID_COMUNICACION_CON_PUERTO},
        {Qt::CTRL | Qt::Key_I, ID_LISTA_DE_MINTERMINOS},
        {Qt::CTRL | Qt::Key_T, ID_TABLA_DE_VERDAD},
        {Qt::CTRL | Qt::Key_E, ID_ECUACION_LOGICA},
        {Qt::CTRL | Qt::Key_M, ID_MAPA_DE_KARNAUGH},
        {Qt::CTRL | Qt::Key_H, ID_CONFIGURAR_SALIDA},
        {Qt::CTRL | Qt::Key_F, ID_ESPECIFICACIONES}};
    for (const auto& [tecla, id] : documento) {
        QSignalSpy spy(Action(id), &QAction::triggered);
        // Whatever window the command opens is closed unanswered.
        CModales cualquiera;
        cualquiera.Ejecutar([&, combinacion = tecla] { Key(combinacion); });
        Settle();
        EXPECT_EQ(spy.count(), 1) << id;
    }
    QSignalSpy abrir(Action(ID_FILE_OPEN), &QAction::triggered);
    QSignalSpy guardar(Action(ID_FILE_SAVE), &QAction::triggered);
    QSignalSpy imprimir(Action(ID_FILE_PRINT), &QAction::triggered);
    QString clase;
    QString titulo;
    CModales m;
    m.Luego(Rechazar(&clase, &titulo));
    Run(m, [&] { Key(Qt::CTRL | Qt::Key_O); });
    EXPECT_EQ(clase, QStringLiteral("QFileDialog"));
    EXPECT_EQ(titulo, QStringLiteral("Abrir"));
    m.Luego(Rechazar(&clase, &titulo));
    Run(m, [&] { Key(Qt::CTRL | Qt::Key_S); });
    EXPECT_EQ(clase, QStringLiteral("QFileDialog"));
    EXPECT_EQ(titulo, QStringLiteral("Guardar como"));
    m.Luego(Rechazar(&clase));
    Run(m, [&] { Key(Qt::CTRL | Qt::Key_P); });
    EXPECT_EQ(clase, QStringLiteral("QPrintDialog"));
    EXPECT_EQ(abrir.count(), 1);
    EXPECT_EQ(guardar.count(), 1);
    EXPECT_EQ(imprimir.count(), 1);
    // The edit commands are never enabled.
    QSignalSpy deshacer(Action(ID_EDIT_UNDO), &QAction::triggered);
    Key(Qt::CTRL | Qt::Key_Z);
    Key(Qt::ALT | Qt::Key_Backspace);
    EXPECT_EQ(deshacer.count(), 0);
}

TEST_F(AppTest, SaveAndOpenRoundTripThroughTheFileDialogs) {
    CTarnovelDoc* doc = NewDocument("4", "3");
    ASSERT_NE(doc, nullptr);
    doc->m_sistema.SetDescription("Semáforo de cruce, ñandú");
    doc->SetModifiedFlag(true);
    const QString ruta = Ruta(QStringLiteral("cruce"));
    QString titulo;
    CModales m;
    m.Luego(Archivo(ruta, &titulo));
    Run(m, [&] { Key(Qt::CTRL | Qt::Key_S); });
    EXPECT_EQ(titulo, QStringLiteral("Guardar como"));
    ASSERT_TRUE(QFile::exists(ruta)) << "no extension is added";
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->GetTitle(), QStringLiteral("cruce"));
    EXPECT_EQ(doc->GetPathName(), ruta);
    EXPECT_EQ(m_app.GetRecentFileList().Entries(), QStringList{ruta});

    QFile archivo(ruta);
    ASSERT_TRUE(archivo.open(QIODevice::ReadOnly));
    const QByteArray escritos = archivo.readAll();
    CArchive esperado;
    doc->m_sistema.Serialize(esperado);
    EXPECT_EQ(escritos, QByteArray(reinterpret_cast<const char*>(esperado.Bytes().data()),
                                   static_cast<qsizetype>(esperado.Bytes().size())));

    // Saving again writes to the same file without asking for a name.
    Run(m, [&] { Trigger(ID_FILE_SAVE); });

    Run(m, [&] { Trigger(ID_FILE_CLOSE); });
    ASSERT_TRUE(m_app.GetDocuments().empty());
    OpenThroughDialog(ruta);
    ASSERT_EQ(m_app.GetDocuments().size(), 1u);
    const CTarnovelDoc& abierto = *m_app.GetDocuments().front();
    EXPECT_EQ(abierto.m_sistema.GetNumVariables(), 4u);
    EXPECT_EQ(abierto.m_sistema.GetNumFunctions(), 3u);
    EXPECT_EQ(abierto.m_sistema.GetDescription(), "Semáforo de cruce, ñandú");
    EXPECT_FALSE(abierto.IsModified());
    EXPECT_EQ(abierto.GetTitle(), QStringLiteral("cruce"));
    EXPECT_TRUE(m_mensajes.Messages().empty()) << m_mensajes.Messages().front();

    // Opening it again only brings its window forward.
    OpenThroughDialog(ruta);
    EXPECT_EQ(m_app.GetDocuments().size(), 1u);
    EXPECT_EQ(Windows(), 1u);
}

TEST_F(AppTest, OpenDialogOffersAllFilesAndListsThoseWithoutAnExtension) {
    const QString ruta = Ruta(QStringLiteral("cruce"));
    WriteFile(ruta, {});
    QStringList filtros;
    bool listado = false;
    CModales m;
    m.Luego([&](QWidget* modal) {
        auto* dlg = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dlg, nullptr);
        filtros = dlg->nameFilters();
        dlg->setDirectory(m_carpeta.path());
        auto* modelo = dlg->findChild<QFileSystemModel*>();
        ASSERT_NE(modelo, nullptr);
        listado = QTest::qWaitFor([&] { return modelo->index(ruta).isValid(); });
        dlg->reject();
    });
    Run(m, [&] { Trigger(ID_FILE_OPEN); });
    EXPECT_EQ(filtros, QStringList{QStringLiteral("Todos los archivos (*.*)")});
    EXPECT_TRUE(listado);
}

struct CasoArchivo {
    const char* nombre;
    std::function<std::vector<std::uint8_t>()> contenido;  // empty function: no file
    const char* mensaje;                                   // "" for a good file
};

void PrintTo(const CasoArchivo& caso, std::ostream* os) {
    *os << caso.nombre;
}

class AppFileTest : public AppTest, public ::testing::WithParamInterface<CasoArchivo> {};

TEST_P(AppFileTest, RefusesWhatCannotBeReadAndLeavesNoWindow) {
    const CasoArchivo& caso = GetParam();
    const QString ruta = Ruta(QString::fromUtf8(caso.nombre));
    if (caso.contenido) {
        WriteFile(ruta, caso.contenido());
    }
    // Another document must not be touched by the failure.
    CTarnovelDoc* otro = NewDocument("2", "2");
    ASSERT_NE(otro, nullptr);
    CTarnovelDoc* abierto = m_app.OpenDocumentFile(ruta);
    Settle();
    if (std::string(caso.mensaje).empty()) {
        ASSERT_NE(abierto, nullptr);
        EXPECT_TRUE(m_mensajes.Messages().empty());
        EXPECT_EQ(Windows(), 2u);
        return;
    }
    EXPECT_EQ(abierto, nullptr);
    QString esperado = QString::fromUtf8(caso.mensaje);
    if (esperado.contains(QStringLiteral("%1"))) {
        esperado = esperado.arg(ruta);
    }
    EXPECT_EQ(m_mensajes.Messages(), Mensajes{esperado.toStdString()});
    EXPECT_EQ(m_app.GetDocuments().size(), 1u);
    EXPECT_EQ(Windows(), 1u);
    EXPECT_EQ(otro->m_sistema.GetNumVariables(), 2u);
    EXPECT_TRUE(m_app.GetRecentFileList().Entries().isEmpty());
}

std::vector<std::uint8_t> Valido() {
    CArchive ar;
    ar << 2u << 1u << std::string("dos") << std::string() << std::string("1,3") << std::string()
       << std::string("0,2");
    return ar.Bytes();
}

INSTANTIATE_TEST_SUITE_P(
    Archivos, AppFileTest,
    ::testing::Values(
        CasoArchivo{"bueno", Valido, ""},
        CasoArchivo{"vacio", [] { return std::vector<std::uint8_t>{}; }, ""},
        CasoArchivo{"cortado",
                    [] {
                        auto b = Valido();
                        b.resize(b.size() - 3);
                        return b;
                    },
                    "Formato de archivo no esperado."},
        CasoArchivo{"soloNumeros", [] { return std::vector<std::uint8_t>{2, 0, 0, 0, 1, 0}; },
                    "Formato de archivo no esperado."},
        CasoArchivo{"nueveVariables",
                    [] {
                        auto b = Valido();
                        b[0] = 9;
                        return b;
                    },
                    "Formato de archivo no esperado."},
        CasoArchivo{"ceroFunciones",
                    [] {
                        auto b = Valido();
                        b[4] = 0;
                        return b;
                    },
                    "Formato de archivo no esperado."},
        CasoArchivo{"noExiste",
                    {},
                    "%1\nImposible encontrar este archivo.\nCompruebe que la ruta y el nombre de "
                    "archivo son correctos"}),
    [](const ::testing::TestParamInfo<CasoArchivo>& prueba) {
        return std::string(prueba.param.nombre);
    });

TEST_F(AppTest, OneFileHasOneWindowUnderAnyOfItsNames) {
    // Two windows on one file would each save over the other's work.
    const QString ruta = Ruta(QStringLiteral("a"));
    WriteFile(ruta, Valido());
    const QString enlace = Ruta(QStringLiteral("enlace"));
    const QString duro = Ruta(QStringLiteral("duro"));
    ASSERT_TRUE(QFile::link(ruta, enlace));
    ASSERT_EQ(::link(QFile::encodeName(ruta).constData(), QFile::encodeName(duro).constData()), 0);
    CTarnovelDoc* doc = m_app.OpenDocumentFile(ruta);
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(m_app.OpenDocumentFile(enlace), doc);
    EXPECT_EQ(m_app.OpenDocumentFile(duro), doc);
    EXPECT_EQ(Windows(), 1u);

    CTarnovelDoc* otro = NewDocument("3", "1");
    ASSERT_NE(otro, nullptr);
    otro->SetModifiedFlag(true);
    for (const QString& nombre : {ruta, enlace, duro}) {
        m_mensajes.Clear();
        CModales m;
        m.Luego([&](QWidget* modal) {
            // As if the user had said yes to replacing the file.
            if (auto* dlg = qobject_cast<QFileDialog*>(modal)) {
                dlg->setOption(QFileDialog::DontConfirmOverwrite);
            }
            Archivo(nombre)(modal);
        });
        Run(m, [&] { Trigger(ID_FILE_SAVE); });
        EXPECT_EQ(m_mensajes.Messages(), EnUso(nombre));
    }
    EXPECT_TRUE(otro->IsModified());
    EXPECT_TRUE(otro->GetPathName().isEmpty());
    QFile archivo(ruta);
    ASSERT_TRUE(archivo.open(QIODevice::ReadOnly));
    const auto esperado = Valido();
    EXPECT_EQ(archivo.readAll(), QByteArray(reinterpret_cast<const char*>(esperado.data()),
                                            static_cast<qsizetype>(esperado.size())));
}

TEST_F(AppTest, ASaveNeverGoesOverTheFileOfAnotherOpenDocument) {
    // A's file is deleted by another program; B is saved under that name,
    // spelt through a linked folder. Saving A would put its work over B's.
    ASSERT_TRUE(QDir(m_carpeta.path()).mkdir(QStringLiteral("real")));
    ASSERT_TRUE(QFile::link(Ruta(QStringLiteral("real")), Ruta(QStringLiteral("enlace"))));
    const QString ruta = Ruta(QStringLiteral("real/a"));
    WriteFile(ruta, Valido());
    CTarnovelDoc* a = m_app.OpenDocumentFile(ruta);
    ASSERT_NE(a, nullptr);
    ASSERT_TRUE(QFile::remove(ruta));
    CTarnovelDoc* b = NewDocument("3", "1");
    ASSERT_NE(b, nullptr);
    b->SetModifiedFlag(true);
    CModales m;
    m.Luego(Archivo(Ruta(QStringLiteral("enlace/a"))));
    Run(m, [&] { Trigger(ID_FILE_SAVE); });
    ASSERT_FALSE(b->IsModified());
    QFile archivo(ruta);
    ASSERT_TRUE(archivo.open(QIODevice::ReadOnly));
    const QByteArray deB = archivo.readAll();
    archivo.close();

    a->SetModifiedFlag(true);
    m_mensajes.Clear();
    EXPECT_FALSE(a->DoFileSave());
    EXPECT_EQ(m_mensajes.Messages(), EnUso(ruta));
    EXPECT_TRUE(a->IsModified());
    ASSERT_TRUE(archivo.open(QIODevice::ReadOnly));
    EXPECT_EQ(archivo.readAll(), deB);
}

TEST_F(AppTest, FailedSaveKeepsTheDocumentModifiedAndUntitled) {
    CTarnovelDoc* doc = NewDocument("2", "1");
    doc->SetModifiedFlag(true);
    const QString ruta = Ruta(QStringLiteral("no/existe/archivo"));
    CModales m;
    m.Luego(Archivo(ruta));
    Run(m, [&] { Trigger(ID_FILE_SAVE); });
    EXPECT_EQ(m_mensajes.Messages(), Mensajes{"Imposible guardar documento."});
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(doc->GetTitle(), QStringLiteral("Tarnovel1"));
    EXPECT_TRUE(doc->GetPathName().isEmpty());
    EXPECT_FALSE(QFile::exists(ruta));
}

TEST_F(AppTest, ASaveBeyondTheUsersFileSizeLimitFailsAndTheProgramGoesOn) {
    CTarnovelDoc* doc = NewDocument("2", "1");
    doc->SetModifiedFlag(true);
    const QString ruta = Ruta(QStringLiteral("sistema"));
    rlimit limite{};
    ::getrlimit(RLIMIT_FSIZE, &limite);
    rlimit cero = limite;
    cero.rlim_cur = 0;
    ::setrlimit(RLIMIT_FSIZE, &cero);
    const bool guardado = doc->OnSaveDocument(ruta);
    ::setrlimit(RLIMIT_FSIZE, &limite);
    EXPECT_FALSE(guardado);
    EXPECT_EQ(m_mensajes.Messages().size(), 1u);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_TRUE(doc->OnSaveDocument(ruta)) << "within the limit again";
}

TEST_F(AppTest, EmptyFileOpensAsASystemOfOneVariable) {
    WriteFile(Ruta(QStringLiteral("vacio")), {});
    CTarnovelDoc* doc = m_app.OpenDocumentFile(Ruta(QStringLiteral("vacio")));
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->m_sistema.GetNumVariables(), 1u);
    EXPECT_EQ(doc->m_sistema.GetNumFunctions(), 1u);
    EXPECT_EQ(doc->m_sistema.GetDescription(), "");
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(AppTest, ModifiedDocumentAsksBeforeClosing) {
    CTarnovelDoc* doc = NewDocument("2", "1");
    doc->SetModifiedFlag(true);
    QString pregunta;
    CModales m;
    QStringList botones;
    m.Luego(Respuesta(QMessageBox::Cancel, &pregunta, &botones));
    Run(m, [&] { Trigger(ID_FILE_CLOSE); });
    EXPECT_EQ(pregunta, QStringLiteral("¿Guardar cambios a Tarnovel1?"));
    botones.sort();
    EXPECT_EQ(botones, (QStringList{QStringLiteral("&No"), QStringLiteral("&Sí"),
                                    QStringLiteral("Cancelar"), QStringLiteral("Tarnovel")}))
        << "buttons in Spanish, title of the program";
    EXPECT_EQ(m_app.GetDocuments().size(), 1u) << "cancel keeps the document";
    EXPECT_EQ(Windows(), 1u);

    // Closing the window asks the same question.
    m.Luego(Respuesta(QMessageBox::Cancel));
    Run(m, [&] { Frame().GetMdiArea()->subWindowList().front()->close(); });
    EXPECT_EQ(Windows(), 1u);

    // Leaving the program asks too, and cancel keeps it running.
    m.Luego(Respuesta(QMessageBox::Cancel));
    Run(m, [&] { EXPECT_FALSE(m_app.OnAppExit()); });
    EXPECT_TRUE(Frame().isVisible());

    // Yes saves through "Guardar como" and then closes.
    const QString ruta = Ruta(QStringLiteral("guardado"));
    m.Luego(Respuesta(QMessageBox::Yes)).Luego(Archivo(ruta));
    Run(m, [&] { Trigger(ID_FILE_CLOSE); });
    EXPECT_TRUE(QFile::exists(ruta));
    EXPECT_TRUE(m_app.GetDocuments().empty());

    // No closes without saving.
    NewDocument("1", "1")->SetModifiedFlag(true);
    m.Luego(Respuesta(QMessageBox::No));
    Run(m, [&] { Trigger(ID_FILE_CLOSE); });
    EXPECT_TRUE(m_app.GetDocuments().empty());
}

TEST_F(AppTest, ALogOutAsksWhileTheSessionManagerWaitsAndThenEndsWithoutAskingAgain) {
    NewDocument("2", "1")->SetModifiedFlag(true);
    NewDocument("1", "1")->SetModifiedFlag(true);
    QString pregunta;
    CModales m;
    m.Luego(Respuesta(QMessageBox::Cancel, &pregunta));
    Run(m, [&] { EXPECT_FALSE(m_app.QueryEndSession()) << "cancel stops the log-out"; });
    EXPECT_EQ(pregunta, QStringLiteral("¿Guardar cambios a Tarnovel1?"));
    const auto Terminar = [] {
        QEvent salir(QEvent::Quit);
        QApplication::sendEvent(qApp, &salir);
    };
    // Ended without answers, the program asks as it closes.
    m.Luego(Respuesta(QMessageBox::Cancel));
    Run(m, Terminar);
    EXPECT_TRUE(Frame().isVisible());
    // Answers given, then the user works on: they no longer hold.
    m.Luego(Respuesta(QMessageBox::No)).Luego(Respuesta(QMessageBox::No));
    Run(m, [&] { EXPECT_TRUE(m_app.QueryEndSession()); });
    QTest::keyClick(&Frame(), Qt::Key_Shift);
    m.Luego(Respuesta(QMessageBox::Cancel));
    Run(m, Terminar);
    EXPECT_EQ(m_app.GetDocuments().size(), 2u);
    // Answers given and the session manager ends the program: no question again.
    m.Luego(Respuesta(QMessageBox::No)).Luego(Respuesta(QMessageBox::No));
    Run(m, [&] { EXPECT_TRUE(m_app.QueryEndSession()); });
    Run(m, Terminar);
    EXPECT_FALSE(Frame().isVisible());
    EXPECT_TRUE(m_app.GetDocuments().empty());
}

TEST_F(AppTest, SecondWindowOnADocumentSharesItAndClosesWithoutAsking) {
    CTarnovelDoc* doc = NewDocument("3", "1");
    Trigger(ID_WINDOW_NEW);
    Settle();
    ASSERT_EQ(Windows(), 2u);
    EXPECT_EQ(m_app.GetDocuments().size(), 1u);
    QStringList titulos;
    for (QMdiSubWindow* v : Frame().GetMdiArea()->subWindowList()) {
        titulos << v->windowTitle();
    }
    EXPECT_EQ(titulos, (QStringList{QStringLiteral("Tarnovel1:1"), QStringLiteral("Tarnovel1:2")}));
    EXPECT_TRUE(Frame().GetMdiArea()->currentSubWindow()->isMaximized());
    // Both views scroll over the same extent.
    ASSERT_EQ(doc->GetViews().size(), 2u);
    EXPECT_EQ(doc->GetViews()[0]->GetTotalSize(), doc->m_sistema.GetReportSize());
    EXPECT_EQ(doc->GetViews()[1]->GetTotalSize(), doc->m_sistema.GetReportSize());
    // Closing one of two windows of a modified document does not ask.
    doc->SetModifiedFlag(true);
    CModales m;
    Run(m, [&] { Frame().GetMdiArea()->currentSubWindow()->close(); });
    EXPECT_EQ(Windows(), 1u);
    EXPECT_EQ(m_app.GetDocuments().size(), 1u);
}

TEST_F(AppTest, WindowsClosedBeforeTheEventLoopTurnsStillAskForTheirDocument) {
    // Two close requests handled in one pass (keys queued while the program
    // was busy): the windows are not destroyed yet when the second one asks.
    CTarnovelDoc* doc = NewDocument("2", "1");
    Trigger(ID_WINDOW_NEW);
    Settle();
    doc->SetModifiedFlag(true);
    const auto CerrarAmbas = [&] {
        const QList<QMdiSubWindow*> ventanas = Frame().GetMdiArea()->subWindowList();
        for (QMdiSubWindow* v : ventanas) {
            v->close();
        }
    };
    QString pregunta;
    CModales m;
    m.Luego(Respuesta(QMessageBox::Cancel, &pregunta));
    Run(m, CerrarAmbas);
    EXPECT_EQ(pregunta, QStringLiteral("¿Guardar cambios a Tarnovel1?"));
    EXPECT_EQ(Windows(), 1u) << "cancel keeps the last window";
    ASSERT_EQ(m_app.GetDocuments().size(), 1u);
    EXPECT_TRUE(doc->IsModified());
    // The document's one window now asks as the last.
    m.Luego(Respuesta(QMessageBox::No));
    Run(m, CerrarAmbas);
    EXPECT_TRUE(m_app.GetDocuments().empty());
}

TEST_F(AppTest, CascadeLeavesEveryWindowAtAUsefulSize) {
    for (int i = 0; i < 3; ++i) {
        ASSERT_NE(NewDocument("2", "1"), nullptr);
    }
    Trigger(ID_WINDOW_CASCADE);
    Settle();
    const QSize area = Frame().GetMdiArea()->viewport()->size();
    const QList<QMdiSubWindow*> ventanas = Frame().GetMdiArea()->subWindowList();
    ASSERT_EQ(ventanas.size(), 3);
    for (int i = 0; i < ventanas.size(); ++i) {
        const QRect r = ventanas[i]->geometry();
        EXPECT_FALSE(ventanas[i]->isMaximized());
        EXPECT_GE(r.width(), area.width() / 2) << i;
        EXPECT_GE(r.height(), area.height() / 2) << i;
        EXPECT_LE(r.right(), area.width()) << i << " stays inside the area";
        EXPECT_LE(r.bottom(), area.height()) << i;
        if (i > 0) {
            EXPECT_GT(r.top(), ventanas[i - 1]->geometry().top()) << "each below the last";
        }
    }
}

TEST_F(AppTest, ArrangedIconsStayInsideTheArea) {
    for (int i = 0; i < 30; ++i) {
        ASSERT_NE(NewDocument("1", "1"), nullptr);
    }
    Trigger(ID_WINDOW_CASCADE);
    for (QMdiSubWindow* v : Frame().GetMdiArea()->subWindowList()) {
        v->showMinimized();
    }
    Trigger(ID_WINDOW_ARRANGE);
    Settle();
    const QRect area(QPoint(), Frame().GetMdiArea()->viewport()->size());
    const QList<QMdiSubWindow*> ventanas = Frame().GetMdiArea()->subWindowList();
    ASSERT_GT(ventanas.front()->width() * 30, area.width()) << "they take several rows";
    for (QMdiSubWindow* v : ventanas) {
        ASSERT_TRUE(v->isMinimized());
        EXPECT_TRUE(area.contains(v->geometry())) << v->windowTitle().toStdString();
    }
    EXPECT_EQ(ventanas.front()->geometry().bottom(), area.bottom())
        << "the first row at the bottom";
}

TEST_F(AppTest, RecentFileListKeepsEightLatestFirstAndSurvivesARestart) {
    for (int i = 0; i < 10; ++i) {
        const QString ruta = Ruta(QStringLiteral("r%1").arg(i));
        WriteFile(ruta, Valido());
        CTarnovelDoc* doc = m_app.OpenDocumentFile(ruta);
        ASSERT_NE(doc, nullptr);
        m_app.CloseDocument(*doc);
        Settle();
    }
    EXPECT_TRUE(m_app.GetDocuments().empty());
    const QStringList& entradas = m_app.GetRecentFileList().Entries();
    ASSERT_EQ(entradas.size(), 8);
    EXPECT_EQ(entradas.front(), Ruta(QStringLiteral("r9")));
    EXPECT_EQ(entradas.back(), Ruta(QStringLiteral("r2")));
    int enMenu = 0;
    for (QAction* a : Frame().FindMenu(QStringLiteral("&Archivo"))->actions()) {
        enMenu += a->objectName().startsWith(QStringLiteral("id576")) &&
                  a->text().startsWith(QLatin1Char('&')) && a->text().contains(m_carpeta.path());
    }
    EXPECT_EQ(enMenu, 8);
    CRecentFileList leida;
    leida.ReadList();
    EXPECT_EQ(leida.Entries(), entradas);

    // An entry that no longer opens is dropped from the list.
    QFile::remove(Ruta(QStringLiteral("r5")));
    m_mensajes.Clear();
    const int indice = static_cast<int>(entradas.indexOf(Ruta(QStringLiteral("r5"))));
    m_app.OnOpenRecentFile(indice);
    EXPECT_EQ(m_mensajes.Messages().size(), 1u);
    EXPECT_FALSE(m_app.GetRecentFileList().Entries().contains(Ruta(QStringLiteral("r5"))));
}

TEST_F(AppTest, AnAmpersandInAFileNameIsShownInTheMenus) {
    const QString ruta = Ruta(QStringLiteral("R&D"));
    WriteFile(ruta, Valido());
    ASSERT_NE(m_app.OpenDocumentFile(ruta), nullptr);
    Settle();
    const auto entradas = [&](const QString& menu) {
        QMenu* m = Frame().FindMenu(menu);
        emit m->aboutToShow();
        QStringList textos;
        for (QAction* a : m->actions()) {
            if (a->text().contains(QStringLiteral("R&"))) {
                textos << a->text();
            }
        }
        return textos;
    };
    EXPECT_EQ(entradas(QStringLiteral("&Archivo")),
              QStringList{QStringLiteral("&1 ") + Ruta(QStringLiteral("R&&D"))});
    EXPECT_EQ(entradas(QStringLiteral("Ven&tana")), QStringList{QStringLiteral("&1 R&&D")});
}

TEST_F(AppTest, PrintsOnePageToPdf) {
    ASSERT_NE(NewDocument("4", "1"), nullptr);
    CTarnovelView* vista = Frame().GetActiveView();
    ASSERT_NE(vista, nullptr);
    const QString pdf = Ruta(QStringLiteral("reporte.pdf"));
    QPrinter& impresora = m_app.GetPrinter();
    impresora.setOutputFormat(QPrinter::PdfFormat);
    impresora.setOutputFileName(pdf);
    ASSERT_TRUE(vista->PrintReport(impresora));
    QFile archivo(pdf);
    ASSERT_TRUE(archivo.open(QIODevice::ReadOnly));
    const QByteArray datos = archivo.readAll();
    EXPECT_TRUE(datos.startsWith("%PDF"));
    EXPECT_EQ(
        datos.count("/Type /Page\n") + datos.count("/Type /Page\r") + datos.count("/Type /Page "),
        1);

    // Through "&Imprimir..." and its dialog, to another file.
    const QString pdf2 = Ruta(QStringLiteral("dialogo.pdf"));
    impresora.setOutputFileName(pdf2);
    CModales m;
    m.Luego([](QWidget* modal) {
        ASSERT_NE(qobject_cast<QPrintDialog*>(modal), nullptr);
        qobject_cast<QDialog*>(modal)->accept();
    });
    Run(m, [&] { Trigger(ID_FILE_PRINT); });
    EXPECT_TRUE(QFile::exists(pdf2));
}

TEST_F(AppTest, PreviewAndPrinterSetUpUseQtsDialogs) {
    QString clase;
    CModales m;
    m.Luego(Rechazar(&clase));
    Run(m, [&] { Trigger(ID_FILE_PRINT_SETUP); });
    EXPECT_EQ(clase, QStringLiteral("QPageSetupDialog"));
    ASSERT_NE(NewDocument("2", "1"), nullptr);
    m.Luego(Rechazar(&clase));
    Run(m, [&] { Trigger(ID_FILE_PRINT_PREVIEW); });
    EXPECT_EQ(clase, QStringLiteral("QPrintPreviewDialog"));
}

TEST_F(AppTest, ShiftF1EntersContextHelpWithItsPrompt) {
    Key(Qt::SHIFT | Qt::Key_F1);
    EXPECT_TRUE(QWhatsThis::inWhatsThisMode());
    EXPECT_EQ(Frame().statusBar()->currentMessage(),
              QStringLiteral("Seleccione el objeto sobre el que desea ayuda"));
    // The prompt belongs to the help mode: once it ends, the idle text is back.
    QWhatsThis::leaveWhatsThisMode();
    EXPECT_TRUE(Frame().statusBar()->currentMessage().isEmpty());
    // An accelerator in help mode shows its command's help and runs nothing.
    Key(Qt::SHIFT | Qt::Key_F1);
    Key(Qt::CTRL | Qt::Key_N);
    bool ayuda = false;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        ayuda = ayuda || (w->isVisible() && w->inherits("QWhatsThat"));
    }
    EXPECT_TRUE(ayuda);
    QWhatsThis::hideText();
    EXPECT_TRUE(m_app.GetDocuments().empty());
}

TEST_F(AppTest, AboutBoxShowsTheVersionAndNoToolTips) {
    QString titulo;
    bool sinConsejos = true;
    bool version = false;
    CModales m;
    m.Luego([&](QWidget* modal) {
        titulo = modal->windowTitle();
        for (QWidget* w : modal->findChildren<QWidget*>()) {
            sinConsejos = sinConsejos && w->toolTip().isEmpty();
        }
        for (QLabel* l : modal->findChildren<QLabel*>()) {
            version = version || l->text() == QStringLiteral("Tarnovel Versión 1.0");
        }
        QTest::keyClick(modal, Qt::Key_Return);
    });
    Run(m, [&] { Trigger(ID_APP_ABOUT); });
    EXPECT_EQ(titulo, QStringLiteral("Acerca de Tarnovel"));
    EXPECT_TRUE(sinConsejos);
    EXPECT_TRUE(version);
}

TEST_F(AppTest, HelpTopicsOpenWithF1) {
    QString titulo;
    CModales m;
    m.Luego(Rechazar(&titulo, &titulo));
    Run(m, [&] { Key(QKeyCombination(Qt::Key_F1)); });
    EXPECT_EQ(titulo, QStringLiteral("Temas de ayuda"));
}

TEST_F(AppTest, ToolBarAndStatusBarCanBeHidden) {
    Trigger(ID_VIEW_TOOLBAR);
    Trigger(ID_VIEW_STATUS_BAR);
    EXPECT_FALSE(Frame().GetToolBar()->isVisible());
    EXPECT_FALSE(Frame().statusBar()->isVisible());
    Trigger(ID_VIEW_TOOLBAR);
    EXPECT_TRUE(Frame().GetToolBar()->isVisible());
    EXPECT_TRUE(Action(ID_VIEW_TOOLBAR)->isChecked());
}

TEST_F(AppTest, ScreenshotOfTheMainWindowWithOneDocument) {
    CTarnovelDoc* doc = NewDocument("3", "2");
    ASSERT_NE(doc, nullptr);
    Frame().resize(1024, 768);
    QApplication::processEvents();
    const QImage imagen = Frame().grab().toImage();
    const QString ruta = QStringLiteral(TARNOVEL_SCREENSHOT_DIR "/tarnovel_main_window.png");
    ASSERT_TRUE(imagen.save(ruta)) << ruta.toStdString();
    ASSERT_EQ(imagen.size(), Frame().size() * imagen.devicePixelRatio());

    // The document's menu bar, in its order.
    QStringList menus;
    for (const QAction* a : Frame().menuBar()->actions()) {
        menus << a->text();
    }
    EXPECT_EQ(menus, (QStringList{"&Archivo", "&Editar", "&Opciones", "&Ver", "Ven&tana",
                                  "&Preferencias", "&Características", "Ay&uda"}));
    // The status bar's prompt, shown.
    const auto* mensaje = Frame().statusBar()->findChild<QLabel*>(QStringLiteral("mensaje"));
    ASSERT_NE(mensaje, nullptr);
    EXPECT_TRUE(mensaje->isVisible());
    EXPECT_EQ(mensaje->text(), QStringLiteral("Para obtener ayuda presione F1"));

    // The report's first line stands where the report draws it, at the view's
    // top-left corner: the screenshot holds the same pixels as the report
    // drawn alone.
    CTarnovelView* vista = Frame().GetActiveView();
    ASSERT_NE(vista, nullptr);
    QImage solo(vista->viewport()->size(), QImage::Format_RGB32);
    solo.fill(Qt::white);
    {
        QPainter painter(&solo);
        CTarnovelView::DrawPage(doc->m_sistema, painter, solo);
    }
    const QPoint origen = vista->viewport()->mapTo(&Frame(), QPoint(0, 0));
    const QImage captura =
        imagen.copy(QRect(origen, vista->viewport()->size())).convertToFormat(QImage::Format_RGB32);
    int oscuros = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 400; ++x) {
            ASSERT_EQ(captura.pixel(x, y), solo.pixel(x, y)) << x << ", " << y;
            oscuros += qGray(solo.pixel(x, y)) < 128 ? 1 : 0;
        }
    }
    EXPECT_GT(oscuros, 100) << "the description sentence is drawn there";
}

}  // namespace
