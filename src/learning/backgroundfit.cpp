// SPDX-License-Identifier: GPL-3.0-or-later
#include "backgroundfit.h"

#include "learnermemory.h"
#include "platform/error.h"
#include "platform/services.h"
#include "progressstore.h"

#include <QCoreApplication>

namespace learning {

BackgroundFit::BackgroundFit(LearnerMemory &memory, platform::Clock &clock, QObject *parent)
    : QObject(parent), memory(memory), clock(clock)
{
}

BackgroundFit::~BackgroundFit()
{
    if (worker) {
        stop = true;
        worker->wait();
    }
}

bool BackgroundFit::start()
{
    if (worker)
        return false;
    const SchedulerOptions &options = memory.scheduler().options();
    const Parameters current = options.parameters;
    const int relearningSteps = int(options.relearningSteps.size());
    stop = false;
    result.reset();
    failure.clear();
    // The answers are read there too, on a connection of the thread's own: a long log takes
    // a second to read.
    worker.reset(QThread::create([this, path = memory.filePath(), current, relearningSteps] {
        QList<Review> reviews;
        try {
            ProgressStore file(path, {}, ProgressStore::Access::ReadOnly);
            if (!file.isOpen())
                throw platform::Error(
                    platform::Error::io,
                    QCoreApplication::translate("learning", "Cannot read the progress file: %1.")
                        .arg(file.whyUnreadable()));
            reviews = file.reviews();
        } catch (const platform::Error &error) {
            failure = error.message();
            return;
        }
        const FitData data(reviews);
        FitControl control(
            [this](int permille) {
                QMetaObject::invokeMethod(
                    this, [this, permille] { emit progress(permille); }, Qt::QueuedConnection);
            },
            &stop);
        result = fitAndCompare(data, current, relearningSteps, control);
    }));
    connect(worker.get(), &QThread::finished, this, &BackgroundFit::conclude);
    // The fit may take seconds; the windows come first.
    worker->start(QThread::LowPriority);
    return true;
}

void BackgroundFit::cancel()
{
    stop = true;
}

void BackgroundFit::conclude()
{
    worker->wait();
    worker.reset();
    if (!failure.isEmpty()) {
        emit failed(failure);
        return;
    }
    if (!result || stop) {
        emit cancelled();
        return;
    }
    try {
        const bool adopted = memory.recordFit(*result, clock.now());
        emit finished(*result, adopted);
    } catch (const platform::Error &error) {
        emit failed(error.message());
    }
}

} // namespace learning
