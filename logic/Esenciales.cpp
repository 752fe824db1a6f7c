#include "logic/Sistema.h"
