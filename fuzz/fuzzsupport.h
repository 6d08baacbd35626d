// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every fuzz target shares: a program folder of its own and the few platform services
// the readers and writers use. Failures of a property abort, so that libFuzzer keeps the input.

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace fuzzing {

// Installs the services and a temporary program folder with XML/ and settings/ on first use.
QString setup();

void writeFile(const QString &relative, const QByteArray &bytes);

QByteArray bytes(const uint8_t *data, size_t size);

// Stops the run with the property that failed and the input's size.
[[noreturn]] void violated(const char *property);

inline void require(bool holds, const char *property)
{
    if (!holds)
        violated(property);
}

} // namespace fuzzing
