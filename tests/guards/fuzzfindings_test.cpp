// SPDX-License-Identifier: GPL-3.0-or-later
// What the fuzz targets in fuzz/ check, replayed on the inputs they found: an editor text that
// is accepted, or a dictionary that loads, saves and loads back unchanged.

#include "core/editorrules.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

using namespace core;

namespace {

using lists = std::array<QStringList, 3>;

// Written as the program writes them and loaded again, the lists come back unchanged.
void loadsBackUnchanged(const lists &saved)
{
    testsupport::FakeServices fakes;
    const auto count = int(saved[0].size());
    fakes.write("XML/saved.xml",
                dictionaryBytes(saved[0], saved[1], saved[2], count, FinalLine::none));
    Dictionary dictionary(fakes.appInfo.folder);
    ASSERT_EQ(dictionary.load("/XML/saved.xml"), count);
    for (int kind = 0; kind < 3; ++kind)
        EXPECT_EQ(dictionary.list(Dictionary::Kind(kind)).mid(0, count),
                  (saved[size_t(kind)] + QStringList(count)).mid(0, count));
}

// Replays an input as a dictionary file and as an editor text; true when the editor accepts it.
bool replay(const QByteArray &bytes)
{
    testsupport::FakeServices fakes;
    fakes.write("XML/found.xml", bytes);
    Dictionary dictionary(fakes.appInfo.folder);
    const int count = dictionary.load("/XML/found.xml");
    loadsBackUnchanged({dictionary.words().mid(0, count), dictionary.meanings().mid(0, count),
                        dictionary.usages().mid(0, count)});
    const EditorCheck checked = checkEditorText(QString::fromUtf8(bytes));
    if (checked.problem.isEmpty())
        loadsBackUnchanged({checked.lists.words, checked.lists.meanings, checked.lists.usages});
    return checked.problem.isEmpty();
}

TEST(fuzzFindings, FoundInputsSaveAndLoadBackUnchanged)
{
    // A usage that begins, once its blanks are dropped, with U+FEFF: the load took it for a byte
    // order mark and lost it (fuzz_editor crash-9e154438).
    EXPECT_TRUE(replay("<GRE><e><word> x\r y </word><meaning><![CDATA[<&>]]></meaning><usage>" +
                       QByteArray(95, '\t') + "\xef\xbb\xbf" + QByteArray(36, '\t') +
                       "4;u&;</usage></e></GRE>"));
    EXPECT_TRUE(replay("<GRE><word>\xef\xbb\xbfw</word><meaning>\xef\xbb\xbfm</meaning>"
                       "<usage>\xef\xbb\xbf</usage></GRE>"));
    // And texts no fuzzer needs to find: markup, CDATA's end, entities, line breaks, BOMs.
    const QStringList texts{"fa\u00e7ade",   "a<b>c & d",     QStringLiteral("\ufeffz"),
                            "tab\there",     "]]> <![CDATA[", "x &amp; y",
                            "line\r\nbreak", "cr\ralone",     "\u2028\U0001F600'\""};
    loadsBackUnchanged({texts, texts, texts});
    EXPECT_EQ(selectTexts(QStringLiteral("<a b=\"\ufeffv\"/>"), "//@b").value_or(QStringList()),
              QStringList({QStringLiteral("\ufeffv")}));
}

} // namespace
