#pragma once
// The tool-tip rule of the dialogs: every control that carries a control id
// with a string in the string table shows that string as its tool tip; a
// control without an id (-1) or without a string shows none.
//
// Usage: give each control its id with CToolTips::SetControlId (CDialog::Place
// does it), then call CToolTips::Apply(dialog) once the controls exist
// (CDialog::OnInitDialog does it). A dialog whose strings are not in the
// shared table (resources/StringTable.cpp) passes its own list; that list is
// searched first.

#include <span>
#include <string>

class QWidget;

struct SStringResource {
    int id;
    const char* text;
};

class CToolTips {
public:
    static void SetControlId(QWidget& control, int id);
    // -1 when the widget has no control id.
    static int GetControlId(const QWidget& control);
    // The string with the id, from the given list or else the shared table.
    static std::string Find(int id, std::span<const SStringResource> own = {});
    // Applies the rule to every descendant of the dialog.
    static void Apply(QWidget& dialog, std::span<const SStringResource> own = {});
};
