#pragma once
// "Configurar Salida" (dialog 140): what the system computes (SOP, POS, all
// the cheapest covers) and what the report shows. Its 22 flags carry the names
// of the system's output options, so the caller copies them name to name with
// CopyOutputOptions: it seeds m_nFunciones and the flags, runs DoModal and,
// after IDOK only, copies the flags back.
//
// The boxes that depend on another one are greyed while it is off: the SOP and
// POS sections follow their processing box, each pair of gate-type boxes its
// diagram box, and the simultaneous diagram needs more than one function. A
// greyed box keeps its mark, and its value comes back on OK like any other.

#include <array>
#include <span>

#include "platform/Dialog.h"

class QCheckBox;

class CSalida : public CDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 140;
    // Control ids of the template.
    enum Control {
        IDC_SIMULTANEO_DOS_TIPOS = 1022,
        IDC_SIMULTANEO_UN_TIPO = 1023,
        IDC_INDIVIDUAL_DOS_TIPOS = 1024,
        IDC_INDIVIDUAL_UN_TIPO = 1025,
        IDC_SUMA_DE_MINTERMINOS = 32812,
        IDC_PRODUCTO_DE_MAXTERMINOS = 32813,
        IDC_MAPA_DE_KARNAUGH = 32814,
        IDC_TABLA_DE_VERDAD = 32815,
        IDC_ECUACION_LOGICA = 32816,
        IDC_CUBIERTAS_SOP = 32817,
        IDC_CUBIERTAS_POS = 32818,
        IDC_PROCESAMIENTO_SOP = 32819,
        IDC_PROCESAMIENTO_POS = 32820,
        IDC_EXPRESION_SOP_MINIMA = 32821,
        IDC_EXPRESION_POS_MINIMA = 32822,
        IDC_IMPLICADOS_PRIMOS = 32823,
        IDC_IMPLICADOS_PRIMOS_ESENCIALES = 32824,
        IDC_IMPLICANTES_PRIMOS = 32825,
        IDC_IMPLICANTES_PRIMOS_ESENCIALES = 32826,
        IDC_DIAGRAMA_SIMULTANEO = 32830,
        IDC_DIAGRAMA_INDIVIDUAL = 32831,
        IDC_TODAS_LAS_SOLUCIONES = 32832,
    };

    explicit CSalida(QWidget* parent = nullptr);

    UINT m_nFunciones = 0;
    // The 22 flags, all off until the caller seeds them.
    bool m_bVerEcuacion = false;
    bool m_bVerMapaK = false;
    bool m_bVerMaxterminos = false;
    bool m_bVerMinterminos = false;
    bool m_bVerTablaVerdad = false;
    bool m_bVerExpresionSop = false;
    bool m_bVerExpresionPos = false;
    bool m_bVerCubiertasSop = false;
    bool m_bVerCubiertasPos = false;
    bool m_bVerImplicadosEsenciales = false;
    bool m_bVerImplicadosPrimos = false;
    bool m_bVerImplicantesEsenciales = false;
    bool m_bVerImplicantesPrimos = false;
    bool m_bProcesarPos = false;
    bool m_bProcesarSop = false;
    bool m_bTodasSoluciones = false;
    bool m_bDiagramaIndividual = false;
    bool m_bDiagramaSimultaneo = false;
    bool m_bIndividualUnTipo = false;
    bool m_bIndividualDosTipos = false;
    bool m_bSimultaneoUnTipo = false;
    bool m_bSimultaneoDosTipos = false;

    // Enables or greys the boxes with these ids; an id without a control is
    // passed over.
    void EnableControls(std::span<const int> ids, bool enable);

    // The four boxes that others depend on.
    void OnProcesamientoSop();
    void OnProcesamientoPos();
    void OnDiagramaIndividual();
    void OnDiagramaSimultaneo();

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    std::span<const SStringResource> ToolTipStrings() const override;

private:
    // One check box of the template and the flag it edits.
    struct Casilla {
        int id;
        const char* texto;
        int x, y, ancho, alto;
        bool CSalida::*flag;
        // What a click does besides the box's own toggle; null: only the flag
        // follows the mark.
        void (CSalida::*alPulsar)();
    };
    static const std::array<Casilla, 22> kCasillas;

    void OnClicked(const Casilla& casilla);
    bool SimultaneoPosible() const { return m_nFunciones > 1; }

    const std::array<int, 4> m_idsSop{IDC_IMPLICANTES_PRIMOS, IDC_IMPLICANTES_PRIMOS_ESENCIALES,
                                      IDC_CUBIERTAS_SOP, IDC_EXPRESION_SOP_MINIMA};
    const std::array<int, 4> m_idsPos{IDC_IMPLICADOS_PRIMOS, IDC_IMPLICADOS_PRIMOS_ESENCIALES,
                                      IDC_CUBIERTAS_POS, IDC_EXPRESION_POS_MINIMA};
    const std::array<int, 1> m_idsDiagramaSimultaneo{IDC_DIAGRAMA_SIMULTANEO};
    const std::array<int, 2> m_idsTiposSimultaneo{IDC_SIMULTANEO_UN_TIPO, IDC_SIMULTANEO_DOS_TIPOS};
    const std::array<int, 2> m_idsTiposIndividual{IDC_INDIVIDUAL_UN_TIPO, IDC_INDIVIDUAL_DOS_TIPOS};
};

// Copies the 22 output options name to name, between the system and the
// dialog in either direction.
template <class Desde, class Hacia>
void CopyOutputOptions(const Desde& desde, Hacia& hacia) {
    hacia.m_bVerEcuacion = desde.m_bVerEcuacion;
    hacia.m_bVerMapaK = desde.m_bVerMapaK;
    hacia.m_bVerMaxterminos = desde.m_bVerMaxterminos;
    hacia.m_bVerMinterminos = desde.m_bVerMinterminos;
    hacia.m_bVerTablaVerdad = desde.m_bVerTablaVerdad;
    hacia.m_bVerExpresionSop = desde.m_bVerExpresionSop;
    hacia.m_bVerExpresionPos = desde.m_bVerExpresionPos;
    hacia.m_bVerCubiertasSop = desde.m_bVerCubiertasSop;
    hacia.m_bVerCubiertasPos = desde.m_bVerCubiertasPos;
    hacia.m_bVerImplicadosEsenciales = desde.m_bVerImplicadosEsenciales;
    hacia.m_bVerImplicadosPrimos = desde.m_bVerImplicadosPrimos;
    hacia.m_bVerImplicantesEsenciales = desde.m_bVerImplicantesEsenciales;
    hacia.m_bVerImplicantesPrimos = desde.m_bVerImplicantesPrimos;
    hacia.m_bProcesarPos = desde.m_bProcesarPos;
    hacia.m_bProcesarSop = desde.m_bProcesarSop;
    hacia.m_bTodasSoluciones = desde.m_bTodasSoluciones;
    hacia.m_bDiagramaIndividual = desde.m_bDiagramaIndividual;
    hacia.m_bDiagramaSimultaneo = desde.m_bDiagramaSimultaneo;
    hacia.m_bIndividualUnTipo = desde.m_bIndividualUnTipo;
    hacia.m_bIndividualDosTipos = desde.m_bIndividualDosTipos;
    hacia.m_bSimultaneoUnTipo = desde.m_bSimultaneoUnTipo;
    hacia.m_bSimultaneoDosTipos = desde.m_bSimultaneoDosTipos;
}
