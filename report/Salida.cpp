#include "report/Salida.h"

#include <QCheckBox>
#include <QLabel>

namespace {

constexpr const char* kAviso =
    "Puede elegir ambos tipos de procesamiento o solo uno, pero para obtener una salida debe "
    "seleccionar al menos uno o solo obtendrá como resultados los datos que ingresó usted. Si "
    "quiere ahorrar tiempo no seleccione la opción Todas las soluciones.";

// The gate-type boxes share their ids with up-down controls of other dialogs,
// whose arrow hint means nothing here; they show what the diagram types are.
constexpr const char* kUnTipo =
    "Incluye diagramas con un solo compuertas, NAND si el procesamiento SOP y NOR si es POS.";
constexpr const char* kDosTipos =
    "Incluye diagramas OR-AND para procesamiento POS y AND-OR para SOP";

constexpr SStringResource kToolTips[] = {
    {CSalida::IDC_SIMULTANEO_DOS_TIPOS, kDosTipos},
    {CSalida::IDC_SIMULTANEO_UN_TIPO, kUnTipo},
    {CSalida::IDC_INDIVIDUAL_DOS_TIPOS, kDosTipos},
    {CSalida::IDC_INDIVIDUAL_UN_TIPO, kUnTipo},
    {CSalida::IDC_SUMA_DE_MINTERMINOS,
     "Incluye en la salida, las listas de mintérminos de las funciones"},
    {CSalida::IDC_PRODUCTO_DE_MAXTERMINOS,
     "Incluye en la salida, las listas de maxtérminos de las funciones"},
    {CSalida::IDC_MAPA_DE_KARNAUGH,
     "Incluye en la salida, las representaciones sobre Mapas K de las cubiertas"},
    {CSalida::IDC_TABLA_DE_VERDAD,
     "Marque este item si desea incluir en la salida, la tabla de verdad del sistema"},
    {CSalida::IDC_ECUACION_LOGICA,
     "Incluye en la salida, si las hay, las ecuaciones lógicas ingresadas"},
    {CSalida::IDC_CUBIERTAS_SOP,
     "Incluye en la salida, los IP que forman las cubiertas SOP del sistema"},
    {CSalida::IDC_CUBIERTAS_POS,
     "Incluyer en la salida, los IP que forman las cubiertas POS del sistema"},
    {CSalida::IDC_PROCESAMIENTO_SOP,
     "Seleccione este item si quiere que se efectue procesamiento SOP"},
    {CSalida::IDC_PROCESAMIENTO_POS,
     "Seleccione este item si desea que se efectue procesamiento POS"},
    {CSalida::IDC_EXPRESION_SOP_MINIMA,
     "Incluye en la salida, las expresiones SOP mínimas que representan al sistema"},
    {CSalida::IDC_EXPRESION_POS_MINIMA,
     "Incluye en la salida, las expresiones  POS mínimas que representan al sistema"},
    {CSalida::IDC_IMPLICADOS_PRIMOS,
     "Marque este item si desea incluir en la salida, los IP que se generaron"},
    {CSalida::IDC_IMPLICADOS_PRIMOS_ESENCIALES,
     "Marque este item si desea incluir en la salida, los IPE del sistema"},
    {CSalida::IDC_IMPLICANTES_PRIMOS,
     "Marque este item si desea incluir en la salida, los IP que se generaron"},
    {CSalida::IDC_IMPLICANTES_PRIMOS_ESENCIALES,
     "Marque este item si desea incluir en la salida, los IPE del sistema"},
    {CSalida::IDC_DIAGRAMA_SIMULTANEO,
     "Incluye en la salida diagramas de compuertas simultaneos, incluyendo todas las funciones."},
    {CSalida::IDC_DIAGRAMA_INDIVIDUAL,
     "Incluye en la salida diagramas de compuertas individuales para cada función."},
    {CSalida::IDC_TODAS_LAS_SOLUCIONES,
     "Marque este item, para mostrar, si hay más de una, todas las cubiertas posibles."},
};

}  // namespace

// In the template's order, which is the tab order.
const std::array<CSalida::Casilla, 22> CSalida::kCasillas = {{
    {IDC_SUMA_DE_MINTERMINOS, "Suma de mintérminos.", 16, 27, 94, 8, &CSalida::m_bVerMinterminos,
     nullptr},
    {IDC_PRODUCTO_DE_MAXTERMINOS, "Producto de maxtérminos.", 16, 39, 94, 8,
     &CSalida::m_bVerMaxterminos, nullptr},
    {IDC_MAPA_DE_KARNAUGH, "Mapa de Karnaugh.", 16, 63, 77, 8, &CSalida::m_bVerMapaK, nullptr},
    {IDC_EXPRESION_SOP_MINIMA, "Expresión S.O.P. mínima.", 163, 137, 94, 8,
     &CSalida::m_bVerExpresionSop, nullptr},
    {IDC_TABLA_DE_VERDAD, "Tabla de verdad.", 16, 51, 94, 8, &CSalida::m_bVerTablaVerdad, nullptr},
    {IDC_ECUACION_LOGICA, "Ecuación lógica.", 16, 15, 94, 8, &CSalida::m_bVerEcuacion, nullptr},
    {IDC_IMPLICANTES_PRIMOS, "Implicantes Primos.", 163, 89, 72, 8,
     &CSalida::m_bVerImplicantesPrimos, nullptr},
    {IDC_IMPLICANTES_PRIMOS_ESENCIALES, "Implicantes Primos Escenciales.", 163, 105, 119, 8,
     &CSalida::m_bVerImplicantesEsenciales, nullptr},
    {IDC_CUBIERTAS_SOP, "Cubiertas S.O.P.", 163, 121, 66, 8, &CSalida::m_bVerCubiertasSop, nullptr},
    {IDC_EXPRESION_POS_MINIMA, "Expresión P.O.S. mínima.", 307, 137, 94, 8,
     &CSalida::m_bVerExpresionPos, nullptr},
    {IDC_CUBIERTAS_POS, "Cubiertas P.O.S.", 307, 121, 67, 8, &CSalida::m_bVerCubiertasPos, nullptr},
    {IDC_IMPLICADOS_PRIMOS, "Implicados Primos.", 307, 89, 72, 8, &CSalida::m_bVerImplicadosPrimos,
     nullptr},
    {IDC_IMPLICADOS_PRIMOS_ESENCIALES, "Implicados Primos Escenciales.", 307, 105, 119, 8,
     &CSalida::m_bVerImplicadosEsenciales, nullptr},
    {IDC_PROCESAMIENTO_POS, "Procesamiento P.O.S.", 307, 68, 81, 8, &CSalida::m_bProcesarPos,
     &CSalida::OnProcesamientoPos},
    {IDC_PROCESAMIENTO_SOP, "Procesamiento S.O.P.", 163, 68, 84, 8, &CSalida::m_bProcesarSop,
     &CSalida::OnProcesamientoSop},
    {IDC_DIAGRAMA_INDIVIDUAL, "Diagrama de compuertas individual.", 16, 75, 123, 8,
     &CSalida::m_bDiagramaIndividual, &CSalida::OnDiagramaIndividual},
    {IDC_INDIVIDUAL_UN_TIPO, "Un solo tipo de compuerta.", 34, 88, 97, 8,
     &CSalida::m_bIndividualUnTipo, nullptr},
    {IDC_INDIVIDUAL_DOS_TIPOS, "Dos tipos de compuertas.", 34, 100, 94, 8,
     &CSalida::m_bIndividualDosTipos, nullptr},
    {IDC_TODAS_LAS_SOLUCIONES, "Todas las soluciones.", 16, 153, 83, 8,
     &CSalida::m_bTodasSoluciones, nullptr},
    {IDC_SIMULTANEO_UN_TIPO, "Un solo tipo de compuerta.", 34, 127, 97, 8,
     &CSalida::m_bSimultaneoUnTipo, nullptr},
    {IDC_SIMULTANEO_DOS_TIPOS, "Dos tipos de compuertas.", 34, 139, 93, 8,
     &CSalida::m_bSimultaneoDosTipos, nullptr},
    {IDC_DIAGRAMA_SIMULTANEO, "Diagrama de compuertas simultaneo.", 16, 113, 127, 8,
     &CSalida::m_bDiagramaSimultaneo, &CSalida::OnDiagramaSimultaneo},
}};

CSalida::CSalida(QWidget* parent)
    : CDialog(QStringLiteral("Configurar Salida"), 452, 178, Estilo::Marco, parent) {
    AddButton(IDOK, QStringLiteral("OK"), 395, 7, 50, 14, true);
    AddButton(IDCANCEL, QStringLiteral("Cancel"), 395, 24, 50, 14);
    for (const Casilla& c : kCasillas) {
        QCheckBox* casilla = AddCheck(c.id, QString::fromUtf8(c.texto), c.x, c.y, c.ancho, c.alto);
        connect(casilla, &QCheckBox::clicked, this, [this, &c] { OnClicked(c); });
    }
    QLabel* aviso = AddStatic(-1, QString::fromUtf8(kAviso), 163, 25, 202, 34);
    aviso->setWordWrap(true);
    FitText(aviso);
    // Captionless frames; each group's master box sits on the top edge.
    AddGroupBox(-1, QString(), 153, 77, 132, 77);
    AddGroupBox(-1, QString(), 297, 77, 132, 77);
    AddGroupBox(-1, QString(), 29, 81, 113, 30);
    AddGroupBox(-1, QString(), 29, 120, 114, 30);
}

bool CSalida::OnInitDialog() {
    CDialog::OnInitDialog();
    EnableControls(m_idsSop, m_bProcesarSop);
    EnableControls(m_idsPos, m_bProcesarPos);
    EnableControls(m_idsDiagramaSimultaneo, SimultaneoPosible());
    EnableControls(m_idsTiposSimultaneo, m_bDiagramaSimultaneo && SimultaneoPosible());
    EnableControls(m_idsTiposIndividual, m_bDiagramaIndividual);
    return true;
}

void CSalida::DoDataExchange(CDataExchange& dx) {
    for (const Casilla& c : kCasillas) {
        DDX_Check(dx, GetDlgItem<QCheckBox>(c.id), this->*c.flag);
    }
}

std::span<const SStringResource> CSalida::ToolTipStrings() const {
    return kToolTips;
}

void CSalida::EnableControls(std::span<const int> ids, bool enable) {
    for (const int id : ids) {
        if (QWidget* control = GetDlgItem(id)) {
            control->setEnabled(enable);
        }
    }
}

void CSalida::OnClicked(const Casilla& casilla) {
    if (casilla.alPulsar != nullptr) {
        (this->*casilla.alPulsar)();
        return;
    }
    // The box has already toggled itself; the flag follows it.
    this->*casilla.flag = !(this->*casilla.flag);
}

void CSalida::OnProcesamientoSop() {
    m_bProcesarSop = !m_bProcesarSop;
    UpdateData(false);
    EnableControls(m_idsSop, m_bProcesarSop);
}

void CSalida::OnProcesamientoPos() {
    m_bProcesarPos = !m_bProcesarPos;
    UpdateData(false);
    EnableControls(m_idsPos, m_bProcesarPos);
}

void CSalida::OnDiagramaIndividual() {
    m_bDiagramaIndividual = !m_bDiagramaIndividual;
    UpdateData(false);
    EnableControls(m_idsTiposIndividual, m_bDiagramaIndividual);
}

void CSalida::OnDiagramaSimultaneo() {
    m_bDiagramaSimultaneo = !m_bDiagramaSimultaneo;
    UpdateData(false);
    EnableControls(m_idsTiposSimultaneo, m_bDiagramaSimultaneo && SimultaneoPosible());
    EnableControls(m_idsDiagramaSimultaneo, SimultaneoPosible());
}
