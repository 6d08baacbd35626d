// SPDX-License-Identifier: GPL-3.0-or-later
// The quiz's answers reach the learner's memory, which outlives the window and travels through
// an exported file.

#include "program.h"

#include <QFile>

using namespace widgets;

using namespace testsupport;
using learning::Rating;

namespace {

const std::vector<entry> sample{{"w0", "m0", "u0"}, {"w1", "m1", "u1"}, {"w2", "m2", "u2"},
                                {"w3", "m3", "u3"}, {"w4", "m4", "u4"}, {"w5", "m5", "u5"}};

// The program, which a test may start again on the same folder.
struct program
{
    explicit program(FakeServices &fakes) : fakes(fakes) { start(); }
    void start()
    {
        running.reset();
        fakes.random.script({0.2f, 0.3f, 0.5f, 0.6f, 0.8f});
        running = std::make_unique<Program>(fakes, sample);
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
    click(vocabrix.window, QStringLiteral("Command2(1)"));
    const QString second = vocabrix.window->reviewSession().word();
    vocabrix.answer(2, -1); // the clock was set back: no time, rather than less than none
    EXPECT_EQ(vocabrix.window->reviewSession().rightCount(), 1);
    EXPECT_EQ(vocabrix.window->reviewSession().wrongCount(), 2);

    vocabrix.start();
    const QList<learning::Review> reviews = vocabrix.memory().reviews();
    ASSERT_EQ(reviews.size(), 2);
    EXPECT_EQ(reviews[0].word, first);
    EXPECT_EQ(reviews[0].rating, Rating::Good);
    EXPECT_EQ(reviews[0].durationMs, 3000);
    EXPECT_EQ(reviews[0].source, "quiz");
    EXPECT_EQ(reviews[0].dictionary, "gre.xml");
    EXPECT_EQ(reviews[1].word, second);
    EXPECT_EQ(reviews[1].rating, Rating::Again);
    EXPECT_EQ(reviews[1].durationMs, 0);
    EXPECT_EQ(vocabrix.memory().cardFor(first.toUpper() + QStringLiteral(" ")).reps, 1);

    const QString file = elsewhere.path("progress.csv");
    fakes.dialogs.expectSaveName(file);
    click(vocabrix.window, QStringLiteral("mnuExportProgress"));

    for (const char *added : {"2", "0"}) {
        elsewhere.dialogs.expectOpenName(file);
        elsewhere.dialogs.expectStart(
            QStringLiteral("Answers added to your progress: %1.").arg(QLatin1String(added)));
        click(other.window, QStringLiteral("mnuImportProgress"));
    }
    EXPECT_EQ(other.memory().loadCards(), vocabrix.memory().loadCards());
}

// The quiz and Study Today share one memory: trouble with its file is told once, whichever
// window meets it first, and the quiz goes on.
TEST(Progress, TroubleWithTheFileCostsOneMessageAndTheQuizGoesOn)
{
    const struct
    {
        const char *name;
        QFile::Permissions folder;
        const char *message;
        qint64 kept;
    } cases[] = {
        {"a damaged file", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner,
         "The progress file was damaged.", 3},
        {"a folder that cannot be written", QFile::ReadOwner | QFile::ExeOwner,
         "Progress is not being saved: ", 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        FakeServices fakes;
        QDir(fakes.path(".")).mkpath("progress");
        fakes.write("progress/progress.sqlite", QByteArray(4096, 'x'));
        QFile::setPermissions(fakes.path("progress"), c.folder);
        program vocabrix(fakes);
        fakes.dialogs.expectStart(QString::fromLatin1(c.message));
        vocabrix.answer(0);
        click(vocabrix.window, QStringLiteral("Command2(1)"));
        vocabrix.answer(0);
        click(vocabrix.window, QStringLiteral("mnuStudy"));
        click(topWindow(QStringLiteral("FormStudy")), QStringLiteral("choice1"));
        EXPECT_EQ(vocabrix.window->reviewSession().rightCount(), 2);
        EXPECT_EQ(vocabrix.memory().reviewCount(), c.kept);
        QFile::setPermissions(fakes.path("progress"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        EXPECT_EQ(QDir(fakes.path("progress")).entryList({"progress.sqlite.damaged-*"}).size(),
                  c.kept ? 1 : 0);
        if (!c.kept) {
            EXPECT_EQ(fakes.read("progress/progress.sqlite"), QByteArray(4096, 'x'));
        }
    }
}
