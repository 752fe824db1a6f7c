#include "platform/SpinButtonCtrl.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>
#include <charconv>
#include <string>

namespace {

bool ReadNumber(const QLineEdit& edit, int& out) {
    const std::string text = edit.text().trimmed().toStdString();
    if (text.empty()) {
        return false;
    }
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && ptr == text.data() + text.size();
}

QToolButton* MakeArrow(QWidget* parent, Qt::ArrowType arrow) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

CSpinButtonCtrl::CSpinButtonCtrl(QWidget* parent)
    : QWidget(parent),
      m_pArriba(MakeArrow(this, Qt::UpArrow)),
      m_pAbajo(MakeArrow(this, Qt::DownArrow)) {
    connect(m_pArriba, &QToolButton::clicked, this, [this] { Step(true); });
    connect(m_pAbajo, &QToolButton::clicked, this, [this] { Step(false); });
}

void CSpinButtonCtrl::SetBuddy(QLineEdit* buddy) {
    if (m_pBuddy != nullptr) {
        m_pBuddy->removeEventFilter(this);
    }
    m_pBuddy = buddy;
    if (m_pBuddy != nullptr) {
        m_pBuddy->installEventFilter(this);
    }
}

void CSpinButtonCtrl::SetRange(int lower, int upper) {
    m_nInferior = lower;
    m_nSuperior = upper;
    m_nPos = Clamp(m_nPos);
}

void CSpinButtonCtrl::SetPos(int pos) {
    m_nPos = Clamp(pos);
    if (m_pBuddy != nullptr) {
        m_pBuddy->setText(QString::number(m_nPos));
    }
}

int CSpinButtonCtrl::Clamp(int value) const {
    return std::clamp(value, std::min(m_nInferior, m_nSuperior),
                      std::max(m_nInferior, m_nSuperior));
}

void CSpinButtonCtrl::Step(bool up) {
    int actual = m_nPos;
    if (m_pBuddy != nullptr && ReadNumber(*m_pBuddy, actual)) {
        actual = Clamp(actual);
    }
    const int hacia = up ? m_nSuperior : m_nInferior;
    const int paso = hacia >= actual ? 1 : -1;
    SetPos(actual == hacia ? actual : actual + paso);
}

bool CSpinButtonCtrl::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_pBuddy && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CSpinButtonCtrl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int mitad = height() / 2;
    m_pArriba->setGeometry(0, 0, width(), mitad);
    m_pAbajo->setGeometry(0, mitad, width(), height() - mitad);
}
