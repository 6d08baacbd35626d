// SPDX-License-Identifier: GPL-3.0-or-later
#include "packages.h"

TEST(kvtml, TakesTheFirstTwoLanguagesAndTheFirstsExample)
{
    const QByteArray document = R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE kvtml [<!ENTITY secret SYSTEM "file:///etc/passwd">]>
<kvtml version="2.0">
  <identifiers>
    <identifier id="1"><name>German</name><locale>de</locale></identifier>
    <identifier id="0"><name>English</name><locale>en</locale></identifier>
    <identifier id="2"><name>French</name><locale>fr</locale></identifier>
  </identifiers>
  <entries>
    <entry id="0">
      <translation id="2"><text>chien</text></translation>
      <translation id="0"><text> dog </text><example>The dog &amp; the cat.</example></translation>
      <translation id="1"><text>Hund</text><example>Der Hund.</example></translation>
    </entry>
    <entry id="1"><translation id="1"><text>ohne</text></translation></entry>
    <entry id="2"><translation id="0"><text>&secret;</text></translation></entry>
  </entries>
</kvtml>)";
    const Table table = readKvtml(document);
    EXPECT_EQ(table.columns,
              QStringList({"English", "German", "French", "Example", "Comment", "Paraphrase"}));
    EXPECT_EQ(text(toEntries(table)), "dog|Hund|The dog & the cat./&secret;||");
    EXPECT_EQ(text(toEntries(readKvtml("<kvtml><e><o>cat</o><t>Katze</t></e></kvtml>"))),
              "cat|Katze|");
}

TEST(kvtml, OneLanguageTakesItsMeaningsFromTheCommentElseTheParaphrase)
{
    // Parley's own lists: one language, each definition in the translation's comment.
    const auto oneLanguage = [](const char *entries) {
        return QByteArray(R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE kvtml PUBLIC "kvtml2.dtd" "http://edu.kde.org/kvtml/kvtml2.dtd">
<kvtml version="2.0">
  <information><generator>Parley</generator><title>Words</title></information>
  <identifiers><identifier id="0"><name>English</name><locale>en</locale></identifier></identifiers>
  <entries>)") +
               entries + "</entries></kvtml>";
    };
    const std::vector<std::pair<const char *, const char *>> table{
        {R"(<entry id="0"><translation id="0"><text>zeal</text><comment>eagerness</comment>
            <pronunciation>ziːl</pronunciation><example>Her zeal.</example>
            <paraphrase>keenness</paraphrase></translation></entry>
            <entry id="1"><translation id="0"><text>abate</text>
            <paraphrase>lessen</paraphrase></translation></entry>)",
         "zeal|eagerness|Her zeal./abate||"},
        {R"(<entry id="0"><translation id="0"><text>zeal</text>
            <paraphrase>keenness</paraphrase></translation></entry>)",
         "zeal|keenness|"},
        {R"(<entry id="0"><translation id="0"><text>zeal</text></translation></entry>)", "zeal||"},
    };
    for (const auto &[entries, expected] : table)
        EXPECT_EQ(text(toEntries(readKvtml(oneLanguage(entries)))), expected) << entries;
}

TEST(kvtml, RefusesOtherDocuments)
{
    for (const char *bytes : {"<kvtml version=\"2.0\"><entries>", "<vocabulary/>", "<kvtml/>",
                              "<kvtml><identifiers/><entries/></kvtml>"})
        EXPECT_THROW(readKvtml(bytes), platform::Error) << bytes;
}
