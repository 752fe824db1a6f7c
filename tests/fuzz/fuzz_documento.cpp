// Opens arbitrary bytes as a document file and processes what it accepts.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "logic/Sistema.h"
#include "platform/Archive.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CSistema sistema;
    sistema.m_bProcesarPos = true;
    CArchive ar(std::vector<std::uint8_t>(data, data + size));
    try {
        sistema.Serialize(ar);
    } catch (const CArchiveException&) {
        return 0;
    }
    sistema.RebuildAfterLoad();
    CArchive out;
    sistema.Serialize(out);
    return 0;
}
