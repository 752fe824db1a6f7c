#include "resources/StringTable.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

struct Entrada {
    int id;
    std::string_view texto;
};

// Sorted by id.
constexpr std::array kTabla = std::to_array<Entrada>({
    // Controls shared by every dialog.
    {1, "Presione para confirmar los datos ingresados"},
    {2, "Presione para salir sin modificar los datos del sistema"},
    {169, "Tarnovel"},
    {170, "\nTarnovel\nTarnovel\n\n\nTarnovel.Document\nTarnovel Document"},
    // Controls of the numbers, description and entry dialogs.
    {1007, "Esta tabla lista los términos y el valor que toma la función para cada uno"},
    {1021, "Use las flechas para variar el valor dentro de los límites permitidos"},
    {1024, "Use las flechas para variar el valor dentro de los límites permitidos"},
    {1025, "Use las flechas para variar el valor dentro de los límites permitidos"},
    {1026, "Use las flechas para variar el valor dentro de los límites permitidos"},
    {1029, "Describa el sistema, mencione cualquier cualidad que lo haga interesante"},
    {1030, "Ingrese la ecuación lógica aquí"},
    {1031, "Ingrese la función a la que desea modificarle o ingresarle datos"},
    {1032, "Ingrese el número de término deseado"},
    {1033, "Acá van los imprescindibles"},
    {1034, "Acá van los prescindibles o don't care"},
    {1035, "Ingrese aquí el número de variables del sistema"},
    {1036, "Ingrese aquí la cantidad de funciones del sistema"},
    // The value buttons, "Aceptar" and "Ver" of the entry dialogs (the trailing
    // blank is the program's).
    {32735, "Presione para eliminar el término seleccionado de la función actual"},
    {32736, "Agregar el término seleccionado a la función actual como don't care"},
    {32737, "Presione para agregar el término seleccionado a la función actual"},
    {32738, "Presione para confirmar los datos de la función actual"},
    {32739, "Presione para ver, si los hay, los datos de la función actual "},
    // The document's commands.
    {32776,
     "Abre el diálogo que le permite ingresar los datos del sistema directamente sobre la tabla "
     "de verdad\nTabla de verdad"},
    {32777,
     "Abre el diálogo que le permite ingresar los datos del sistema en forma de lista de "
     "mintérminos\nLista de mintérminos"},
    {32778,
     "Abre el diálogo que le permite ingresar los datos del sistema en forma de lista de "
     "maxtérminos\nLista de maxtérminos"},
    {32779,
     "Abre el diálogo a través del cual podrá ingresar los datos del sistema en forma de "
     "ecuación lógica\nEcuación lógica"},
    {32780,
     "Abre el diálogo mediante el cual podrá ingresar los datos del sistema directamente sobre "
     "el Mapa K\nMapa K"},
    {32781,
     "Abre el diálogo que le permite especificar la forma en que los datos de salida aparecerán "
     "en pantalla\nConfigurar Salida"},
    {32782,
     "Abre el diálogo que permite especificar la forma de intercambio de datos a través del "
     "puerto paralelo\nComunicación con Puerto"},
    {32785,
     "Abre el diálogo en el que podrá ingresar datos adicionales del sistema actual, así como "
     "una descripción del mismo\nEspecificaciones"},
    // The framework's commands.
    {57344, "Tarnovel"},
    {57345, "Para obtener ayuda presione F1"},
    {57346, "Seleccione el objeto sobre el que desea ayuda"},
    {57600, "Crea un nuevo documento\nNuevo"},
    {57601, "Abre un documento ya existente\nAbrir"},
    {57602, "Cierra el documento activo\nCerrar"},
    {57603, "Guarda el documento activo\nGuardar"},
    {57604, "Guarda el documento activo con un nuevo nombre\nGuardar como"},
    {57606, "Cambia las opciones de impresora y de impresión\nConfigurar impresora"},
    {57607, "Imprime el documento activo\nImprimir"},
    {57609, "Muestra páginas completas\nPresentación preliminar"},
    {57616, "Abre este documento"},
    {57617, "Abre este documento"},
    {57618, "Abre este documento"},
    {57619, "Abre este documento"},
    {57620, "Abre este documento"},
    {57621, "Abre este documento"},
    {57622, "Abre este documento"},
    {57623, "Abre este documento"},
    {57634, "Copia la selección y la coloca en el portapapeles\nCopiar"},
    {57635, "Corta la selección y la coloca en el portapapeles\nCortar"},
    {57637, "Inserta el contenido del portapapeles\nPegar"},
    {57643, "Deshace la última acción\nDeshacer"},
    {57648, "Abre otra ventana para el documento activo\nNueva ventana"},
    {57649, "Organiza los iconos en la parte inferior de la ventana\nOrganizar iconos"},
    {57650, "Organiza las ventanas de modo que se superpongan\nVentanas en cascada"},
    {57651, "Organiza las ventanas como mosaicos que no se superponen\nVentanas en mosaico"},
    {57664, "Muestra información del programa, número de versión y copyright\nAcerca de"},
    {57665, "Sale de la aplicación; le pide que guarde los documentos\nSalir"},
    {57667, "Muestra temas de ayuda\nTemas de ayuda"},
    {57669, "Muestra ayuda para los botones, menús y ventanas en los que se hace clic\nAyuda"},
    {57670, "Muestra ayuda para la tarea o el comando actual\nAyuda"},
    {57680, "Cambia al siguiente panel de ventana\nPanel siguiente"},
    {57681, "Cambia al panel de ventana anterior\nPanel anterior"},
    {59136, "EXT"},
    {59137, "MAY"},
    {59138, "NUM"},
    {59139, "DESP"},
    {59140, "SOB"},
    {59141, "GRB"},
    {59392, "Muestra u oculta la barra de herramientas\nAlternar Barra de herramientas"},
    {59393, "Muestra u oculta la barra de estado\nAlternar Barra de estado"},
    // The framework's texts of the document cycle and of the data exchange.
    {61440, "Abrir"},
    {61441, "Guardar como"},
    {61442, "Todos los archivos (*.*)"},
    {61443, "Sin título"},
    {61446, "un archivo sin nombre"},
    {61696, "Nombre de archivo no válido."},
    {61697, "Imposible abrir documento."},
    {61698, "Imposible guardar documento."},
    {61699, "¿Guardar cambios a %1?"},
    {61700, "Imposible crear el documento vacío."},
    {61701, "Archivo demasiado grande."},
    {61704, "Introduzca un número entero."},
    {61707, "Introduzca un número entero entre %1 y %2."},
    {61713, "Introduzca un número entero positivo."},
    {61728, "Formato de archivo no esperado."},
    {61729,
     "%1\nImposible encontrar este archivo.\nCompruebe que la ruta y el nombre de archivo son "
     "correctos"},
    {61730, "La unidad de disco de destino está llena."},
    {61731, "Imposible leer de %1, alguien más lo ha abierto."},
    {61732, "Imposible escribir en %1, es de sólo lectura o alguien más lo ha abierto."},
    {61733, "Error inesperado al leer %1."},
    {61734, "Error inesperado al escribir en %1."},
});

const Entrada* Buscar(int id) {
    const auto it = std::lower_bound(kTabla.begin(), kTabla.end(), id,
                                     [](const Entrada& e, int clave) { return e.id < clave; });
    return it != kTabla.end() && it->id == id ? &*it : nullptr;
}

}  // namespace

std::string CStringTable::Load(int id) {
    const Entrada* e = Buscar(id);
    return e != nullptr ? std::string(e->texto) : std::string();
}

std::string CStringTable::Prompt(int id) {
    const std::string texto = Load(id);
    return texto.substr(0, texto.find('\n'));
}

std::string CStringTable::ToolTip(int id) {
    const std::string texto = Load(id);
    const auto salto = texto.find('\n');
    return salto == std::string::npos ? std::string() : texto.substr(salto + 1);
}
