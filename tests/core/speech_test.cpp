// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/pronunciations.h"
#include "core/speechsettings.h"

#include <gtest/gtest.h>

using namespace core;

namespace {

TEST(speech, SettingsKeepWhatIsValidAndWriteWhatTheyRead)
{
    const std::vector<std::tuple<QString, bool, QString, int>> cases{
        {"speak_automatically=yes\r\nvoice= kal16 \r\nrate=-10\r\n", true, "kal16", -10},
        {"speak_automatically=1\nvoice=\nrate=11\n", false, "", 0},
        {"rate=3.5\nspeak_automatically = yes\ngarbage", true, "", 0}};
    // A voice name cannot add a line.
    EXPECT_EQ(speechSettingsText({true, "a\nrate=9", 2}), speechSettingsText({true, "", 2}));
    for (const auto &[text, automatic, voice, rate] : cases) {
        const SpeechOptions read = speechSettingsFromText(text);
        EXPECT_EQ(read, (SpeechOptions{automatic, voice, rate})) << text.toStdString();
        EXPECT_EQ(speechSettingsFromText(speechSettingsText(read)), read);
    }
}

TEST(speech, AnIpaListIsTakenWholeOrNotAtAll)
{
    const std::vector<std::pair<QByteArray, QString>> cases{
        {"# comment\r\nLaconic\t/ləˈkɒnɪk/\r\n\r\nad  hoc\t/ˈæd hˈɑːk/\r\n", "/ləˈkɒnɪk/"},
        {"laconic\t/ləˈkɒnɪk/\nzeal /ziːl/\n", ""},
        {"laconic\tləˈkɒnɪk\n", ""},
        {"laconic\t/ləˈkɒnɪk/\textra\n", ""},
        {"laconic\t/\xff/\n", ""},
        {"laconic\t/l/\n", "/l/"},
        {"laconic\t//\n", ""}};
    for (const auto &[bytes, expected] : cases)
        EXPECT_EQ(Pronunciations::fromText(bytes, "test").of(" LACONIC "), expected)
            << bytes.toStdString();
    // A word is found however its letters and spaces are written.
    EXPECT_EQ(Pronunciations::fromText(cases[0].first, "test").of("Ad Hoc"), "/ˈæd hˈɑːk/");
}

} // namespace
