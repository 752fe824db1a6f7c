#include "editors/Mapa_k4.h"

namespace {

const CDialogoMapa::Plantilla kPlantilla = {
    .variables = 4,
    .titulo = "Mapa K de 4 variables",
    .origenX = 77,
    .origenY = 70,
    .terminoX = 237,
    .diagonal = {71, 59, 8, 11},
    .columnas = {79, 60, 9, 8},
    .filas = {66, 69, 9, 8},
};

}  // namespace

CMapa_k4::CMapa_k4(QWidget* parent) : CDialogoMapa(kPlantilla, parent) {}
