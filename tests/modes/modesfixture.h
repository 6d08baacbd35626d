// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dictionary.h"
#include "core/displaysettings.h"
#include "support/fakes.h"

#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

// A program folder with a dictionary loaded and the default display settings.
class ModesFixture : public ::testing::Test
{
protected:
    void loadWords(int count) // entries "w0".."w{count-1}" with meanings "m0"..
    {
        QString xml;
        for (int i = 0; i < count; ++i)
            xml += QStringLiteral("<word>w%1</word><meaning>m%1</meaning>").arg(i);
        loadXml("<GRE>" + xml.toUtf8() + "</GRE>");
    }
    void loadXml(const QByteArray &xml)
    {
        fakes.write(QStringLiteral("XML/gre.xml"), xml);
        words.load(QStringLiteral("\\XML\\gre.xml"));
    }
    void setStyle(core::DisplayStyles::Group group, const core::TextStyle &style)
    {
        core::DisplayStyles styles = settings.styles();
        styles.setStyle(group, style);
        settings.setStyles(styles);
    }
    static void click(QWidget *window, const QString &name)
    {
        auto *control = window->findChild<QWidget *>(name);
        ASSERT_TRUE(control && control->isVisible()) << name.toStdString();
        QTest::mouseClick(control, Qt::LeftButton);
    }
    static void tick(QWidget *window, const char *name)
    {
        auto *timer = window->findChild<QTimer *>(QLatin1String(name));
        ASSERT_TRUE(timer && timer->isActive()) << name;
        QMetaObject::invokeMethod(timer, "timeout");
    }

    testsupport::FakeServices fakes;
    core::Dictionary words{fakes.appInfo.folder};
    core::DisplaySettings settings{fakes.files, fakes.appInfo.folder};
};
