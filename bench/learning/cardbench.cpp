// SPDX-License-Identifier: GPL-3.0-or-later
// One Study Today card built in each format, from a dictionary of 32,767 words with its lists
// of distractors and synonyms: what the next card waits for beside the memory's reads.

#include "core/dictionary.h"
#include "learning/cardbuilder.h"
#include "platform/textfile.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace learning;

namespace {

constexpr int wordCount = 32767;

// Words of four parts of speech, each with a sentence that shows it, eight distractors of its
// part of speech and a synonym that is none of them.
struct CardFolder
{
    CardFolder()
    {
        QDir(folder.path()).mkpath(QStringLiteral("XML"));
        const char *parts[] = {"v.", "n.", "adj.", "adv."};
        QByteArray xml = "<GRE>\r\n<word>about</word><meaning>x</meaning><usage/>\r\n";
        QByteArray confusables = "# distractors\r\n", synonyms = "# synonyms\r\n";
        // Six letters, the first changing fastest: no two words of a card share a stem.
        const auto word = [](int i) {
            QString letters;
            for (int n = i % wordCount, k = 0; k < 6; ++k, n /= 26)
                letters += QChar(u'a' + n % 26);
            return letters;
        };
        for (int i = 1; i < wordCount; ++i) {
            xml += QStringLiteral("<word>%1</word><meaning>(%2) meaning %3</meaning><usage>They "
                                  "saw the %1 there, twice.</usage>\r\n")
                       .arg(word(i), QLatin1String(parts[i % 4]))
                       .arg(i)
                       .toUtf8();
            QString line = word(i);
            for (int k = 1; k <= 8; ++k)
                line += QLatin1Char('\t') + word(i + 4 * k);
            confusables += line.toUtf8() + "\r\n";
            synonyms += (word(i) + QLatin1Char('\t') + word(i + 36)).toUtf8() + "\r\n";
        }
        const QString base = folder.filePath(QStringLiteral("XML/big"));
        platform::writeBytes(base + QStringLiteral(".xml"), xml + "</GRE>\r\n");
        platform::writeBytes(base + QStringLiteral(".confusables.tsv"), confusables);
        platform::writeBytes(base + QStringLiteral(".synonyms.tsv"), synonyms);
    }
    QTemporaryDir folder;
};

void study_card(benchmark::State &state, StudyFormat format)
{
    static CardFolder made;
    core::Dictionary words(made.folder.path());
    words.load(QStringLiteral("\\XML\\big.xml"));
    CardBuilder builder(words);
    builder.index();
    quint32 seed = 7;
    const auto draw = [&seed](int n) { return int((seed = seed * 1103515245u + 12345u) >> 8) % n; };
    // Clear of the list's end, where a word's distractors would wrap round to another part of
    // speech.
    int position = 1;
    for (auto _ : state) {
        position = position % (wordCount - 100) + 1;
        const StudyCard card = builder.build(position, format, draw);
        if (card.format != format)
            state.SkipWithError("the card fell back to another format");
        benchmark::DoNotOptimize(card.choices.data());
    }
}

} // namespace

BENCHMARK_CAPTURE(study_card, meaning, StudyFormat::Meaning)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(study_card, text_completion, StudyFormat::TextCompletion)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(study_card, typed_recall, StudyFormat::TypedRecall)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(study_card, sentence_equivalence, StudyFormat::SentenceEquivalence)
    ->Unit(benchmark::kMicrosecond);
