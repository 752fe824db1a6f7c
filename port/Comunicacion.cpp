#include "port/Comunicacion.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "platform/SpinButtonCtrl.h"
#include "port/ErrorPuerto.h"
#include "port/Protocolo.h"
#include "port/Puerto.h"

using namespace protocolo;

namespace {

constexpr SStringResource kCadenas[] = {
    {CComunicacion::IDC_COMPLEMENTAR,
     "Marque este item si desea enviar el complemento de la función actual"},
    {CComunicacion::IDC_SELECCION,
     "Marque este item si desea que la salida pase a través del flip flop D"},
    {CComunicacion::IDC_TERMINO, "Ingrese el número de término deseado"},
    {CComunicacion::IDC_SPIN_TERMINO,
     "Use las flechas para variar el valor dentro de los límites permitidos"},
    {CComunicacion::IDC_VALOR,
     "Aquí aparece el valor que toma la función para el término seleccionado"},
    {CComunicacion::IDC_RELOJ_FFD, "Presione para generarle un ciclo de reloj al Flip-Flop D"},
    {CComunicacion::IDC_ENVIAR, "Presione cuando quiera mandar los datos al puerto"},
};

}  // namespace

CComunicacion::CComunicacion(CPuerto& puerto, QWidget* parent)
    : CDialog(QStringLiteral("Comunicación con puerto"), 134, 90, Estilo::Marco, parent),
      m_puerto(puerto) {
    // Created in the template's order, which is also the tab order.
    m_pComplementar =
        AddCheck(IDC_COMPLEMENTAR, QStringLiteral("Complementar función"), 24, 13, 85, 11);
    m_pSeleccion =
        AddCheck(IDC_SELECCION, QStringLiteral("Selección de la salida"), 24, 27, 84, 11);
    AddStatic(IDC_STATIC_TERMINO, QStringLiteral("Término :"), 14, 49, 30, 8);
    m_pTermino = AddEdit(IDC_TERMINO, 45, 46, 16, 12);
    m_pSpinTermino = AddSpin(IDC_SPIN_TERMINO, m_pTermino, 61, 46, 11, 12);
    AddStatic(IDC_STATIC_FUNCION, QStringLiteral("Función :"), 79, 49, 30, 8);
    m_pValor = AddEdit(IDC_VALOR, 110, 49, 9, 12);
    // Read-only without a border: the value stands on the dialog's face.
    m_pValor->setReadOnly(true);
    m_pValor->setFrame(false);
    m_pValor->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette paleta = m_pValor->palette();
    paleta.setColor(QPalette::Base, paleta.color(QPalette::Window));
    m_pValor->setPalette(paleta);
    auto* enviar = AddButton(IDC_ENVIAR, QStringLiteral("Enviar"), 19, 66, 38, 15);
    auto* reloj = AddButton(IDC_RELOJ_FFD, QStringLiteral("Reloj FFD"), 77, 66, 38, 15);

    connect(m_pComplementar, &QCheckBox::clicked, this, [this] { OnComplementarFuncion(); });
    connect(m_pSeleccion, &QCheckBox::clicked, this, [this] { OnSeleccionDeLaSalida(); });
    connect(enviar, &QPushButton::clicked, this, [this] { OnEnviar(); });
    connect(reloj, &QPushButton::clicked, this, [this] { OnRelojFfd(); });
}

void CComunicacion::Run(CPuerto& puerto, bool bComplementar, bool bSeleccion, UINT nTerminos) {
    CComunicacion dlg(puerto);
    dlg.m_bComplementar = bComplementar;
    dlg.m_bSeleccion = bSeleccion;
    dlg.m_nTerminos = nTerminos;
    dlg.DoModal();
    if (dlg.m_pError) {
        std::rethrow_exception(dlg.m_pError);
    }
}

void CComunicacion::DoDataExchange(CDataExchange& dx) {
    DDX_Check(dx, m_pComplementar, m_bComplementar);
    DDX_Check(dx, m_pSeleccion, m_bSeleccion);
    DDX_Text(dx, m_pTermino, m_nTermino);
    DDV_MinMaxInt(dx, m_nTermino, 0, static_cast<int>(m_nTerminos) - 1);
    DDX_Text(dx, m_pValor, m_nValor);
    DDV_MinMaxUInt(dx, m_nValor, 0, 1);
}

std::span<const SStringResource> CComunicacion::ToolTipStrings() const {
    return kCadenas;
}

bool CComunicacion::OnInitDialog() {
    CDialog::OnInitDialog();
    m_pSpinTermino->SetRange(0, static_cast<int>(m_nTerminos) - 1);
    // Not guarded: a failure here leaves DoModal before the dialog shows.
    WriteSetting();
    m_puerto.WriteControl(ControlByteOfTerm(static_cast<unsigned>(m_nTermino)));
    ReadOutput();
    UpdateData(false);
    return true;
}

void CComunicacion::keyPressEvent(QKeyEvent* event) {
    // A focused button takes Enter itself; anywhere else the dialog has no
    // default button, and Enter is the framework's OK.
    const bool bEnter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (bEnter && qobject_cast<QPushButton*>(focusWidget()) == nullptr) {
        OnOK();
        return;
    }
    CDialog::keyPressEvent(event);
}

void CComunicacion::WriteSetting() {
    m_nDatos = SettingByte(m_bSeleccion, m_bComplementar);
    m_puerto.WriteData(m_nDatos);
    m_puerto.WriteData(static_cast<std::uint8_t>(m_nDatos | kReloj));
}

void CComunicacion::ReadOutput() {
    m_nValor = OutputOfStatus(m_puerto.ReadStatus());
}

void CComunicacion::Access(const std::function<void()>& accesos) {
    try {
        accesos();
    } catch (const CErrorPuerto&) {
        m_pError = std::current_exception();
        EndDialog(IDCANCEL);
    }
}

void CComunicacion::OnComplementarFuncion() {
    m_bComplementar = !m_bComplementar;
    Access([this] { WriteSetting(); });
}

void CComunicacion::OnSeleccionDeLaSalida() {
    m_bSeleccion = !m_bSeleccion;
    Access([this] { WriteSetting(); });
}

void CComunicacion::OnRelojFfd() {
    // The clock takes no field: a refused term shows its message, and the
    // clock still goes on.
    UpdateData(true);
    Access([this] {
        m_puerto.WriteData(m_nDatos);
        m_puerto.WriteData(static_cast<std::uint8_t>(m_nDatos | kRelojFfd));
        ReadOutput();
    });
    UpdateData(false);
}

void CComunicacion::OnEnviar() {
    // A term the exchange refuses writes nothing, rather than the low bits of
    // a number outside the function's terms.
    if (!UpdateData(true)) {
        return;
    }
    Access([this] {
        m_puerto.WriteControl(ControlByteOfTerm(static_cast<unsigned>(m_nTermino)));
        ReadOutput();
    });
    // Through the flip-flop the box keeps showing the latched value until the
    // next clock.
    if (!m_bSeleccion) {
        UpdateData(false);
    }
}
