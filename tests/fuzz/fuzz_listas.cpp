// Typed term lists as the list dialogs check them; the first byte chooses the
// number of variables, a '|' parts the required list from the don't-care list.
// Whatever is typed, the checker shows one message exactly when it refuses, and
// what it lets through must be read by the system's term-text reader as the
// same well-formed numbers, all below 2^n, with none in both lists.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "editors/VerificadorLista.h"
#include "logic/Sistema.h"
#include "platform/MessageBox.h"

namespace {

void Require(bool condicion) {
    if (!condicion) {
        std::abort();
    }
}

ListaTerminos Read(const CSistema& sistema, const std::string& texto) {
    ListaTerminos lista;
    sistema.ParseTermText(lista, texto, 1, 0);
    return lista;
}

void CheckOne(const CSistema& sistema, const std::string& texto) {
    CMessageCapture mensajes;
    const int r = CVerificadorLista::CheckList(texto, sistema.GetNumTerms());
    Require(r == CVerificadorLista::kVacia || r == CVerificadorLista::kError ||
            r == CVerificadorLista::kValida);
    Require((r == CVerificadorLista::kVacia) == texto.empty());
    Require(mensajes.Messages().size() == (r == CVerificadorLista::kError ? 1u : 0u));
    if (r == CVerificadorLista::kValida) {
        Require(CSistema::IsValidTermText(texto, sistema.GetNumTerms()));
        Require(Read(sistema, texto) != nullptr);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    CSistema sistema;
    sistema.SetNumVariables(1 + data[0] % 6);
    const std::string texto(reinterpret_cast<const char*>(data + 1), size - 1);
    const auto barra = texto.find('|');
    const std::string imp = texto.substr(0, barra);
    const std::string dc = barra == std::string::npos ? std::string() : texto.substr(barra + 1);
    CheckOne(sistema, imp);
    CheckOne(sistema, dc);

    CMessageCapture mensajes;
    const bool aceptadas = CVerificadorLista::AcceptLists(imp, dc, sistema.GetNumTerms());
    Require(mensajes.Messages().size() == (aceptadas ? 0u : 1u));
    if (aceptadas) {
        const ListaTerminos requeridos = Read(sistema, imp);
        const ListaTerminos prescindibles = Read(sistema, dc);
        for (const Termino* a = requeridos.get(); a != nullptr; a = a->sig.get()) {
            for (const Termino* b = prescindibles.get(); b != nullptr; b = b->sig.get()) {
                Require(a->unos != b->unos);
            }
        }
    }
    return 0;
}
