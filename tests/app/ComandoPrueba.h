#pragma once
// The frame of a document command's test: an active main window for the
// command's dialogs to belong to, as in the application; the messages shown;
// the document; and the report's texts.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <string>
#include <vector>

#include "app/TarnovelDoc.h"
#include "platform/MessageBox.h"
#include "platform/RecordingDC.h"
#include "tests/app/Modales.h"

class ComandoTest : public testing::Test {
protected:
    void SetUp() override {
        m_marco.resize(400, 300);
        m_marco.show();
        QApplication::setActiveWindow(&m_marco);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_marco));
    }

    // A command as the main window issues it, with the window active.
    void Command(void (CTarnovelDoc::*comando)()) {
        QApplication::setActiveWindow(&m_marco);
        (m_doc.*comando)();
    }

    // A command of a document, serving the modal windows queued in m.
    void Run(CModales& m, CTarnovelDoc& doc, void (CTarnovelDoc::*comando)()) {
        QApplication::setActiveWindow(&m_marco);
        m.Ejecutar([&doc, comando] { (doc.*comando)(); });
        EXPECT_EQ(m.Pendientes(), 0u);
        EXPECT_TRUE(m.Inesperados().empty()) << m.Inesperados().front();
    }

    static std::vector<std::string> ReportTexts(CTarnovelDoc& doc) {
        CRecordingDC dc;
        doc.m_sistema.DrawReport(dc);
        return dc.TextStrings();
    }
    std::vector<std::string> ReportTexts() { return ReportTexts(m_doc); }

    bool ReportHas(const std::string& texto) {
        const auto textos = ReportTexts();
        return std::find(textos.begin(), textos.end(), texto) != textos.end();
    }

    QWidget m_marco;
    CMessageCapture m_mensajes;
    CTarnovelDoc m_doc;
};
