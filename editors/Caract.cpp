#include "editors/Caract.h"

#include <QLabel>
#include <QLineEdit>

#include "platform/Archive.h"
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
    // The document file holds Windows-1252 text: a character beyond it would
    // be saved as '?' while the window still showed it.
    if (!dx.m_bSaveAndValidate || dx.Failed()) {
        return;
    }
    if (const auto caracter = CArchive::FirstUnstorable(m_strCaracteristicas)) {
        const char32_t cp = *caracter;
        const QString simbolo = QString::fromUcs4(&cp, 1);
        const QString codigo = QString::number(static_cast<uint>(cp), 16)
                                   .toUpper()
                                   .rightJustified(4, QLatin1Char('0'));
        dx.Fail(QStringLiteral("El carácter «%1» (U+%2) no puede guardarse en el archivo del "
                               "sistema. Quítelo o cámbielo por otro.")
                    .arg(simbolo, codigo)
                    .toStdString());
        // Only that character is selected: the key that replaces it, as the
        // message asks, must not wipe out the whole description.
        const qsizetype posicion = m_pCaracteristicas->text().indexOf(simbolo);
        if (posicion >= 0) {
            m_pCaracteristicas->setSelection(static_cast<int>(posicion),
                                             static_cast<int>(simbolo.size()));
        }
    }
}
