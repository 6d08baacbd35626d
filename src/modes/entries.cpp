// SPDX-License-Identifier: GPL-3.0-or-later
#include "entries.h"

#include "../modglobal.h"
#include "../platform/error.h"
#include "../store/readxml.h"

namespace entries {

namespace {

template <typename Read> QString readorempty(Read read, const QStringList &list, int position)
{
    // Checked first, so that a long list with few meanings costs no exception per line.
    if (position < 0 || position >= list.size())
        return QString();
    try {
        return read(QString::number(position));
    } catch (const vocabrix::error &failure) {
        if (failure.what_kind() != vocabrix::error::outofrange)
            throw;
        return QString();
    }
}

} // namespace

QString wordat(int position)
{
    return readorempty([](const QString &p) { return modglobal::xmlreader().readword(p); },
                       modglobal::wordlist, position);
}

QString meaningat(int position)
{
    return readorempty([](const QString &p) { return modglobal::xmlreader().readmeaning(p); },
                       modglobal::meaninglist, position);
}

} // namespace entries
