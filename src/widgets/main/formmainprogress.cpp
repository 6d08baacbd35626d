// SPDX-License-Identifier: GPL-3.0-or-later
// The learner's memory as the main window keeps it: the quiz's answers recorded, and the
// review log exported to a file and merged back from one.

#include "formmain.h"

#include "learning/progressstore.h"
#include "learning/quizrecorder.h"
#include "platform/error.h"
#include "platform/services.h"

#include <QDir>
#include <QStandardPaths>

namespace {

QString fileName(const QString &storedPath)
{
    return QDir::fromNativeSeparators(
               QString(storedPath).replace(QLatin1Char('\\'), QLatin1Char('/')))
        .section(QLatin1Char('/'), -1);
}

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
    quizRecorder = new learning::QuizRecorder(
        review, [this] { return fileName(words.path()); },
        [this]() -> learning::ProgressStore & { return progressStore(); }, *services.clock, this);
    connect(quizRecorder, &learning::QuizRecorder::notice, this, &FormMain::tellAboutProgress);
}

learning::ProgressStore &FormMain::progressStore()
{
    if (!progress) {
        progress = std::make_unique<learning::ProgressStore>(
            services.programPath(QStringLiteral("\\progress\\progress.sqlite")),
            learning::SchedulerOptions{.desiredRetention = studyPlan.plan().desiredRetention});
    }
    return *progress;
}

void FormMain::tellAboutProgress(const QString &notice)
{
    services.dialogs->message(notice, platform::icon::exclamation, platform::buttons::ok);
}

void FormMain::exportProgress()
{
    const QString target =
        services.dialogs->saveFileName(tr("Export Progress"), csvFilter(),
                                       QStringLiteral("vocabrix-progress.csv"), documentsFolder());
    if (target.isEmpty())
        return;
    try {
        progressStore().exportCsv(target);
    } catch (const vocabrix::error &failure) {
        services.dialogs->message(failure.message(), platform::icon::critical,
                                  platform::buttons::ok);
    }
}

void FormMain::importProgress()
{
    const QString source =
        services.dialogs->openFileName(tr("Import Progress"), csvFilter(), documentsFolder());
    if (source.isEmpty())
        return;
    learning::ProgressStore &store = progressStore();
    try {
        const auto result = store.importCsv(source);
        services.dialogs->message(tr("Answers added to your progress: %1. Already there: %2.")
                                      .arg(result.added)
                                      .arg(result.skipped),
                                  platform::icon::information, platform::buttons::ok);
    } catch (const vocabrix::error &failure) {
        services.dialogs->message(failure.message(), platform::icon::critical,
                                  platform::buttons::ok);
    }
    if (const QString notice = store.takeNotice(); !notice.isEmpty())
        tellAboutProgress(notice);
}
