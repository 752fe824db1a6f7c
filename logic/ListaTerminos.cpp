// Sorted cube lists and the comma-separated term texts.
#include <vector>

#include "logic/Sistema.h"

namespace {

// The insertion walk shared by both rules; onEqual decides what an equal cube does.
template <typename OnEqual>
void InsertNode(const CSistema& sistema, ListaTerminos& list, ListaTerminos node, OnEqual onEqual) {
    if (!list) {
        list = std::move(node);
        return;
    }
    if (sistema.CubeLess(*node, *list)) {
        node->sig = std::move(list);
        list = std::move(node);
        return;
    }
    if (CSistema::CubeEqual(*node, *list)) {
        onEqual(*list, *node);
        return;
    }
    Termino* p = sistema.FindInsertPoint(list.get(), *node);
    if (p->sig && CSistema::CubeEqual(*p->sig, *node)) {
        onEqual(*p->sig, *node);
        return;
    }
    CSistema::InsertAfter(std::move(node), *p);
}

// Calls insert(number) for every number of a term text. Numbers too large for
// any term saturate instead of wrapping, so they never alias a small one; empty
// elements are passed over.
template <typename Insert>
void ForEachNumber(const std::string& text, Insert insert) {
    constexpr UINT kTope = 1u << 20;
    UINT value = 0;
    bool digits = false;
    auto close = [&] {
        if (digits) {
            insert(value);
        }
        value = 0;
        digits = false;
    };
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            value = value >= kTope ? kTope : value * 10 + static_cast<UINT>(c - '0');
            digits = true;
        } else if (c == ',') {
            close();
        }
    }
    close();
}

void AppendNumber(std::string& text, UINT value) {
    if (!text.empty()) {
        text += ',';
    }
    text += std::to_string(value);
}

}  // namespace

bool CSistema::CubeLess(const Termino& a, const Termino& b) const {
    for (UINT bit = m_nMascara >> 1; bit != 0; bit >>= 1) {
        const bool au = (a.unos & bit) != 0;
        const bool bu = (b.unos & bit) != 0;
        if (au != bu) {
            return bu;
        }
        const bool ac = (a.ceros & bit) != 0;
        const bool bc = (b.ceros & bit) != 0;
        if (ac != bc) {
            return ac;
        }
    }
    return false;
}

void CSistema::InsertTermMerge(ListaTerminos& list, UINT v, UINT a, UINT b) const {
    auto node = std::make_unique<Termino>(v, (m_nMascara - 1) ^ v, a, b);
    InsertNode(*this, list, std::move(node), [](Termino& existing, const Termino& nuevo) {
        existing.funciones |= nuevo.funciones;
        existing.prescindibles |= nuevo.prescindibles;
    });
}

void CSistema::InsertUnique(ListaTerminos node, ListaTerminos& list) const {
    InsertNode(*this, list, std::move(node), [](Termino&, const Termino&) {});
}

Termino* CSistema::FindInsertPoint(Termino* list, const Termino& node) const {
    Termino* p = list;
    while (p->sig && CubeLess(*p->sig, node)) {
        p = p->sig.get();
    }
    return p;
}

void CSistema::InsertAfter(ListaTerminos node, Termino& predecessor) {
    node->sig = std::move(predecessor.sig);
    predecessor.sig = std::move(node);
}

void CSistema::ParseTermText(ListaTerminos& list, const std::string& text, UINT a, UINT b) const {
    ForEachNumber(text, [&](UINT value) {
        if (value < m_nTerminos) {
            InsertTermMerge(list, value, a, b);
        }
    });
}

std::string CSistema::FormatTermText(const Termino* list, UINT a, UINT b) const {
    std::string text;
    for (const Termino* p = list; p != nullptr; p = p->sig.get()) {
        if ((p->funciones & a) != 0 && (p->prescindibles & a) != b) {
            AppendNumber(text, p->unos);
        }
    }
    return text;
}

std::string CSistema::FormatComplementText(const Termino* list, UINT f) const {
    std::string text;
    UINT next = 0;
    for (const Termino* p = list; p != nullptr; p = p->sig.get()) {
        if ((p->funciones & f) != 0) {
            for (; next < p->unos; ++next) {
                AppendNumber(text, next);
            }
            next = p->unos + 1;
        }
    }
    for (; next < m_nTerminos; ++next) {
        AppendNumber(text, next);
    }
    return text;
}

bool CSistema::IsValidTermText(const std::string& text, UINT terminos) {
    for (char c : text) {
        if (!(c >= '0' && c <= '9') && c != ' ' && c != ',') {
            return false;
        }
    }
    bool valid = true;
    ForEachNumber(text, [&](UINT value) { valid = valid && value < terminos; });
    return valid;
}
