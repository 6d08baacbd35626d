// SPDX-License-Identifier: GPL-3.0-or-later
// The learner's memory as the main window keeps it: the quiz's answers recorded, and the
// review log exported to a file and merged back from one.

#include "formmain.h"

#include "learning/quizrecorder.h"
#include "platform/error.h"
#include "platform/services.h"

#include <QStandardPaths>

namespace widgets {

namespace {

QString documentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString csvFilter()
{
    return FormMain::tr("Progress files (*.csv);;All files (*)");
}

} // namespace

void FormMain::connectProgress()
{
    quizRecorder = new learning::QuizRecorder(review, words, progress, *services.clock, this);
    // Whichever window's use of the memory met the trouble, the learner hears of it once.
    connect(&progress, &learning::LearnerMemory::notice, this, &FormMain::tellAboutProgress);
}

void FormMain::tellAboutProgress(const QString &notice)
{
    services.dialogs->message(notice, platform::Icon::exclamation, platform::Buttons::ok);
}

void FormMain::exportProgress()
{
    const QString target =
        services.dialogs->saveFileName(tr("Export Progress"), csvFilter(),
                                       QStringLiteral("vocabrix-progress.csv"), documentsFolder());
    if (target.isEmpty())
        return;
    try {
        progress.exportCsv(target);
    } catch (const platform::Error &failure) {
        services.dialogs->message(failure.message(), platform::Icon::critical,
                                  platform::Buttons::ok);
    }
}

void FormMain::importProgress()
{
    const QString source =
        services.dialogs->openFileName(tr("Import Progress"), csvFilter(), documentsFolder());
    if (source.isEmpty())
        return;
    try {
        const auto result = progress.importCsv(source);
        services.dialogs->message(tr("Answers added to your progress: %1. Already there: %2.")
                                      .arg(result.added)
                                      .arg(result.skipped),
                                  platform::Icon::information, platform::Buttons::ok);
    } catch (const platform::Error &failure) {
        services.dialogs->message(failure.message(), platform::Icon::critical,
                                  platform::Buttons::ok);
    }
}

} // namespace widgets
