// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordkey.h"

namespace core {

QString wordKey(const QString &word)
{
    return word.simplified().toCaseFolded();
}

} // namespace core
