// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the raw dictionary editor may write.

#include "readxml.h"

#include <QString>

namespace core {

struct EditorCheck
{
    // Empty when the text can be saved; otherwise what stops it, in a sentence.
    QString problem;
    WordLists lists;
};

// The text must be well-formed, hold at least one word and as many meanings and usages as
// words, and no more than 32767 of each.
EditorCheck checkEditorText(const QString &xmlText);

} // namespace core
