// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/kvtmlreader.h"
#include "packages.h"
#include "platform/error.h"

#include <gtest/gtest.h>

using namespace importer;

namespace {

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
    EXPECT_EQ(table.columns, QStringList({"English", "German", "French", "Example"}));
    EXPECT_EQ(text(toEntries(table)), "dog|Hund|The dog & the cat./&secret;||");
    EXPECT_EQ(text(toEntries(readKvtml("<kvtml><e><o>cat</o><t>Katze</t></e></kvtml>"))),
              "cat|Katze|");
}

TEST(kvtml, RefusesOtherDocuments)
{
    for (const QByteArray &bytes :
         {QByteArray("<kvtml version=\"2.0\"><entries>"), QByteArray("<vocabulary/>"),
          QByteArray("<kvtml/>"), QByteArray("<kvtml><identifiers/><entries/></kvtml>")})
        EXPECT_THROW(readKvtml(bytes), vocabrix::error) << bytes.toStdString();
}

} // namespace
