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

// "Fit to my answers": fits the memory model to the learner's answers on a thread of its own,
// so that the window that started it stays responsive, with progress and Cancel; then keeps the
// fit in the progress file and adopts it when it predicts better (LearnerMemory::recordFit).
// Made and used on the thread of the learner's memory, whose event loop must run meanwhile.
class BackgroundFit : public QObject
{
    Q_OBJECT
public:
    BackgroundFit(LearnerMemory &memory, platform::Clock &clock, QObject *parent = nullptr);
    // Stops a fit still running and waits for it: nothing is kept.
    ~BackgroundFit() override;

    // Reads the learner's answers and starts fitting to them; false when a fit is running
    // already. Throws platform::Error when the answers cannot be read.
    bool start();
    // Asks the running fit to stop; cancelled() follows, and nothing is kept.
    void cancel();
    bool isRunning() const { return worker != nullptr; }

signals:
    void progress(int permille);
    // The fit is kept in the progress file; adopted when it predicted better.
    void finished(const learning::FitComparison &comparison, bool adopted);
    void cancelled();
    // The fit could not be kept (the file cannot be written, or the parameters changed).
    void failed(const QString &message);

private:
    void conclude();

    LearnerMemory &memory;
    platform::Clock &clock;
    std::unique_ptr<QThread> worker;
    std::atomic<bool> stop = false;
    std::optional<FitComparison> result;
};

} // namespace learning

Q_DECLARE_METATYPE(learning::FitComparison)
