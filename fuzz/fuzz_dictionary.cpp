// SPDX-License-Identifier: GPL-3.0-or-later
// Bytes as a dictionary file, through the count, the three loads, the one-parse load and the
// reads. When the file has words, the writer's file loads back to the same lists.

#include "fuzzsupport.h"

#include "core/dictionarywriter.h"
#include "core/readxml.h"
#include "platform/error.h"

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

void readeverywhere(const readxml &reader, qint16 count)
{
    for (int position = -1; position <= count + 1; ++position) {
        const QString text = QString::number(position);
        try {
            (void)reader.readword(text);
            (void)reader.readmeaning(text);
            (void)reader.readusage(text);
        } catch (const vocabrix::error &failure) {
            fuzzing::require(failure.what_kind() == vocabrix::error::outofrange,
                             "a read fails only beyond the list");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Dictionary dictionary(fuzzing::setup());
    fuzzing::writefile(QStringLiteral("XML/fuzz.xml"), fuzzing::bytes(data, size));
    readxml reader(dictionary);
    const QStringList &wordlist = dictionary.words();
    const QStringList &meaninglist = dictionary.meanings();
    const QStringList &usagelist = dictionary.usages();
    qint16 count = 0;
    try {
        count = reader.nodecount(QStringLiteral("//word"), filename);
        reader.loadxmlword(QStringLiteral("//word"), filename);
        reader.loadxmlmeaning(QStringLiteral("//meaning"), filename);
        reader.loadxmlusage(QStringLiteral("//usage"), filename);
        readeverywhere(reader, count);
        const QStringList words = wordlist;
        fuzzing::require(reader.loadxmlall(filename) == count && wordlist == words,
                         "the one-parse load finds what the count and the loads find");
    } catch (const vocabrix::error &failure) {
        fuzzing::require(failure.what_kind() == vocabrix::error::overflow,
                         "a load fails only on too many elements");
        return 0;
    }
    if (count == 0)
        return 0;
    const QStringList words = wordlist.mid(0, count), meanings = entries(meaninglist, count),
                      usages = entries(usagelist, count);
    // The writer's text without its atomic replacement, whose sync to disk would slow the run
    // a hundredfold; the replacement has tests of its own.
    fuzzing::writefile(QStringLiteral("XML/written.xml"),
                       dictionarytext(words, meanings, usages, count, finalline::empty).toUtf8());
    fuzzing::require(reader.loadxmlall(written) == count, "the written file has every word");
    fuzzing::require(wordlist.mid(0, count) == words && meaninglist.mid(0, count) == meanings &&
                         usagelist.mid(0, count) == usages,
                     "the written file loads to the same lists");
    return 0;
}
