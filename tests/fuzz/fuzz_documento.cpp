// Opens arbitrary bytes as a document file and processes what it accepts. What
// it accepted must survive the program's own round trip: written, read back
// and written again, the bytes do not change.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "logic/Sistema.h"
#include "platform/Archive.h"

namespace {
// Reads a document as the program opens one; false when it is refused.
bool Abrir(CSistema& sistema, std::vector<std::uint8_t> bytes) {
    CArchive ar(std::move(bytes));
    try {
        sistema.Serialize(ar);
    } catch (const CArchiveException&) {
        return false;
    }
    sistema.RebuildAfterLoad();
    return true;
}

std::vector<std::uint8_t> Guardar(CSistema& sistema) {
    CArchive out;
    sistema.Serialize(out);
    return out.Bytes();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CSistema sistema;
    sistema.m_bProcesarPos = true;
    if (!Abrir(sistema, std::vector<std::uint8_t>(data, data + size))) {
        return 0;
    }
    const std::vector<std::uint8_t> escrito = Guardar(sistema);
    CSistema releido;
    releido.m_bProcesarPos = true;
    if (!Abrir(releido, escrito)) {
        std::fprintf(stderr, "the program refused a document it wrote itself\n");
        std::abort();
    }
    if (Guardar(releido) != escrito) {
        std::fprintf(stderr, "a document read back is written with other bytes\n");
        std::abort();
    }
    return 0;
}
