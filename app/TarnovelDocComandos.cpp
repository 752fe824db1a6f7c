// The document's commands that edit the system. Each one seeds a modal dialog
// from the system, runs it, and on OK hands the results to the system, marks
// the document modified when the system's indicator is set, and updates the
// views.
#include "app/TarnovelDoc.h"

#include <string>

#include "editors/Listamax.h"
#include "editors/Listamin.h"
#include "editors/VerificadorLista.h"
#include "platform/MessageBox.h"
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

void CTarnovelDoc::OnTablaDeVerdad() {}

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

void CTarnovelDoc::OnEcuacionLogica() {}

void CTarnovelDoc::OnMapaDeKarnaugh() {}

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

void CTarnovelDoc::OnComunicacionConPuerto() {}

void CTarnovelDoc::OnEspecificaciones() {}
