#pragma once
// The logic system of one document: up to six functions of up to six variables,
// their term texts and equations, the sorted term list, and the results of the
// multi-output minimisation on the ones (SOP) and on the zeros (POS).

#include <array>
#include <functional>
#include <string>

#include "logic/Termino.h"
#include "platform/DC.h"

class CArchive;
class CPuerto;

constexpr UINT kMaxVariables = 6;
constexpr UINT kMaxFunciones = 6;
constexpr UINT kMaxTerminos = 64;
constexpr UINT kMaxCubiertas = 100;
constexpr UINT kMaxSubcubiertas = 6;

using TextosFuncion = std::array<std::string, kMaxFunciones>;
using NivelesLado = std::array<ListaTerminos, kMaxVariables>;
using TablaCubiertas = std::array<ListaTerminos, kMaxCubiertas>;
using SubcubiertasFuncion = std::array<ListaTerminos, kMaxSubcubiertas>;
using TablaSubcubiertas = std::array<std::array<SubcubiertasFuncion, kMaxFunciones>, kMaxCubiertas>;
// Karnaugh-map cells: row = term, column = function. Truth-table cells: row =
// function, column = term. '1' required, 'X' don't-care, anything else absent.
using CeldasMapa = std::array<std::array<char, kMaxFunciones>, kMaxTerminos>;
using CeldasTabla = std::array<std::array<char, kMaxTerminos>, kMaxFunciones>;

class CSistema {
public:
    CSistema();
    ~CSistema();
    CSistema(const CSistema&) = delete;
    CSistema& operator=(const CSistema&) = delete;

    // ---- life cycle and accessors ----
    UINT GetNumVariables() const { return m_nVariables; }
    UINT GetNumFunctions() const { return m_nFunciones; }
    UINT GetNumTerms() const { return m_nTerminos; }
    UINT GetTermMask() const { return m_nMascara; }
    void SetNumVariables(UINT v);
    // Also writes the default description sentence, which names both numbers.
    void SetNumFunctions(UINT v);
    // "Sistema de %u funciones de %u variables cada una." and its variants for
    // one function or one variable.
    std::string DefaultDescription() const;
    std::string GetDescription() const { return m_strCaracteristicas; }
    void SetDescription(std::string text);
    std::string GetMintermText(int f) const {
        return m_strMinterminos[static_cast<std::size_t>(f)];
    }
    std::string GetMaxtermText(int f) const {
        return m_strMaxterminos[static_cast<std::size_t>(f)];
    }
    std::string GetDontCareText(int f) const {
        return m_strPrescindibles[static_cast<std::size_t>(f)];
    }
    std::string GetEquation(int f) const { return m_strEcuaciones[static_cast<std::size_t>(f)]; }
    const Termino* GetTermList() const { return m_pNivelSop[0].get(); }
    void Reprocess();
    // Writes or reads the document file. Reading refuses a damaged file with
    // CArchiveException and then leaves the system as it was.
    void Serialize(CArchive& ar);

    // ---- cube lists and term texts ----
    bool CubeLess(const Termino& a, const Termino& b) const;
    static bool CubeEqual(const Termino& a, const Termino& b) {
        return a.unos == b.unos && a.ceros == b.ceros;
    }
    void InsertTermMerge(ListaTerminos& list, UINT v, UINT a, UINT b) const;
    void InsertUnique(ListaTerminos node, ListaTerminos& list) const;
    Termino* FindInsertPoint(Termino* list, const Termino& node) const;
    static void InsertAfter(ListaTerminos node, Termino& predecessor);
    static void FreeTermList(ListaTerminos& list) { list.reset(); }
    // Numbers of 2^n or more, and empty elements, are passed over.
    void ParseTermText(ListaTerminos& list, const std::string& text, UINT a, UINT b) const;
    std::string FormatTermText(const Termino* list, UINT a, UINT b) const;
    std::string FormatComplementText(const Termino* list, UINT f) const;
    // True when the text holds only digits, blanks and commas and every number
    // is below the number of terms: what the program itself writes.
    static bool IsValidTermText(const std::string& text, UINT terminos);

    // ---- entry forms and processing ----
    void ApplyMinterms(const TextosFuncion& minterminos, const TextosFuncion& prescindibles);
    void ApplyMaxterms(const TextosFuncion& maxterminos, const TextosFuncion& prescindibles);
    void ApplyEquations(const TextosFuncion& ecuaciones, const TextosFuncion& canonicas);
    void ApplyKMapCells(const CeldasMapa& celdas);
    void ApplyTruthTableCells(const CeldasTabla& celdas);
    // The cells that seed the truth table and the Karnaugh maps: '0' for every
    // term of every function, then '1' or 'X' for each term a function has.
    CeldasTabla GetTruthTableCells() const;
    CeldasMapa GetKMapCells() const;
    void RebuildAfterLoad();
    void Process();
    void ParseComplementText(ListaTerminos& list, const std::string& text, UINT a, UINT b) const;
    void ParseCanonicalProducts(ListaTerminos& list, const std::string& text, UINT a) const;

    // ---- Quine-McCluskey: combination, primes, essentials ----
    void ProcessSop();
    void ProcessPos();
    void CombineLevel(Termino* level, ListaTerminos& next) const;
    bool CanCombine(const Termino& p, const Termino& q) const;
    bool IsSingleBit(UINT x) const;
    ListaTerminos CollectPrimes(const NivelesLado& niveles);
    ListaTerminos FindEssentials(Termino* level0, const Termino* primes) const;
    const Termino* UniqueCoveringPrime(const Termino& term, const Termino* primes, UINT f) const;
    bool CubeCoversTerm(const Termino& term, const Termino& cube) const;

    // ---- minimal-cover search ----
    UINT FindMinimalCovers(const Termino* level0, const Termino* primes, TablaCubiertas& covers,
                           TablaSubcubiertas& subCovers, UINT m, UINT shift);
    void FindFunctionCovers(const Termino* level0, const Termino* cover, SubcubiertasFuncion& slots,
                            UINT f);
    UINT CountLiterals(const Termino& cube) const;

    // ---- literal enumeration of the cover search ----
    // The combination-by-combination walk that defines the covers' order. The
    // search above reaches the same result without walking every combination;
    // these operations also store its results.
    // One selected candidate of a combination: a combination of k candidates is a
    // chain of k selectors whose candidates stand in candidate-list order.
    struct Selector {
        const Termino* termino = nullptr;
        std::unique_ptr<Selector> sig;
        Selector() = default;
        Selector(const Selector&) = delete;
        Selector& operator=(const Selector&) = delete;
        ~Selector() {
            std::unique_ptr<Selector> p = std::move(sig);
            while (p) {
                p = std::move(p->sig);
            }
        }
    };
    using ListaSelectores = std::unique_ptr<Selector>;
    // The selectors take the first candidates of the list; false when the list has
    // fewer candidates than there are selectors.
    static bool ResetSelection(const Termino* candidates, Selector* selection);
    // Moves to the next combination in lexicographic order; false after the last.
    static bool NextCombination(Selector* selection);
    // Every (term, function) pair of level 0 with the term required for one of the
    // c functions from bit `shift` on is covered by a selected candidate of that
    // function.
    bool SelectionCoversAll(const Termino* level0, const Selector* selection, UINT c,
                            UINT shift) const;
    bool TermCovered(const Termino& term, const Selector* selection, UINT c, UINT shift) const;
    // Copies the cubes and masks of the selected candidates, in order, into the
    // nodes of the slot list, which has one node per selector.
    static void CopySelection(Termino* slot, const Selector* selection);
    // 1 if the selection has fewer literals than the slot, 0 as many, 2 more.
    UINT CompareLiteralCost(const Termino* slot, const Selector* selection) const;
    static void FreeSelectorList(ListaSelectores& selection) { selection.reset(); }

    // ---- transfer to the multiplexer board (port/) ----
    // Runs the port dialog on the open port, its check boxes starting from the
    // two flags and its term limited to 0 .. nTerminos - 1.
    using DialogoPuerto =
        std::function<void(CPuerto& puerto, bool bComplementar, bool bSeleccion, UINT nTerminos)>;
    // One visit of the board: saves the control and data registers, shifts in
    // function nFuncion's (1-based) sixteen truth values, runs the dialog and
    // writes both registers back however it ends. A failing access ends the
    // visit with its message.
    void SendFunctionToPort(UINT nFuncion, CPuerto& puerto, const DialogoPuerto& dialogo) const;

    // ---- notation of the report ----
    std::string FormatSop(const Termino* list) const;
    std::string FormatPos(const Termino* list) const;
    std::string FormatCubeList(const Termino* list, std::string prefix) const;

    // ---- report drawing ----
    CSize GetReportSize() const;
    void DrawReport(CDC& dc);
    // The pieces of the gate diagrams, drawn from the report cursor (X, Y), which
    // they leave where it was. DrawGateInputs draws the rails of one 60-high term
    // row and the wires of the term's literals, and returns the literal count;
    // the gates have their back at X+dx and their top at Y.
    UINT DrawGateInputs(bool recto, bool suma, const Termino& termino, CDC& dc) const;
    void DrawAndGate(CDC& dc, int dx, int h) const;
    void DrawOrGate(CDC& dc, int dx, int h) const;
    static void DrawJunction(CDC& dc, int x, int y);
    static void DrawBubble(CDC& dc, int left, int top);
    // "Aa Bb ..." under the rails, in 8.2-point Arial, with their top at y.
    void DrawRailLabels(CDC& dc, int y) const;
    // ---- report sections ----
private:
    // The data and texts of one side (SOP or POS) as the report shows them.
    struct LadoReporte;
    LadoReporte LadoReporteSop() const;
    LadoReporte LadoReportePos() const;
    void DrawDescription(CDC& dc);
    void DrawEquations(CDC& dc);
    void DrawCanonicalLists(CDC& dc, const CFont& simbolo, bool maxterminos);
    void DrawSopSections(CDC& dc);
    void DrawPosSections(CDC& dc);
    void DrawSideSections(CDC& dc, const LadoReporte& lado);
    void DrawMinimalExpression(CDC& dc, const LadoReporte& lado);
    void DrawExpressionsOfCover(CDC& dc, const LadoReporte& lado, UINT k);
    void DrawUncoveredExpressions(CDC& dc, const LadoReporte& lado);
    void DrawCubeLine(CDC& dc, const std::string& etiqueta, const Termino* lista);
    void DrawCoverLines(CDC& dc, const LadoReporte& lado);
    void DrawTruthTable(CDC& dc);
    // The gate diagrams: a family (AND-OR, OR-AND, NAND, NOR), its term rows
    // (returning the x of the row's output) and its output gates.
    struct FamiliaCompuertas;
    struct PuertaCompartida;
    void DrawGateFamily(CDC& dc, const FamiliaCompuertas& familia);
    void DrawIndividualDiagrams(CDC& dc, const FamiliaCompuertas& familia);
    void DrawGateDiagram(CDC& dc, const FamiliaCompuertas& familia, const Termino* terminos,
                         const std::string& etiqueta);
    int DrawTermRow(CDC& dc, const FamiliaCompuertas& familia, const Termino& termino);
    void DrawOutputGate(CDC& dc, const FamiliaCompuertas& familia, UINT filas,
                        const std::string& etiqueta);
    void DrawSimultaneousDiagrams(CDC& dc, const FamiliaCompuertas& familia);
    // Leaves out a simultaneous diagram of k terms that misses the clip box,
    // taking only its place.
    bool SkipSimultaneousDiagram(const CDC& dc, UINT k);
    void DrawSharedOutputGates(CDC& dc, const FamiliaCompuertas& familia, UINT ranuras,
                               UINT cubierta);
    void DrawSharedOutputGate(CDC& dc, const FamiliaCompuertas& familia,
                              const PuertaCompartida& puerta);
    void DrawGateDiagrams(CDC& dc);
    void DrawKarnaughSections(CDC& dc);
    // The covers of one side on Karnaugh maps: one map per cover, function and
    // alternative sub-cover, flowing in rows.
    void DrawKarnaughCovers(CDC& dc, const Termino* nivel, const TablaCubiertas& cubiertas,
                            const TablaSubcubiertas& subcubiertas, char ausente, char presente);
    // One cell, term base + desplazamiento of function f: its value into m_cCelda
    // (left as the caller set it when the function lacks the term) and, into
    // m_bContieneCelda, which implicants of cover k (sub-cover [k][f][j] with
    // several functions) contain it.
    void ProbeMapCell(const Termino* nivel, const TablaCubiertas& cubiertas,
                      const TablaSubcubiertas& subcubiertas, char presente, UINT base,
                      int desplazamiento, UINT f, UINT mascaraFuncion, UINT k, UINT j);
    // One side's data, the font and brushes of its maps, and the block being drawn.
    struct MapasLado;
    void DrawMapBlock(CDC& dc, MapasLado& mapas, UINT k, UINT f, UINT j);
    void SkipMapBlock(const MapasLado& mapas);
    void DrawMapLegend(CDC& dc, MapasLado& mapas);
    void DrawMapCells(CDC& dc, MapasLado& mapas);
    void DrawSubMap(CDC& dc, MapasLado& mapas, UINT u, UINT s, UINT& celda);
    void DrawMapCell(CDC& dc, MapasLado& mapas, UINT termino, UINT celda);
    void ProbeBlockCell(const MapasLado& mapas, UINT termino, UINT celda);
    void StepMapRow(MapasLado& mapas, bool finDeCubierta);

public:
    // ---- end of report sections ----

    // ---- fields ----
    bool m_bModificado = false;
    bool m_bSopHecho = false;
    bool m_bPosHecho = false;
    // The 22 output options, at their defaults.
    bool m_bVerMinterminos = true;
    bool m_bVerMaxterminos = true;
    bool m_bVerTablaVerdad = true;
    bool m_bVerMapaK = true;
    bool m_bVerEcuacion = true;
    bool m_bTodasSoluciones = false;
    bool m_bDiagramaIndividual = true;
    bool m_bIndividualUnTipo = false;
    bool m_bIndividualDosTipos = true;
    bool m_bDiagramaSimultaneo = true;
    bool m_bSimultaneoUnTipo = true;
    bool m_bSimultaneoDosTipos = false;
    bool m_bVerImplicantesPrimos = false;
    bool m_bVerImplicantesEsenciales = false;
    bool m_bVerExpresionSop = true;
    bool m_bVerCubiertasSop = false;
    bool m_bProcesarSop = true;
    bool m_bVerImplicadosPrimos = false;
    bool m_bVerImplicadosEsenciales = false;
    bool m_bVerExpresionPos = true;
    bool m_bVerCubiertasPos = false;
    bool m_bProcesarPos = false;
    // Initial states of the port dialog's check boxes.
    bool m_bComplementar = false;
    bool m_bSeleccion = false;

    UINT m_nVariables = 1;
    UINT m_nFunciones = 1;
    UINT m_nTerminos = 1;
    UINT m_nMascara = 1;
    std::array<bool, 64> m_bContieneCelda{};
    UINT m_nAnchoReporte = 1;
    UINT m_nCubiertas = 1;
    UINT m_nLineasCubiertas = 1;
    UINT m_nCubiertasSop = 1;
    UINT m_nCubiertasPos = 1;
    UINT m_nLineasSop = 1;
    UINT m_nLineasPos = 1;

    std::string m_strCaracteristicas;
    TextosFuncion m_strMinterminos;
    TextosFuncion m_strMaxterminos;
    TextosFuncion m_strPrescindibles;
    TextosFuncion m_strEcuaciones;
    std::string m_strCaracteristicasCargadas;
    TextosFuncion m_strMinterminosCargados;
    TextosFuncion m_strMaxterminosCargados;
    TextosFuncion m_strPrescindiblesCargados;
    TextosFuncion m_strEcuacionesCargadas;

    NivelesLado m_pNivelSop;
    ListaTerminos m_pPrimosSop;
    ListaTerminos m_pEsencialesSop;
    TablaCubiertas m_pCubiertaSop;
    TablaSubcubiertas m_pCubiertaFuncionSop;
    NivelesLado m_pNivelPos;
    ListaTerminos m_pPrimosPos;
    ListaTerminos m_pEsencialesPos;
    TablaCubiertas m_pCubiertaPos;
    TablaSubcubiertas m_pCubiertaFuncionPos;

    // Report drawing state.
    int m_nPosX = 10;
    int m_nPosY = 10;
    int m_nDesplazamientoY = 0;
    int m_nOrigenMapaX = 0;
    int m_nOrigenMapaY = 0;
    char m_cCelda = 0;

private:
    // The five result fields of one side and its done flag and counters.
    struct Lado {
        NivelesLado& nivel;
        ListaTerminos& primos;
        ListaTerminos& esenciales;
        TablaCubiertas& cubierta;
        TablaSubcubiertas& cubiertaFuncion;
        bool& hecho;
        UINT& cubiertas;
        UINT& lineas;
    };
    Lado LadoSop();
    Lado LadoPos();
    void ProcessSide(Lado lado);
    static void FreeResults(Lado& lado);
    void DiscardResults();
    void ResetCounters();
    // Rebuilds the term list from cell values, celda(function, term).
    void ApplyCells(const std::function<char(UINT, UINT)>& celda);
};
