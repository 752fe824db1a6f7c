// The output options dialog driven as a user drives it: its template, its tool
// tips, which boxes are greyed, and what OK hands back. With
// TARNOVEL_RENDER_DIR set, its render is saved there as a PNG to be looked at.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <map>
#include <vector>

#include "logic/Sistema.h"
#include "platform/DialogUnits.h"
#include "report/Salida.h"
#include "tests/DialogoModal.h"

namespace {

using Ids = std::vector<int>;

const Ids kSop = {32825, 32826, 32817, 32821};
const Ids kPos = {32823, 32824, 32818, 32822};
const Ids kTiposIndividual = {1025, 1024};
const Ids kTiposSimultaneo = {1023, 1022};

// Every box in the template's order, which is the tab order.
const Ids kOrdenTab = {32812, 32813, 32814, 32821, 32815, 32816, 32825, 32826, 32817, 32822, 32818,
                       32823, 32824, 32820, 32819, 32831, 1025,  1024,  32832, 1023,  1022,  32830};

QCheckBox* Box(const CSalida& dlg, int id) {
    return dlg.GetDlgItem<QCheckBox>(id);
}

void Click(const CSalida& dlg, int id) {
    QTest::mouseClick(Box(dlg, id), Qt::LeftButton);
}

// The dialog as the options command seeds it for a new system of m functions.
void Seed(CSalida& dlg, UINT funciones) {
    const CSistema sistema;
    dlg.m_nFunciones = funciones;
    CopyOutputOptions(sistema, dlg);
}

std::map<int, bool> Enabled(const CSalida& dlg, const Ids& ids) {
    std::map<int, bool> r;
    for (int id : ids) {
        r[id] = Box(dlg, id)->isEnabled();
    }
    return r;
}

std::map<int, bool> Marks(const CSalida& dlg) {
    std::map<int, bool> r;
    for (int id : kOrdenTab) {
        r[id] = Box(dlg, id)->isChecked();
    }
    return r;
}

// The system's option of each box, by its name.
const std::map<int, bool CSistema::*> kOpciones = {
    {32816, &CSistema::m_bVerEcuacion},          {32814, &CSistema::m_bVerMapaK},
    {32813, &CSistema::m_bVerMaxterminos},       {32812, &CSistema::m_bVerMinterminos},
    {32815, &CSistema::m_bVerTablaVerdad},       {32821, &CSistema::m_bVerExpresionSop},
    {32822, &CSistema::m_bVerExpresionPos},      {32817, &CSistema::m_bVerCubiertasSop},
    {32818, &CSistema::m_bVerCubiertasPos},      {32824, &CSistema::m_bVerImplicadosEsenciales},
    {32823, &CSistema::m_bVerImplicadosPrimos},  {32826, &CSistema::m_bVerImplicantesEsenciales},
    {32825, &CSistema::m_bVerImplicantesPrimos}, {32820, &CSistema::m_bProcesarPos},
    {32819, &CSistema::m_bProcesarSop},          {32832, &CSistema::m_bTodasSoluciones},
    {32831, &CSistema::m_bDiagramaIndividual},   {32830, &CSistema::m_bDiagramaSimultaneo},
    {1025, &CSistema::m_bIndividualUnTipo},      {1024, &CSistema::m_bIndividualDosTipos},
    {1023, &CSistema::m_bSimultaneoUnTipo},      {1022, &CSistema::m_bSimultaneoDosTipos},
};

// The members by box, read through the copy that the command makes on OK.
std::map<int, bool> Members(const CSalida& dlg) {
    CSistema s;
    CopyOutputOptions(dlg, s);
    std::map<int, bool> r;
    for (const auto& [id, opcion] : kOpciones) {
        r[id] = s.*opcion;
    }
    return r;
}

std::map<int, bool> All(const Ids& ids, bool valor) {
    std::map<int, bool> r;
    for (int id : ids) {
        r[id] = valor;
    }
    return r;
}

// ---- the template ----

TEST(SalidaTest, ControlsStandAtTheirPlacesInTheTabOrderOfTheTemplate) {
    CSalida dlg;
    Seed(dlg, 2);
    RunWith(dlg, [&] {
        const QString carpeta = qEnvironmentVariable("TARNOVEL_RENDER_DIR");
        if (!carpeta.isEmpty()) {
            dlg.grab().save(QDir(carpeta).filePath(QStringLiteral("salida.png")));
        }
    });
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Configurar Salida"));
    EXPECT_EQ(dlg.size(), CDialogUnits::ToPixels(452, 178));
    struct Lugar {
        int id;
        QRect dlu;
        const char* texto;
    };
    const Lugar lugares[] = {
        {1, {395, 7, 50, 14}, "OK"},
        {2, {395, 24, 50, 14}, "Cancel"},
        {32816, {16, 15, 94, 8}, "Ecuación lógica."},
        {32812, {16, 27, 94, 8}, "Suma de mintérminos."},
        {32813, {16, 39, 94, 8}, "Producto de maxtérminos."},
        {32815, {16, 51, 94, 8}, "Tabla de verdad."},
        {32814, {16, 63, 77, 8}, "Mapa de Karnaugh."},
        {32831, {16, 75, 123, 8}, "Diagrama de compuertas individual."},
        {1025, {34, 88, 97, 8}, "Un solo tipo de compuerta."},
        {1024, {34, 100, 94, 8}, "Dos tipos de compuertas."},
        {32830, {16, 113, 127, 8}, "Diagrama de compuertas simultaneo."},
        {1023, {34, 127, 97, 8}, "Un solo tipo de compuerta."},
        {1022, {34, 139, 93, 8}, "Dos tipos de compuertas."},
        {32832, {16, 153, 83, 8}, "Todas las soluciones."},
        {32819, {163, 68, 84, 8}, "Procesamiento S.O.P."},
        {32825, {163, 89, 72, 8}, "Implicantes Primos."},
        {32826, {163, 105, 119, 8}, "Implicantes Primos Escenciales."},
        {32817, {163, 121, 66, 8}, "Cubiertas S.O.P."},
        {32821, {163, 137, 94, 8}, "Expresión S.O.P. mínima."},
        {32820, {307, 68, 81, 8}, "Procesamiento P.O.S."},
        {32823, {307, 89, 72, 8}, "Implicados Primos."},
        {32824, {307, 105, 119, 8}, "Implicados Primos Escenciales."},
        {32818, {307, 121, 67, 8}, "Cubiertas P.O.S."},
        {32822, {307, 137, 94, 8}, "Expresión P.O.S. mínima."},
    };
    for (const Lugar& l : lugares) {
        const auto* boton = qobject_cast<QAbstractButton*>(dlg.GetDlgItem(l.id));
        ASSERT_NE(boton, nullptr) << l.id;
        const QRect plantilla =
            CDialogUnits::ToPixels(l.dlu.x(), l.dlu.y(), l.dlu.width(), l.dlu.height());
        EXPECT_EQ(boton->text(), QString::fromUtf8(l.texto)) << l.id;
        if (qobject_cast<const QCheckBox*>(boton) == nullptr) {
            EXPECT_EQ(boton->geometry(), plantilla) << l.id;
            continue;
        }
        // A caption wider in the substitute font widens its box, and only that.
        EXPECT_EQ(boton->pos(), plantilla.topLeft()) << l.id;
        EXPECT_EQ(boton->height(), plantilla.height()) << l.id;
        EXPECT_EQ(boton->width(), std::max(plantilla.width(), boton->sizeHint().width())) << l.id;
    }
    // Widened boxes stay clear of the next column and inside their frames.
    for (int id : {32831, 32830, 1025, 1023}) {
        EXPECT_LT(dlg.GetDlgItem(id)->geometry().right(), CDialogUnits::X(163)) << id;
    }
    for (int id : {32826, 32819}) {
        EXPECT_LT(dlg.GetDlgItem(id)->geometry().right(), CDialogUnits::X(153 + 132)) << id;
    }
    EXPECT_TRUE(dlg.GetDlgItem<QPushButton>(1)->isDefault());

    // The four captionless frames, by their left and top edges.
    std::vector<QRect> grupos;
    for (const QGroupBox* g : dlg.findChildren<QGroupBox*>()) {
        EXPECT_TRUE(g->title().isEmpty());
        grupos.push_back(g->geometry());
    }
    const auto porLugar = [](const QRect& a, const QRect& b) {
        return std::pair(a.x(), a.y()) < std::pair(b.x(), b.y());
    };
    std::sort(grupos.begin(), grupos.end(), porLugar);
    const std::vector<QRect> esperados = {
        CDialogUnits::ToPixels(29, 81, 113, 30), CDialogUnits::ToPixels(29, 120, 114, 30),
        CDialogUnits::ToPixels(153, 77, 132, 77), CDialogUnits::ToPixels(297, 77, 132, 77)};
    EXPECT_EQ(grupos, esperados);

    // The notice, whole within its place whatever face stands in for the font.
    const auto etiquetas = dlg.findChildren<QLabel*>();
    ASSERT_EQ(etiquetas.size(), 1);
    const QLabel& aviso = *etiquetas[0];
    EXPECT_EQ(aviso.geometry(), CDialogUnits::ToPixels(163, 25, 202, 34));
    EXPECT_TRUE(aviso.text().startsWith(QStringLiteral("Puede elegir ambos tipos")));
    EXPECT_TRUE(aviso.text().endsWith(QStringLiteral("la opción Todas las soluciones.")));
    const QRect necesita = QFontMetrics(aviso.font())
                               .boundingRect(QRect(QPoint(0, 0), aviso.size()),
                                             Qt::AlignLeft | Qt::TextWordWrap, aviso.text());
    EXPECT_LE(necesita.height(), aviso.height());

    // Tab walks OK, Cancel, then every box in the template's order.
    Ids orden;
    QWidget* w = dlg.GetDlgItem(2)->nextInFocusChain();
    for (; w != dlg.GetDlgItem(1) && orden.size() < 40; w = w->nextInFocusChain()) {
        if (qobject_cast<QCheckBox*>(w) != nullptr) {
            orden.push_back(CToolTips::GetControlId(*w));
        }
    }
    EXPECT_EQ(orden, kOrdenTab);
    EXPECT_EQ(dlg.GetDlgItem(1)->nextInFocusChain(), dlg.GetDlgItem(2));
}

TEST(SalidaTest, EveryBoxAndButtonHasItsToolTipAndTheFramesNone) {
    CSalida dlg;
    Seed(dlg, 1);
    RunWith(dlg, [] {});
    const std::pair<int, const char*> esperados[] = {
        {1, "Presione para confirmar los datos ingresados"},
        {2, "Presione para salir sin modificar los datos del sistema"},
        {32812, "Incluye en la salida, las listas de mintérminos de las funciones"},
        {32818, "Incluyer en la salida, los IP que forman las cubiertas POS del sistema"},
        {32822, "Incluye en la salida, las expresiones  POS mínimas que representan al sistema"},
        {32823, "Marque este item si desea incluir en la salida, los IP que se generaron"},
        {32825, "Marque este item si desea incluir en la salida, los IP que se generaron"},
        {32832, "Marque este item, para mostrar, si hay más de una, todas las cubiertas posibles."},
        // The gate-type boxes say what the types are, not the arrows' hint that
        // the string table holds under two of their ids.
        {1025,
         "Incluye diagramas con un solo compuertas, NAND si el procesamiento SOP y NOR si es POS."},
        {1023,
         "Incluye diagramas con un solo compuertas, NAND si el procesamiento SOP y NOR si es POS."},
        {1024, "Incluye diagramas OR-AND para procesamiento POS y AND-OR para SOP"},
        {1022, "Incluye diagramas OR-AND para procesamiento POS y AND-OR para SOP"},
    };
    for (const auto& [id, texto] : esperados) {
        EXPECT_EQ(dlg.GetDlgItem(id)->toolTip(), QString::fromUtf8(texto)) << id;
    }
    for (int id : kOrdenTab) {
        EXPECT_FALSE(Box(dlg, id)->toolTip().isEmpty()) << id;
    }
    for (const QWidget* w : dlg.findChildren<QGroupBox*>()) {
        EXPECT_TRUE(w->toolTip().isEmpty());
    }
    EXPECT_TRUE(dlg.findChild<QLabel*>()->toolTip().isEmpty());
}

// ---- enabling ----

TEST(SalidaTest, ANewOneFunctionSystemOpensWithItsDefaults) {
    CSalida dlg;
    Seed(dlg, 1);
    std::map<int, bool> marcas;
    std::map<int, bool> habilitadas;
    RunWith(dlg, [&] {
        marcas = Marks(dlg);
        habilitadas = Enabled(dlg, kOrdenTab);
    });
    EXPECT_EQ(marcas, Members(dlg));
    EXPECT_TRUE(marcas[32819]);
    EXPECT_FALSE(marcas[32820]);
    // Shown ticked though greyed, as the defaults say.
    EXPECT_TRUE(marcas[32830]);
    EXPECT_TRUE(marcas[1023]);
    EXPECT_FALSE(marcas[1022]);

    std::map<int, bool> esperadas = All(kOrdenTab, true);
    for (int id : kPos) {
        esperadas[id] = false;
    }
    for (int id : {32830, 1023, 1022}) {
        esperadas[id] = false;
    }
    EXPECT_EQ(habilitadas, esperadas);
}

struct CasoSimultaneo {
    UINT funciones;
    bool diagrama;
    bool cajaHabilitada;
    bool tiposHabilitados;
};

class SimultaneoTest : public testing::TestWithParam<CasoSimultaneo> {};

TEST_P(SimultaneoTest, TheSimultaneousBoxesNeedMoreThanOneFunction) {
    const CasoSimultaneo& c = GetParam();
    CSalida dlg;
    Seed(dlg, c.funciones);
    dlg.m_bDiagramaSimultaneo = c.diagrama;
    std::map<int, bool> habilitadas;
    RunWith(dlg, [&] { habilitadas = Enabled(dlg, {32830, 1023, 1022}); });
    EXPECT_EQ(habilitadas, (std::map<int, bool>{{32830, c.cajaHabilitada},
                                                {1023, c.tiposHabilitados},
                                                {1022, c.tiposHabilitados}}));
}

INSTANTIATE_TEST_SUITE_P(Casos, SimultaneoTest,
                         testing::Values(CasoSimultaneo{1, true, false, false},
                                         CasoSimultaneo{1, false, false, false},
                                         CasoSimultaneo{2, true, true, true},
                                         CasoSimultaneo{2, false, true, false},
                                         CasoSimultaneo{6, true, true, true}));

TEST(SalidaTest, EachMasterBoxSwitchesItsGroupAtOnce) {
    struct Grupo {
        int maestra;
        Ids dependientes;
        bool alAbrir;
    };
    const Grupo grupos[] = {{32819, kSop, true},
                            {32820, kPos, false},
                            {32831, kTiposIndividual, false},
                            {32830, kTiposSimultaneo, false}};
    for (const Grupo& g : grupos) {
        CSalida dlg;
        Seed(dlg, 3);
        dlg.m_bDiagramaIndividual = false;
        dlg.m_bDiagramaSimultaneo = false;
        std::map<int, bool> antes, primera, segunda, marcas;
        RunWith(dlg, [&] {
            marcas = Marks(dlg);
            antes = Enabled(dlg, g.dependientes);
            Click(dlg, g.maestra);
            primera = Enabled(dlg, g.dependientes);
            Click(dlg, g.maestra);
            segunda = Enabled(dlg, g.dependientes);
        });
        EXPECT_EQ(antes, All(g.dependientes, g.alAbrir)) << g.maestra;
        EXPECT_EQ(primera, All(g.dependientes, !g.alAbrir)) << g.maestra;
        EXPECT_EQ(segunda, All(g.dependientes, g.alAbrir)) << g.maestra;
        // Two clicks put the master's member back; greying touched no other.
        EXPECT_EQ(Members(dlg), marcas) << g.maestra;
        EXPECT_EQ(Marks(dlg), marcas) << g.maestra;
        // The simultaneous box itself stays usable with three functions.
        EXPECT_TRUE(Box(dlg, 32830)->isEnabled());
    }
}

// ---- what OK returns ----

TEST(SalidaTest, AfterOkEveryMemberEqualsItsVisibleMarkEnabledOrNot) {
    CSalida dlg;
    Seed(dlg, 2);
    std::map<int, bool> marcas;
    std::map<int, bool> habilitadas;
    const int r = RunWith(dlg, [&] {
        // POS on and two of its boxes ticked; then every master off, so that
        // ticked and unticked boxes end greyed in all four groups.
        for (int id : {32820, 32823, 32824, 32830, 32831, 32820, 32819}) {
            Click(dlg, id);
        }
        // A click on each box in tab order reaches only the enabled ones.
        for (int id : kOrdenTab) {
            Click(dlg, id);
        }
        // Which turned the masters on again: off once more.
        for (int id : {32820, 32819, 32831, 32830}) {
            Click(dlg, id);
        }
        marcas = Marks(dlg);
        habilitadas = Enabled(dlg, kOrdenTab);
        QTest::mouseClick(dlg.GetDlgItem<QPushButton>(1), Qt::LeftButton);
    });
    EXPECT_EQ(r, CDialog::IDOK);
    EXPECT_EQ(Members(dlg), marcas);
    std::map<int, bool> marcadas = All(kOrdenTab, false);
    for (int id : {32821, 32822, 32823, 32824, 1025, 1023, 32832}) {
        marcadas[id] = true;
    }
    EXPECT_EQ(marcas, marcadas);
    // Ticked and unticked boxes greyed in each of the four groups.
    for (const Ids* grupo : {&kSop, &kPos, &kTiposIndividual, &kTiposSimultaneo}) {
        for (int id : *grupo) {
            EXPECT_FALSE(habilitadas[id]) << id;
        }
    }
}

TEST(SalidaTest, EachOptionOfTheSystemTravelsThroughItsOwnBox) {
    // One option at a time, so that two crossed names cannot hide each other.
    for (const auto& [id, opcion] : kOpciones) {
        CSistema sistema;
        for (const auto& [otro, otra] : kOpciones) {
            sistema.*otra = otro == id;
        }
        CSalida dlg;
        dlg.m_nFunciones = 2;
        CopyOutputOptions(sistema, dlg);
        std::map<int, bool> marcas;
        RunWith(dlg, [&] {
            marcas = Marks(dlg);
            QTest::mouseClick(dlg.GetDlgItem<QPushButton>(1), Qt::LeftButton);
        });
        std::map<int, bool> esperadas = All(kOrdenTab, false);
        esperadas[id] = true;
        EXPECT_EQ(marcas, esperadas) << id;
        EXPECT_EQ(Members(dlg), esperadas) << id;
    }
}

}  // namespace
