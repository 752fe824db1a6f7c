#include "platform/MessageBox.h"

#include <utility>

namespace {
MessageBoxHandler& CurrentHandler() {
    static MessageBoxHandler handler;
    return handler;
}
}  // namespace

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
    return std::exchange(CurrentHandler(), std::move(handler));
}

void AfxMessageBox(const std::string& text) {
    if (const auto& handler = CurrentHandler()) {
        handler(text);
    }
}

CMessageCapture::CMessageCapture()
    : m_anterior(
          SetMessageBoxHandler([this](const std::string& text) { m_mensajes.push_back(text); })) {}

CMessageCapture::~CMessageCapture() {
    SetMessageBoxHandler(std::move(m_anterior));
}
