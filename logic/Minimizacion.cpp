// One side's minimisation: combination, primes, essentials and covers, the same
// steps on the ones (SOP) and on the zeros (POS).
#include "logic/Sistema.h"
#include "platform/MessageBox.h"

CSistema::Lado CSistema::LadoSop() {
    return Lado{m_pNivelSop,           m_pPrimosSop, m_pEsencialesSop, m_pCubiertaSop,
                m_pCubiertaFuncionSop, m_bSopHecho,  m_nCubiertasSop,  m_nLineasSop};
}

CSistema::Lado CSistema::LadoPos() {
    return Lado{m_pNivelPos,           m_pPrimosPos, m_pEsencialesPos, m_pCubiertaPos,
                m_pCubiertaFuncionPos, m_bPosHecho,  m_nCubiertasPos,  m_nLineasPos};
}

void CSistema::ProcessSop() {
    ProcessSide(LadoSop());
}

void CSistema::ProcessPos() {
    ProcessSide(LadoPos());
}

void CSistema::FreeResults(Lado& lado) {
    FreeTermList(lado.primos);
    FreeTermList(lado.esenciales);
    for (UINT c = 0; c < kMaxCubiertas; ++c) {
        FreeTermList(lado.cubierta[c]);
        for (auto& funcion : lado.cubiertaFuncion[c]) {
            for (auto& subcubierta : funcion) {
                FreeTermList(subcubierta);
            }
        }
    }
}

void CSistema::DiscardResults() {
    Lado sop = LadoSop();
    Lado pos = LadoPos();
    FreeResults(sop);
    FreeResults(pos);
}

void CSistema::ProcessSide(Lado lado) {
    lado.hecho = true;
    FreeResults(lado);
    const Termino* nivel0 = lado.nivel[0].get();
    if (nivel0 == nullptr || nivel0->sig == nullptr) {
        AfxMessageBox("Datos insuficientes para procesar");
        return;
    }
    for (UINT k = 0; k + 1 < m_nVariables; ++k) {
        if (lado.nivel[k] && lado.nivel[k]->sig) {
            CombineLevel(lado.nivel[k].get(), lado.nivel[k + 1]);
        }
    }
    lado.primos = CollectPrimes(lado.nivel);
    for (UINT k = 1; k < kMaxVariables; ++k) {
        FreeTermList(lado.nivel[k]);
    }
    lado.esenciales = FindEssentials(lado.nivel[0].get(), lado.primos.get());
    if (!lado.primos) {
        // Every cube was a lone don't-care: nothing to cover with.
        lado.cubiertas = 0;
        lado.lineas = 0;
        return;
    }
    lado.cubiertas = FindMinimalCovers(lado.nivel[0].get(), lado.primos.get(), lado.cubierta,
                                       lado.cubiertaFuncion, m_nFunciones, 0);
    lado.lineas = m_nLineasCubiertas;
}
