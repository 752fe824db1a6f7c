// The document file: n, m, the description, and per function the equation and
// the minterm, don't-care and maxterm texts. Nothing else is stored.
#include "logic/Sistema.h"
#include "platform/Archive.h"

namespace {

struct DatosArchivo {
    UINT n = 0;
    UINT m = 0;
    std::string caracteristicas;
    TextosFuncion ecuaciones;
    TextosFuncion minterminos;
    TextosFuncion prescindibles;
    TextosFuncion maxterminos;
};

[[noreturn]] void Damaged(const char* why) {
    throw CArchiveException(CArchiveException::badFormat, why);
}

}  // namespace

void CSistema::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_nVariables << m_nFunciones << m_strCaracteristicas;
        for (UINT f = 0; f < m_nFunciones && f < kMaxFunciones; ++f) {
            ar << m_strEcuaciones[f] << m_strMinterminos[f] << m_strPrescindibles[f]
               << m_strMaxterminos[f];
        }
        return;
    }
    // Everything is read and checked before the system is touched, so a damaged
    // file leaves nothing half-loaded.
    DatosArchivo d;
    ar >> d.n >> d.m;
    if (d.n < 1 || d.n > kMaxVariables || d.m < 1 || d.m > kMaxFunciones) {
        Damaged("number of variables or functions out of range");
    }
    ar >> d.caracteristicas;
    for (UINT f = 0; f < d.m; ++f) {
        ar >> d.ecuaciones[f] >> d.minterminos[f] >> d.prescindibles[f] >> d.maxterminos[f];
    }
    const UINT terminos = 1u << d.n;
    for (UINT f = 0; f < d.m; ++f) {
        if (!IsValidTermText(d.minterminos[f], terminos) ||
            !IsValidTermText(d.prescindibles[f], terminos) ||
            !IsValidTermText(d.maxterminos[f], terminos)) {
            Damaged("malformed term text");
        }
    }
    m_nVariables = d.n;
    m_nFunciones = d.m;
    m_strCaracteristicas = m_strCaracteristicasCargadas = d.caracteristicas;
    for (UINT f = 0; f < d.m; ++f) {
        m_strEcuaciones[f] = m_strEcuacionesCargadas[f] = d.ecuaciones[f];
        m_strMinterminos[f] = m_strMinterminosCargados[f] = d.minterminos[f];
        m_strPrescindibles[f] = m_strPrescindiblesCargados[f] = d.prescindibles[f];
        m_strMaxterminos[f] = m_strMaxterminosCargados[f] = d.maxterminos[f];
    }
}
