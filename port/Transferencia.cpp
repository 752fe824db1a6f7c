// The transfer of one function to the multiplexer board: the port's registers
// saved, the serial load of the function's truth values, the port dialog, and
// the registers put back.
#include <optional>
#include <string>

#include "logic/Sistema.h"
#include "platform/MessageBox.h"
#include "port/ErrorPuerto.h"
#include "port/Protocolo.h"
#include "port/Puerto.h"

using namespace protocolo;

namespace {

// One bit of the serial load: the value on the data line, then the clock's
// rising edge.
void ShiftBit(CPuerto& puerto, bool bValor) {
    const std::uint8_t byte = LoadByte(bValor);
    puerto.WriteData(byte);
    puerto.WriteData(static_cast<std::uint8_t>(byte | kReloj));
}

// The leading 0, then the truth values of terms 0 to 15 of the function whose
// mask bit is nBit: a term of the list that the function has (required or
// don't-care) is 1, any other term 0. One walk of the sorted list.
void LoadFunction(CPuerto& puerto, const Termino* lista, UINT nBit) {
    ShiftBit(puerto, false);
    const Termino* p = lista;
    for (UINT t = 0; t < kValores; ++t) {
        bool bValor = false;
        if (p != nullptr && p->unos == t) {
            bValor = (p->funciones & nBit) != 0;
            p = p->sig.get();
        }
        ShiftBit(puerto, bValor);
    }
}

// Writes the saved bytes back, control first. Both are tried, whatever the
// first does; the message of the first that fails, if one does.
std::optional<std::string> Restore(CPuerto& puerto, std::uint8_t control, std::uint8_t datos) {
    std::optional<std::string> error;
    try {
        puerto.WriteControl(control);
    } catch (const CErrorPuerto& e) {
        error = e.what();
    }
    try {
        puerto.WriteData(datos);
    } catch (const CErrorPuerto& e) {
        if (!error) {
            error = e.what();
        }
    }
    return error;
}

}  // namespace

void CSistema::SendFunctionToPort(UINT nFuncion, CPuerto& puerto,
                                  const DialogoPuerto& dialogo) const {
    std::uint8_t control = 0;
    std::uint8_t datos = 0;
    try {
        control = puerto.ReadControl();
        datos = puerto.ReadData();
    } catch (const CErrorPuerto& e) {
        // Nothing has been written, so there is nothing to put back.
        AfxMessageBox(e.what());
        return;
    }
    std::optional<std::string> error;
    try {
        const UINT nBit = nFuncion >= 1 && nFuncion <= 32 ? 1u << (nFuncion - 1) : 0u;
        LoadFunction(puerto, GetTermList(), nBit);
        dialogo(puerto, m_bComplementar, m_bSeleccion, m_nTerminos);
    } catch (const CErrorPuerto& e) {
        error = e.what();
    }
    const std::optional<std::string> errorRestaurar = Restore(puerto, control, datos);
    if (error) {
        AfxMessageBox(*error + (errorRestaurar
                                    ? " Tampoco se pudieron restaurar los registros del puerto."
                                    : ""));
    } else if (errorRestaurar) {
        AfxMessageBox(*errorRestaurar);
    }
}
