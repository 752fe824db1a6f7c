#include "platform/DataExchange.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QString>
#include <QValidator>
#include <algorithm>
#include <charconv>

#include "platform/MessageBox.h"
#include "resources/Resource.h"
#include "resources/StringTable.h"

namespace {

// The digits of the text with the blanks around them removed, or nothing when
// the text holds anything else.
std::string Trimmed(QLineEdit* edit) {
    return edit->text().trimmed().toStdString();
}

template <class T>
bool ParseWhole(const std::string& text, T& out) {
    if (text.empty()) {
        return false;
    }
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (*first == '+') {
        ++first;
    }
    const auto [ptr, ec] = std::from_chars(first, last, out);
    return ec == std::errc() && ptr == last;
}

std::string Format(int id, long long a, long long b) {
    return QString::fromStdString(CStringTable::Load(id)).arg(a).arg(b).toStdString();
}

}  // namespace

void CDataExchange::Fail(const std::string& message) {
    AfxMessageBox(message);
    m_bFallo = true;
    if (m_pControl != nullptr) {
        m_pControl->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(m_pControl)) {
            edit->selectAll();
        }
    }
}

namespace {
// Whole numbers of either signedness: shown as typed, read back with the
// framework's message for that kind of number.
template <class T>
void ExchangeWhole(CDataExchange& dx, QLineEdit* edit, T& value, int mensaje) {
    if (dx.Failed()) {
        return;
    }
    dx.PrepareCtrl(edit);
    if (!dx.m_bSaveAndValidate) {
        edit->setText(QString::number(value));
        return;
    }
    T leido = 0;
    if (!ParseWhole(Trimmed(edit), leido)) {
        dx.Fail(CStringTable::Load(mensaje));
        return;
    }
    value = leido;
}
}  // namespace

void DDX_Text(CDataExchange& dx, QLineEdit* edit, UINT& value) {
    ExchangeWhole(dx, edit, value, res::AFX_IDP_PARSE_UINT);
}

void DDX_Text(CDataExchange& dx, QLineEdit* edit, int& value) {
    ExchangeWhole(dx, edit, value, res::AFX_IDP_PARSE_INT);
}

void DDX_Text(CDataExchange& dx, QLineEdit* edit, std::string& value) {
    if (dx.Failed()) {
        return;
    }
    dx.PrepareCtrl(edit);
    if (dx.m_bSaveAndValidate) {
        value = edit->text().toStdString();
    } else {
        edit->setText(QString::fromStdString(value));
    }
}

void DDX_Check(CDataExchange& dx, QAbstractButton* button, bool& value) {
    if (dx.Failed()) {
        return;
    }
    dx.PrepareCtrl(button);
    if (dx.m_bSaveAndValidate) {
        value = button->isChecked();
    } else {
        button->setChecked(value);
    }
}

namespace {
// Cuts the text of an edit to its first characters after every change.
class CLimiteCaracteres : public QValidator {
public:
    CLimiteCaracteres(int limite, QObject* parent) : QValidator(parent), m_nLimite(limite) {}
    int Limit() const { return m_nLimite; }

    State validate(QString& input, int& pos) const override {
        // The end of the first m_nLimite characters; a surrogate pair is one.
        qsizetype fin = 0;
        for (int n = 0; n < m_nLimite && fin < input.size(); ++n) {
            const bool par = input[fin].isHighSurrogate() && fin + 1 < input.size() &&
                             input[fin + 1].isLowSurrogate();
            fin += par ? 2 : 1;
        }
        if (fin < input.size()) {
            input.truncate(fin);
            pos = std::min(pos, static_cast<int>(fin));
        }
        return Acceptable;
    }

private:
    int m_nLimite;
};
}  // namespace

void DDV_MaxChars(CDataExchange& dx, int count) {
    if (dx.Failed() || dx.m_bSaveAndValidate) {
        return;
    }
    auto* edit = qobject_cast<QLineEdit*>(dx.PreparedControl());
    if (edit == nullptr) {
        return;
    }
    const auto* limite = dynamic_cast<const CLimiteCaracteres*>(edit->validator());
    if (limite == nullptr || limite->Limit() != count) {
        edit->setValidator(new CLimiteCaracteres(count, edit));
        // The text written before the limit is cut to it too.
        edit->setText(edit->text());
    }
}

void DDV_MinMaxUInt(CDataExchange& dx, UINT value, UINT minimum, UINT maximum) {
    if (dx.Failed() || !dx.m_bSaveAndValidate) {
        return;
    }
    if (value < minimum || value > maximum) {
        dx.Fail(Format(res::AFX_IDP_PARSE_INT_RANGE, minimum, maximum));
    }
}

void DDV_MinMaxInt(CDataExchange& dx, int value, int minimum, int maximum) {
    if (dx.Failed() || !dx.m_bSaveAndValidate) {
        return;
    }
    if (value < minimum || value > maximum) {
        dx.Fail(Format(res::AFX_IDP_PARSE_INT_RANGE, minimum, maximum));
    }
}
