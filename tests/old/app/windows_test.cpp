// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/formmain.h"
#include "support/fakes.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A screen reader announces a window only when it has the role of one, and reads its title.
TEST(windows, EveryWindowIsAWindowNamedByItsTitleForAssistiveTechnology)
{
    testsupport::fakeservices fakes;
    fakes.write("XML/gre.xml", testsupport::flatxml({{"a", "m", "u"}, {"b", "m", "u"}}));
    fakes.write("settings/settings.ini", testsupport::defaultsettings());
    QDir(fakes.path("")).mkpath("help");
    fakes.write("help/index.html", "<html><body><h1>Contents</h1></body></html>");
    FormMain window;
    window.start();
    fakes.dialogs.expect(QStringLiteral("Word List Created"));
    fakes.dialogs.expectstart(QStringLiteral("WARNING: Be careful"));
    for (QAction *action : {window.mnuOptions, window.mnuList, window.mnuFlash, window.mnumemory,
                            window.mnucontents, window.mnuabout, window.mnuOpen, window.mnueditxml})
        action->trigger();
    QTest::mouseClick(window.Command3, Qt::LeftButton);

    QStringList titles;
    for (QWidget *each : QApplication::topLevelWidgets()) {
        if (!each->isVisible() || each->windowType() != Qt::Window)
            continue;
        QAccessibleInterface *exposed = QAccessible::queryAccessibleInterface(each);
        ASSERT_TRUE(exposed);
        const QAccessible::Role role = exposed->role();
        EXPECT_TRUE(role == QAccessible::Window || role == QAccessible::Dialog)
            << each->objectName().toStdString() << " has role " << role;
        EXPECT_EQ(exposed->text(QAccessible::Name), each->windowTitle())
            << each->objectName().toStdString();
        titles << each->windowTitle();
    }
    EXPECT_EQ(titles.size(), 10) << titles.join(", ").toStdString();
}

} // namespace
