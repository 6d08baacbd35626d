// SPDX-License-Identifier: GPL-3.0-or-later
// Bytes as a dictionary's distractor file: either the whole file is refused, or every word of it
// has the distractors its line names, none empty and none the word itself.

#include "fuzzsupport.h"

#include "core/confusables.h"
#include "core/wordkey.h"

#include <QStringList>

using namespace core;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzing::setup();
    const QByteArray bytes = fuzzing::bytes(data, size);
    const Confusables read = Confusables::fromText(bytes, QStringLiteral("fuzz"));
    if (read.size() == 0)
        return 0;
    for (const QString &line : QString::fromUtf8(bytes).split(QLatin1Char('\n'))) {
        if (line.trimmed().isEmpty() || line.trimmed().startsWith(QLatin1Char('#')))
            continue;
        const QString word = line.section(QLatin1Char('\t'), 0, 0);
        fuzzing::require(line.contains(QLatin1Char('\t')), "a line without a tab refuses the file");
        for (const QString &distractor : read.of(word)) {
            fuzzing::require(!distractor.isEmpty() && distractor == distractor.trimmed(),
                             "a distractor is a trimmed word");
            fuzzing::require(wordKey(distractor) != wordKey(word),
                             "a word is not its own distractor");
        }
    }
    return 0;
}
