#include "editors/Caract.h"

#include <QLabel>
#include <QLineEdit>

#include "resources/Resource.h"

CCaract::CCaract(QWidget* parent)
    : CDialog(QStringLiteral("Características del sistema"), 349, 74, Estilo::Marco, parent) {
    AddButton(IDOK, QStringLiteral("OK"), 292, 7, 50, 14, true);
    AddButton(IDCANCEL, QStringLiteral("Cancel"), 292, 24, 50, 14);
    m_pCaracteristicas = AddEdit(res::IDC_CARACTERISTICAS, 17, 44, 316, 13);
    auto* instruccion = AddStatic(
        -1,
        QStringLiteral("Ingrese aquí las características o especificaciones que distinguen a este "
                       "sistema, o cualquier dato que sirva de orientación. Si lo desea puede "
                       "hacerlo mas tarde, así como también puede agregar algo luego."),
        19, 15, 225, 24);
    instruccion->setWordWrap(true);
}

void CCaract::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, m_pCaracteristicas, m_strCaracteristicas);
}
