#pragma once
// The cover problems of a processed system, rebuilt as the system poses them to
// the search, and the present and the earlier search run on each of them.

#include "logic/Sistema.h"

struct Comparacion {
    double ms = 0;          // the present search over all the problems
    double msAnterior = 0;  // the earlier one
    bool iguales = true;
};

// Both searches on the problems of both sides: the side's own and, for each of
// its covers and functions, that of the sub-covers.
Comparacion CompararBusquedas(const CSistema& sistema);
