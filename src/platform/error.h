// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <stdexcept>

namespace platform {

// A failure that an operation passes to its caller; the handler that catches it decides
// what the user is told.
class Error : public std::runtime_error
{
public:
    enum Kind { outOfRange, typeMismatch, overflow, io, parse, database };

    Error(Kind k, const QString &message)
        : std::runtime_error(message.toStdString()), which(k), text(message)
    {
    }

    Kind kind() const { return which; }
    const QString &message() const { return text; }

private:
    Kind which;
    QString text;
};

} // namespace platform
