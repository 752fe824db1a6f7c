// The output options command of a document, end to end: the dialog seeded
// from the system and driven as a user drives it, the options copied back, the
// system recomputed, the report, the modified flag and the views.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <algorithm>

#include "app/TarnovelDoc.h"
#include "platform/MessageBox.h"
#include "platform/RecordingDC.h"
#include "report/Salida.h"
#include "report/TarnovelView.h"
#include "tests/app/ComandoPrueba.h"
#include "tests/app/Modales.h"

namespace {

using Mensajes = std::vector<std::string>;

// Acts on the options dialog, then ends it with the button `fin`.
CModales::Paso Opciones(const std::function<void(CSalida&)>& accion, int fin = CDialog::IDOK) {
    return [=](QWidget* modal) {
        auto* dlg = qobject_cast<CSalida*>(modal);
        ASSERT_NE(dlg, nullptr) << modal->metaObject()->className();
        accion(*dlg);
        QTest::mouseClick(dlg->GetDlgItem<QPushButton>(fin), Qt::LeftButton);
    };
}

void Click(CSalida& dlg, int id) {
    QTest::mouseClick(dlg.GetDlgItem<QCheckBox>(id), Qt::LeftButton);
}

class SalidaComandoTest : public ComandoTest {
protected:
    // A new document whose one function was entered and saved: not modified,
    // though the system's change indicator stays set.
    void Document(UINT variables, const char* minterminos) {
        CSistema& s = m_doc.m_sistema;
        s.SetNumVariables(variables);
        s.SetNumFunctions(1);
        s.ApplyMinterms(TextosFuncion{minterminos}, TextosFuncion{});
        m_doc.SetModifiedFlag(false);
    }

    // The expressions of the one function, in report order.
    std::vector<std::string> Expressions() {
        std::vector<std::string> r;
        for (const std::string& t : ReportTexts()) {
            if (t.starts_with("f = ")) {
                r.push_back(t);
            }
        }
        return r;
    }
};

TEST_F(SalidaComandoTest, OkWithoutAChangeStillRecomputesMarksAndUpdatesTheViews) {
    Document(3, "0,1,2,5,6,7");
    CSistema& s = m_doc.m_sistema;
    // Results thrown away behind the system's back: only a new computation
    // brings them back.
    s.m_pCubiertaSop[0].reset();
    s.m_pPrimosSop.reset();
    CTarnovelView vista(s);
    m_doc.AddView(&vista);
    const CSize antes = vista.GetTotalSize();

    CModales m;
    m.Luego(Opciones([](CSalida&) {}));
    Run(m, m_doc, &CTarnovelDoc::OnConfigurarSalida);
    m_doc.RemoveView(&vista);

    EXPECT_EQ(m_mensajes.Messages(), Mensajes{});
    EXPECT_TRUE(s.m_bSopHecho);
    EXPECT_NE(s.m_pPrimosSop, nullptr);
    EXPECT_NE(s.m_pCubiertaSop[0], nullptr);
    EXPECT_EQ(Expressions().size(), 1u);
    EXPECT_NE(antes, s.GetReportSize());
    EXPECT_EQ(vista.GetTotalSize(), s.GetReportSize());
    // The indicator set by the entry marks the document again.
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(SalidaComandoTest, TurningOnPosShowsThePosSections) {
    Document(2, "1,3");
    ASSERT_FALSE(ReportHas("Como expresión POS:"));
    CModales m;
    m.Luego(Opciones([](CSalida& dlg) {
        Click(dlg, CSalida::IDC_PROCESAMIENTO_POS);
        Click(dlg, CSalida::IDC_IMPLICADOS_PRIMOS);
    }));
    Run(m, m_doc, &CTarnovelDoc::OnConfigurarSalida);

    const CSistema& s = m_doc.m_sistema;
    EXPECT_TRUE(s.m_bProcesarPos);
    EXPECT_TRUE(s.m_bVerImplicadosPrimos);
    EXPECT_TRUE(s.m_bPosHecho);
    EXPECT_TRUE(ReportHas("Como expresión POS:"));
    EXPECT_TRUE(ReportHas("f = (B)"));
    const auto textos = ReportTexts();
    EXPECT_TRUE(std::any_of(textos.begin(), textos.end(), [](const std::string& t) {
        return t.starts_with("Implicados Primos: ");
    }));
    // The SOP side is still there, ahead of the POS one.
    const auto sop = std::find(textos.begin(), textos.end(), "Como expresión SOP:");
    const auto pos = std::find(textos.begin(), textos.end(), "Como expresión POS:");
    EXPECT_LT(sop, pos);
}

TEST_F(SalidaComandoTest, AllSolutionsShowsEveryCheapestCover) {
    // The cyclic function: two covers of three primes each.
    Document(3, "0,1,2,5,6,7");
    ASSERT_EQ(Expressions().size(), 1u);
    CModales m;
    m.Luego(Opciones([](CSalida& dlg) { Click(dlg, CSalida::IDC_TODAS_LAS_SOLUCIONES); }));
    Run(m, m_doc, &CTarnovelDoc::OnConfigurarSalida);

    EXPECT_TRUE(m_doc.m_sistema.m_bTodasSoluciones);
    EXPECT_EQ(m_doc.m_sistema.m_nCubiertasSop, 2u);
    const auto expresiones = Expressions();
    ASSERT_EQ(expresiones.size(), 2u);
    EXPECT_NE(expresiones[0], expresiones[1]);
    EXPECT_TRUE(ReportHas("Como expresión SOP mínima:"));
    EXPECT_TRUE(ReportHas("O también: "));
}

TEST_F(SalidaComandoTest, BothProcessingBoxesOffTellsTheUserOnce) {
    Document(2, "1,3");
    CModales m;
    m.Luego(Opciones([](CSalida& dlg) { Click(dlg, CSalida::IDC_PROCESAMIENTO_SOP); }));
    Run(m, m_doc, &CTarnovelDoc::OnConfigurarSalida);
    EXPECT_EQ(m_mensajes.Messages(),
              Mensajes{"No seleccionó procesamiento POS, ni SOP por lo que no se realizarán"});
    EXPECT_FALSE(m_doc.m_sistema.m_bProcesarSop);
    EXPECT_FALSE(ReportHas("Como expresión SOP:"));
}

TEST_F(SalidaComandoTest, CancelAndTheCloseBoxChangeNothing) {
    Document(2, "1,3");
    CSistema& s = m_doc.m_sistema;
    s.SetNumFunctions(2);
    s.m_bProcesarPos = true;
    s.m_bVerCubiertasSop = true;
    for (int fin : {int(CDialog::IDCANCEL), 0}) {
        bool sembrado = false;
        CModales m;
        m.Luego([&](QWidget* modal) {
            auto* dlg = qobject_cast<CSalida*>(modal);
            ASSERT_NE(dlg, nullptr);
            // Seeded from the system: its options and its two functions.
            sembrado = dlg->GetDlgItem<QCheckBox>(CSalida::IDC_PROCESAMIENTO_POS)->isChecked() &&
                       dlg->GetDlgItem<QCheckBox>(CSalida::IDC_CUBIERTAS_SOP)->isChecked() &&
                       dlg->GetDlgItem(CSalida::IDC_DIAGRAMA_SIMULTANEO)->isEnabled();
            Click(*dlg, CSalida::IDC_PROCESAMIENTO_POS);
            Click(*dlg, CSalida::IDC_TODAS_LAS_SOLUCIONES);
            Click(*dlg, CSalida::IDC_TABLA_DE_VERDAD);
            if (fin == CDialog::IDCANCEL) {
                QTest::mouseClick(dlg->GetDlgItem<QPushButton>(fin), Qt::LeftButton);
            } else {
                dlg->close();
            }
        });
        s.m_bSopHecho = false;
        Run(m, m_doc, &CTarnovelDoc::OnConfigurarSalida);
        EXPECT_TRUE(sembrado) << fin;
        EXPECT_TRUE(s.m_bProcesarPos) << fin;
        EXPECT_TRUE(s.m_bVerCubiertasSop) << fin;
        EXPECT_FALSE(s.m_bTodasSoluciones) << fin;
        EXPECT_TRUE(s.m_bVerTablaVerdad) << fin;
        // Nothing recomputed, nothing marked.
        EXPECT_FALSE(s.m_bSopHecho) << fin;
        EXPECT_FALSE(m_doc.IsModified()) << fin;
    }
    EXPECT_EQ(m_mensajes.Messages(), Mensajes{});
}

}  // namespace
