#pragma once
// The base of the program's modal dialogs, in the shape the dialog code was
// written for: controls placed at their template coordinates in dialog units,
// each with its control id; DoDataExchange between the controls and the
// members; OnInitDialog, OnOK and OnCancel; DoModal returning IDOK or IDCANCEL.
//
// Usage:
//     class CDatos : public CDialog {
//     public:
//         CDatos() : CDialog(QString(), 184, 114, CDialog::Estilo::Popup) {
//             m_edit = Place(new QLineEdit(this), 1035, 110, 44, 20, 12);
//             AddButton(IDOK, "OK", 127, 7, 50, 14, true);
//         }
//     protected:
//         void DoDataExchange(CDataExchange& dx) override {
//             DDX_Text(dx, m_edit, m_nVariables);
//             DDV_MinMaxUInt(dx, m_nVariables, 1, 6);
//         }
//     };
//     CDatos dlg; dlg.m_nVariables = 3; if (dlg.DoModal() == IDOK) { ... }
//
// A dialog built without a parent gets the active window as its parent when it
// runs, as the framework's dialogs are owned by the main window.
// A push button with id IDOK runs OnOK, one with id IDCANCEL runs OnCancel;
// Escape and the close box run OnCancel too. OnOK ends the dialog with IDOK
// only when UpdateData(true) succeeds, so a failed exchange keeps it open with
// the focus on the field that failed. OnInitDialog writes the members into the
// controls and applies the tool-tip rule (CToolTips); a dialog with strings of
// its own overrides ToolTipStrings. Controls are found again with GetDlgItem or,
// in tests, by their object name "id<number>" (e.g. "id1035").

#include <QDialog>
#include <QString>
#include <span>

#include "platform/DataExchange.h"
#include "platform/DialogUnits.h"
#include "platform/ToolTips.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class CSpinButtonCtrl;

class CDialog : public QDialog {
    Q_OBJECT
public:
    enum Resultado { IDOK = 1, IDCANCEL = 2 };
    // Marco: a modal frame with caption and close box. Popup: a thin border, no
    // title bar.
    enum class Estilo { Marco, Popup };

    // The client area is widthDlu x heightDlu dialog units.
    CDialog(const QString& caption, int widthDlu, int heightDlu, Estilo estilo = Estilo::Marco,
            QWidget* parent = nullptr);

    // Runs the dialog modally; IDOK or IDCANCEL.
    int DoModal();
    // true: controls into members, validating; false: members into controls.
    // Returns false when the exchange failed (the message has been shown).
    bool UpdateData(bool saveAndValidate = true);

    QWidget* GetDlgItem(int id) const;
    template <class T>
    T* GetDlgItem(int id) const {
        return qobject_cast<T*>(GetDlgItem(id));
    }
    void EndDialog(int result) { QDialog::done(result); }
    // Escape and the close box: OnCancel.
    void reject() override { OnCancel(); }

    static QString ObjectNameFor(int id) { return QStringLiteral("id%1").arg(id); }

protected:
    virtual void DoDataExchange(CDataExchange& dx) { (void)dx; }
    // Called by DoModal before the dialog shows. Returns whether the focus is
    // left to the default (true) or was set by the dialog itself (false).
    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // Strings of the dialog's own controls that are not in the shared table.
    virtual std::span<const SStringResource> ToolTipStrings() const { return {}; }

    // Puts the control at its template place (dialog units) and gives it its id.
    template <class T>
    T* Place(T* control, int id, int x, int y, int width, int height) {
        PlaceWidget(control, id, x, y, width, height);
        return control;
    }
    QPushButton* AddButton(int id, const QString& text, int x, int y, int width, int height,
                           bool isDefault = false);
    QLineEdit* AddEdit(int id, int x, int y, int width, int height);
    QLabel* AddStatic(int id, const QString& text, int x, int y, int width, int height);
    // A frame with a caption, behind the controls it surrounds (not their parent).
    QGroupBox* AddGroupBox(int id, const QString& text, int x, int y, int width, int height);
    QCheckBox* AddCheck(int id, const QString& text, int x, int y, int width, int height);
    CSpinButtonCtrl* AddSpin(int id, QLineEdit* buddy, int x, int y, int width, int height);

    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Alt with a letter in an edit types nothing: the dialogs have no access
    // keys, and the letter would slip unseen into a description or equation.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Shrinks the label's font, half a point at a time, until its text fits its
    // box (wrapped when the label wraps).
    static void FitText(QLabel* etiqueta);

private:
    void PlaceWidget(QWidget* control, int id, int x, int y, int width, int height);
    void FitStatics();
    void PlaceOverOwner();
    void KeepFixedSize();

    Estilo m_estilo;
    // The resolution the dialog's font is measured at, fixed when it is built.
    int m_nPuntosPorPulgada = CDialogUnits::kDpiBase;
};
