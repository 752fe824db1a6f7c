#include "editors/Listamin.h"

namespace {

const CDialogoLista::Plantilla kPlantilla = {
    .titulo = "Lista de Mintérminos",
    .instrucciones =
        "Ingrese los mintérminos de cada función como números decimales separados por comas, "
        "colocando en m los imprescindibles y en d los prescindibles o don't care. Presione "
        "Aceptar cuando termine de ingresar los datos de cada función.",
    .instruccionesRect = {13, 47, 260, 25},
    .signo = "S",
    .signoRect = {13, 77, 11, 16},
    .abre = "m(",
    .abreRect = {25, 80, 17, 14},
    .medio = ")+d(",
    .medioRect = {114, 80, 26, 16},
    .cierreRect = {220, 80, 8, 13},
    .prescindiblesRect = {141, 81, 79, 12},
};

}  // namespace

CListamin::CListamin(QWidget* parent) : CDialogoLista(kPlantilla, parent) {}
