// Reads arbitrary term texts; the first byte chooses the number of variables.
// Whatever the text, no term outside the function's terms may enter the list,
// and a text judged valid must read back to the same set of numbers.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "logic/Sistema.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    CSistema sistema;
    sistema.SetNumVariables(1 + data[0] % 6);
    const std::string texto(reinterpret_cast<const char*>(data + 1), size - 1);
    ListaTerminos lista;
    sistema.ParseTermText(lista, texto, 1, 0);
    for (const Termino* t = lista.get(); t != nullptr; t = t->sig.get()) {
        if (t->unos >= sistema.GetNumTerms()) {
            std::abort();
        }
    }
    const std::string escrito = sistema.FormatTermText(lista.get(), 1, 1);
    if (!CSistema::IsValidTermText(escrito, sistema.GetNumTerms())) {
        std::abort();
    }
    ListaTerminos otra;
    sistema.ParseTermText(otra, escrito, 1, 0);
    if (sistema.FormatTermText(otra.get(), 1, 1) != escrito) {
        std::abort();
    }
    return 0;
}
