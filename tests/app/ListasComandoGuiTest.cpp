// The minterm and maxterm list commands of a document, end to end: a new
// document, the list dialog driven as a user drives it, the system recomputed,
// the report, the modified flag and the views.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>

#include "app/TarnovelDoc.h"
#include "editors/DialogoLista.h"
#include "platform/MessageBox.h"
#include "platform/RecordingDC.h"
#include "report/TarnovelView.h"
#include "tests/app/ComandoPrueba.h"
#include "tests/app/Guion.h"

namespace {

using Mensajes = std::vector<std::string>;

using guion::Click;
using guion::Press;
using guion::Then;

void Type(CDialog& dlg, int id, const char* texto) {
    auto* edit = dlg.GetDlgItem<QLineEdit>(id);
    ASSERT_NE(edit, nullptr) << id;
    edit->clear();
    QTest::keyClicks(edit, QString::fromUtf8(texto));
}

// Types one function's lists into a list dialog and presses "Aceptar".
CGuionDialogos::Accion AcceptFunction(const char* funcion, const char* imp, const char* dc) {
    return [=](CDialog& dlg) {
        Type(dlg, CDialogoLista::IDC_FUNCION, funcion);
        Type(dlg, CDialogoLista::IDC_IMPRESCINDIBLES, imp);
        Type(dlg, CDialogoLista::IDC_PRESCINDIBLES, dc);
        Click(dlg, CDialogoLista::IDC_ACEPTAR);
    };
}

// The numbers dialog of a new document: variables and functions, then OK.
CGuionDialogos::Accion Numbers(const char* variables, const char* funciones) {
    return [=](CDialog& dlg) {
        Type(dlg, 1035, variables);
        Type(dlg, 1036, funciones);
        Click(dlg, CDialog::IDOK);
    };
}

class ListasComandoTest : public ComandoTest {
protected:
    // A new document through its numbers dialog.
    void NewDocument(const char* variables, const char* funciones) {
        CGuionDialogos guion({Numbers(variables, funciones)});
        ASSERT_TRUE(m_doc.OnNewDocument());
        ASSERT_EQ(m_doc.m_sistema.GetNumVariables(), std::stoul(variables));
        ASSERT_EQ(m_doc.m_sistema.GetNumFunctions(), std::stoul(funciones));
        ASSERT_FALSE(m_doc.IsModified());
    }
};

TEST_F(ListasComandoTest, MintermsOfANewDocumentReachTheSystemTheReportAndTheViews) {
    NewDocument("2", "1");
    CTarnovelView vista(m_doc.m_sistema);
    m_doc.AddView(&vista);
    CGuionDialogos guion({Then(AcceptFunction("1", "1,3", ""), Press(CDialog::IDOK))});
    Command(&CTarnovelDoc::OnListaDeMinterminos);
    m_doc.RemoveView(&vista);

    EXPECT_TRUE(guion.Agotado());
    EXPECT_EQ(m_mensajes.Messages(), Mensajes{});
    const CSistema& s = m_doc.m_sistema;
    EXPECT_EQ(s.GetMintermText(0), "1,3");
    EXPECT_EQ(s.GetMaxtermText(0), "0,2");
    EXPECT_EQ(s.GetDontCareText(0), "");
    EXPECT_TRUE(s.m_bModificado);
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_TRUE(ReportHas("f = B"));
    EXPECT_EQ(vista.GetTotalSize(), s.GetReportSize());
}

TEST_F(ListasComandoTest, MaxtermListGivesTheComplementAsMinterms) {
    NewDocument("3", "1");
    CGuionDialogos guion({Then(AcceptFunction("1", "5,2", ""), Press(CDialog::IDOK))});
    Command(&CTarnovelDoc::OnListaDeMaxterminos);
    EXPECT_EQ(m_mensajes.Messages(), Mensajes{});
    EXPECT_EQ(m_doc.m_sistema.GetMintermText(0), "0,1,3,4,6,7");
    EXPECT_EQ(m_doc.m_sistema.GetMaxtermText(0), "2,5");
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(ListasComandoTest, TheDialogIsSeededWithTheSystemsTexts) {
    NewDocument("3", "2");
    CGuionDialogos primera(
        {Then(Then(AcceptFunction("1", "3,1", "2"), AcceptFunction("2", "7", "")),
              Press(CDialog::IDOK))});
    Command(&CTarnovelDoc::OnListaDeMinterminos);
    ASSERT_EQ(m_doc.m_sistema.GetMintermText(0), "1,3");

    // The maxterm list shows, after "Ver", the maxterms the system wrote.
    QString visto;
    CGuionDialogos segunda({[&](CDialog& dlg) {
        Type(dlg, CDialogoLista::IDC_FUNCION, "1");
        Click(dlg, CDialogoLista::IDC_VER);
        visto =
            dlg.GetDlgItem<QLineEdit>(1033)->text() + "|" + dlg.GetDlgItem<QLineEdit>(1034)->text();
        Click(dlg, CDialog::IDCANCEL);
    }});
    Command(&CTarnovelDoc::OnListaDeMaxterminos);
    EXPECT_EQ(visto, QStringLiteral("0,4,5,6,7|2"));
}

TEST_F(ListasComandoTest, RefusedOkNamesTheFunctionAndRunsTheSameDialogAgain) {
    NewDocument("2", "2");
    QString segundaVez;
    CGuionDialogos guion(
        {Then(AcceptFunction("1", "1", "0"), Press(CDialog::IDOK)), [&](CDialog& dlg) {
             Type(dlg, CDialogoLista::IDC_FUNCION, "1");
             Click(dlg, CDialogoLista::IDC_VER);
             segundaVez = dlg.GetDlgItem<QLineEdit>(1033)->text() + "|" +
                          dlg.GetDlgItem<QLineEdit>(1034)->text();
             Click(dlg, CDialog::IDCANCEL);
         }});
    Command(&CTarnovelDoc::OnListaDeMinterminos);
    EXPECT_EQ(guion.Aperturas(), 2);
    EXPECT_EQ(m_mensajes.Messages(), Mensajes{"Ingrese al menos un término imprescindible en f2"});
    EXPECT_EQ(segundaVez, QStringLiteral("1|0"));
    // Cancel after the refusal applies nothing.
    EXPECT_EQ(m_doc.m_sistema.GetMintermText(0), "");
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(ListasComandoTest, RefusedOkOfTheOneFunctionHasNoNumber) {
    NewDocument("2", "1");
    CGuionDialogos guion(
        {Press(CDialog::IDOK), Then(AcceptFunction("1", "2", ""), Press(CDialog::IDOK))});
    Command(&CTarnovelDoc::OnListaDeMaxterminos);
    EXPECT_EQ(guion.Aperturas(), 2);
    EXPECT_EQ(m_mensajes.Messages(), Mensajes{"Ingrese al menos un termino imprescindible"});
    EXPECT_EQ(m_doc.m_sistema.GetMaxtermText(0), "2");
    EXPECT_EQ(m_doc.m_sistema.GetMintermText(0), "0,1,3");
}

}  // namespace
