// SPDX-License-Identifier: GPL-3.0-or-later
#include "modglobal.h"
#include "platform/error.h"
#include "platform/textfile.h"
#include "store/dictionarywriter.h"
#include "store/readxml.h"
#include "support/fakes.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

TEST(dictionarywriter, WritesTheFlatLayoutExactly)
{
    const QString text =
        dictionarytext({"a&b", "c", ""}, {"<m>", "m2", ""}, {"u1", "u2", ""}, 2, finalline::empty);
    EXPECT_EQ(text, "<GRE>\r\n<word>a&amp;b</word>\r\n<meaning>&lt;m&gt;</meaning>\r\n"
                    "<usage>u1</usage>\r\n<word>c</word>\r\n<meaning>m2</meaning>\r\n"
                    "<usage>u2</usage>\r\n</GRE>\r\n\r\n");
    EXPECT_EQ(dictionarytext({}, {}, {}, 0, finalline::none), "<GRE>\r\n</GRE>\r\n");
    EXPECT_EQ(dictionarytext({"w", "x"}, {"m", ""}, {""}, 2, finalline::none),
              "<GRE>\r\n<word>w</word>\r\n<meaning>m</meaning>\r\n<usage></usage>\r\n"
              "<word>x</word>\r\n<meaning></meaning>\r\n<usage></usage>\r\n</GRE>\r\n")
        << "short lists give empty elements, never a short file";
}

TEST(dictionarywriter, WhatItWritesLoadsBackUnchanged)
{
    testsupport::fakeservices fakes;
    const QStringList words{"fa\u00e7ade", "caf\u00e9 & co", "a<b>c", "\u201cquoted\u201d",
                            "tab\there"};
    const QStringList meanings{"(n.) \"double\" 'single'", "x &amp; y literally", "line\nbreak",
                               "dash \u2014 here", "cr\ralone"};
    const QStringList usages{"(b)Bold.(b)", "(I)It.(I)", "]]> <![CDATA[", "&#38;", "\u00e9\u00e8"};
    writedictionary(fakes.path("XML/round.xml"), words, meanings, usages, 5, finalline::empty);
    readxml &reader = modglobal::xmlreader();
    reader.loadxmlword("//word", "/XML/round.xml");
    reader.loadxmlmeaning("//meaning", "/XML/round.xml");
    reader.loadxmlusage("//usage", "/XML/round.xml");
    EXPECT_EQ(modglobal::wordlist, words + QStringList{""});
    EXPECT_EQ(modglobal::meaninglist, meanings + QStringList{""});
    EXPECT_EQ(modglobal::usagelist, usages + QStringList{""});
    EXPECT_TRUE(platform::isutf8(fakes.read("XML/round.xml")));
    EXPECT_FALSE(fakes.read("XML/round.xml").startsWith("\xef\xbb\xbf"));
}

TEST(dictionarywriter, AFailedWriteLeavesTheOldFile)
{
    testsupport::fakeservices fakes;
    fakes.write("XML/gre.xml", "<GRE>old</GRE>");
    platform::injectwritefailure(true);
    EXPECT_THROW(
        writedictionary(fakes.path("XML/gre.xml"), {"w"}, {"m"}, {"u"}, 1, finalline::empty),
        vocabrix::error);
    platform::injectwritefailure(false);
    EXPECT_EQ(fakes.read("XML/gre.xml"), "<GRE>old</GRE>");
    EXPECT_EQ(QDir(fakes.path("XML")).entryList(QDir::Files), QStringList({"gre.xml"}));
}

} // namespace
