// SPDX-License-Identifier: GPL-3.0-or-later
// Hearing the word: what is said when in Study Today and the main window, with the voice and
// pace chosen in Options; the IPA under the word; the controls when speech cannot work.

#include "program.h"

#include <QSlider>
#include <QToolButton>

using said = FakeSpeaker::utterance;

TEST(Hearing, StudyAndTheMainWindowSayWhatIsAskedInTheChosenVoiceAndShowTheIpa)
{
    FakeServices fakes;
    std::vector<entry> words{{"about", "the list", ""}};
    for (const char *word : {"laconic", "abate", "zeal"})
        words.push_back({word, QStringLiteral("(adj.) %1 meaning").arg(word),
                         QStringLiteral("A %1 remark.").arg(word)});
    fakes.phonetics.known.insert("zeal", "/ziːl/");
    Program vocabrix(fakes, words, {{"XML/gre.ipa.tsv", "# IPA\r\nlaconic\t/ləˈkɒnɪk/\r\n"}});
    FormMain &window = vocabrix.window;
    EXPECT_EQ(fakes.speaker.prepared, 0) << "nothing of speech at start-up";

    QWidget *options = opened(&window, "mnuOptions", "FormOptions");
    click(options, "speakAutomatically");
    auto *voices = control<QComboBox>(options, "voiceChoice");
    voices->setCurrentIndex(voices->findText("English (Scotland)"));
    control<QSlider>(options, "speechRate")->setValue(5);
    click(options, "Command2(1)"); // in force once written, as the voice and pace heard show

    auto *study = qobject_cast<FormStudy *>(opened(&window, "mnuStudy", "FormStudy"));
    ASSERT_TRUE(study && activated(study));
    const auto scot = [](const QString &text) { return said{text, "English (Scotland)", 0.5}; };
    const std::map<QString, QString> ipa{{"laconic", "/ləˈkɒnɪk/"}, {"abate", ""}, {"zeal", ""}};
    for (int card = 0; card < 3; ++card) {
        const QString word = study->session().word(), usage = study->session().usage();
        auto *label = control<QLabel>(study, "ipaLabel");
        EXPECT_EQ(label->text(), ipa.at(word)) << "a missing IPA shows nothing";
        if (word == "zeal") {
            EXPECT_TRUE(QTest::qWaitFor([label] { return label->text() == "/ziːl/"; }, 5000));
            EXPECT_TRUE(fakes.read("progress/pronunciations.tsv").contains("zeal\t/ziːl/"));
        }
        press(Qt::Key_F5);
        press(Qt::Key_F5, Qt::ShiftModifier);
        click(study, "speakButton");
        press(Qt::Key_1 + study->session().rightChoice());
        press(Qt::Key_G);
        EXPECT_EQ(fakes.speaker.said,
                  (std::vector<said>{scot(word), scot(word), scot(usage), scot(word)}))
            << "said once when the card shows, not again at its grade";
        fakes.speaker.said.clear();
        press(Qt::Key_Space);
    }
    fakes.phonetics.asked.sort();
    EXPECT_EQ(fakes.phonetics.asked, QStringList({"abate", "zeal"})) << "each asked once";

    ASSERT_TRUE(activated(&window));
    fakes.speaker.said.clear();
    QTest::keyClick(&window, Qt::Key_F5);
    click(&window, "mnuSpeakUsage");
    const int position = window.reviewSession().currentPosition();
    EXPECT_EQ(fakes.speaker.said,
              (std::vector<said>{scot(words[position].word), scot(words[position].usage)}));

    fakes.speaker.become(platform::Speaker::State::unavailable, "Install a speech engine.");
    auto *speak = control<QToolButton>(study, "speakButton");
    auto *action = control<QAction>(&window, "mnuSpeakWord");
    EXPECT_FALSE(speak->isEnabled() || action->isEnabled());
    EXPECT_EQ(speak->toolTip() + action->toolTip(),
              "Install a speech engine.Install a speech engine.");
    QTest::keyClick(&window, Qt::Key_F5);
    EXPECT_EQ(fakes.speaker.said.size(), 2u);
}
