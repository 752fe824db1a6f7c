#include "editors/Mapa_k5.h"

namespace {

const CDialogoMapa::Plantilla kPlantilla = {
    .variables = 5,
    .titulo = "Mapa K de 5 variables",
    .origenX = 32,
    .origenY = 70,
    .terminoX = 239,
    .diagonal = {26, 59, 8, 11},
    .columnas = {34, 61, 15, 8},
    .filas = {20, 69, 9, 8},
};

}  // namespace

CMapa_k5::CMapa_k5(QWidget* parent) : CDialogoMapa(kPlantilla, parent) {}
