// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // A zone with summer time, so that local days are not UTC days; set before Qt reads it.
    qputenv("TZ", "Europe/Berlin");
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
