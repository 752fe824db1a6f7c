// The five entry forms and the processing pipeline that every entry ends in.
#include <functional>
#include <vector>

#include "logic/Sistema.h"
#include "platform/MessageBox.h"

namespace {
constexpr UINT Bit(UINT f) {
    return 1u << f;
}
}  // namespace

void CSistema::ApplyMinterms(const TextosFuncion& minterminos, const TextosFuncion& prescindibles) {
    FreeTermList(m_pNivelSop[0]);
    for (UINT f = 0; f < m_nFunciones; ++f) {
        m_strMinterminos[f] = minterminos[f];
        m_strPrescindibles[f] = prescindibles[f];
        ParseTermText(m_pNivelSop[0], minterminos[f], Bit(f), 0);
        ParseTermText(m_pNivelSop[0], prescindibles[f], Bit(f), Bit(f));
    }
    m_bSopHecho = false;
    m_bPosHecho = false;
    Process();
}

void CSistema::ApplyMaxterms(const TextosFuncion& maxterminos, const TextosFuncion& prescindibles) {
    FreeTermList(m_pNivelSop[0]);
    for (UINT f = 0; f < m_nFunciones; ++f) {
        m_strMaxterminos[f] = maxterminos[f];
        m_strPrescindibles[f] = prescindibles[f];
        ParseComplementText(m_pNivelSop[0], maxterminos[f], Bit(f), 0);
        ParseTermText(m_pNivelSop[0], prescindibles[f], Bit(f), Bit(f));
    }
    m_bSopHecho = false;
    m_bPosHecho = false;
    Process();
}

void CSistema::ApplyEquations(const TextosFuncion& ecuaciones, const TextosFuncion& canonicas) {
    FreeTermList(m_pNivelSop[0]);
    for (UINT f = 0; f < m_nFunciones; ++f) {
        m_strEcuaciones[f] = ecuaciones[f];
        ParseCanonicalProducts(m_pNivelSop[0], canonicas[f], Bit(f));
    }
    m_bSopHecho = false;
    m_bPosHecho = false;
    Process();
}

void CSistema::ApplyKMapCells(const CeldasMapa& celdas) {
    ApplyCells([&celdas](UINT f, UINT t) { return celdas[t][f]; });
}

void CSistema::ApplyTruthTableCells(const CeldasTabla& celdas) {
    ApplyCells([&celdas](UINT f, UINT t) { return celdas[f][t]; });
}

void CSistema::ApplyCells(const std::function<char(UINT, UINT)>& celda) {
    FreeTermList(m_pNivelSop[0]);
    for (UINT f = 0; f < m_nFunciones && f < kMaxFunciones; ++f) {
        for (UINT t = 0; t < m_nTerminos && t < kMaxTerminos; ++t) {
            if (celda(f, t) == '1') {
                InsertTermMerge(m_pNivelSop[0], t, Bit(f), 0);
            } else if (celda(f, t) == 'X') {
                InsertTermMerge(m_pNivelSop[0], t, Bit(f), Bit(f));
            }
        }
    }
    m_bSopHecho = false;
    m_bPosHecho = false;
    Process();
}

CeldasTabla CSistema::GetTruthTableCells() const {
    CeldasTabla celdas;
    for (auto& fila : celdas) {
        fila.fill('0');
    }
    // A damaged file may bring terms or functions beyond the cells: they are left out.
    for (const Termino* p = GetTermList(); p != nullptr; p = p->sig.get()) {
        for (UINT f = 0; f < m_nFunciones && f < kMaxFunciones; ++f) {
            if ((p->funciones & Bit(f)) != 0 && p->unos < kMaxTerminos) {
                celdas[f][p->unos] = (p->prescindibles & Bit(f)) != 0 ? 'X' : '1';
            }
        }
    }
    return celdas;
}

CeldasMapa CSistema::GetKMapCells() const {
    const CeldasTabla tabla = GetTruthTableCells();
    CeldasMapa celdas{};
    for (UINT t = 0; t < kMaxTerminos; ++t) {
        for (UINT f = 0; f < kMaxFunciones; ++f) {
            celdas[t][f] = tabla[f][t];
        }
    }
    return celdas;
}

void CSistema::RebuildAfterLoad() {
    m_nMascara <<= m_nVariables;
    for (UINT k = 0; k < m_nVariables; ++k) {
        m_nTerminos *= 2;
    }
    FreeTermList(m_pNivelSop[0]);
    for (UINT f = 0; f < m_nFunciones; ++f) {
        ParseTermText(m_pNivelSop[0], m_strMinterminos[f], Bit(f), 0);
        ParseTermText(m_pNivelSop[0], m_strPrescindibles[f], Bit(f), Bit(f));
    }
    Process();
}

void CSistema::ParseComplementText(ListaTerminos& list, const std::string& text, UINT a,
                                   UINT b) const {
    ListaTerminos listados;
    ParseTermText(listados, text, 1, 0);
    if (!listados) {
        return;
    }
    std::vector<bool> esta(m_nTerminos, false);
    for (const Termino* p = listados.get(); p != nullptr; p = p->sig.get()) {
        esta[p->unos] = true;
    }
    for (UINT v = 0; v < m_nTerminos; ++v) {
        if (!esta[v]) {
            InsertTermMerge(list, v, a, b);
        }
    }
}

void CSistema::ParseCanonicalProducts(ListaTerminos& list, const std::string& text, UINT a) const {
    // An empty text has no product; reading it as one would invent minterm 0.
    std::size_t p = 0;
    while (p < text.size()) {
        UINT value = 0;
        for (UINT k = 0; k < m_nVariables && p < text.size(); ++k, ++p) {
            if (text[p] == static_cast<char>('A' + k)) {
                value |= 1u << (m_nVariables - 1 - k);
            }
        }
        InsertTermMerge(list, value, a, 0);
        p += 3;
    }
}

void CSistema::ResetCounters() {
    m_nCubiertas = 1;
    m_nAnchoReporte = 1;
    m_nLineasCubiertas = 1;
    m_nCubiertasSop = 0;
    m_nCubiertasPos = 0;
    m_nLineasSop = 0;
    m_nLineasPos = 0;
}

void CSistema::Process() {
    FreeTermList(m_pNivelPos[0]);
    for (UINT f = 0; f < m_nFunciones; ++f) {
        m_strMinterminos[f] = FormatTermText(m_pNivelSop[0].get(), Bit(f), Bit(f));
        m_strPrescindibles[f] = FormatTermText(m_pNivelSop[0].get(), Bit(f), 0);
        m_strMaxterminos[f] = FormatComplementText(m_pNivelSop[0].get(), Bit(f));
        ParseTermText(m_pNivelPos[0], m_strMaxterminos[f], Bit(f), 0);
        ParseTermText(m_pNivelPos[0], m_strPrescindibles[f], Bit(f), Bit(f));
        if (m_strMinterminos[f] != m_strMinterminosCargados[f] ||
            m_strPrescindibles[f] != m_strPrescindiblesCargados[f] ||
            m_strMaxterminos[f] != m_strMaxterminosCargados[f]) {
            m_bModificado = true;
        }
    }
    if (!m_pNivelSop[0] || !m_pNivelPos[0]) {
        // Nothing to minimise on one side: results of an earlier entry must not
        // stay on show as if they belonged to this one.
        DiscardResults();
        ResetCounters();
        m_nCubiertas = 0;
        m_nLineasCubiertas = 0;
        return;
    }
    if (!m_bProcesarSop && !m_bProcesarPos) {
        AfxMessageBox("No seleccionó procesamiento POS, ni SOP por lo que no se realizarán");
        return;
    }
    ResetCounters();
    if (m_bProcesarSop && !m_bSopHecho) {
        ProcessSop();
    }
    m_nLineasCubiertas = 1;
    if (m_bProcesarPos && !m_bPosHecho) {
        ProcessPos();
    }
    m_nCubiertas = m_nCubiertasSop + m_nCubiertasPos;
    m_nLineasCubiertas = m_nLineasSop + m_nLineasPos;
}
