// The equation, truth-table and description commands of a document, end to
// end: the dialog driven as a user drives it, the system recomputed, the
// report, the modified flag and the views. A function entered by equation or by
// truth table gives the report it gets by minterm list.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTreeWidget>

#include "app/TarnovelDoc.h"
#include "editors/Eclog.h"
#include "editors/Tabla_v.h"
#include "platform/MessageBox.h"
#include "platform/RecordingDC.h"
#include "report/TarnovelView.h"
#include "tests/app/ComandoPrueba.h"
#include "tests/app/Guion.h"

namespace {

using Mensajes = std::vector<std::string>;
using Accion = CGuionDialogos::Accion;
using guion::Click;
using guion::Press;
using guion::Then;
using guion::Type;

// Types one function's equation and presses "Aceptar".
Accion AcceptEquation(const char* funcion, const char* ecuacion) {
    return [=](CDialog& dlg) {
        Type(dlg, CEclog::IDC_FUNCION, funcion);
        Type(dlg, CEclog::IDC_ECUACION, ecuacion);
        Click(dlg, CEclog::IDC_ACEPTAR);
    };
}

// Chooses a cell of the truth table and presses one of its value buttons.
Accion SetCell(const char* termino, const char* funcion, int boton) {
    return [=](CDialog& dlg) {
        Type(dlg, CTabla_v::IDC_TERMINO, termino);
        Type(dlg, CTabla_v::IDC_FUNCION, funcion);
        Click(dlg, boton);
    };
}

Accion Required(const char* termino, const char* funcion) {
    return SetCell(termino, funcion, CTabla_v::IDC_IMPRESCINDIBLE);
}

// One column of the truth table's list, its cells joined.
QString Column(CDialog& dlg, int columna) {
    auto* lista = dlg.GetDlgItem<QTreeWidget>(CTabla_v::IDC_LISTA);
    QString texto;
    for (int r = 0; r < lista->topLevelItemCount(); ++r) {
        texto += lista->topLevelItem(r)->text(columna);
    }
    return texto;
}

// What the report draws: every text with its place, and every line.
std::vector<std::string> Drawing(CSistema& s) {
    CRecordingDC dc;
    s.DrawReport(dc);
    std::vector<std::string> dibujo;
    for (const DrawCall& t : dc.Texts()) {
        dibujo.push_back(std::to_string(t.to.x) + "," + std::to_string(t.to.y) + " " + t.text);
    }
    for (const DrawnLine& l : dc.Lines()) {
        dibujo.push_back(std::to_string(l.from.x) + "," + std::to_string(l.from.y) + "-" +
                         std::to_string(l.to.x) + "," + std::to_string(l.to.y));
    }
    return dibujo;
}

// Every section the report has, on both sides.
void ShowEverything(CSistema& s) {
    s.m_bProcesarPos = true;
    s.m_bVerImplicantesPrimos = true;
    s.m_bVerImplicantesEsenciales = true;
    s.m_bVerCubiertasSop = true;
    s.m_bVerImplicadosPrimos = true;
    s.m_bVerImplicadosEsenciales = true;
    s.m_bVerCubiertasPos = true;
}

class EntradasComandoTest : public ComandoTest {
protected:
    void SetUp() override {
        ComandoTest::SetUp();
        m_doc.AddView(&m_vista);
    }
    void TearDown() override { m_doc.RemoveView(&m_vista); }

    // A new document as the numbers dialog leaves it.
    void NewSystem(UINT variables, UINT funciones) {
        m_doc.m_sistema.SetNumVariables(variables);
        m_doc.m_sistema.SetNumFunctions(funciones);
    }

    // The same system entered by minterm list.
    void ExpectTheReportOfTheMintermList(const TextosFuncion& minterminos,
                                         const TextosFuncion& prescindibles) {
        CSistema& s = m_doc.m_sistema;
        CSistema lista;
        lista.SetNumVariables(s.GetNumVariables());
        lista.SetNumFunctions(s.GetNumFunctions());
        ShowEverything(lista);
        lista.ApplyMinterms(minterminos, prescindibles);
        // The equation section shows what was typed, which a list has not.
        s.m_bVerEcuacion = false;
        EXPECT_EQ(Drawing(s), Drawing(lista));
        s.m_bVerEcuacion = true;
    }

    CTarnovelView m_vista{m_doc.m_sistema};
};

// ---- equation ----

TEST_F(EntradasComandoTest, EquationsGiveTheSystemAndTheReportOfTheMintermList) {
    NewSystem(3, 2);
    ShowEverything(m_doc.m_sistema);
    CGuionDialogos guion({Then(Then(AcceptEquation("2", "a c + aB"), AcceptEquation("1", "C")),
                               Press(CDialog::IDOK))});
    Command(&CTarnovelDoc::OnEcuacionLogica);

    EXPECT_TRUE(guion.Agotado());
    EXPECT_EQ(m_mensajes.Messages(), Mensajes{});
    CSistema& s = m_doc.m_sistema;
    EXPECT_EQ(s.GetMintermText(0), "1,3,5,7");
    EXPECT_EQ(s.GetMintermText(1), "0,2,3");
    EXPECT_EQ(s.GetEquation(0), "C");
    EXPECT_EQ(s.GetEquation(1), "ac+aB");
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_vista.GetTotalSize(), s.GetReportSize());
    ExpectTheReportOfTheMintermList({"1,3,5,7", "0,2,3"}, {});
    CRecordingDC dc;
    s.DrawReport(dc);
    EXPECT_NE(dc.FindText("f1 = C"), nullptr);
    EXPECT_NE(dc.FindText("f2 = ac+aB"), nullptr);
}

TEST_F(EntradasComandoTest, EveryFunctionMustBeAcceptedInThisRun) {
    NewSystem(2, 3);
    m_doc.m_sistema.ApplyEquations({"A", "B", "ab"}, {"Ab + AB", "aB + AB", "ab"});
    ASSERT_EQ(m_doc.m_sistema.GetMintermText(2), "0");
    QString segundaVez;
    CGuionDialogos guion({Then(AcceptEquation("2", "a"), Press(CDialog::IDOK)), [&](CDialog& dlg) {
                              // Seeded and accepted equations are both there.
                              for (const char* f : {"1", "2"}) {
                                  Type(dlg, CEclog::IDC_FUNCION, f);
                                  Click(dlg, CEclog::IDC_VER);
                                  segundaVez +=
                                      dlg.GetDlgItem<QLineEdit>(CEclog::IDC_ECUACION)->text() + "|";
                              }
                              Click(dlg, CDialog::IDCANCEL);
                          }});
    Command(&CTarnovelDoc::OnEcuacionLogica);
    EXPECT_EQ(guion.Aperturas(), 2);
    EXPECT_EQ(m_mensajes.Messages(), Mensajes{"Ingrese al menos un término en la función 1"});
    EXPECT_EQ(segundaVez, QStringLiteral("A|a|"));
    // Cancel after the refusal applies nothing.
    EXPECT_EQ(m_doc.m_sistema.GetMintermText(1), "1,3");
    EXPECT_EQ(m_doc.m_sistema.GetEquation(1), "B");
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(EntradasComandoTest, AnEquationWithoutMintermsIsRefusedAtOk) {
    NewSystem(2, 1);
    CGuionDialogos guion({Then(AcceptEquation("1", "Aa"), Press(CDialog::IDOK)),
                          Then(AcceptEquation("1", "/(Aa)B"), Press(CDialog::IDOK))});
    Command(&CTarnovelDoc::OnEcuacionLogica);
    EXPECT_EQ(guion.Aperturas(), 2);
    EXPECT_EQ(m_mensajes.Messages(), Mensajes{"Ingrese al menos un termino"});
    EXPECT_EQ(m_doc.m_sistema.GetMintermText(0), "1,3");
    EXPECT_EQ(m_doc.m_sistema.GetEquation(0), "/(Aa)B");
}

// ---- truth table ----

TEST_F(EntradasComandoTest, TruthTableIsSeededFromTheSystemsTerms) {
    NewSystem(2, 2);
    m_doc.m_sistema.ApplyMinterms({"1,3", "0"}, {"2", ""});
    m_doc.SetModifiedFlag(false);
    QString celdas;
    QString filas;
    CGuionDialogos guion({[&](CDialog& dlg) {
        celdas = Column(dlg, 1) + "|" + Column(dlg, 2);
        filas = Column(dlg, 0);
        Click(dlg, CTabla_v::IDC_ELIMINAR);  // term 0 of function 1: no change to keep
        Click(dlg, CDialog::IDCANCEL);
    }});
    Command(&CTarnovelDoc::OnTablaDeVerdad);
    EXPECT_EQ(celdas, QStringLiteral("01X1|1000"));
    EXPECT_EQ(filas, QStringLiteral("   0 (00)   1 (01)   2 (10)   3 (11)"));
    EXPECT_EQ(m_doc.m_sistema.GetMintermText(0), "1,3");
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(EntradasComandoTest, TruthTableGivesTheSystemAndTheReportOfTheMintermList) {
    NewSystem(3, 2);
    ShowEverything(m_doc.m_sistema);
    CGuionDialogos guion({[](CDialog& dlg) {
        for (const char* t : {"1", "3", "5", "7"}) {
            Required(t, "1")(dlg);
        }
        SetCell("6", "1", CTabla_v::IDC_PRESCINDIBLE)(dlg);
        for (const char* t : {"0", "2", "3"}) {
            Required(t, "2")(dlg);
        }
        Click(dlg, CDialog::IDOK);
    }});
    Command(&CTarnovelDoc::OnTablaDeVerdad);
    EXPECT_TRUE(guion.Agotado());
    EXPECT_EQ(m_mensajes.Messages(), Mensajes{});
    CSistema& s = m_doc.m_sistema;
    EXPECT_EQ(s.GetMintermText(0), "1,3,5,7");
    EXPECT_EQ(s.GetDontCareText(0), "6");
    EXPECT_EQ(s.GetMintermText(1), "0,2,3");
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_vista.GetTotalSize(), s.GetReportSize());
    ExpectTheReportOfTheMintermList({"1,3,5,7", "0,2,3"}, {"6", ""});
}

TEST_F(EntradasComandoTest, TruthTableWithoutARequiredTermRunsTheSameDialogAgain) {
    NewSystem(2, 1);
    QString segundaVez;
    CGuionDialogos guion({Then(SetCell("2", "1", CTabla_v::IDC_PRESCINDIBLE), Press(CDialog::IDOK)),
                          [&](CDialog& dlg) {
                              segundaVez = Column(dlg, 1) + "|" +
                                           dlg.GetDlgItem<QLineEdit>(CTabla_v::IDC_TERMINO)->text();
                              Then(Required("3", "1"), Press(CDialog::IDOK))(dlg);
                          }});
    Command(&CTarnovelDoc::OnTablaDeVerdad);
    EXPECT_EQ(guion.Aperturas(), 2);
    EXPECT_EQ(m_mensajes.Messages(), Mensajes{"Ingrese al menos un termino imprescindible"});
    EXPECT_EQ(segundaVez, QStringLiteral("00X0|2"));
    EXPECT_EQ(m_doc.m_sistema.GetMintermText(0), "3");
    EXPECT_EQ(m_doc.m_sistema.GetDontCareText(0), "2");
}

TEST_F(EntradasComandoTest, TruthTableNamesTheFirstFunctionWithoutARequiredTerm) {
    NewSystem(1, 3);
    CGuionDialogos guion(
        {Then(Then(Required("0", "1"), SetCell("1", "2", CTabla_v::IDC_PRESCINDIBLE)),
              Press(CDialog::IDOK)),
         Press(CDialog::IDCANCEL)});
    Command(&CTarnovelDoc::OnTablaDeVerdad);
    EXPECT_EQ(m_mensajes.Messages(), Mensajes{"Ingrese al menos un término imprescindible en f2"});
    EXPECT_EQ(m_doc.m_sistema.GetMintermText(0), "");
    EXPECT_FALSE(m_doc.IsModified());
}

// ---- description ----

TEST_F(EntradasComandoTest, DescriptionNeverRecomputesNorRedraws) {
    NewSystem(2, 1);
    CSistema& s = m_doc.m_sistema;
    s.ApplyMinterms({"1,3"}, {""});
    m_vista.OnUpdate();
    const std::vector<std::string> antes = Drawing(s);
    // With nothing to process, processing would say so; and with the truth
    // table hidden, a redrawn view would take a smaller extent.
    s.m_bProcesarSop = false;
    s.m_bVerTablaVerdad = false;
    const CSize extension = m_vista.GetTotalSize();
    ASSERT_NE(extension, s.GetReportSize());
    std::string visto;
    CGuionDialogos guion({[&](CDialog& dlg) {
        visto = dlg.GetDlgItem<QLineEdit>(1029)->text().toStdString();
        Type(dlg, 1029, "Sumador de un bit");
        Click(dlg, CDialog::IDOK);
    }});
    Command(&CTarnovelDoc::OnEspecificaciones);
    EXPECT_EQ(visto, "Sistema con una función de 2 variables.");
    EXPECT_EQ(m_mensajes.Messages(), Mensajes{});
    EXPECT_EQ(s.GetDescription(), "Sumador de un bit");
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_vista.GetTotalSize(), extension);
    // The results are those of before; the report does not show the description.
    s.m_bProcesarSop = true;
    s.m_bVerTablaVerdad = true;
    EXPECT_EQ(Drawing(s), antes);
}

TEST_F(EntradasComandoTest, DescriptionCancelledChangesNothing) {
    NewSystem(2, 2);
    const std::string inicial = m_doc.m_sistema.GetDescription();
    CGuionDialogos guion({[](CDialog& dlg) {
        Type(dlg, 1029, "otra");
        Click(dlg, CDialog::IDCANCEL);
    }});
    Command(&CTarnovelDoc::OnEspecificaciones);
    EXPECT_EQ(guion.Aperturas(), 1);
    EXPECT_EQ(m_doc.m_sistema.GetDescription(), inicial);
    EXPECT_FALSE(m_doc.IsModified());
}

}  // namespace
