#include "editors/Mapa_k2.h"

namespace {

const CDialogoMapa::Plantilla kPlantilla = {
    .variables = 2,
    .titulo = "Mapa K de 2 variables",
    .origenX = 90,
    .origenY = 83,
    .terminoX = 237,
    .diagonal = {84, 72, 8, 11},
    .columnas = {92, 73, 8, 8},
    .filas = {82, 82, 8, 8},
};

}  // namespace

CMapa_k2::CMapa_k2(QWidget* parent) : CDialogoMapa(kPlantilla, parent) {}
