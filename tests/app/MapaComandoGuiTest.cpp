// The Karnaugh-map command of a document, end to end: the map chosen by the
// number of variables and seeded from the system's terms, a refused OK that
// opens a new map, the system recomputed, and the report it gives.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/TarnovelDoc.h"
#include "editors/DialogoLista.h"
#include "editors/Mapa_k2.h"
#include "editors/Mapa_k4.h"
#include "editors/Mapa_k6.h"
#include "platform/MessageBox.h"
#include "platform/RecordingDC.h"
#include "report/TarnovelView.h"
#include "tests/app/ComandoPrueba.h"
#include "tests/app/Modales.h"

namespace {

using Mensajes = std::vector<std::string>;

void Type(CDialog& dlg, int id, const char* texto) {
    auto* edit = dlg.GetDlgItem<QLineEdit>(id);
    ASSERT_NE(edit, nullptr) << id;
    edit->clear();
    QTest::keyClicks(edit, QString::fromUtf8(texto));
}

void Click(CDialog& dlg, int id) {
    auto* boton = dlg.GetDlgItem<QPushButton>(id);
    ASSERT_NE(boton, nullptr) << id;
    QTest::mouseClick(boton, Qt::LeftButton);
}

// The cells of the map as one text.
QString Cells(const CDialogoMapa& dlg) {
    QString texto;
    for (UINT t = 0; t < dlg.Terms(); ++t) {
        texto += dlg.GetDlgItem<QLineEdit>(CDialogoMapa::IDC_CELDA + static_cast<int>(t))->text();
    }
    return texto;
}

// "Ver" for the function, and what the cells then show.
QString Shown(CDialogoMapa& dlg, const char* funcion) {
    Type(dlg, CDialogoMapa::IDC_FUNCION, funcion);
    Click(dlg, CDialogoMapa::IDC_VER);
    return Cells(dlg);
}

// Sets a term with one of the three buttons.
void Set(CDialogoMapa& dlg, UINT termino, int boton) {
    Type(dlg, CDialogoMapa::IDC_TERMINO, std::to_string(termino).c_str());
    Click(dlg, boton);
}

// Each pass of the command runs a new map: one shown again is cancelled at
// once and noted, so a command that runs the same object again fails here
// instead of waiting for a step that never comes.
class CSinRepetir : public QObject {
public:
    explicit CSinRepetir(QDialog* dlg) : QObject(dlg) { dlg->installEventFilter(this); }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::Show) {
            ADD_FAILURE() << "the same map dialog ran again";
            QTimer::singleShot(0, objeto, [objeto] { qobject_cast<QDialog*>(objeto)->reject(); });
        }
        return false;
    }
};

// A step for a map dialog of the expected class; whatever it leaves open is
// cancelled.
template <class Mapa>
CModales::Paso OnMap(std::function<void(Mapa&)> accion) {
    return [accion](QWidget* modal) {
        auto* dlg = qobject_cast<Mapa*>(modal);
        EXPECT_NE(dlg, nullptr) << modal->metaObject()->className();
        if (dlg != nullptr) {
            new CSinRepetir(dlg);
            accion(*dlg);
        }
        if (modal->isVisible()) {
            qobject_cast<QDialog*>(modal)->reject();
        }
    };
}

class MapaComandoTest : public ComandoTest {
protected:
    // The numbers of a new document, as its numbers dialog sets them.
    static void NewSystem(CTarnovelDoc& doc, UINT variables, UINT funciones) {
        doc.m_sistema.SetNumVariables(variables);
        doc.m_sistema.SetNumFunctions(funciones);
    }
};

TEST_F(MapaComandoTest, TheMapShowsTheSystemsTermsAndCancelChangesNothing) {
    NewSystem(m_doc, 2, 2);
    m_doc.m_sistema.ApplyMinterms({"1,3", "0"}, {"2", ""});
    m_mensajes.Clear();
    QString f1;
    QString f2;
    QString alAbrir;
    CModales m;
    m.Luego(OnMap<CMapa_k2>([&](CMapa_k2& dlg) {
        alAbrir = Cells(dlg);
        f1 = Shown(dlg, "1");
        f2 = Shown(dlg, "2");
        Set(dlg, 0, CDialogoMapa::IDC_IMPRESCINDIBLE);
        Click(dlg, CDialogoMapa::IDC_ACEPTAR);
        Click(dlg, CDialog::IDCANCEL);
    }));
    Run(m, m_doc, &CTarnovelDoc::OnMapaDeKarnaugh);
    // The map opens empty; "Ver" shows each function's terms.
    EXPECT_EQ(alAbrir, QString());
    EXPECT_EQ(f1, QStringLiteral("01X1"));
    EXPECT_EQ(f2, QStringLiteral("1000"));
    EXPECT_EQ(m_mensajes.Messages(), Mensajes{});
    EXPECT_EQ(m_doc.m_sistema.GetMintermText(1), "0");
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(MapaComandoTest, ARefusedOkOpensANewMapWithTheSystemsTermsAgain) {
    NewSystem(m_doc, 2, 2);
    m_doc.m_sistema.ApplyMinterms({"3", ""}, {"", ""});
    m_mensajes.Clear();
    QPointer<CDialogoMapa> primero;
    bool primeroVivo = true;
    QString segundaVez;
    CModales m;
    m.Luego(OnMap<CMapa_k2>([&](CMapa_k2& dlg) {
         primero = &dlg;
         EXPECT_EQ(Shown(dlg, "1"), QStringLiteral("0001"));
         Set(dlg, 0, CDialogoMapa::IDC_IMPRESCINDIBLE);
         Click(dlg, CDialogoMapa::IDC_ACEPTAR);
         Click(dlg, CDialog::IDOK);
     })).Luego(OnMap<CMapa_k2>([&](CMapa_k2& dlg) {
        primeroVivo = !primero.isNull() && primero.data() != &dlg;
        segundaVez = Shown(dlg, "1");
        Click(dlg, CDialog::IDCANCEL);
    }));
    Run(m, m_doc, &CTarnovelDoc::OnMapaDeKarnaugh);
    EXPECT_EQ(m_mensajes.Messages(), Mensajes{"Ingrese al menos un término imprescindible en f2"});
    EXPECT_FALSE(primeroVivo);
    // The system's terms, not what had been accepted in the refused map.
    EXPECT_EQ(segundaVez, QStringLiteral("0001"));
    EXPECT_EQ(m_doc.m_sistema.GetMintermText(0), "3");
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(MapaComandoTest, AFunctionByMapGivesTheReportOfTheSameMinterms) {
    NewSystem(m_doc, 4, 1);
    CTarnovelView vista(m_doc.m_sistema);
    m_doc.AddView(&vista);
    CModales m;
    m.Luego(OnMap<CMapa_k4>([&](CMapa_k4& dlg) {
        Click(dlg, CDialogoMapa::IDC_VER);
        for (UINT t : {0u, 2u, 5u, 7u, 13u}) {
            Set(dlg, t, CDialogoMapa::IDC_IMPRESCINDIBLE);
        }
        Set(dlg, 8, CDialogoMapa::IDC_PRESCINDIBLE);
        Type(dlg, CDialogoMapa::IDC_CELDA + 15, "1");
        Type(dlg, CDialogoMapa::IDC_CELDA + 10, "x");
        Click(dlg, CDialogoMapa::IDC_ACEPTAR);
        Click(dlg, CDialog::IDOK);
    }));
    Run(m, m_doc, &CTarnovelDoc::OnMapaDeKarnaugh);
    m_doc.RemoveView(&vista);
    EXPECT_EQ(m_mensajes.Messages(), Mensajes{});
    const CSistema& s = m_doc.m_sistema;
    EXPECT_EQ(s.GetMintermText(0), "0,2,5,7,13,15");
    EXPECT_EQ(s.GetDontCareText(0), "8,10");
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(vista.GetTotalSize(), s.GetReportSize());

    // The same function typed as a minterm list.
    CTarnovelDoc lista;
    NewSystem(lista, 4, 1);
    CModales l;
    l.Luego([](QWidget* modal) {
        auto& dlg = *qobject_cast<CDialog*>(modal);
        Type(dlg, CDialogoLista::IDC_IMPRESCINDIBLES, "0,2,5,7,13,15");
        Type(dlg, CDialogoLista::IDC_PRESCINDIBLES, "8,10");
        Click(dlg, CDialogoLista::IDC_ACEPTAR);
        Click(dlg, CDialog::IDOK);
    });
    Run(l, lista, &CTarnovelDoc::OnListaDeMinterminos);
    ASSERT_EQ(lista.m_sistema.GetMintermText(0), s.GetMintermText(0));
    const auto porMapa = ReportTexts(m_doc);
    EXPECT_GT(porMapa.size(), 10u);
    EXPECT_EQ(porMapa, ReportTexts(lista));
}

TEST_F(MapaComandoTest, SixVariablesWithTheLastTermADontCare) {
    NewSystem(m_doc, 6, 2);
    CModales m;
    m.Luego(OnMap<CMapa_k6>([&](CMapa_k6& dlg) {
        Click(dlg, CDialogoMapa::IDC_VER);
        Set(dlg, 63, CDialogoMapa::IDC_PRESCINDIBLE);
        Set(dlg, 0, CDialogoMapa::IDC_IMPRESCINDIBLE);
        Click(dlg, CDialogoMapa::IDC_ACEPTAR);
        Type(dlg, CDialogoMapa::IDC_FUNCION, "2");
        Click(dlg, CDialogoMapa::IDC_ACEPTAR);
        Click(dlg, CDialog::IDOK);
    }));
    Run(m, m_doc, &CTarnovelDoc::OnMapaDeKarnaugh);
    EXPECT_EQ(m_mensajes.Messages(), Mensajes{});
    for (int f : {0, 1}) {
        EXPECT_EQ(m_doc.m_sistema.GetMintermText(f), "0") << f;
        EXPECT_EQ(m_doc.m_sistema.GetDontCareText(f), "63") << f;
    }
}

TEST_F(MapaComandoTest, NoMapForANumberOfVariablesOutsideOneToSix) {
    for (UINT variables : {0u, 7u}) {
        CTarnovelDoc doc;
        NewSystem(doc, variables, 1);
        CModales m;
        Run(m, doc, &CTarnovelDoc::OnMapaDeKarnaugh);
        EXPECT_EQ(m_mensajes.Messages(),
                  Mensajes{"No existe Mapa K para ese numero de variables."});
        EXPECT_FALSE(doc.IsModified());
        m_mensajes.Clear();
    }
}

}  // namespace
