// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

// The application object. A failure that escapes an event handler ends in a message box
// naming it instead of ending the program.
class guardedapplication : public QApplication
{
public:
    guardedapplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

// What the guard tells the user about an escaped failure.
void reportunexpected(const QString &what);
