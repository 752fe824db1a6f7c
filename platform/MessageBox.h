#pragma once
// The application's modal message box. The core reports to the user through
// AfxMessageBox; the application installs a handler that shows a modal box with
// an OK button, tests install a recorder. Without a handler the text is dropped.

#include <functional>
#include <string>
#include <vector>

using MessageBoxHandler = std::function<void(const std::string& text)>;

// Installs the handler and returns the one it replaces.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

void AfxMessageBox(const std::string& text);

// Records every message shown while it lives, then puts the previous handler back.
class CMessageCapture {
public:
    CMessageCapture();
    ~CMessageCapture();
    CMessageCapture(const CMessageCapture&) = delete;
    CMessageCapture& operator=(const CMessageCapture&) = delete;

    const std::vector<std::string>& Messages() const { return m_mensajes; }
    void Clear() { m_mensajes.clear(); }

private:
    std::vector<std::string> m_mensajes;
    MessageBoxHandler m_anterior;
};
