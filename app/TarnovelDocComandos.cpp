// The document's commands that edit the system. Each one seeds a modal dialog
// from the system, runs it, and on OK hands the results to the system, marks
// the document modified when the system's indicator is set, and updates the
// views.
#include "app/TarnovelDoc.h"

#include <functional>
#include <memory>
#include <string>

#include "editors/Caract.h"
#include "editors/DialogoMapa.h"
#include "editors/Eclog.h"
#include "editors/Listamax.h"
#include "editors/Listamin.h"
#include "editors/Tabla_v.h"
#include "editors/VerificadorLista.h"
#include "platform/MessageBox.h"
#include "port/Comunicacion.h"
#include "port/ErrorPuerto.h"
#include "port/Funcion_a_enviar.h"
#include "port/PuertoPpdev.h"
#include "report/Salida.h"

namespace {

// A refused OK of the editors whose functions need a required term.
constexpr CTarnovelDoc::SMensajeEntrada kSinImprescindible = {
    "Ingrese al menos un termino imprescindible",
    "Ingrese al menos un término imprescindible en f%u"};

// Seeds a list dialog: the numbers, and for every function its required terms
// (minterms or maxterms, as `requeridos` reads them) and its don't-cares.
void SeedLists(CDialogoLista& dlg, const CSistema& sistema,
               std::string (CSistema::*requeridos)(int) const) {
    dlg.m_nFunciones = sistema.GetNumFunctions();
    dlg.m_nVariables = sistema.GetNumVariables();
    dlg.m_nTerminos = sistema.GetNumTerms();
    for (UINT f = 0; f < dlg.m_nFunciones && f < kMaxFunciones; ++f) {
        dlg.m_strListaImp[f] = (sistema.*requeridos)(static_cast<int>(f));
        dlg.m_strListaDc[f] = sistema.GetDontCareText(static_cast<int>(f));
    }
}

// Runs a seeded list dialog as an entry command; the same object every time,
// so a refused OK finds the lists it had accepted still there.
void RunLists(CTarnovelDoc& doc, CDialogoLista& dlg,
              const std::function<void(const TextosFuncion&, const TextosFuncion&)>& aplicar) {
    doc.RunEntryCommand([&dlg] { return dlg.DoModal() == CDialog::IDOK; },
                        [&dlg] {
                            return CVerificadorLista::FirstWithoutRequired(dlg.m_strListaImp,
                                                                           dlg.m_nFunciones);
                        },
                        kSinImprescindible, [&] { aplicar(dlg.m_strListaImp, dlg.m_strListaDc); });
}

// The first of the functions (0-based) that has no '1' among its first
// `terminos` cells, celda(function, term), or -1.
int FirstWithoutRequired(UINT funciones, UINT terminos,
                         const std::function<char(UINT, UINT)>& celda) {
    for (UINT f = 0; f < funciones && f < kMaxFunciones; ++f) {
        bool imprescindible = false;
        for (UINT t = 0; t < terminos && t < kMaxTerminos; ++t) {
            imprescindible = imprescindible || celda(f, t) == '1';
        }
        if (!imprescindible) {
            return static_cast<int>(f);
        }
    }
    return -1;
}

}  // namespace

void CTarnovelDoc::RunEntryCommand(const std::function<bool()>& ejecutar,
                                   const std::function<int()>& sinTermino, SMensajeEntrada mensaje,
                                   const std::function<void()>& aplicar) {
    while (ejecutar()) {
        const int f = sinTermino();
        if (f < 0) {
            aplicar();
            if (m_sistema.m_bModificado) {
                SetModifiedFlag(true);
            }
            UpdateAllViews();
            return;
        }
        std::string texto = mensaje.una;
        if (m_sistema.GetNumFunctions() > 1) {
            texto = mensaje.varias;
            if (const auto p = texto.find("%u"); p != std::string::npos) {
                texto.replace(p, 2, std::to_string(f + 1));
            }
        }
        AfxMessageBox(texto);
    }
}

void CTarnovelDoc::OnTablaDeVerdad() {
    CTabla_v dlg;
    dlg.m_nFunciones = m_sistema.GetNumFunctions();
    dlg.m_nVariables = m_sistema.GetNumVariables();
    dlg.m_nTerminos = m_sistema.GetNumTerms();
    dlg.m_nMascara = m_sistema.GetTermMask();
    dlg.m_tabla = m_sistema.GetTruthTableCells();
    const auto sinImprescindible = [&dlg] {
        return FirstWithoutRequired(dlg.m_nFunciones, dlg.m_nTerminos,
                                    [&dlg](UINT f, UINT t) { return dlg.m_tabla[f][t]; });
    };
    // The same object every time: a refused OK finds the table as it was left.
    RunEntryCommand([&dlg] { return dlg.DoModal() == CDialog::IDOK; }, sinImprescindible,
                    kSinImprescindible, [&] { m_sistema.ApplyTruthTableCells(dlg.m_tabla); });
}

void CTarnovelDoc::OnListaDeMinterminos() {
    CListamin dlg;
    SeedLists(dlg, m_sistema, &CSistema::GetMintermText);
    RunLists(*this, dlg, [this](const TextosFuncion& imp, const TextosFuncion& dc) {
        m_sistema.ApplyMinterms(imp, dc);
    });
}

void CTarnovelDoc::OnListaDeMaxterminos() {
    CListamax dlg;
    SeedLists(dlg, m_sistema, &CSistema::GetMaxtermText);
    RunLists(*this, dlg, [this](const TextosFuncion& imp, const TextosFuncion& dc) {
        m_sistema.ApplyMaxterms(imp, dc);
    });
}

void CTarnovelDoc::OnEcuacionLogica() {
    CEclog dlg;
    dlg.m_nFunciones = m_sistema.GetNumFunctions();
    dlg.m_nVariables = m_sistema.GetNumVariables();
    dlg.m_nMascara = m_sistema.GetTermMask();
    for (UINT f = 0; f < dlg.m_nFunciones && f < kMaxFunciones; ++f) {
        dlg.m_strEcuaciones[f] = m_sistema.GetEquation(static_cast<int>(f));
    }
    // The canonical texts are not seeded: only "Aceptar" writes them, so every
    // function's equation must be accepted in this run, and one that expands to
    // no minterm counts as none.
    const auto sinTermino = [&dlg]() -> int {
        for (UINT f = 0; f < dlg.m_nFunciones && f < kMaxFunciones; ++f) {
            if (dlg.m_strCanonicas[f].empty()) {
                return static_cast<int>(f);
            }
        }
        return -1;
    };
    RunEntryCommand([&dlg] { return dlg.DoModal() == CDialog::IDOK; }, sinTermino,
                    {"Ingrese al menos un termino", "Ingrese al menos un término en la función %u"},
                    [&] { m_sistema.ApplyEquations(dlg.m_strEcuaciones, dlg.m_strCanonicas); });
}

void CTarnovelDoc::OnMapaDeKarnaugh() {
    const UINT variables = m_sistema.GetNumVariables();
    if (variables < 1 || variables > kMaxVariables) {
        AfxMessageBox("No existe Mapa K para ese numero de variables.");
        return;
    }
    // Every pass builds a new map seeded from the system, so a map run again
    // after a refused OK shows the system's terms, not what had been entered.
    CeldasMapa mapa{};
    const auto ejecutar = [&] {
        const std::unique_ptr<CDialogoMapa> dlg = CDialogoMapa::ForVariables(variables);
        dlg->m_nFunciones = m_sistema.GetNumFunctions();
        dlg->m_mapa = m_sistema.GetKMapCells();
        const bool ok = dlg->DoModal() == CDialog::IDOK;
        mapa = dlg->m_mapa;
        return ok;
    };
    const auto sinTermino = [&] {
        return FirstWithoutRequired(m_sistema.GetNumFunctions(), m_sistema.GetNumTerms(),
                                    [&mapa](UINT f, UINT t) { return mapa[t][f]; });
    };
    RunEntryCommand(ejecutar, sinTermino, kSinImprescindible,
                    [&] { m_sistema.ApplyKMapCells(mapa); });
}

void CTarnovelDoc::OnConfigurarSalida() {
    CSalida dlg;
    dlg.m_nFunciones = m_sistema.GetNumFunctions();
    CopyOutputOptions(m_sistema, dlg);
    if (dlg.DoModal() != CDialog::IDOK) {
        return;
    }
    CopyOutputOptions(dlg, m_sistema);
    // Both sides again, as the new options select, even when nothing changed.
    m_sistema.m_bSopHecho = false;
    m_sistema.m_bPosHecho = false;
    m_sistema.Reprocess();
    if (m_sistema.m_bModificado) {
        SetModifiedFlag(true);
    }
    UpdateAllViews();
}

void CTarnovelDoc::OnComunicacionConPuerto() {
    if (m_sistema.GetNumVariables() > 4) {
        AfxMessageBox("No puede enviar datos de funciones de más de 4 variables");
        return;
    }
    UINT nFuncion = 1;
    if (m_sistema.GetNumFunctions() > 1) {
        CFuncion_a_enviar dlg;
        dlg.m_nFunciones = m_sistema.GetNumFunctions();
        if (dlg.DoModal() != CDialog::IDOK) {
            return;
        }
        nFuncion = dlg.m_nFuncion;
    }
    // The port is opened only for the visit, and released whatever happens in it.
    std::unique_ptr<CPuerto> puerto;
    try {
        puerto = m_fabricaPuerto ? m_fabricaPuerto() : CPuertoPpdev::Factory()();
    } catch (const CErrorPuerto& e) {
        AfxMessageBox(e.what());
        return;
    }
    m_sistema.SendFunctionToPort(nFuncion, *puerto, &CComunicacion::Run);
}

// The description is not part of the report: nothing is recomputed or redrawn.
void CTarnovelDoc::OnEspecificaciones() {
    CCaract dlg;
    dlg.m_strCaracteristicas = m_sistema.GetDescription();
    if (dlg.DoModal() != CDialog::IDOK) {
        return;
    }
    m_sistema.SetDescription(dlg.m_strCaracteristicas);
    if (m_sistema.m_bModificado) {
        SetModifiedFlag(true);
    }
}
