#include "editors/VerificadorLista.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "platform/MessageBox.h"

namespace {

constexpr UINT kSaturado = std::numeric_limits<UINT>::max();

// value * 10 + digit, held at the largest value instead of wrapping round, so a
// long number never passes for a small one.
UINT AppendDigit(UINT value, char digit) {
    const UINT d = static_cast<UINT>(digit - '0');
    if (value > (kSaturado - d) / 10) {
        return kSaturado;
    }
    return value * 10 + d;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The numbers of a list that has passed the check, in order.
std::vector<UINT> Numbers(const std::string& lista) {
    std::vector<UINT> numeros;
    UINT valor = 0;
    bool abierto = false;
    for (char c : lista) {
        if (IsDigit(c)) {
            valor = abierto ? AppendDigit(valor, c) : static_cast<UINT>(c - '0');
            abierto = true;
        } else if (c == ',' && abierto) {
            numeros.push_back(valor);
            abierto = false;
        }
    }
    if (abierto) {
        numeros.push_back(valor);
    }
    return numeros;
}

std::string Replace(std::string plantilla, const std::string& marca, const std::string& valor) {
    const auto p = plantilla.find(marca);
    return p == std::string::npos ? plantilla : plantilla.replace(p, marca.size(), valor);
}

}  // namespace

int CVerificadorLista::CheckList(const std::string& lista, UINT limite) {
    if (lista.empty()) {
        return kVacia;
    }
    UINT valor = 0;
    bool abierto = false;
    bool ofensivo = false;
    char ultimo = 0;
    for (char c : lista) {
        ultimo = c;
        if (c == ' ') {
            continue;
        }
        if (IsDigit(c)) {
            valor = abierto ? AppendDigit(valor, c) : static_cast<UINT>(c - '0');
            abierto = true;
        } else if (c == ',' && abierto) {
            if (valor >= limite) {
                break;
            }
            abierto = false;
        } else {
            ofensivo = true;
            break;
        }
    }
    if (!ofensivo && abierto) {
        if (valor < limite) {
            return kValida;
        }
        AfxMessageBox("Ingresó un término fuera de rango");
        return kError;
    }
    if (!ofensivo && ultimo != ' ') {
        AfxMessageBox(
            Replace("Error de sintaxis al usar el caracter '%c'", "%c", std::string(1, ultimo)));
        return kError;
    }
    AfxMessageBox("Error. Usó algún caracter inválido");
    return kError;
}

bool CVerificadorLista::CheckRepeated(const std::string& imprescindibles,
                                      const std::string& prescindibles) {
    if (imprescindibles.empty() || prescindibles.empty()) {
        return true;
    }
    // Sorted, so that a long pasted list is checked at once, not pair by pair.
    std::vector<UINT> dc = Numbers(prescindibles);
    std::sort(dc.begin(), dc.end());
    for (UINT numero : Numbers(imprescindibles)) {
        if (std::binary_search(dc.begin(), dc.end(), numero)) {
            AfxMessageBox(Replace("El termino %u esta repetido", "%u", std::to_string(numero)));
            return false;
        }
    }
    return true;
}

bool CVerificadorLista::AcceptLists(const std::string& imprescindibles,
                                    const std::string& prescindibles, UINT limite) {
    if (CheckList(prescindibles, limite) == kError) {
        return false;
    }
    switch (CheckList(imprescindibles, limite)) {
        case kVacia:
            AfxMessageBox("La función debe tener al menos un término imprecindible");
            return false;
        case kError:
            return false;
        default:
            return CheckRepeated(imprescindibles, prescindibles);
    }
}

int CVerificadorLista::FirstWithoutRequired(const std::array<std::string, 6>& imprescindibles,
                                            UINT funciones) {
    for (UINT f = 0; f < funciones && f < imprescindibles.size(); ++f) {
        if (imprescindibles[f].empty()) {
            return static_cast<int>(f);
        }
    }
    return -1;
}
