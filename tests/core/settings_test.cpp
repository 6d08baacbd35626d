// SPDX-License-Identifier: GPL-3.0-or-later
// The settings objects, each the one writer of its file: what is in force, what is written and
// what is told, also when the write fails.

#include "core/displaysettings.h"
#include "core/speechsettings.h"
#include "learning/studyplan.h"
#include "platform/error.h"
#include "support/fakes.h"

#include <QDir>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace core;

using testsupport::FakeServices;

namespace {

TEST(settings, DisplayStylesAreInForceWhenSetAndSavedOnlyBySave)
{
    FakeServices fakes;
    // Saving makes the folder the first time.
    QDir(fakes.path("settings")).removeRecursively();
    DisplaySettings display(fakes.files, fakes.appInfo.folder);
    EXPECT_FALSE(display.load());
    EXPECT_TRUE(display.isSaved()) << "the defaults stand for a missing file";
    QSignalSpy changed(&display, &DisplaySettings::changed);
    display.setStyles(DisplayStyles());
    DisplayStyles chosen;
    chosen.setStyle(DisplayStyles::FlashCards, {"Times", 30, 255});
    display.setStyles(chosen);
    EXPECT_EQ(changed.count(), 1) << "only a change is told";
    EXPECT_EQ(display.style(DisplayStyles::FlashCards).fontName, "Times");
    EXPECT_FALSE(display.isSaved());
    EXPECT_EQ(fakes.files.writes, 0) << "setting writes nothing";

    fakes.files.fault.fails = true;
    EXPECT_THROW(display.save(), platform::Error);
    EXPECT_FALSE(display.isSaved() || QFile::exists(fakes.path("settings/settings.ini")));
    fakes.files.fault.fails = false;
    display.save();
    EXPECT_TRUE(display.isSaved());
    EXPECT_EQ(fakes.read("settings/settings.ini"), chosen.fileText().toUtf8());
    EXPECT_EQ(changed.count(), 1);
}

// The study plan and the speech settings are saved at once: a value the file does not hold is
// never in force.
TEST(settings, APlanOrSpeechSettingsAreInForceOnlyOnceWritten)
{
    FakeServices fakes;
    QDir(fakes.path("settings")).removeRecursively();
    learning::StudyPlanSettings plan(fakes.files, fakes.path("settings/study.txt"));
    SpeechSettings speech(fakes.files, fakes.path("settings/speech.txt"));
    plan.load();
    QSignalSpy retention(&plan, &learning::StudyPlanSettings::desiredRetentionChanged);
    // Saves the settings as they are, or with one value changed; then what is in force.
    const auto check = [&](QObject *object, const char *file, const auto &save,
                           const auto &inForce) {
        SCOPED_TRACE(file);
        QSignalSpy changed(object, SIGNAL(changed()));
        const QString before = inForce();
        const int writes = fakes.files.writes;
        save(false);
        EXPECT_EQ(fakes.files.writes, writes) << "nothing to write";

        fakes.files.fault.fails = true;
        EXPECT_THROW(save(true), platform::Error);
        fakes.files.fault.fails = false;
        EXPECT_EQ(inForce(), before);
        EXPECT_FALSE(QFile::exists(fakes.path(file)));
        EXPECT_EQ(changed.count(), 0);

        save(true);
        EXPECT_NE(inForce(), before);
        EXPECT_EQ(fakes.read(file), inForce().toUtf8());
        EXPECT_EQ(changed.count(), 1);
    };
    check(
        &plan, "settings/study.txt",
        [&](bool change) {
            learning::StudyPlan chosen = plan.plan();
            chosen.newWordsPerDay += change ? 5 : 0;
            plan.save(chosen);
        },
        [&] { return learning::studyPlanText(plan.plan()); });
    check(
        &speech, "settings/speech.txt",
        [&](bool change) {
            SpeechOptions chosen = speech.options();
            chosen.rate += change ? 3 : 0;
            speech.save(chosen);
        },
        [&] { return speechSettingsText(speech.options()); });
    EXPECT_EQ(retention.count(), 0) << "the retention stayed";
    learning::StudyPlan surer = plan.plan();
    surer.desiredRetention = 0.95;
    plan.save(surer);
    ASSERT_EQ(retention.count(), 1);
    EXPECT_EQ(retention.at(0).at(0).toDouble(), 0.95);

    // The speech settings are read when first asked for, not when the program starts.
    SpeechSettings later(fakes.files, fakes.path("settings/speech.txt"));
    fakes.write("settings/speech.txt", "rate=-4\r\n");
    EXPECT_EQ(later.options().rate, -4);
}

} // namespace
