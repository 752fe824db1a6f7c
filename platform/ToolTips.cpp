#include "platform/ToolTips.h"

#include <QVariant>
#include <QWidget>

#include "resources/StringTable.h"

namespace {
constexpr const char* kPropiedadId = "tarnovelControlId";
}

void CToolTips::SetControlId(QWidget& control, int id) {
    control.setProperty(kPropiedadId, id);
}

int CToolTips::GetControlId(const QWidget& control) {
    const QVariant valor = control.property(kPropiedadId);
    return valor.isValid() ? valor.toInt() : -1;
}

std::string CToolTips::Find(int id, std::span<const SStringResource> own) {
    for (const SStringResource& s : own) {
        if (s.id == id) {
            return s.text;
        }
    }
    return CStringTable::Load(id);
}

void CToolTips::Apply(QWidget& dialog, std::span<const SStringResource> own) {
    for (QWidget* control : dialog.findChildren<QWidget*>()) {
        const int id = GetControlId(*control);
        const std::string texto = id == -1 ? std::string() : Find(id, own);
        control->setToolTip(QString::fromStdString(texto));
    }
}
