#pragma once
// Builders shared by the report tests: a system set up field by field, as the
// minimisation would leave it, and the texts that a drawing recorded.

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "logic/Sistema.h"
#include "platform/RecordingDC.h"

// One drawn text and its top-left point.
struct Linea {
    int x = 0;
    int y = 0;
    std::string texto;
    friend bool operator==(const Linea&, const Linea&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Linea& l) {
        return os << "(" << l.x << ", " << l.y << ") \"" << l.texto << "\"";
    }
};

inline std::vector<Linea> Lineas(const CRecordingDC& dc) {
    std::vector<Linea> lineas;
    for (const DrawCall& c : dc.Texts()) {
        lineas.push_back(Linea{c.to.x, c.to.y, c.text});
    }
    return lineas;
}

// A cube written as in the report, "1-0": the first character is variable A.
struct Cubo {
    const char* bits;
    UINT funciones = 1;
    UINT prescindibles = 0;
};

inline ListaTerminos Lista(std::initializer_list<Cubo> cubos) {
    ListaTerminos cabeza;
    ListaTerminos* final = &cabeza;
    for (const Cubo& c : cubos) {
        auto nodo = std::make_unique<Termino>();
        const std::string bits = c.bits;
        for (std::size_t k = 0; k < bits.size(); ++k) {
            const UINT bit = 1u << (bits.size() - 1 - k);
            if (bits[k] == '1') {
                nodo->unos |= bit;
            } else if (bits[k] == '0') {
                nodo->ceros |= bit;
            }
        }
        nodo->funciones = c.funciones;
        nodo->prescindibles = c.prescindibles;
        final = AppendTerm(final, std::move(nodo));
    }
    return cabeza;
}

// A system of n variables and m functions with every report option off, so
// that each test turns on only what it looks at.
inline std::unique_ptr<CSistema> SistemaVacio(UINT n, UINT m) {
    auto s = std::make_unique<CSistema>();
    s->SetNumVariables(n);
    s->SetNumFunctions(m);
    s->m_bVerMinterminos = false;
    s->m_bVerMaxterminos = false;
    s->m_bVerTablaVerdad = false;
    s->m_bVerMapaK = false;
    s->m_bVerEcuacion = false;
    s->m_bDiagramaIndividual = false;
    s->m_bDiagramaSimultaneo = false;
    s->m_bVerExpresionSop = false;
    s->m_bVerExpresionPos = false;
    return s;
}

// A system processed by the minimisation from entered minterm texts.
inline std::unique_ptr<CSistema> Procesado(UINT n, const std::vector<std::string>& unos,
                                           const std::vector<std::string>& prescindibles = {}) {
    auto s = std::make_unique<CSistema>();
    s->SetNumVariables(n);
    s->SetNumFunctions(static_cast<UINT>(unos.size()));
    TextosFuncion a;
    TextosFuncion b;
    std::copy(unos.begin(), unos.end(), a.begin());
    std::copy(prescindibles.begin(), prescindibles.end(), b.begin());
    s->ApplyMinterms(a, b);
    return s;
}

// The text drawn at a point, or "(nada)".
inline std::string TextoEn(const CRecordingDC& dc, int x, int y) {
    const DrawCall* c = dc.TextAt(x, y);
    return c == nullptr ? std::string("(nada)") : c->text;
}

inline CRecordingDC Dibujar(CSistema& s, int pixelesY = 96) {
    CRecordingDC dc(pixelesY);
    s.DrawReport(dc);
    return dc;
}
