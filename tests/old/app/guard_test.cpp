// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/error.h"
#include "support/fakes.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

// A failure thrown through Qt's event delivery strands the event being delivered: Qt is not
// written to unwind. That is the guard's last resort, so this program does not count leaks.
extern "C" const char *__asan_default_options()
{
    return "detect_leaks=0";
}

namespace {

TEST(guard, AFailureEscapingAHandlerEndsInAMessageNotACrash)
{
    testsupport::fakeservices fakes;
    QPushButton button(QStringLiteral("fail"));
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] {
        ++clicks;
        throw vocabrix::error(vocabrix::error::io, QStringLiteral("disk on fire"));
    });
    button.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));
    const QString message = QStringLiteral("Something went wrong: disk on fire\nThe program goes "
                                           "on; nothing was saved by the step that failed.");
    fakes.dialogs.expect(message);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(fakes.dialogs.shown.back().kind, platform::icon::critical);

    fakes.dialogs.expect(message);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks, 2) << "the program goes on after the first failure";
}

} // namespace
