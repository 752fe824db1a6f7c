#include "editors/Listamax.h"

namespace {

const CDialogoLista::Plantilla kPlantilla = {
    .titulo = "Lista de Maxtérminos",
    .instrucciones =
        "Ingrese los maxtérminos de cada función como números decimales separados por comas, "
        "colocando en M los imprescindibles y en D los prescindibles o don't care. Presione "
        "Aceptar cuando termine de ingresar los datos de cada función.",
    .instruccionesRect = {11, 46, 266, 25},
    .signo = "P",
    .signoRect = {11, 76, 15, 16},
    .abre = "M(",
    .abreRect = {24, 80, 17, 14},
    .medio = ") D(",
    .medioRect = {114, 80, 26, 14},
    .cierreRect = {219, 80, 8, 13},
    .prescindiblesRect = {140, 81, 79, 12},
};

}  // namespace

CListamax::CListamax(QWidget* parent) : CDialogoLista(kPlantilla, parent) {}
