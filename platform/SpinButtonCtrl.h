#pragma once
// A standalone up-down control beside its buddy edit, as the dialog templates
// place it: two arrow buttons that step a position within a range and write it
// into the buddy. The buddy keeps accepting any text; only the dialog's data
// exchange validates it. A step starts from the number in the buddy when it
// holds one (clamped to the range), else from the control's own position.
// With the buddy focused, the Up and Down keys step as well. The position never
// leaves the range and does not wrap.
//
// Usage: auto* spin = Place(new CSpinButtonCtrl(this), 1021, 130, 44, 11, 12);
//        spin->SetBuddy(edit); spin->SetRange(1, 6);

#include <QWidget>

class QLineEdit;
class QToolButton;

class CSpinButtonCtrl : public QWidget {
    Q_OBJECT
public:
    explicit CSpinButtonCtrl(QWidget* parent = nullptr);

    void SetBuddy(QLineEdit* buddy);
    QLineEdit* GetBuddy() const { return m_pBuddy; }
    // As the common control: the lower end may be above the upper one, and then
    // the up arrow lowers the number.
    void SetRange(int lower, int upper);
    int GetLower() const { return m_nInferior; }
    int GetUpper() const { return m_nSuperior; }
    void SetPos(int pos);
    int GetPos() const { return m_nPos; }
    // One step towards the upper end (up = true) or the lower end.
    void Step(bool up);

    QToolButton* UpButton() const { return m_pArriba; }
    QToolButton* DownButton() const { return m_pAbajo; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int Clamp(int value) const;

    QLineEdit* m_pBuddy = nullptr;
    QToolButton* m_pArriba;
    QToolButton* m_pAbajo;
    int m_nInferior = 0;
    int m_nSuperior = 100;
    int m_nPos = 0;
};
