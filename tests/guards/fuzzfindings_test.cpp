// SPDX-License-Identifier: GPL-3.0-or-later
// What the fuzz targets in fuzz/ check, replayed on their corpus and on the inputs they found:
// a dictionary that loads, or an editor text that is accepted, saves and loads back unchanged.

#include "core/dictionary.h"
#include "core/editorrules.h"
#include "support/fakes.h"

#include <QDirIterator>
#include <gtest/gtest.h>

namespace {

void loadsbackunchanged(testsupport::fakeservices &fakes, std::array<QStringList, 3> lists)
{
    const auto count = int(lists[0].size());
    if (count == 0)
        return;
    for (QStringList &list : lists)
        list.resize(count);
    fakes.write("XML/saved.xml",
                dictionarybytes(lists[0], lists[1], lists[2], count, finalline::none));
    Dictionary dictionary(fakes.appinfo.folder);
    ASSERT_EQ(dictionary.load("/XML/saved.xml"), count);
    for (int kind = 0; kind < 3; ++kind)
        EXPECT_EQ(dictionary.list(Dictionary::Kind(kind)).mid(0, count), lists[size_t(kind)]);
}

void editortext(testsupport::fakeservices &fakes, const QByteArray &text)
{
    const editorcheck checked = checkeditortext(QString::fromUtf8(text));
    if (checked.problem.isEmpty())
        loadsbackunchanged(fakes,
                           {checked.lists.words, checked.lists.meanings, checked.lists.usages});
}

TEST(fuzzfindings, FoundInputsSaveAndLoadBackUnchanged)
{
    const std::vector<std::pair<const char *, QByteArray>> table{
        // A usage that begins, once its blanks are dropped, with U+FEFF: the load took it for a
        // byte order mark and lost it.
        {"fuzz_editor crash-9e154438",
         "<GRE><e><word> x\r y </word><meaning><![CDATA[<&>]]></meaning><usage>" +
             QByteArray(95, '\t') + "\xef\xbb\xbf" + QByteArray(36, '\t') +
             "4;u&;</usage></e></GRE>"},
        {"U+FEFF first in every kind",
         "<GRE><word>\xef\xbb\xbfw</word><meaning>\xef\xbb\xbfm</meaning>"
         "<usage>\xef\xbb\xbf</usage></GRE>"}};
    for (const auto &[name, text] : table) {
        SCOPED_TRACE(name);
        testsupport::fakeservices fakes;
        ASSERT_EQ(checkeditortext(QString::fromUtf8(text)).problem, QString());
        editortext(fakes, text);
    }
    const auto attribute = selecttexts(QStringLiteral("<a b=\"\ufeffv\"/>"), "//@b");
    EXPECT_EQ(attribute.value_or(QStringList()), QStringList({QStringLiteral("\ufeffv")}));
}

TEST(fuzzfindings, TheCorpusSavesAndLoadsBackUnchanged)
{
    int replayed = 0;
    for (const char *target : {"fuzz_dictionary", "fuzz_editor", "fuzz_update"}) {
        QDirIterator files(QStringLiteral(VOCABRIX_SOURCE_DATA "/../fuzz/corpus/") + target,
                           QDir::Files);
        while (files.hasNext()) {
            const QString path = files.next();
            SCOPED_TRACE(path.toStdString());
            testsupport::fakeservices fakes;
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            editortext(fakes, bytes);
            fakes.write("XML/corpus.xml", bytes);
            Dictionary dictionary(fakes.appinfo.folder);
            const int count = dictionary.load("/XML/corpus.xml");
            loadsbackunchanged(fakes, {dictionary.words().mid(0, count),
                                       dictionary.meanings().mid(0, count),
                                       dictionary.usages().mid(0, count)});
            ++replayed;
        }
    }
    EXPECT_GE(replayed, 10);
}

} // namespace
