#pragma once
// The window of one view of a document inside the main window. Always shown
// maximised. Closing the last window of a document asks to save it first and
// then closes the document; the document's other windows close without asking.

#include <QMdiSubWindow>

class CTarnovelDoc;
class CTarnovelView;

class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit CChildFrame(CTarnovelDoc& doc, QWidget* parent = nullptr);
    ~CChildFrame() override;

    CTarnovelDoc& GetDocument() const { return m_documento; }
    CTarnovelView* GetView() const { return m_pVista; }
    // Shows the window maximised, whatever was asked.
    void ActivateFrame();
    // The next close does not ask (the question has been asked already).
    void CloseWithoutAsking();
    // The document's title, with ":n" when it has several windows.
    void UpdateTitle();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // No other window of the document is open, or still to be closed.
    bool IsLastOpenWindow() const;

    CTarnovelDoc& m_documento;
    CTarnovelView* m_pVista;
    bool m_bSinPreguntar = false;
    bool m_bCerrada = false;
};
