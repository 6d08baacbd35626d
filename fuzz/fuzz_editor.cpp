// SPDX-License-Identifier: GPL-3.0-or-later
// Bytes as the raw editor's text through its check: a refused text says why; an accepted one,
// written as the editor writes it, loads back to the same entries.

#include "fuzzsupport.h"

#include "core/dictionary.h"
#include "core/dictionarywriter.h"
#include "core/editorrules.h"

using namespace core;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Dictionary dictionary(fuzzing::setup());
    const EditorCheck checked = checkEditorText(QString::fromUtf8(fuzzing::bytes(data, size)));
    if (!checked.problem.isEmpty())
        return 0;
    const WordLists &lists = checked.lists;
    const auto count = int(lists.words.size());
    fuzzing::require(count > 0 && lists.meanings.size() == count && lists.usages.size() == count,
                     "an accepted text has whole entries");
    const QString text =
        dictionaryText(lists.words, lists.meanings, lists.usages, count, FinalLine::none);
    fuzzing::writeFile(QStringLiteral("XML/edited.xml"), text.toUtf8());
    fuzzing::require(dictionary.load(QStringLiteral("\\XML\\edited.xml")) == count,
                     "the saved file has every word");
    fuzzing::require(dictionary.words().mid(0, count) == lists.words &&
                         dictionary.meanings().mid(0, count) == lists.meanings &&
                         dictionary.usages().mid(0, count) == lists.usages,
                     "the saved file loads to the checked entries");
    return 0;
}
