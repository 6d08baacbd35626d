// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dictionary.h"
#include "core/displaysettings.h"
#include "support/fakes.h"

#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

// A program folder with a dictionary of entries "w0".."w{n-1}" / "m0".. loaded.
class modesfixture : public ::testing::Test
{
protected:
    void loadwords(int count)
    {
        std::vector<testsupport::entry> entries;
        for (int i = 0; i < count; ++i)
            entries.push_back({QStringLiteral("w%1").arg(i), QStringLiteral("m%1").arg(i), {}});
        loadxml(testsupport::flatxml(entries));
    }
    void loadxml(const QByteArray &xml)
    {
        fakes.write(QStringLiteral("XML/gre.xml"), xml);
        words.load(QStringLiteral("\\XML\\gre.xml"));
    }
    // A real click on a visible control of a window, found by its name.
    void click(QWidget *window, const QString &name)
    {
        auto *control = window->findChild<QWidget *>(name);
        ASSERT_TRUE(control && control->isVisible()) << name.toStdString();
        QTest::mouseClick(control, Qt::LeftButton);
    }
    // One tick of a running timer of a window, without waiting for it.
    static void tick(QWidget *window, const char *name)
    {
        auto *timer = window->findChild<QTimer *>(QLatin1String(name));
        ASSERT_TRUE(timer && timer->isActive()) << name;
        QMetaObject::invokeMethod(timer, "timeout");
    }

    testsupport::fakeservices fakes;
    Dictionary words{fakes.appinfo.folder};
    DisplaySettings settings;
};
