// SPDX-License-Identifier: GPL-3.0-or-later
// The quiz's answers reach the learner's memory, which outlives the window and travels through
// an exported file.

#include "program.h"

namespace {

// The program, which a test may start again on the same folder.
struct program
{
    explicit program(FakeServices &fakes) : fakes(fakes) { start(); }
    void start()
    {
        running.reset();
        fakes.random.script({0.2f, 0.3f, 0.5f, 0.6f, 0.8f});
        running = std::make_unique<Program>(fakes, numberedWords(6));
        window = &running->window;
    }
    // Answers with a choice after some seconds on the card.
    void answer(int choice, int seconds = 2)
    {
        fakes.clock.time = fakes.clock.time.addSecs(seconds);
        click(window, QStringLiteral("Command1(%1)").arg(choice));
    }
    learning::LearnerMemory &memory() { return window->learnerMemory(); }

    FakeServices &fakes;
    std::unique_ptr<Program> running;
    FormMain *window = nullptr;
};

} // namespace

// Exported, the reviews give another folder the same schedule, once however often imported.
TEST(Progress, EachShowingIsOneReviewThatOutlivesTheWindowAndTravelsOnceToAnotherFolder)
{
    FakeServices fakes, elsewhere;
    program vocabrix(fakes), other(elsewhere);
    const QString first = vocabrix.window->reviewSession().word();
    vocabrix.answer(0, 3);
    vocabrix.answer(1); // the same showing again: a score, not a review
    click(vocabrix.window, "Command2(1)");
    const QString second = vocabrix.window->reviewSession().word();
    vocabrix.answer(2, -1); // the clock was set back: no time, rather than less than none

    vocabrix.start();
    QStringList kept; // word, rating (Again 1, Good 3), time on the card, source, dictionary
    for (const learning::Review &each : vocabrix.memory().reviews())
        kept << QStringList{each.word, QString::number(int(each.rating)),
                            QString::number(each.durationMs), each.source, each.dictionary}
                    .join(' ');
    EXPECT_EQ(kept, QStringList({first + " 3 3000 quiz gre.xml", second + " 1 0 quiz gre.xml"}));

    const QString file = elsewhere.path("progress.csv");
    fakes.dialogs.expectSaveName(file);
    click(vocabrix.window, "mnuExportProgress");

    for (const char *added : {"2", "0"}) {
        elsewhere.dialogs.expectOpenName(file);
        elsewhere.dialogs.expectStart(
            QStringLiteral("Answers added to your progress: %1.").arg(QLatin1String(added)));
        click(other.window, "mnuImportProgress");
    }
    EXPECT_EQ(other.memory().loadCards(), vocabrix.memory().loadCards());
}

// The quiz and Study Today share one memory: trouble with its file is told once, whichever
// window meets it first, and the quiz goes on.
TEST(Progress, TroubleWithTheFileCostsOneMessageAndTheQuizGoesOn)
{
    const QFile::Permissions writable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    // A damaged file, then a folder that cannot be written.
    for (const auto &[folder, message, kept] :
         std::vector<std::tuple<QFile::Permissions, const char *, qint64>>{
             {writable, "The progress file was damaged.", 3},
             {QFile::ReadOwner | QFile::ExeOwner, "Progress is not being saved: ", 0}}) {
        SCOPED_TRACE(message);
        FakeServices fakes;
        QDir(fakes.path(".")).mkpath("progress");
        fakes.write("progress/progress.sqlite", QByteArray(4096, 'x'));
        QFile::setPermissions(fakes.path("progress"), folder);
        program vocabrix(fakes);
        fakes.dialogs.expectStart(QString::fromLatin1(message));
        vocabrix.answer(0);
        click(vocabrix.window, "Command2(1)");
        vocabrix.answer(0);
        click(vocabrix.window, "mnuStudy");
        click(topWindow("FormStudy"), QStringLiteral("choice1"));
        EXPECT_EQ(vocabrix.window->reviewSession().rightCount(), 2);
        EXPECT_EQ(vocabrix.memory().reviewCount(), kept);
        QFile::setPermissions(fakes.path("progress"), writable);
        EXPECT_EQ(QDir(fakes.path("progress")).entryList({"progress.sqlite.damaged-*"}).size(),
                  kept ? 1 : 0);
        EXPECT_EQ(fakes.read("progress/progress.sqlite") == QByteArray(4096, 'x'), !kept);
    }
}
