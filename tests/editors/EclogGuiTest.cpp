// The equation dialog driven as a user drives it: the template, "Aceptar",
// "Ver ecuación ingresada", OK, the messages of the checker and of the number
// field, and equations far longer and deeper than anyone types.

#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <string>

#include "editors/Eclog.h"
#include "platform/MessageBox.h"
#include "platform/SpinButtonCtrl.h"
#include "tests/DialogoModal.h"
#include "tests/editors/PlantillaPrueba.h"

namespace {

using Mensajes = std::vector<std::string>;

QLineEdit* Edit(const CEclog& dlg, int id) {
    return dlg.GetDlgItem<QLineEdit>(id);
}

void Type(const CEclog& dlg, int id, const std::string& texto) {
    Edit(dlg, id)->setText(QString::fromStdString(texto));
}

void Click(const CEclog& dlg, int id) {
    QTest::mouseClick(dlg.GetDlgItem<QPushButton>(id), Qt::LeftButton);
}

void Accept(const CEclog& dlg, const char* funcion, const std::string& ecuacion) {
    Type(dlg, CEclog::IDC_FUNCION, funcion);
    Type(dlg, CEclog::IDC_ECUACION, ecuacion);
    Click(dlg, CEclog::IDC_ACEPTAR);
}

QString Shown(const CEclog& dlg) {
    return Edit(dlg, CEclog::IDC_ECUACION)->text();
}

// A system of n variables and m functions, as the document's command seeds it.
void Seed(CEclog& dlg, UINT variables, UINT funciones) {
    dlg.m_nVariables = variables;
    dlg.m_nFunciones = funciones;
    dlg.m_nMascara = 1u << variables;
}

// ---- the template ----

TEST(EclogTest, ControlsStandAtTheirPlacesWithTheirTextsAndToolTips) {
    CEclog dlg;
    Seed(dlg, 4, 3);
    RunWith(dlg, [] {});
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Ecuación lógica"));
    EXPECT_EQ(dlg.size(), CDialogUnits::ToPixels(302, 119));
    const LugarControl lugares[] = {
        {1030, Pixels(20, 55, 264, 14), nullptr, "Ingrese la ecuación lógica aquí"},
        {1031, Pixels(53, 23, 20, 12), nullptr,
         "Ingrese la función a la que desea modificarle o ingresarle datos"},
        {1025, Pixels(73, 22, 11, 13), nullptr,
         "Use las flechas para variar el valor dentro de los límites permitidos"},
        {32739, Pixels(99, 20, 79, 16), "Ver ecuación ingresada",
         "Presione para ver, si los hay, los datos de la función actual "},
        {32738, Pixels(194, 20, 35, 16), "Aceptar",
         "Presione para confirmar los datos de la función actual"},
        {1, Pixels(245, 7, 50, 14), "OK", "Presione para confirmar los datos ingresados"},
        {2, Pixels(245, 24, 50, 14), "Cancel",
         "Presione para salir sin modificar los datos del sistema"},
        {32741, Pixels(21, 26, 29, 8), "función :", nullptr},
        {32742, Pixels(21, 46, 140, 8), "Introduzca o modifique la ecuación lógica", nullptr},
        {32743, Pixels(21, 72, 262, 25),
         "Introduzca las variables negadas como minúsculas y las afirmadas con mayúscula  "
         "intercalando un signo + entre los términos producto y encerrando entre paréntesis los "
         "términos suma",
         nullptr},
    };
    ExpectControlsAt(dlg, lugares);
    EXPECT_TRUE(dlg.GetDlgItem<QPushButton>(1)->isDefault());
    // The instruction fits its static whole in the face that stands in for the
    // template's font.
    const auto* instruccion = dlg.GetDlgItem<QLabel>(CEclog::IDC_STATIC_INSTRUCCIONES);
    const QRect caja(QPoint(0, 0), instruccion->size());
    const QRect necesita = instruccion->fontMetrics().boundingRect(
        caja, Qt::AlignLeft | Qt::TextWordWrap, instruccion->text());
    EXPECT_LE(necesita.height(), caja.height());
    EXPECT_LE(necesita.width(), caja.width());
}

TEST(EclogTest, RendersAtItsTemplateSize) {
    CEclog dlg;
    Seed(dlg, 4, 2);
    dlg.m_strEcuacion = "A/(B+c)D";
    QImage imagen;
    RunWith(dlg, [&] { imagen = dlg.grab().toImage(); });
    EXPECT_EQ(imagen.size(), CDialogUnits::ToPixels(302, 119));
    const QString carpeta = qEnvironmentVariable("TARNOVEL_RENDER_DIR");
    if (!carpeta.isEmpty()) {
        imagen.save(QDir(carpeta).filePath(QStringLiteral("eclog.png")));
    }
    // The equation edit shows what was typed, on a light ground.
    const QRect edit = Pixels(20, 55, 264, 14);
    EXPECT_GT(qGray(imagen.pixel(edit.right() - 10, edit.center().y())), 200);
}

// ---- "Aceptar", "Ver ecuación ingresada", OK ----

TEST(EclogTest, OpensOnFunctionOneWithAnEmptyEditAndTheArrowsStopAtM) {
    CEclog dlg;
    Seed(dlg, 3, 2);
    dlg.m_strEcuaciones[0] = "AB";
    QString alAbrir;
    QString trasSubir;
    RunWith(dlg, [&] {
        alAbrir = Edit(dlg, CEclog::IDC_FUNCION)->text() + "|" + Shown(dlg);
        auto* spin = dlg.GetDlgItem<CSpinButtonCtrl>(CEclog::IDC_SPIN_FUNCION);
        spin->Step(true);
        spin->Step(true);
        trasSubir = Edit(dlg, CEclog::IDC_FUNCION)->text();
    });
    EXPECT_EQ(alAbrir, QStringLiteral("1|"));
    EXPECT_EQ(trasSubir, QStringLiteral("2"));
}

TEST(EclogTest, AcceptKeepsTheEquationWithoutBlanksAndItsCanonicalText) {
    CMessageCapture mensajes;
    CEclog dlg;
    Seed(dlg, 2, 2);
    dlg.m_strEcuaciones = {"A", "b"};
    QString edit;
    const int r = RunWith(dlg, [&] {
        Accept(dlg, "2", "  A +  B ");
        edit = Shown(dlg);
        // OK takes what "Aceptar" kept, not what the edit shows now.
        Type(dlg, CEclog::IDC_ECUACION, "a");
        Click(dlg, CDialog::IDOK);
    });
    EXPECT_EQ(r, CDialog::IDOK);
    EXPECT_EQ(mensajes.Messages(), Mensajes{});
    EXPECT_EQ(edit, QStringLiteral("  A +  B "));  // the edit is not rewritten
    EXPECT_EQ(dlg.m_strEcuaciones[0], "A");
    EXPECT_EQ(dlg.m_strCanonicas[0], "");
    EXPECT_EQ(dlg.m_strEcuaciones[1], "A+B");
    EXPECT_EQ(dlg.m_strCanonicas[1], "Ab + AB + aB");
}

TEST(EclogTest, AcceptOfTheSameFunctionAgainReplacesBothTexts) {
    CEclog dlg;
    Seed(dlg, 3, 1);
    RunWith(dlg, [&] {
        Accept(dlg, "1", "(A+B)(a+C)");
        Accept(dlg, "1", "Aa");
    });
    EXPECT_EQ(dlg.m_strEcuaciones[0], "Aa");
    EXPECT_EQ(dlg.m_strCanonicas[0], "");
}

TEST(EclogTest, ViewShowsTheKeptEquationOrEmptiesTheEdit) {
    CEclog dlg;
    Seed(dlg, 4, 3);
    dlg.m_strEcuaciones = {"AB+c", "", ""};
    QString primera;
    QString segunda;
    QString tercera;
    RunWith(dlg, [&] {
        Type(dlg, CEclog::IDC_ECUACION, "algo");
        Type(dlg, CEclog::IDC_FUNCION, " 1 ");
        Click(dlg, CEclog::IDC_VER);
        primera = Shown(dlg) + "|" + Edit(dlg, CEclog::IDC_FUNCION)->text();
        Type(dlg, CEclog::IDC_FUNCION, "2");
        Click(dlg, CEclog::IDC_VER);
        segunda = Shown(dlg);
        Accept(dlg, "3", " A ( B + c ) ");
        Type(dlg, CEclog::IDC_ECUACION, "");
        Click(dlg, CEclog::IDC_VER);
        tercera = Shown(dlg);
    });
    EXPECT_EQ(primera, QStringLiteral("AB+c|1"));
    EXPECT_EQ(segunda, QString());
    EXPECT_EQ(tercera, QStringLiteral("A(B+c)"));
}

TEST(EclogTest, BlanksOnlyAreKeptAsTheEmptyEquationWithNoMinterm) {
    CMessageCapture mensajes;
    CEclog dlg;
    Seed(dlg, 2, 1);
    dlg.m_strEcuaciones[0] = "A";
    dlg.m_strCanonicas[0] = "Ab + AB";
    RunWith(dlg, [&] { Accept(dlg, "1", "   "); });
    EXPECT_EQ(mensajes.Messages(), Mensajes{});
    EXPECT_EQ(dlg.m_strEcuaciones[0], "");
    EXPECT_EQ(dlg.m_strCanonicas[0], "");
}

TEST(EclogTest, SecondRunShowsTheMembersAsTheFirstLeftThem) {
    CEclog dlg;
    Seed(dlg, 2, 2);
    RunWith(dlg, [&] {
        Accept(dlg, "2", "AB");
        Click(dlg, CDialog::IDOK);
    });
    QString visto;
    RunWith(dlg, [&] {
        visto = Edit(dlg, CEclog::IDC_FUNCION)->text() + "|" + Shown(dlg);
        Click(dlg, CDialog::IDCANCEL);
    });
    EXPECT_EQ(visto, QStringLiteral("2|AB"));
    EXPECT_EQ(dlg.m_strCanonicas[1], "AB");
}

// ---- what the user sees when something is wrong ----

struct Refusal {
    const char* nombre;
    UINT variables;
    const char* funcion;
    std::string ecuacion;
    const char* mensaje;
};

void PrintTo(const Refusal& r, std::ostream* os) {
    *os << r.nombre;
}

class EclogRefusalTest : public testing::TestWithParam<Refusal> {};

// Each refusal shows its one message and keeps nothing; the typed text stays.
TEST_P(EclogRefusalTest, ShowsOneMessageAndKeepsNothing) {
    const Refusal& p = GetParam();
    CMessageCapture mensajes;
    CEclog dlg;
    Seed(dlg, p.variables, 2);
    dlg.m_strEcuaciones = {"A", "b"};
    dlg.m_strCanonicas = {"Ab + AB", "ab + Ab"};
    QString edit;
    RunWith(dlg, [&] {
        Accept(dlg, p.funcion, p.ecuacion);
        edit = Shown(dlg);
    });
    EXPECT_EQ(mensajes.Messages(), Mensajes{p.mensaje});
    EXPECT_EQ(edit, QString::fromStdString(p.ecuacion));
    EXPECT_EQ(dlg.m_strEcuaciones[0], "A");
    EXPECT_EQ(dlg.m_strEcuaciones[1], "b");
    EXPECT_EQ(dlg.m_strCanonicas[0], "Ab + AB");
    EXPECT_EQ(dlg.m_strCanonicas[1], "ab + Ab");
}

INSTANTIATE_TEST_SUITE_P(
    Eclog, EclogRefusalTest,
    testing::Values(
        Refusal{"PlusFirst", 4, "1", "+A", "El primer caracter no puede ser un '+'"},
        Refusal{"PlusAfterParenthesis", 4, "1", "(+A)", "No puede ir un '+' despues de un '('"},
        Refusal{"EmptyParentheses", 4, "2", "A()", "No puede ir un ')' despues de un '('"},
        Refusal{"TwoSlashes", 4, "1", "A//(B)", "No tiene efecto poner dos '/' seguidas"},
        Refusal{"SlashOnALetter", 4, "1", "/A", "Lo que quiera negar debe ir entre parentesis"},
        Refusal{"LetterBeyondN", 2, "1", "AC", "El caracter 'C' es incorrecto"},
        Refusal{"MultiByteCharacter", 2, "1", "Añ", "El caracter 'ñ' es incorrecto"},
        Refusal{"PlusLast", 4, "1", "A+", "El último caracter no puede ser un '+'"},
        Refusal{"Unbalanced", 4, "1", "(A",
                "El numero de parentesis '(' no coincide con el de ')'"},
        Refusal{"Empty", 4, "1", "", "Debe ingresar al menos un termino."},
        Refusal{"FunctionNotANumber", 4, "x", "A", "Introduzca un número entero positivo."},
        Refusal{"FunctionBeyondM", 4, "3", "A", "Introduzca un número entero entre 1 y 2."},
        Refusal{"FunctionZero", 4, "0", "A", "Introduzca un número entero entre 1 y 2."},
        Refusal{"ErrorAtTheEndOfALongEquation", 6, "1",
                [] {
                    std::string e;
                    while (e.size() < 100000) {
                        e += "AbC+";
                    }
                    return e + "G";
                }(),
                "El caracter 'G' es incorrecto"}),
    [](const testing::TestParamInfo<Refusal>& caso) { return std::string(caso.param.nombre); });

TEST(EclogTest, ViewWithAWrongFunctionNumberChangesNothing) {
    CMessageCapture mensajes;
    CEclog dlg;
    Seed(dlg, 2, 2);
    dlg.m_strEcuaciones = {"A", "B"};
    QString edit;
    RunWith(dlg, [&] {
        Type(dlg, CEclog::IDC_ECUACION, "ab");
        Type(dlg, CEclog::IDC_FUNCION, "7");
        Click(dlg, CEclog::IDC_VER);
        edit = Shown(dlg);
    });
    EXPECT_EQ(mensajes.Messages(), Mensajes{"Introduzca un número entero entre 1 y 2."});
    EXPECT_EQ(edit, QStringLiteral("ab"));
}

// Far beyond what anyone types: the whole text is taken, checked and expanded.
TEST(EclogTest, AHundredThousandCharactersAndTenThousandLevelsAreAccepted) {
    CMessageCapture mensajes;
    CEclog dlg;
    Seed(dlg, 6, 2);
    std::string larga;
    while (larga.size() < 100000) {
        larga += "aBcDeF+";
    }
    larga += "ABCDEF";
    const std::string profunda = std::string(10000, '(') + "A" + std::string(10000, ')') + "B";
    RunWith(dlg, [&] {
        Accept(dlg, "1", larga);
        Accept(dlg, "2", "/" + profunda);
    });
    EXPECT_EQ(mensajes.Messages(), Mensajes{});
    EXPECT_EQ(dlg.m_strEcuaciones[0], larga);
    EXPECT_EQ(dlg.m_strCanonicas[0], "aBcDeF + ABCDEF");
    EXPECT_EQ(dlg.m_strEcuaciones[1], "/" + profunda);
    // Not A, times B: the 16 minterms with A at 0 and B at 1, in some order.
    const QStringList productos = QString::fromStdString(dlg.m_strCanonicas[1]).split(" + ");
    EXPECT_EQ(productos.size(), 16);
    EXPECT_EQ(QSet<QString>(productos.begin(), productos.end()).size(), 16);
    for (const QString& p : productos) {
        EXPECT_TRUE(p.size() == 6 && p.startsWith(QStringLiteral("aB"))) << p.toStdString();
    }
}

}  // namespace
