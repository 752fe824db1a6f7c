#pragma once
// Runs a program dialog modally in a test and acts on it once its loop is
// running. Whatever the action leaves open is closed, so a failing test ends.

#include <QTest>
#include <QTimer>
#include <functional>

#include "platform/Dialog.h"

inline int RunWith(CDialog& dlg, const std::function<void()>& accion) {
    QTimer::singleShot(0, [&] {
        (void)QTest::qWaitForWindowExposed(&dlg);
        accion();
        if (dlg.isVisible()) {
            dlg.EndDialog(99);
        }
    });
    return dlg.DoModal();
}
