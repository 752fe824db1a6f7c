// The three notations of the report: sums of products, products of sums and
// rows of cubes written with 1, 0 and -.
#include "logic/Sistema.h"

std::string CSistema::FormatSop(const Termino* list) const {
    std::string text;
    for (const Termino* p = list; p != nullptr; p = p->sig.get()) {
        char letra = 'A';
        for (UINT bit = m_nMascara >> 1; bit != 0; bit >>= 1, ++letra) {
            if (p->unos & bit) {
                text += letra;
            } else if (p->ceros & bit) {
                text += static_cast<char>(letra - 'A' + 'a');
            }
        }
        if (p->sig) {
            text += " + ";
        }
    }
    return text;
}

std::string CSistema::FormatPos(const Termino* list) const {
    std::string text = "(";
    for (const Termino* p = list; p != nullptr; p = p->sig.get()) {
        char letra = 'A';
        bool primera = true;
        for (UINT bit = m_nMascara >> 1; bit != 0; bit >>= 1, ++letra) {
            const bool uno = (p->unos & bit) != 0;
            if (!uno && (p->ceros & bit) == 0) {
                continue;
            }
            if (!primera) {
                text += '+';
            }
            primera = false;
            // In a cube of zeros a variable at 1 is written complemented.
            text += uno ? static_cast<char>(letra - 'A' + 'a') : letra;
        }
        text += ')';
        if (p->sig) {
            text += '(';
        }
    }
    return text;
}

std::string CSistema::FormatCubeList(const Termino* list, std::string prefix) const {
    for (const Termino* p = list; p != nullptr; p = p->sig.get()) {
        for (UINT bit = m_nMascara >> 1; bit != 0; bit >>= 1) {
            prefix += (p->unos & bit) ? '1' : (p->ceros & bit) ? '0' : '-';
        }
        prefix += ' ';
    }
    return prefix;
}
