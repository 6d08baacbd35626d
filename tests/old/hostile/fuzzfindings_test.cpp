// SPDX-License-Identifier: GPL-3.0-or-later
// Inputs the fuzz targets in fuzz/ found, kept as regular tests once mended.

#include "modglobal.h"
#include "platform/paths.h"
#include "store/dictionarywriter.h"
#include "store/editorrules.h"
#include "store/readxml.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

namespace {

// An editor text that is accepted must load back, once saved, to the entries it was checked as.
TEST(fuzzfindings, AcceptedEditorTextsLoadBackUnchanged)
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
         "<usage>\xef\xbb\xbf</usage></GRE>"},
    };
    for (const auto &[name, text] : table) {
        SCOPED_TRACE(name);
        testsupport::fakeservices fakes;
        const editorcheck checked = checkeditortext(QString::fromUtf8(text));
        ASSERT_EQ(checked.problem, QString());
        const wordlists &lists = checked.lists;
        EXPECT_TRUE(lists.words.front().startsWith(u'x') ||
                    lists.words.front().startsWith(QChar(0xfeff)));
        const auto count = int(lists.words.size());
        writedictionary(platform::programpath(QStringLiteral("\\XML\\gre.xml")), lists.words,
                        lists.meanings, lists.usages, count, finalline::none);
        ASSERT_EQ(modglobal::xmlreader().loadxmlall(QStringLiteral("\\XML\\gre.xml")), count);
        EXPECT_EQ(modglobal::wordlist.mid(0, count), lists.words);
        EXPECT_EQ(modglobal::meaninglist.mid(0, count), lists.meanings);
        EXPECT_EQ(modglobal::usagelist.mid(0, count), lists.usages);
    }
}

TEST(fuzzfindings, AZeroWidthNoBreakSpaceOpeningATextIsKept)
{
    testsupport::fakeservices fakes;
    fakes.write("XML/gre.xml", "<GRE><word>\xef\xbb\xbfw</word><meaning a=\"1\">m</meaning></GRE>");
    modglobal::xmlreader().loadxmlall(QStringLiteral("\\XML\\gre.xml"));
    EXPECT_EQ(modglobal::wordlist.front(), QStringLiteral("\ufeffw"));
    const auto attribute =
        selecttexts(QStringLiteral("<a b=\"\ufeffv\"/>"), QStringLiteral("//@b"));
    ASSERT_TRUE(attribute.has_value());
    EXPECT_EQ(attribute->value(0), QStringLiteral("\ufeffv"));
}

} // namespace
