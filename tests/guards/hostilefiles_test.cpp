// SPDX-License-Identifier: GPL-3.0-or-later
// Files a user or an attacker controls: each loads or counts no word, quickly, in bounded
// memory, and never reads another file.

#include "core/dictionary.h"
#include "core/displaysettings.h"
#include "support/fakes.h"

#include <QElapsedTimer>
#include <QFile>
#include <gtest/gtest.h>
#include <random>

namespace {

QByteArray entry(const QByteArray &word)
{
    return "<word>" + word + "</word><meaning>m</meaning><usage>u</usage>";
}

TEST(hostilefiles, EachDictionaryLoadsOrCountsNoWord)
{
    testsupport::fakeservices fakes;
    fakes.write("secret.txt", "top secret");
    // Each level of the bomb holds ten references to the one below: 10^9 "lol" in all.
    QByteArray bomb = "<?xml version=\"1.0\"?>\n<!DOCTYPE GRE [\n<!ENTITY l0 \"lol\">\n";
    for (int level = 1; level <= 9; ++level)
        bomb += "<!ENTITY l" + QByteArray::number(level) + " \"" +
                ("&l" + QByteArray::number(level - 1) + ";").repeated(10) + "\">\n";
    std::mt19937 generator(20261206);
    QByteArray garbage(1 << 20, Qt::Uninitialized);
    for (char &byte : garbage)
        byte = char(generator());
    const QString naive = "<GRE>" + QString::fromUtf8(entry("na\xc3\xafve")) + "</GRE>";
    const QByteArray nested = "<GRE>" + QByteArray("<a>").repeated(100000) + entry("deep");
    const std::vector<std::pair<QByteArray, QString>> table{
        {nested + QByteArray("</a>").repeated(100000) + "</GRE>", "deep"},
        {nested, {}},
        {bomb + "]>\n<GRE>" + entry("&l9;") + "</GRE>", "&l9;"},
        {"<?xml version=\"1.0\"?>\n<!DOCTYPE GRE [<!ENTITY x SYSTEM \"file://" +
             fakes.path("secret.txt").toUtf8() +
             "\">]>\n<GRE><word>w</word><meaning>&x;</meaning></GRE>",
         "w"},
        {garbage, {}},
        {"\xff\xfe" + QByteArray(reinterpret_cast<const char *>(naive.utf16()), naive.size() * 2),
         "naïve"},
        {"<GRE>" + entry(QByteArray("a\0b", 3)) + "</GRE>", {}},
        {QByteArray(4096, '\0'), {}},
        {"<GRE>" + entry(QByteArray(10 << 20, 'x')) + "</GRE>", QString(10 << 20, u'x')},
        {"", {}}};
    for (const auto &[bytes, first] : table) {
        fakes.write("XML/hostile.xml", bytes);
        Dictionary dictionary(fakes.appinfo.folder);
        EXPECT_EQ(dictionary.load("/XML/hostile.xml"), first.isNull() ? 0 : 1)
            << bytes.left(60).toStdString();
        EXPECT_EQ(dictionary.word(0), first);
        EXPECT_FALSE(dictionary.meaning(0).contains("secret"));
    }
}

TEST(hostilefiles, AGigabyteSettingsFileIsReadOnlyAsFarAsItsLines)
{
    testsupport::fakeservices fakes;
    QElapsedTimer clock;
    clock.start();
    // Sparse files: the gigabyte costs neither disk nor time to make. In the second the twelfth
    // line runs on into the zeros: it is no size, and not taken for one.
    const QByteArray good = testsupport::defaultsettings().replace("24", "25");
    for (const QByteArray &start : {good + "\r\n", good, QByteArray()}) {
        fakes.write("settings/settings.ini", start);
        QFile(fakes.path("settings/settings.ini")).resize(qint64(1) << 30);
        DisplaySettings settings;
        EXPECT_EQ(settings.load(fakes.appinfo.folder), start.endsWith("\r\n"));
        EXPECT_EQ(settings.style(DisplaySettings::FlashCards).fontSize,
                  start.endsWith("\r\n") ? 25 : 24);
    }
    EXPECT_LT(clock.elapsed(), 5000) << "a file must not be read whole";
}

} // namespace
