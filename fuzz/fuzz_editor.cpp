// SPDX-License-Identifier: GPL-3.0-or-later
// Bytes as the raw editor's text through its check: a refused text says why; an accepted one,
// written as the editor writes it, loads back to the same entries.

#include "fuzzsupport.h"

#include "modglobal.h"
#include "store/dictionarywriter.h"
#include "store/editorrules.h"
#include "store/readxml.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzing::setup();
    const editorcheck checked = checkeditortext(QString::fromUtf8(fuzzing::bytes(data, size)));
    if (!checked.problem.isEmpty())
        return 0;
    const wordlists &lists = checked.lists;
    const auto count = int(lists.words.size());
    fuzzing::require(count > 0 && lists.meanings.size() == count && lists.usages.size() == count,
                     "an accepted text has whole entries");
    const QString text =
        dictionarytext(lists.words, lists.meanings, lists.usages, count, finalline::none);
    fuzzing::writefile(QStringLiteral("XML/edited.xml"), text.toUtf8());
    fuzzing::require(modglobal::xmlreader().loadxmlall(QStringLiteral("\\XML\\edited.xml")) ==
                         count,
                     "the saved file has every word");
    fuzzing::require(modglobal::wordlist.mid(0, count) == lists.words &&
                         modglobal::meaninglist.mid(0, count) == lists.meanings &&
                         modglobal::usagelist.mid(0, count) == lists.usages,
                     "the saved file loads to the checked entries");
    return 0;
}
