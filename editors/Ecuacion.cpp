#include "editors/Ecuacion.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <iterator>
#include <utility>

#include "platform/MessageBox.h"

namespace {

constexpr unsigned kMaxVariablesEcuacion = 6;
constexpr char kReemplazo[] = "\xEF\xBF\xBD";

std::string FormatCaracter(const std::string& plantilla, const std::string& caracter) {
    std::string texto = plantilla;
    const std::size_t p = texto.find("%c");
    return texto.replace(p, 2, caracter);
}

bool EsContinuacion(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// The character at i as the user typed it: a whole UTF-8 sequence, so that the
// message names 'ñ' and not half of it. A byte that starts no valid sequence is
// named by the replacement character.
std::string CaracterEn(const std::string& texto, std::size_t i) {
    const auto c = static_cast<unsigned char>(texto[i]);
    if (c < 0x80) {
        return std::string(1, static_cast<char>(c));
    }
    std::size_t largo = 0;
    if (c >= 0xC2 && c <= 0xDF) {
        largo = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        largo = 3;
    } else if (c >= 0xF0 && c <= 0xF4) {
        largo = 4;
    }
    if (largo == 0 || i + largo > texto.size()) {
        return kReemplazo;
    }
    for (std::size_t k = 1; k < largo; ++k) {
        if (!EsContinuacion(static_cast<unsigned char>(texto[i + k]))) {
            return kReemplazo;
        }
    }
    return texto.substr(i, largo);
}

}  // namespace

// One group being read: the products of its sum, where its current term starts,
// and what it multiplies in when it ends.
struct CEcuacion::Grupo {
    ListaProductos lista{std::string()};
    // The current term is lista[actual..]: the product being typed, or the
    // products of the inner group read in its place. When that group had no
    // product nothing is left, and the whole term has vanished.
    std::size_t actual = 0;
    ListaProductos prefijo;
    bool complementar = false;
    bool pendiente = false;  // a '/' waits for its group

    Grupo(ListaProductos p, bool c) : prefijo(std::move(p)), complementar(c) {}
};

CEcuacion::CEcuacion(unsigned nVariables)
    : m_nVariables(std::clamp(nVariables, 1u, kMaxVariablesEcuacion)) {
    const unsigned n = m_nVariables;
    for (unsigned k = 0; k < n; ++k) {
        for (unsigned t = 0; t < (1u << n); ++t) {
            const unsigned valor = (t >> (n - 1 - k)) & 1u;
            m_letras[2 * k + valor] |= Minterminos{1} << t;
        }
    }
}

EcuacionAceptada CEcuacion::Accept(const std::string& ecuacion) {
    if (!CheckSyntax(ecuacion)) {
        return {};
    }
    m_nPos = 0;
    const ListaProductos lista =
        ExpandSum(ecuacion, ListaProductos{std::string()}, ecuacion.size(), false);
    return {true, StripSpaces(ecuacion), JoinTerms(lista)};
}

std::string CEcuacion::CharacterError(char anterior, const std::string& ecuacion,
                                      std::size_t i) const {
    const char c = ecuacion[i];
    const std::string previo(1, anterior);
    switch (c) {
        case ' ':
        case '(':
            return {};
        case ')':
            if (anterior == 0) {
                return "El primer caracter no puede ser un ')'";
            }
            if (anterior == '(' || anterior == '+' || anterior == '/') {
                return FormatCaracter("No puede ir un ')' despues de un '%c'", previo);
            }
            return {};
        case '+':
            if (anterior == 0) {
                return "El primer caracter no puede ser un '+'";
            }
            if (anterior == '(' || anterior == '/') {
                return FormatCaracter("No puede ir un '+' despues de un '%c'", previo);
            }
            return {};
        case '/':
            return anterior == '/' ? "No tiene efecto poner dos '/' seguidas" : std::string();
        default:
            if (!IsLetter(c)) {
                return FormatCaracter("El caracter '%c' es incorrecto", CaracterEn(ecuacion, i));
            }
            return anterior == '/' ? "Lo que quiera negar debe ir entre parentesis" : std::string();
    }
}

bool CEcuacion::CheckSyntax(const std::string& ecuacion) const {
    char anterior = 0;  // the previous significant character; none yet
    std::ptrdiff_t balance = 0;
    for (std::size_t i = 0; i < ecuacion.size(); ++i) {
        const std::string error = CharacterError(anterior, ecuacion, i);
        if (!error.empty()) {
            AfxMessageBox(error);
            return false;
        }
        const char c = ecuacion[i];
        if (c == ' ') {
            continue;
        }
        balance += c == '(' ? 1 : c == ')' ? -1 : 0;
        // A ')' with no '(' open would close nothing: "A)(B" would stand for A.
        if (balance < 0) {
            AfxMessageBox("El numero de parentesis '(' no coincide con el de ')'");
            return false;
        }
        anterior = c;
    }
    if (ecuacion.empty()) {
        AfxMessageBox("Debe ingresar al menos un termino.");
        return false;
    }
    if (balance != 0) {
        AfxMessageBox("El numero de parentesis '(' no coincide con el de ')'");
        return false;
    }
    if (anterior == '+' || anterior == '/') {
        AfxMessageBox(
            FormatCaracter("El último caracter no puede ser un '%c'", std::string(1, anterior)));
        return false;
    }
    return true;
}

ListaProductos CEcuacion::ExpandSum(const std::string& ecuacion, ListaProductos prefijo,
                                    std::size_t longitud, bool complementar) {
    const std::size_t fin = std::min(longitud, ecuacion.size());
    std::vector<Grupo> pila;
    pila.emplace_back(std::move(prefijo), complementar);
    for (;;) {
        Grupo& grupo = pila.back();
        if (ReadBody(ecuacion, fin, grupo)) {
            // The inner group multiplies the current term, and its result takes
            // the term's place.
            const auto desde = grupo.lista.begin() + static_cast<std::ptrdiff_t>(grupo.actual);
            ListaProductos termino(std::make_move_iterator(desde),
                                   std::make_move_iterator(grupo.lista.end()));
            grupo.lista.erase(desde, grupo.lista.end());
            const bool complemento = std::exchange(grupo.pendiente, false);
            pila.emplace_back(std::move(termino), complemento);
            continue;
        }
        ListaProductos resultado = FinishGroup(grupo, ReadTrailingLetters(ecuacion, fin));
        pila.pop_back();
        if (pila.empty()) {
            return resultado;
        }
        ListaProductos& lista = pila.back().lista;
        lista.insert(lista.end(), std::make_move_iterator(resultado.begin()),
                     std::make_move_iterator(resultado.end()));
    }
}

bool CEcuacion::ReadBody(const std::string& ecuacion, std::size_t fin, Grupo& grupo) {
    while (m_nPos < fin) {
        const char c = ecuacion[m_nPos++];
        if (IsLetter(c)) {
            // Normally one product; after a group that was not followed by its
            // trailing letters (text that did not pass the check) the letter
            // ANDs every product of the term.
            for (std::size_t i = grupo.actual; i < grupo.lista.size(); ++i) {
                grupo.lista[i] += c;
            }
        } else if (c == '+') {
            grupo.lista.emplace_back();
            grupo.actual = grupo.lista.size() - 1;
        } else if (c == '/') {
            grupo.pendiente = true;
        } else if (c == '(') {
            return true;
        } else if (c == ')') {
            return false;
        }
    }
    return false;
}

std::string CEcuacion::ReadTrailingLetters(const std::string& ecuacion, std::size_t fin) {
    std::string finales;
    for (; m_nPos < fin; ++m_nPos) {
        const char c = ecuacion[m_nPos];
        if (c == '+' || c == ')' || c == '(' || c == '/') {
            break;  // left for the enclosing group
        }
        if (IsLetter(c)) {
            finales += c;
        }
    }
    return finales;
}

ListaProductos CEcuacion::FinishGroup(const Grupo& grupo, const std::string& finales) const {
    ListaProductos complemento;
    if (grupo.complementar) {
        complemento = ComplementList(grupo.lista);
    }
    const ListaProductos& factores = grupo.complementar ? complemento : grupo.lista;
    std::vector<Minterminos> prefijos;
    prefijos.reserve(grupo.prefijo.size());
    for (const std::string& h : grupo.prefijo) {
        prefijos.push_back(ProductMinterms(h));
    }
    const Minterminos cola = ProductMinterms(finales);
    // Every product of the group times every product of the prefix, in that
    // order; a minterm met again keeps its first place.
    ListaProductos resultado;
    Minterminos vistos = 0;
    for (const std::string& p : factores) {
        if (p.empty()) {
            continue;
        }
        const Minterminos producto = ProductMinterms(p) & cola;
        for (const Minterminos h : prefijos) {
            const Minterminos nuevos = producto & h & ~vistos;
            for (std::string& t : MintermTexts(nuevos)) {
                resultado.push_back(std::move(t));
            }
            vistos |= nuevos;
        }
    }
    return resultado;
}

ListaProductos CEcuacion::LettersOfProducts(const ListaProductos& lista) const {
    ListaProductos factores;
    for (const std::string& p : lista) {
        std::string letras;
        std::copy_if(p.begin(), p.end(), std::back_inserter(letras),
                     [this](char c) { return IsLetter(c); });
        if (!letras.empty()) {
            factores.push_back(std::move(letras));
        }
    }
    return factores;
}

std::string CEcuacion::ProductText(unsigned unos, unsigned ceros) const {
    std::string texto;
    for (unsigned k = 0; k < m_nVariables; ++k) {
        if ((unos >> k) & 1u) {
            texto += static_cast<char>('A' + k);
        }
        if ((ceros >> k) & 1u) {
            texto += static_cast<char>('a' + k);
        }
    }
    return texto;
}

ListaProductos CEcuacion::ComplementList(const ListaProductos& lista) const {
    const ListaProductos factores = LettersOfProducts(lista);
    if (factores.empty()) {
        // Nothing is 1 in the group, so its complement is 1 everywhere.
        return MintermTexts(AllMinterms());
    }
    // A product under construction: its letters and the minterms it covers. One
    // that covers only minterms of earlier products of the same step is dropped:
    // everything it would grow into is covered by what those grow into, and
    // comes earlier. This keeps each step within 64 products.
    struct Parcial {
        Minterminos minterminos;
        unsigned unos;
        unsigned ceros;
    };
    const auto agregar = [this](std::vector<Parcial>& destino, Minterminos& cubiertos,
                                const Parcial& base, char letra) {
        const Minterminos m = base.minterminos & LetterMinterms(letra);
        if ((m & ~cubiertos) == 0) {
            return;
        }
        cubiertos |= m;
        Parcial nuevo{m, base.unos, base.ceros};
        const bool mayuscula = letra < 'a';
        const unsigned bit = 1u << static_cast<unsigned>(mayuscula ? letra - 'A' : letra - 'a');
        (mayuscula ? nuevo.unos : nuevo.ceros) |= bit;
        destino.push_back(nuevo);
    };
    const Parcial vacio{AllMinterms(), 0, 0};
    std::vector<Parcial> parciales;
    if (factores.size() == 1) {
        // x1 x2 ... xm complements to ~x1, ~xm, ~x(m-1), ..., ~x2.
        const std::string& p = factores.front();
        std::string orden(1, p.front());
        orden.append(p.rbegin(), p.rend() - 1);
        Minterminos cubiertos = 0;
        for (const char c : orden) {
            agregar(parciales, cubiertos, vacio, ComplementLiteral(c));
        }
    } else {
        // The sums of complemented letters multiplied out, each product taking
        // the letters of the next factor from its last to its first.
        parciales.push_back(vacio);
        for (const std::string& p : factores) {
            std::vector<Parcial> siguientes;
            Minterminos cubiertos = 0;
            for (const Parcial& t : parciales) {
                for (auto it = p.rbegin(); it != p.rend(); ++it) {
                    agregar(siguientes, cubiertos, t, ComplementLiteral(*it));
                }
            }
            parciales = std::move(siguientes);
        }
    }
    ListaProductos resultado;
    resultado.reserve(parciales.size());
    for (const Parcial& t : parciales) {
        resultado.push_back(ProductText(t.unos, t.ceros));
    }
    return resultado;
}

ListaProductos CEcuacion::ExpandProduct(const std::string& producto) const {
    return MintermTexts(ProductMinterms(producto));
}

bool CEcuacion::IsLetter(char c) const {
    // Tested as signed characters: bytes above 127 are never letters.
    const int n = static_cast<int>(m_nVariables);
    return (c >= 'a' && c < 'a' + n) || (c >= 'A' && c < 'A' + n);
}

CEcuacion::Minterminos CEcuacion::AllMinterms() const {
    const unsigned terminos = 1u << m_nVariables;
    return terminos == 64 ? ~Minterminos{0} : (Minterminos{1} << terminos) - 1;
}

CEcuacion::Minterminos CEcuacion::LetterMinterms(char c) const {
    if (!IsLetter(c)) {
        return AllMinterms();
    }
    return c >= 'a' ? m_letras[2 * static_cast<unsigned>(c - 'a')]
                    : m_letras[2 * static_cast<unsigned>(c - 'A') + 1];
}

CEcuacion::Minterminos CEcuacion::ProductMinterms(const std::string& producto) const {
    Minterminos m = AllMinterms();
    for (const char c : producto) {
        m &= LetterMinterms(c);
    }
    return m;
}

std::string CEcuacion::MintermText(unsigned t) const {
    std::string texto;
    for (unsigned k = 0; k < m_nVariables; ++k) {
        const bool uno = ((t >> (m_nVariables - 1 - k)) & 1u) != 0;
        texto += static_cast<char>((uno ? 'A' : 'a') + k);
    }
    return texto;
}

ListaProductos CEcuacion::MintermTexts(Minterminos conjunto) const {
    ListaProductos textos;
    for (; conjunto != 0; conjunto &= conjunto - 1) {
        textos.push_back(MintermText(static_cast<unsigned>(std::countr_zero(conjunto))));
    }
    return textos;
}

char CEcuacion::ComplementLiteral(char c) const {
    if (!IsLetter(c)) {
        return ' ';
    }
    return c >= 'a' ? static_cast<char>(c - 'a' + 'A') : static_cast<char>(c - 'A' + 'a');
}

std::string CEcuacion::StripSpaces(const std::string& texto) {
    std::string limpio;
    limpio.reserve(texto.size());
    std::copy_if(texto.begin(), texto.end(), std::back_inserter(limpio),
                 [](char c) { return c != ' '; });
    return limpio;
}

std::string CEcuacion::JoinTerms(const ListaProductos& lista) {
    std::string texto;
    for (std::size_t i = 0; i < lista.size(); ++i) {
        if (i > 0) {
            texto += " + ";
        }
        texto += lista[i];
    }
    return texto;
}
