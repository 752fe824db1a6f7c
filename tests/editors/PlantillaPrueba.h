#pragma once
// Checks a dialog's controls against its template: each at its place, with its
// text and its tool tip.

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <span>

#include "platform/Dialog.h"
#include "platform/DialogUnits.h"

// One control of a template, its place given in pixels.
struct LugarControl {
    int id;
    QRect rect;
    const char* texto;  // nullptr where the control has none
    const char* ayuda;  // nullptr for no tool tip
};

inline QRect Pixels(int x, int y, int ancho, int alto) {
    return CDialogUnits::ToPixels(x, y, ancho, alto);
}

inline void ExpectControlsAt(const CDialog& dlg, std::span<const LugarControl> lugares) {
    for (const LugarControl& l : lugares) {
        QWidget* control = dlg.GetDlgItem(l.id);
        ASSERT_NE(control, nullptr) << l.id;
        // A one-line static may grow to the right to hold its text whole.
        EXPECT_EQ(control->pos(), l.rect.topLeft()) << l.id;
        EXPECT_EQ(control->height(), l.rect.height()) << l.id;
        EXPECT_GE(control->width(), l.rect.width()) << l.id;
        if (qobject_cast<QLabel*>(control) == nullptr) {
            EXPECT_EQ(control->width(), l.rect.width()) << l.id;
        }
        EXPECT_EQ(control->toolTip(), QString::fromUtf8(l.ayuda != nullptr ? l.ayuda : "")) << l.id;
        if (const auto* boton = qobject_cast<QPushButton*>(control)) {
            EXPECT_EQ(boton->text(), QString::fromUtf8(l.texto)) << l.id;
        } else if (const auto* etiqueta = qobject_cast<QLabel*>(control)) {
            EXPECT_EQ(etiqueta->text(), QString::fromUtf8(l.texto)) << l.id;
        }
    }
}
