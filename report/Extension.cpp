#include "logic/Sistema.h"

CSize CSistema::GetReportSize() const { return CSize{}; }
