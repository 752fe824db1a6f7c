#pragma once
// Dialog data exchange: moving values between a dialog's controls and its
// members, and validating them on the way in, with the framework's Spanish
// messages.
//
// Usage, in a dialog's DoDataExchange (see CDialog):
//     DDX_Text(dx, m_editFunciones, m_nFunciones);
//     DDV_MinMaxUInt(dx, m_nFunciones, 1, 6);
// When dx.m_bSaveAndValidate is false the members are written into the
// controls; when it is true the controls are read and checked. The first
// failure shows its message in the modal message box ("Introduzca un número
// entero positivo.", "Introduzca un número entero entre 1 y 6.", ...), puts
// the focus on the control that failed with its text selected, and turns every
// later DDX_/DDV_ call of the same exchange into a no-op; the dialog stays
// open because UpdateData then returns false. A DDV_ call checks the control
// of the DDX_ call just before it.

#include <string>

#include <cstdint>

using UINT = std::uint32_t;

class QAbstractButton;
class QLineEdit;
class QWidget;

class CDataExchange {
public:
    explicit CDataExchange(bool saveAndValidate) : m_bSaveAndValidate(saveAndValidate) {}

    // Notes the control that the following DDV_ call validates.
    void PrepareCtrl(QWidget* control) { m_pControl = control; }
    QWidget* PreparedControl() const { return m_pControl; }
    // Shows the message, focuses the last prepared control and stops the exchange.
    void Fail(const std::string& message);
    bool Failed() const { return m_bFallo; }

    const bool m_bSaveAndValidate;

private:
    QWidget* m_pControl = nullptr;
    bool m_bFallo = false;
};

// Unsigned whole number: blanks around the digits are allowed, nothing else.
void DDX_Text(CDataExchange& dx, QLineEdit* edit, UINT& value);
// Signed whole number.
void DDX_Text(CDataExchange& dx, QLineEdit* edit, int& value);
// Any text, kept as typed (UTF-8 in the member).
void DDX_Text(CDataExchange& dx, QLineEdit* edit, std::string& value);
// A check box or radio button with a flag.
void DDX_Check(CDataExchange& dx, QAbstractButton* button, bool& value);
// Limits the edit of the DDX_ call before it to `count` characters (Unicode
// characters, never half of one): typing beyond the limit changes nothing and a
// pasted text keeps only its first characters. The edit can then never hold
// more, so the exchange in has nothing to refuse.
void DDV_MaxChars(CDataExchange& dx, int count);
void DDV_MinMaxUInt(CDataExchange& dx, UINT value, UINT minimum, UINT maximum);
void DDV_MinMaxInt(CDataExchange& dx, int value, int minimum, int maximum);
