// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Finding the program's windows and their controls by object name, as a screen reader or a
// user would find them, and driving them with real clicks.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace testsupport {

// The top-level window of that object name, or null while it was never made.
inline QWidget *topWindow(const QString &name)
{
    for (QWidget *each : QApplication::topLevelWidgets()) {
        if (each->objectName() == name)
            return each;
    }
    return nullptr;
}

// A control of a window; a missing one fails the test.
template <typename Control = QWidget> Control *control(const QObject *window, const QString &name)
{
    Control *found = window ? window->findChild<Control *>(name) : nullptr;
    EXPECT_TRUE(found) << "no control " << name.toStdString();
    return found;
}

// Clicks a button, or chooses a menu entry, by its object name.
inline void click(const QObject *window, const QString &name)
{
    if (auto *entry = window ? window->findChild<QAction *>(name) : nullptr)
        entry->trigger();
    else if (auto *button = control<QAbstractButton>(window, name))
        // A check box takes clicks on its box and caption only, which a wide row leaves short
        // of its middle.
        QTest::mouseClick(button, Qt::LeftButton, {},
                          button->inherits("QCheckBox") || button->inherits("QRadioButton")
                              ? QPoint(8, button->height() / 2)
                              : QPoint());
}

} // namespace testsupport
