// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Platform services for benchmarks: every question is answered yes, nothing is printed or
// launched, and the program folder is a temporary one filled by the benchmark.

#include "platform/services.h"

#include <QTemporaryDir>

class benchservices
{
public:
    benchservices();
    ~benchservices();

    QString folder() const;
    // A dictionary of count entries with lengths like real ones, some letters beyond ASCII.
    void writedictionary(const QString &relative, int count) const;
    void copyshippeddata() const;

private:
    QTemporaryDir root;
    platform::serviceset previous;
};
