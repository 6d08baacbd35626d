// SPDX-License-Identifier: GPL-3.0-or-later
// Bytes as a dictionary file, through the count, the three loads, the one-parse load and the
// reads. When the file has words, the writer's file loads back to the same lists.

#include "fuzzsupport.h"

#include "core/dictionarywriter.h"
#include "core/readxml.h"
#include "platform/error.h"

using namespace core;

namespace {

const QString filename = QStringLiteral("\\XML\\fuzz.xml");
const QString written = QStringLiteral("\\XML\\written.xml");

// The writer writes count entries of each kind: a shorter list is padded, a longer one cut.
QStringList entries(const QStringList &list, qsizetype count)
{
    QStringList result = list.mid(0, count);
    while (result.size() < count)
        result.append(QString());
    return result;
}

void readEverywhere(const ReadXml &reader, qint16 count)
{
    for (int position = -1; position <= count + 1; ++position) {
        const QString text = QString::number(position);
        try {
            (void)reader.readWord(text);
            (void)reader.readMeaning(text);
            (void)reader.readUsage(text);
        } catch (const platform::Error &failure) {
            fuzzing::require(failure.kind() == platform::Error::outOfRange,
                             "a read fails only beyond the list");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Dictionary dictionary(fuzzing::setup());
    fuzzing::writeFile(QStringLiteral("XML/fuzz.xml"), fuzzing::bytes(data, size));
    ReadXml reader(dictionary);
    const QStringList &wordList = dictionary.words();
    const QStringList &meaningList = dictionary.meanings();
    const QStringList &usageList = dictionary.usages();
    qint16 count = 0;
    try {
        count = reader.nodeCount(QStringLiteral("//word"), filename);
        reader.loadXmlWord(QStringLiteral("//word"), filename);
        reader.loadXmlMeaning(QStringLiteral("//meaning"), filename);
        reader.loadXmlUsage(QStringLiteral("//usage"), filename);
        readEverywhere(reader, count);
        const QStringList words = wordList;
        fuzzing::require(reader.loadXmlAll(filename) == count && wordList == words,
                         "the one-parse load finds what the count and the loads find");
    } catch (const platform::Error &failure) {
        fuzzing::require(failure.kind() == platform::Error::overflow,
                         "a load fails only on too many elements");
        return 0;
    }
    if (count == 0)
        return 0;
    const QStringList words = wordList.mid(0, count), meanings = entries(meaningList, count),
                      usages = entries(usageList, count);
    // The writer's text without its atomic replacement, whose sync to disk would slow the run
    // a hundredfold; the replacement has tests of its own.
    fuzzing::writeFile(QStringLiteral("XML/written.xml"),
                       dictionaryText(words, meanings, usages, count, FinalLine::empty).toUtf8());
    fuzzing::require(reader.loadXmlAll(written) == count, "the written file has every word");
    fuzzing::require(wordList.mid(0, count) == words && meaningList.mid(0, count) == meanings &&
                         usageList.mid(0, count) == usages,
                     "the written file loads to the same lists");
    return 0;
}
