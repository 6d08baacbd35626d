// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/fakes.h"

#include <QAbstractButton>
#include <QTest>
#include <gtest/gtest.h>

// A program folder with a word list loaded as the main window loads it, and the default
// display settings.
class studyfixture : public ::testing::Test
{
protected:
    studyfixture();

    // Entries "w0".."w{count-1}" with meanings "m0".. and usages "u0"..
    static std::vector<testsupport::entry> numbered(int count);
    void loadwords(const std::vector<testsupport::entry> &entries);
    void loadxml(const QByteArray &xml);

    // A real click on the named control of a window.
    template <typename Control = QWidget> void click(QWidget *window, const QString &name)
    {
        auto *control = window->findChild<Control *>(name);
        ASSERT_TRUE(control) << name.toStdString();
        ASSERT_TRUE(control->isVisible()) << name.toStdString();
        QTest::mouseClick(control, Qt::LeftButton);
    }

    testsupport::fakeservices fakes;
};
