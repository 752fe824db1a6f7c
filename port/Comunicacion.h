#pragma once
// "Comunicación con puerto" (dialog 128): drives the multiplexer board once
// the function is loaded. "Complementar función" complements the function,
// "Selección de la salida" passes the output through the D flip-flop, "Enviar"
// selects the typed term on the board and reads its output into the value box,
// "Reloj FFD" pulses the flip-flop's clock and reads the output. There is no OK
// and no Cancel: the close box or Escape ends it, and so does Enter away from
// the buttons once the fields are valid, as the framework's OK; how it ends
// makes no difference.
//
// Usage (the board transfer runs it through Run):
//     CComunicacion dlg(puerto);
//     dlg.m_bComplementar = false; dlg.m_bSeleccion = false; dlg.m_nTerminos = 16;
//     dlg.DoModal();
// A failing access to the port ends the dialog at once, and Run throws it
// again once DoModal has returned (OnInitDialog's failure leaves DoModal as the
// exception itself).

#include <cstdint>
#include <exception>
#include <functional>

#include "platform/Dialog.h"

class CPuerto;

class CComunicacion : public CDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 128;
    enum Control {
        IDC_SPIN_TERMINO = 1026,
        IDC_VALOR = 1027,
        IDC_TERMINO = 1032,
        IDC_RELOJ_FFD = 32734,
        IDC_ENVIAR = 32740,
        IDC_STATIC_TERMINO = 32742,
        IDC_STATIC_FUNCION = 32743,
        IDC_COMPLEMENTAR = 32833,
        IDC_SELECCION = 32834,
    };

    explicit CComunicacion(CPuerto& puerto, QWidget* parent = nullptr);

    // Runs the dialog on the port as the board transfer does; a port access
    // that failed leaves it as the port's CErrorPuerto.
    static void Run(CPuerto& puerto, bool bComplementar, bool bSeleccion, UINT nTerminos);

    // 2^n: the term lies in 0 .. m_nTerminos - 1.
    UINT m_nTerminos = 16;
    // The setting last built for the data register (bits 0 and 6).
    std::uint8_t m_nDatos = 0;
    bool m_bComplementar = false;
    bool m_bSeleccion = false;
    int m_nTermino = 0;
    // The board's output last read, 0 or 1.
    UINT m_nValor = 0;

    void OnComplementarFuncion();
    void OnSeleccionDeLaSalida();
    void OnRelojFfd();
    void OnEnviar();

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    std::span<const SStringResource> ToolTipStrings() const override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The setting built from the two flags, written with its strobe.
    void WriteSetting();
    void ReadOutput();
    // Runs a handler's accesses; one that fails ends the dialog.
    void Access(const std::function<void()>& accesos);

    CPuerto& m_puerto;
    std::exception_ptr m_pError;
    QCheckBox* m_pComplementar;
    QCheckBox* m_pSeleccion;
    QLineEdit* m_pTermino;
    CSpinButtonCtrl* m_pSpinTermino;
    QLineEdit* m_pValor;
};
