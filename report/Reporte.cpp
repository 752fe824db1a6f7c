#include "logic/Sistema.h"

void CSistema::DrawReport(CDC& dc) {
    (void)dc;
}
