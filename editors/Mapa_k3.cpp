#include "editors/Mapa_k3.h"

namespace {

const CDialogoMapa::Plantilla kPlantilla = {
    .variables = 3,
    .titulo = "Mapa K de 3 variables",
    .origenX = 77,
    .origenY = 83,
    .terminoX = 237,
    .diagonal = {71, 72, 8, 11},
    .columnas = {79, 73, 9, 8},
    .filas = {69, 83, 8, 8},
};

}  // namespace

CMapa_k3::CMapa_k3(QWidget* parent) : CDialogoMapa(kPlantilla, parent) {}
