// The cover problem's tables: what each candidate covers and weighs, and the
// candidates of each pair.

#include "logic/ProblemaCubierta.h"

CProblemaCubierta::CProblemaCubierta(UINT nPares, std::span<const Pares> cubre,
                                     std::span<const UINT> literales, bool conLiterales)
    : m_nPares(nPares),
      m_nCandidatos(static_cast<UINT>(cubre.size())),
      m_conLiterales(conLiterales),
      m_cubre(cubre.begin(), cubre.end()),
      m_peso(cubre.size()),
      m_literales(literales.begin(), literales.end()),
      m_candidatosDe(nPares + 1) {
    Pares propios;
    for (UINT p = 0; p < m_nPares; ++p) {
        propios.Set(p);
    }
    for (UINT i = 0; i < m_nCandidatos; ++i) {
        m_cubre[i] &= propios;
        m_peso[i] = conLiterales ? kPesoCandidato + literales[i] : 1;
        m_todos.Set(i);
        m_cubre[i].ForEach([&](UINT p) { m_candidatosDe[p].Set(i); });
    }
}

UINT CProblemaCubierta::WeightOf(const Candidatos& c) const {
    UINT peso = 0;
    c.ForEach([&](UINT j) { peso += m_peso[j]; });
    return peso;
}

CProblemaCubierta::Pares CProblemaCubierta::OwnPairs(const Pares& pendientes,
                                                     const Candidatos& cubierta,
                                                     UINT miembro) const {
    Pares propios = pendientes;
    cubierta.ForEach([&](UINT j) {
        if (j != miembro) {
            propios.Remove(m_cubre[j]);
        }
    });
    return propios;
}

CProblemaCubierta::Prestamo::Prestamo(CProblemaCubierta& problema, const Candidatos& alguno)
    : m_problema(problema), m_alguno(alguno) {
    const UINT extra = m_problema.m_nPares;
    m_alguno.ForEach([&](UINT j) { m_problema.m_cubre[j].Set(extra); });
    m_problema.m_candidatosDe[extra] = m_alguno;
}

CProblemaCubierta::Prestamo::~Prestamo() {
    const UINT extra = m_problema.m_nPares;
    m_alguno.ForEach([&](UINT j) { m_problema.m_cubre[j].Reset(extra); });
    m_problema.m_candidatosDe[extra] = Candidatos{};
}
