// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionary that ships with the program, read the way the program reads it.

#include "modglobal.h"
#include "store/readxml.h"
#include "support/fakes.h"

#include <QFile>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

QByteArray shippedfile()
{
    QFile file(QStringLiteral(VOCABRIX_SOURCE_DATA "/XML/gre.xml"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    return file.readAll();
}

TEST(shippeddictionary, LoadsWithEveryEntryFitForTheQuiz)
{
    testsupport::fakeservices fakes;
    const QByteArray bytes = shippedfile();
    ASSERT_FALSE(bytes.isEmpty());
    // The layout the program itself writes, so saving an unchanged list changes no byte.
    EXPECT_TRUE(bytes.startsWith("<GRE>\r\n<word>"));
    EXPECT_TRUE(bytes.endsWith("</usage>\r\n</GRE>\r\n\r\n"));
    EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));

    fakes.write(QStringLiteral("XML/gre.xml"), bytes);
    readxml &reader = modglobal::xmlreader();
    const QString path = QStringLiteral("\\XML\\gre.xml");
    const int count = reader.nodecount(QStringLiteral("//word"), path);
    EXPECT_EQ(reader.nodecount(QStringLiteral("//meaning"), path), count);
    EXPECT_EQ(reader.nodecount(QStringLiteral("//usage"), path), count);
    // Entry 0 is never asked; it names the list and its sources.
    EXPECT_GE(count, 1 + 1500);
    reader.loadxmlword(QStringLiteral("//word"), path);
    reader.loadxmlmeaning(QStringLiteral("//meaning"), path);
    reader.loadxmlusage(QStringLiteral("//usage"), path);
    ASSERT_EQ(modglobal::wordlist.size(), count + 1);
    EXPECT_TRUE(modglobal::usagelist.at(0).contains(QStringLiteral("WordNet 3.0")));

    const QStringList prefixes{"(adj.) ", "(n.) ", "(v.) ", "(adv.) "};
    for (int i = 1; i < count; ++i) {
        const QString &word = modglobal::wordlist.at(i);
        const QString &meaning = modglobal::meaninglist.at(i);
        const QString &usage = modglobal::usagelist.at(i);
        SCOPED_TRACE(word.toStdString());
        EXPECT_FALSE(word.trimmed().isEmpty()) << "entry " << i;
        EXPECT_EQ(word, word.trimmed());
        // An answer button shows about 160 characters.
        EXPECT_LE(meaning.size(), 160);
        EXPECT_TRUE(std::any_of(prefixes.begin(), prefixes.end(), [&](const QString &p) {
            return meaning.startsWith(p) && meaning.size() > p.size();
        })) << meaning.toStdString();
        EXPECT_FALSE(usage.trimmed().isEmpty());
        // These would show the usage in bold or italics.
        EXPECT_FALSE(usage.startsWith(QStringLiteral("(b)")) ||
                     usage.startsWith(QStringLiteral("(I)")));
    }
}

} // namespace
