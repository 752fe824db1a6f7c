#include "editors/Mapa_k6.h"

namespace {

const CDialogoMapa::Plantilla kPlantilla = {
    .variables = 6,
    .titulo = "Mapa K de 6 variables",
    .origenX = 35,
    .origenY = 24,
    .terminoX = 233,
    .diagonal = {29, 13, 8, 11},
    .columnas = {37, 15, 15, 8},
    .filas = {19, 23, 14, 8},
};

}  // namespace

CMapa_k6::CMapa_k6(QWidget* parent) : CDialogoMapa(kPlantilla, parent) {}
