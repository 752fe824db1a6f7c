#pragma once
// The dialog design that the minterm and maxterm lists share (CListamin,
// CListamax): for each function of the system, the list of its required terms
// and the list of its don't-care terms, typed as comma-separated decimal
// numbers and shown as one formula line, Σm(...)+d(...) or ΠM(...) D(...).
//
// The caller seeds m_nFunciones, m_nVariables, m_nTerminos and entries 0..m-1
// of m_strListaImp and m_strListaDc, runs DoModal, and after IDOK reads the two
// arrays back. "Aceptar" checks the two edits (CVerificadorLista) and stores
// them, exactly as typed, under the selected function; "Ver" shows what is
// stored for it; OK ends the dialog without storing the edits. The members keep
// their values between runs, so a caller that refuses an OK runs the same
// object again and the user finds everything as it was.

#include <array>
#include <string>

#include "platform/Dialog.h"

class QLabel;

class CDialogoLista : public CDialog {
    Q_OBJECT
public:
    // Control ids of the templates.
    enum Control {
        IDC_SPIN_FUNCION = 1025,
        IDC_FUNCION = 1031,
        IDC_IMPRESCINDIBLES = 1033,
        IDC_PRESCINDIBLES = 1034,
        IDC_ACEPTAR = 32738,
        IDC_VER = 32739,
        IDC_STATIC_FUNCION = 32741,
        IDC_STATIC_INSTRUCCIONES = 32742,
        IDC_STATIC_SIGNO = 32743,
        IDC_STATIC_ABRE = 32744,
        IDC_STATIC_MEDIO = 32745,
        IDC_STATIC_CIERRE = 32746,
    };

    UINT m_nFunciones = 1;
    UINT m_nVariables = 1;
    UINT m_nTerminos = 2;
    std::array<std::string, 6> m_strListaImp;
    std::array<std::string, 6> m_strListaDc;
    UINT m_nFuncion = 1;
    std::string m_strImp;
    std::string m_strDc;

    void OnAceptar();
    void OnVer();

    // A control's place in dialog units.
    struct Rect {
        int x, y, ancho, alto;
    };
    // What the two templates do not share.
    struct Plantilla {
        const char* titulo;
        const char* instrucciones;
        Rect instruccionesRect;
        const char* signo;  // Symbol-encoded: "S" is Σ, "P" is Π
        Rect signoRect;
        const char* abre;
        Rect abreRect;
        const char* medio;
        Rect medioRect;
        Rect cierreRect;
        Rect prescindiblesRect;
    };

protected:
    explicit CDialogoLista(const Plantilla& plantilla, QWidget* parent = nullptr);

    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;

private:
    void SetFonts();

    QLineEdit* m_pImprescindibles;
    QLineEdit* m_pPrescindibles;
    QLineEdit* m_pFuncion;
    CSpinButtonCtrl* m_pSpin;
    QLabel* m_pSigno;
    QLabel* m_pAbre;
    QLabel* m_pMedio;
    QLabel* m_pCierre;
};
