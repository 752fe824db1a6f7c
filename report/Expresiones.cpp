// The sections of one side of the report (SOP or POS): the minimal expressions,
// the prime and essential lines and the cover lines.
#include <string>

#include "logic/Sistema.h"

struct CSistema::LadoReporte {
    bool procesar;
    bool verExpresion;
    bool verPrimos;
    bool verEsenciales;
    bool verCubiertas;
    const Termino* nivel;
    const Termino* primos;
    const Termino* esenciales;
    const TablaCubiertas& cubiertas;
    const TablaSubcubiertas& subcubiertas;
    std::string (CSistema::*formato)(const Termino*) const;
    // The value of a function with no required term on this side.
    char constante;
    const char* encabezadoMinimo;
    const char* encabezado;
    const char* etiquetaPrimos;
    const char* etiquetaEsenciales;
    // Followed by the 1-based cover or function number and ": ".
    std::string etiquetaGeneral;
    std::string etiquetaFuncion;
};

CSistema::LadoReporte CSistema::LadoReporteSop() const {
    return LadoReporte{m_bProcesarSop,
                       m_bVerExpresionSop,
                       m_bVerImplicantesPrimos,
                       m_bVerImplicantesEsenciales,
                       m_bVerCubiertasSop,
                       m_pNivelSop[0].get(),
                       m_pPrimosSop.get(),
                       m_pEsencialesSop.get(),
                       m_pCubiertaSop,
                       m_pCubiertaFuncionSop,
                       &CSistema::FormatSop,
                       '0',
                       "Como expresión SOP mínima:",
                       "Como expresión SOP:",
                       "Implicantes Primos: ",
                       "Implicantes PE: ",
                       "Cubierta SOP gral.",
                       "Implicantes PE de funcion "};
}

CSistema::LadoReporte CSistema::LadoReportePos() const {
    return LadoReporte{m_bProcesarPos,
                       m_bVerExpresionPos,
                       m_bVerImplicadosPrimos,
                       m_bVerImplicadosEsenciales,
                       m_bVerCubiertasPos,
                       m_pNivelPos[0].get(),
                       m_pPrimosPos.get(),
                       m_pEsencialesPos.get(),
                       m_pCubiertaPos,
                       m_pCubiertaFuncionPos,
                       &CSistema::FormatPos,
                       '1',
                       "Como expresión POS mínima:",
                       "Como expresión POS:",
                       "Implicados Primos: ",
                       "Implicados PE: ",
                       "Cubierta POS gral.",
                       "Implicados PE de funcion "};
}

namespace {
// Cover and function numbers are shown from 1.
std::string Numero(UINT i) {
    return std::to_string(i + 1);
}

std::string Funcion(UINT f) {
    return "f" + Numero(f) + " = ";
}

UINT NumeroCubiertas(const TablaCubiertas& cubiertas) {
    UINT k = 0;
    while (k < kMaxCubiertas && cubiertas[k]) {
        ++k;
    }
    return k;
}

UINT NumeroSubcubiertas(const SubcubiertasFuncion& slots) {
    UINT j = 0;
    while (j < kMaxSubcubiertas && slots[j]) {
        ++j;
    }
    return j;
}

// Copies of the terms of a list that function f requires, in list order.
ListaTerminos TerminosRequeridos(const Termino* lista, UINT f) {
    const UINT bit = 1u << f;
    ListaTerminos cabeza;
    ListaTerminos* final = &cabeza;
    for (const Termino* p = lista; p != nullptr; p = p->sig.get()) {
        if ((p->funciones & bit) != 0 && (p->prescindibles & bit) == 0) {
            final = AppendTerm(final, CopyTerm(*p));
        }
    }
    return cabeza;
}
}  // namespace

void CSistema::DrawSopSections(CDC& dc) {
    DrawSideSections(dc, LadoReporteSop());
}

void CSistema::DrawPosSections(CDC& dc) {
    DrawSideSections(dc, LadoReportePos());
}

void CSistema::DrawSideSections(CDC& dc, const LadoReporte& lado) {
    if (!lado.procesar) {
        return;
    }
    const bool ambasListas = m_pNivelSop[0] && m_pNivelPos[0];
    // Every function 1 on every term: nothing was minimised, yet each side's
    // expression is the constant 1.
    const bool constanteUno = m_pNivelSop[0] && !m_pNivelPos[0];
    if (lado.verExpresion && (ambasListas || constanteUno)) {
        DrawMinimalExpression(dc, lado);
    }
    if (lado.nivel == nullptr) {
        return;
    }
    if (lado.verPrimos && lado.primos != nullptr) {
        DrawCubeLine(dc, lado.etiquetaPrimos, lado.primos);
    }
    if (lado.verEsenciales && lado.esenciales != nullptr) {
        DrawCubeLine(dc, lado.etiquetaEsenciales, lado.esenciales);
    }
    if (lado.verCubiertas && lado.cubiertas[0]) {
        DrawCoverLines(dc, lado);
    }
}

void CSistema::DrawMinimalExpression(CDC& dc, const LadoReporte& lado) {
    dc.TextOut(m_nPosX, m_nPosY, m_bTodasSoluciones ? lado.encabezadoMinimo : lado.encabezado);
    m_nPosY += 20;
    // Without zeros nothing was minimised: no cover belongs to the system.
    const UINT cubiertas = m_pNivelPos[0] ? NumeroCubiertas(lado.cubiertas) : 0;
    if (cubiertas == 0) {
        DrawUncoveredExpressions(dc, lado);
    }
    for (UINT k = 0; k < cubiertas; ++k) {
        DrawExpressionsOfCover(dc, lado, k);
    }
    m_nPosY += 10;
}

void CSistema::DrawExpressionsOfCover(CDC& dc, const LadoReporte& lado, UINT k) {
    if (m_nFunciones == 1) {
        if (k > 0) {
            dc.TextOut(m_nPosX, m_nPosY, "O también: ");
            m_nPosY += 20;
        }
        dc.TextOut(m_nPosX + 5, m_nPosY, "f = " + (this->*lado.formato)(lado.cubiertas[k].get()));
        m_nPosY += 20;
        return;
    }
    if (k > 0) {
        m_nPosY += 10;
        dc.TextOut(m_nPosX, m_nPosY, "O también: ");
        m_nPosY += 20;
    }
    for (UINT f = 0; f < m_nFunciones && f < kMaxFunciones; ++f) {
        const SubcubiertasFuncion& slots = lado.subcubiertas[k][f];
        const UINT alternativas = NumeroSubcubiertas(slots);
        // A function with nothing required on this side is a constant.
        if (alternativas == 0) {
            dc.TextOut(m_nPosX + 5, m_nPosY, Funcion(f) + lado.constante);
            m_nPosY += 20;
        }
        for (UINT j = 0; j < alternativas; ++j) {
            if (j > 0) {
                dc.TextOut(m_nPosX, m_nPosY, "O sinó: ");
                m_nPosY += 20;
            }
            dc.TextOut(m_nPosX + 5, m_nPosY, Funcion(f) + (this->*lado.formato)(slots[j].get()));
            m_nPosY += 20;
        }
    }
}

void CSistema::DrawUncoveredExpressions(CDC& dc, const LadoReporte& lado) {
    // Without a cover (a side too small to minimise) each function is written as
    // the canonical expression of its own required terms, so that one function
    // never shows another's terms.
    for (UINT f = 0; f < m_nFunciones && f < kMaxFunciones; ++f) {
        if (!m_pNivelPos[0]) {
            // No zeros at all: every function is 1 everywhere.
            dc.TextOut(m_nPosX + 5, m_nPosY, (m_nFunciones == 1 ? "f = " : Funcion(f)) + "1");
            m_nPosY += 20;
            continue;
        }
        const ListaTerminos requeridos = TerminosRequeridos(lado.nivel, f);
        const std::string expresion =
            requeridos ? (this->*lado.formato)(requeridos.get()) : std::string(1, lado.constante);
        dc.TextOut(m_nPosX + 5, m_nPosY, Funcion(f) + expresion);
        m_nPosY += 20;
    }
}

void CSistema::DrawCubeLine(CDC& dc, const std::string& etiqueta, const Termino* lista) {
    dc.TextOut(m_nPosX, m_nPosY, FormatCubeList(lista, etiqueta));
    m_nPosY += 30;
}

void CSistema::DrawCoverLines(CDC& dc, const LadoReporte& lado) {
    const UINT cubiertas = NumeroCubiertas(lado.cubiertas);
    for (UINT k = 0; k < cubiertas; ++k) {
        if (m_nFunciones == 1) {
            DrawCubeLine(dc, "Cubierta " + Numero(k) + ": ", lado.cubiertas[k].get());
            continue;
        }
        DrawCubeLine(dc, lado.etiquetaGeneral + Numero(k) + ": ", lado.cubiertas[k].get());
        for (UINT f = 0; f < m_nFunciones && f < kMaxFunciones; ++f) {
            const SubcubiertasFuncion& slots = lado.subcubiertas[k][f];
            const UINT alternativas = NumeroSubcubiertas(slots);
            for (UINT j = 0; j < alternativas; ++j) {
                const std::string etiqueta =
                    j == 0 ? lado.etiquetaFuncion + Numero(f) + ": " : std::string("O sinó: ");
                dc.TextOut(m_nPosX + 5, m_nPosY, FormatCubeList(slots[j].get(), etiqueta));
                m_nPosY += 30;
            }
        }
    }
}
