#include "editors/Mapa_k1.h"

namespace {

const CDialogoMapa::Plantilla kPlantilla = {
    .variables = 1,
    .titulo = "Mapa K de 1 variable",
    .origenX = 90,
    .origenY = 94,
    .terminoX = 237,
    .diagonal = {84, 83, 8, 11},
    .columnas = {92, 84, 8, 8},
    .filas = {},
};

}  // namespace

CMapa_k1::CMapa_k1(QWidget* parent) : CDialogoMapa(kPlantilla, parent) {}
