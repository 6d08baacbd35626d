// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "parameterfit.h"

#include <QMetaType>
#include <QObject>
#include <QThread>
#include <atomic>
#include <memory>
#include <optional>

namespace platform {
class Clock;
}

namespace learning {

class LearnerMemory;

// "Fit to my answers": reads the learner's answers and fits the memory model to them on a thread
// of its own, so that the window that started it stays responsive, with progress and Cancel;
// then keeps the fit in the progress file and adopts it when it predicts better
// (LearnerMemory::recordFit). Made and used on the thread of the learner's memory, whose event
// loop must run meanwhile.
class BackgroundFit : public QObject
{
    Q_OBJECT
public:
    BackgroundFit(LearnerMemory &memory, platform::Clock &clock, QObject *parent = nullptr);
    // Stops a fit still running and waits for it: nothing is kept.
    ~BackgroundFit() override;

    // Starts a fit to the answers in the progress file now; false when one is running already.
    bool start();
    // Asks the running fit to stop; cancelled() follows, and nothing is kept.
    void cancel();
    bool isRunning() const { return worker != nullptr; }

signals:
    void progress(int permille);
    // The fit is kept in the progress file; adopted when it predicted better.
    void finished(const learning::FitComparison &comparison, bool adopted);
    void cancelled();
    // The answers could not be read, or the fit could not be kept (the file cannot be written,
    // or the parameters in force changed meanwhile).
    void failed(const QString &message);

private:
    void conclude();

    LearnerMemory &memory;
    platform::Clock &clock;
    std::unique_ptr<QThread> worker;
    std::atomic<bool> stop = false;
    std::optional<FitComparison> result;
    QString failure; // why the answers could not be read
};

} // namespace learning

Q_DECLARE_METATYPE(learning::FitComparison)
