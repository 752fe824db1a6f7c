#include "logic/Sistema.h"

#include <cstdio>

namespace {
std::string Format(const char* pattern, UINT a) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, pattern, a);
    return buffer;
}
std::string Format(const char* pattern, UINT a, UINT b) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, pattern, a, b);
    return buffer;
}
}  // namespace

CSistema::CSistema() = default;

CSistema::~CSistema() = default;

void CSistema::SetNumVariables(UINT v) {
    m_nVariables = v;
    m_nMascara <<= m_nVariables;
    for (UINT k = 0; k < m_nVariables; ++k) {
        m_nTerminos *= 2;
    }
}

void CSistema::SetNumFunctions(UINT v) {
    m_nFunciones = v;
    m_strCaracteristicas = DefaultDescription();
}

std::string CSistema::DefaultDescription() const {
    if (m_nFunciones == 1) {
        return m_nVariables == 1 ? std::string("Sistema con una función de una variable.")
                                 : Format("Sistema con una función de %u variables.", m_nVariables);
    }
    return m_nVariables == 1
               ? Format("Sistema de %u funciones de una variable cada una.", m_nFunciones)
               : Format("Sistema de %u funciones de %u variables cada una.", m_nFunciones,
                        m_nVariables);
}

void CSistema::SetDescription(std::string text) {
    m_strCaracteristicas = std::move(text);
    if (m_strCaracteristicas != m_strCaracteristicasCargadas) {
        m_bModificado = true;
    }
}

void CSistema::Reprocess() {
    Process();
}
