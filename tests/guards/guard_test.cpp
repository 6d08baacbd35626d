// SPDX-License-Identifier: GPL-3.0-or-later
// A failure that escapes an event handler is told to the user and the program goes on.

#include "platform/error.h"
#include "support/fakes.h"
#include "widgets/main/guardedapplication.h"

#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace widgets;

TEST(guard, AnEscapedFailureIsToldAndTheEventLoopGoesOn)
{
    testsupport::FakeServices fakes;
    auto &application = static_cast<GuardedApplication &>(*QCoreApplication::instance());
    application.setDialogs(&fakes.dialogs);
    fakes.dialogs.expectStart("Something went wrong: the disk went away");
    fakes.dialogs.expectStart("Something went wrong: bad_alloc");
    QTimer::singleShot(0, [] { throw platform::Error(platform::Error::io, "the disk went away"); });
    QTimer::singleShot(0, [] { throw std::runtime_error("bad_alloc"); });
    bool later = false;
    QTimer::singleShot(10, [&later] { later = true; });
    for (int wait = 0; wait < 200 && !later; ++wait)
        QTest::qWait(10);
    EXPECT_TRUE(later);
    application.setDialogs(nullptr);
}
