// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Platform services for benchmarks: every question is answered yes, nothing is printed or
// launched, and the program folder is a temporary one filled by the benchmark.

#include "platform/services.h"

#include <QTemporaryDir>
#include <memory>

class BenchServices
{
public:
    BenchServices();
    ~BenchServices();

    platform::Services &services() { return set; }
    QString folder() const;
    // A dictionary of count entries with lengths like real ones, some letters beyond ASCII.
    void writeDictionary(const QString &relative, int count) const;
    void copyShippedData() const;

private:
    struct fakes;
    QTemporaryDir root;
    std::unique_ptr<fakes> own;
    platform::Services set;
};
