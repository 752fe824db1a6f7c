#pragma once
// Numeric ids of the program's commands, dialog controls and strings.

namespace res {

// Menus and the document template.
constexpr int IDR_MAINFRAME = 169;
constexpr int IDR_TARNOVTYPE = 170;
constexpr int IDD_ABOUTBOX = 100;

// Dialog templates and controls.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDD_DATOS = 130;
constexpr int IDD_CARACT = 142;
constexpr int IDC_CARACTERISTICAS = 1029;
constexpr int IDC_SPIN_VARIABLES = 1021;
constexpr int IDC_SPIN_FUNCIONES = 1024;
constexpr int IDC_VARIABLES = 1035;
constexpr int IDC_FUNCIONES = 1036;
constexpr int IDC_STATIC_VARIABLES = 32741;
constexpr int IDC_STATIC_FUNCIONES = 32742;

// The document's commands.
constexpr int ID_TABLA_DE_VERDAD = 32776;
constexpr int ID_LISTA_DE_MINTERMINOS = 32777;
constexpr int ID_LISTA_DE_MAXTERMINOS = 32778;
constexpr int ID_ECUACION_LOGICA = 32779;
constexpr int ID_MAPA_DE_KARNAUGH = 32780;
constexpr int ID_CONFIGURAR_SALIDA = 32781;
constexpr int ID_COMUNICACION_CON_PUERTO = 32782;
constexpr int ID_ESPECIFICACIONES = 32785;

// The framework's commands.
constexpr int ID_FILE_NEW = 57600;
constexpr int ID_FILE_OPEN = 57601;
constexpr int ID_FILE_CLOSE = 57602;
constexpr int ID_FILE_SAVE = 57603;
constexpr int ID_FILE_SAVE_AS = 57604;
constexpr int ID_FILE_PRINT_SETUP = 57606;
constexpr int ID_FILE_PRINT = 57607;
constexpr int ID_FILE_PRINT_DIRECT = 57608;
constexpr int ID_FILE_PRINT_PREVIEW = 57609;
constexpr int ID_FILE_MRU_FILE1 = 57616;
constexpr int ID_EDIT_COPY = 57634;
constexpr int ID_EDIT_CUT = 57635;
constexpr int ID_EDIT_PASTE = 57637;
constexpr int ID_EDIT_UNDO = 57643;
constexpr int ID_WINDOW_NEW = 57648;
constexpr int ID_WINDOW_ARRANGE = 57649;
constexpr int ID_WINDOW_CASCADE = 57650;
constexpr int ID_WINDOW_TILE_HORZ = 57651;
constexpr int ID_APP_ABOUT = 57664;
constexpr int ID_APP_EXIT = 57665;
constexpr int ID_HELP_INDEX = 57666;
constexpr int ID_HELP_FINDER = 57667;
constexpr int ID_CONTEXT_HELP = 57669;
constexpr int ID_HELP = 57670;
constexpr int ID_DEFAULT_HELP = 57671;
constexpr int ID_NEXT_PANE = 57680;
constexpr int ID_PREV_PANE = 57681;
constexpr int ID_VIEW_TOOLBAR = 59392;
constexpr int ID_VIEW_STATUS_BAR = 59393;

// Strings of the shell and of the framework.
constexpr int IDS_APP_TITLE = 57344;
constexpr int AFX_IDS_IDLEMESSAGE = 57345;
constexpr int AFX_IDS_HELPMODEMESSAGE = 57346;
constexpr int ID_INDICATOR_EXT = 59136;
constexpr int ID_INDICATOR_CAPS = 59137;
constexpr int ID_INDICATOR_NUM = 59138;
constexpr int ID_INDICATOR_SCRL = 59139;
constexpr int ID_INDICATOR_OVR = 59140;
constexpr int ID_INDICATOR_REC = 59141;
constexpr int AFX_IDS_OPENFILE = 61440;
constexpr int AFX_IDS_SAVEFILE = 61441;
constexpr int AFX_IDS_ALLFILTER = 61442;
constexpr int AFX_IDS_UNTITLED = 61443;
constexpr int AFX_IDS_UNNAMED_FILE = 61446;
constexpr int AFX_IDP_INVALID_FILENAME = 61696;
constexpr int AFX_IDP_FAILED_TO_OPEN_DOC = 61697;
constexpr int AFX_IDP_FAILED_TO_SAVE_DOC = 61698;
constexpr int AFX_IDP_ASK_TO_SAVE = 61699;
constexpr int AFX_IDP_FAILED_TO_CREATE_DOC = 61700;
constexpr int AFX_IDP_FILE_TOO_LARGE = 61701;
constexpr int AFX_IDP_PARSE_INT = 61704;
constexpr int AFX_IDP_PARSE_UINT = 61713;
constexpr int AFX_IDP_PARSE_INT_RANGE = 61707;
constexpr int AFX_IDP_FAILED_INVALID_FORMAT = 61728;
constexpr int AFX_IDP_FILE_NOT_FOUND = 61729;
constexpr int AFX_IDP_FILE_DISKFULL = 61730;
constexpr int AFX_IDP_FILE_SHARING = 61731;
constexpr int AFX_IDP_FILE_ACCESS_DENIED = 61732;
constexpr int AFX_IDP_FILE_BAD_READ = 61733;
constexpr int AFX_IDP_FILE_BAD_WRITE = 61734;
constexpr int AFX_IDP_FILE_EOF = 61735;
constexpr int IDS_DOCUMENT = 170;

}  // namespace res
