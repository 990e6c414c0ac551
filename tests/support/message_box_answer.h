// The window tests' answer to a modal message box: the next box that comes up is
// answered with a button, its text noted.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace torvelix::testing {

// Answers the next message box with `button` once it is up, noting its text.
inline void answer(QMessageBox::StandardButton button, QString* text = nullptr) {
    QTimer::singleShot(0, [button, text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr) << "no message box is up";
        if (text != nullptr) {
            *text = box->text();
        }
        box->button(button)->click();
    });
}

} // namespace torvelix::testing
