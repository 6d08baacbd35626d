// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <stdexcept>

namespace vocabrix {

// A failure that an operation passes to its caller; the handler that catches it decides
// what the user is told.
class error : public std::runtime_error
{
public:
    enum kind { outOfRange, typeMismatch, overflow, io, parse, database };

    error(kind k, const QString &message)
        : std::runtime_error(message.toStdString()), which(k), text(message)
    {
    }

    kind what_kind() const { return which; }
    const QString &message() const { return text; }

private:
    kind which;
    QString text;
};

} // namespace vocabrix
