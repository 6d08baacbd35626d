// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

namespace platform {
class Dialogs;
}

namespace widgets {

// The application object. A failure that escapes an event handler ends in a message box
// naming it instead of ending the program.
class GuardedApplication : public QApplication
{
    Q_OBJECT

public:
    GuardedApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;

    // Where the guard tells the user about an escaped failure; none means the error output.
    void setDialogs(platform::Dialogs *dialogs) { reportTo = dialogs; }
    void reportUnexpected(const QString &what);

private:
    platform::Dialogs *reportTo = nullptr;
};

} // namespace widgets
