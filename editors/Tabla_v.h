#pragma once
// "Tabla de Verdad" (dialog 141): the value of every function for every term,
// set directly on the truth table. A list shows one row per term (term 0 at the
// top, its number and its bits) and one column per function; the two number
// fields choose a cell and each of the three buttons writes it at once, in the
// list and in m_tabla. Selecting a row in the list chooses nothing.
//
// The caller seeds m_nFunciones, m_nVariables, m_nTerminos, m_nMascara and rows
// 0..m-1 of m_tabla ('1' required, 'X' don't-care, '0' absent; [function][term]),
// runs DoModal, and after IDOK reads m_tabla back. A second run of the same
// object shows the table as the first run left it.

#include <array>

#include "platform/Dialog.h"

class QTreeWidget;

class CTabla_v : public CDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 141;
    // Control ids of the template.
    enum Control {
        IDC_LISTA = 1007,
        IDC_SPIN_FUNCION = 1025,
        IDC_SPIN_TERMINO = 1026,
        IDC_FUNCION = 1031,
        IDC_TERMINO = 1032,
        IDC_ELIMINAR = 32735,
        IDC_PRESCINDIBLE = 32736,
        IDC_IMPRESCINDIBLE = 32737,
        IDC_STATIC_TERMINO = 32741,
        IDC_STATIC_FUNCION = 32742,
    };
    static constexpr int kAnchoTermino = 94;  // pixels
    static constexpr int kAnchoFuncion = 56;

    explicit CTabla_v(QWidget* parent = nullptr);

    UINT m_nFunciones = 1;
    UINT m_nVariables = 1;
    UINT m_nTerminos = 2;
    UINT m_nMascara = 2;
    std::array<std::array<char, 64>, 6> m_tabla{};
    UINT m_nFuncion = 1;
    UINT m_nTermino = 0;

    void OnImprescindible() { SetCell('1'); }
    void OnPrescindible() { SetCell('X'); }
    void OnEliminar() { SetCell('0'); }

    // "%4u (" with the term, its n bits with A first, and ")".
    std::string RowText(UINT termino) const;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;

private:
    // The numbers as far as the cell array reaches.
    UINT Funciones() const;
    UINT Terminos() const;
    void FillList();
    void SetCell(char valor);

    QTreeWidget* m_pLista;
    QLineEdit* m_pTermino;
    QLineEdit* m_pFuncion;
    CSpinButtonCtrl* m_pSpinTermino;
    CSpinButtonCtrl* m_pSpinFuncion;
};
