#pragma once
// The Karnaugh-map dialog design that the six maps share (CMapa_k1 to
// CMapa_k6): the 2^N terms of one function laid out as the map arranges them
// (CDisposicionMapa), each a white box with its term number in the corner and
// a one-character cell inside it; the function and term numbers with their
// arrows; "Ver", "Aceptar" and the three buttons that set the selected term.
//
// The caller seeds m_nFunciones and columns 0..m-1 of m_mapa (row = term,
// column = function), runs DoModal, and after IDOK reads m_mapa back. The
// cells are only a working copy: "Ver" fills them from m_mapa for the selected
// function, the three buttons set the selected term's cell, and "Aceptar"
// stores them into the selected function's column once every cell holds 1, 0,
// X or x and one of them holds 1. OK ends the dialog without storing them.
//
// Usage:
//     CMapa_k4 dlg;
//     dlg.m_nFunciones = 2;
//     dlg.m_mapa = sistema.GetKMapCells();
//     if (dlg.DoModal() == CDialog::IDOK) sistema.ApplyKMapCells(dlg.m_mapa);

#include <array>
#include <memory>
#include <string>

#include "logic/DisposicionMapa.h"
#include "logic/Sistema.h"
#include "platform/Dialog.h"

class QLabel;

class CDialogoMapa : public CDialog {
    Q_OBJECT
public:
    // Control ids of the templates. Cell t is IDC_CELDA + t.
    enum Control {
        IDC_SPIN_FUNCION = 1025,
        IDC_SPIN_TERMINO = 1026,
        IDC_FUNCION = 1031,
        IDC_TERMINO = 1032,
        IDC_CELDA = 1100,
        IDC_ELIMINAR = 32735,
        IDC_PRESCINDIBLE = 32736,
        IDC_IMPRESCINDIBLE = 32737,
        IDC_ACEPTAR = 32738,
        IDC_VER = 32739,
        IDC_STATIC_FUNCION = 32741,
        IDC_STATIC_TERMINO = 32742,
        IDC_STATIC_DIAGONAL = 32743,
        IDC_STATIC_COLUMNAS = 32744,
        IDC_STATIC_FILAS = 32745,
    };

    CeldasMapa m_mapa{};
    UINT m_nFunciones = 1;
    UINT m_nFuncion = 1;
    UINT m_nTermino = 0;
    // Entry t is the text of cell t; only the map's 2^N entries are used.
    std::array<std::string, kMaxTerminos> m_strCelda;

    // The map dialog of n variables, CMapa_k1 to CMapa_k6; none for another n.
    static std::unique_ptr<CDialogoMapa> ForVariables(UINT variables);

    UINT Terms() const { return m_disposicion.Terms(); }

    void OnAceptar();
    void OnVer();
    void OnImprescindible();
    void OnPrescindible();
    void OnEliminar();

    // A control's place in dialog units.
    struct Rect {
        int x, y, ancho, alto;
    };
    // What the six templates do not share.
    struct Plantilla {
        UINT variables;
        const char* titulo;
        // The top-left box; the others follow 20 units apart, 40 between sub-maps.
        int origenX;
        int origenY;
        int terminoX;  // the "Término n° :" static
        Rect diagonal;
        Rect columnas;
        Rect filas;  // unused with one variable, which has no row label
    };

protected:
    explicit CDialogoMapa(const Plantilla& plantilla, QWidget* parent = nullptr);

    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;

private:
    void AddControls(int terminoX);
    void AddLabels(const Plantilla& plantilla);
    void AddMap(int origenX, int origenY);
    void SetSelectedCell(const char* valor);
    UINT Functions() const;

    CDisposicionMapa m_disposicion;
    QLineEdit* m_pFuncion = nullptr;
    QLineEdit* m_pTermino = nullptr;
    CSpinButtonCtrl* m_pSpinFuncion = nullptr;
    CSpinButtonCtrl* m_pSpinTermino = nullptr;
    QLabel* m_pDiagonal = nullptr;
    std::array<QLineEdit*, kMaxTerminos> m_pCeldas{};
};
