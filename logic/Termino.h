#pragma once
// One cube of a term or result list. A variable whose bit is set in `unos` is 1 in
// the cube, one set in `ceros` is 0, one clear in both is a dash. Lists are singly
// linked through `sig`, sorted by the cube order and free of equal cubes.

#include <cstdint>
#include <memory>

using UINT = std::uint32_t;

struct Termino {
    UINT unos = 0;
    UINT ceros = 0;
    UINT funciones = 0;      // bit f: the cube belongs to function f
    UINT prescindibles = 0;  // bit f: the cube is a don't-care of function f
    UINT marca = 0;
    std::unique_ptr<Termino> sig;

    Termino() = default;
    Termino(UINT u, UINT c, UINT f, UINT p) : unos(u), ceros(c), funciones(f), prescindibles(p) {}
    Termino(const Termino&) = delete;
    Termino& operator=(const Termino&) = delete;
    // Unlinks the rest of the list one node at a time, so that long lists do not
    // recurse.
    ~Termino() {
        std::unique_ptr<Termino> p = std::move(sig);
        while (p) {
            p = std::move(p->sig);
        }
    }
};

// The owner of a list: its head. Null is the empty list.
using ListaTerminos = std::unique_ptr<Termino>;

// Number of nodes of a list.
inline UINT CountNodes(const Termino* p) {
    UINT n = 0;
    for (; p != nullptr; p = p->sig.get()) {
        ++n;
    }
    return n;
}

// A node with the cube and masks of t, alone: no mark and no next node.
inline ListaTerminos CopyTerm(const Termino& t) {
    return std::make_unique<Termino>(t.unos, t.ceros, t.funciones, t.prescindibles);
}

// Puts the node where `final` points, the end of a list being built in order,
// and returns the list's new end:
//     ListaTerminos cabeza;
//     ListaTerminos* final = &cabeza;
//     for (...) final = AppendTerm(final, CopyTerm(*p));
inline ListaTerminos* AppendTerm(ListaTerminos* final, ListaTerminos nodo) {
    *final = std::move(nodo);
    return &(*final)->sig;
}
