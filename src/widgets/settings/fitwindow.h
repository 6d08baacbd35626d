// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learning/backgroundfit.h"
#include "learning/parametersets.h"

#include <QList>
#include <QWidget>
#include <optional>

class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;
namespace learning {
class LearnerMemory;
}

namespace widgets {

// "Fit to my answers": fits the memory model to the learner's answers in the background, with
// a progress bar and Cancel, while every other window stays in use; says in plain words how
// much better the fit predicts, whether it now schedules the reviews and, when not, why; and
// lists the fits kept in the progress file, any adopted one of which, or the default model, can
// be put back in force. A view of a learning::BackgroundFit and the learner's memory.
class FitWindow : public QWidget
{
    Q_OBJECT
public:
    FitWindow(learning::LearnerMemory &memory, platform::Clock &clock, QWidget *parent = nullptr);

    // Shows the window and starts a fit, unless one is running.
    void open();

protected:
    // Closing the window cancels a fit that is running: nothing of it is kept.
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void startFit();
    void showRunning(bool running);
    void fitFinished(const learning::FitComparison &comparison, bool adopted);
    void showSets();
    void selectionChanged();
    void use(std::optional<qint64> id);
    // The outcome of the last step, shown and announced to a screen reader.
    void tell(const QString &text);

    learning::LearnerMemory &memory;
    learning::BackgroundFit fit;
    QList<learning::ParameterSet> sets; // as listed, newest first
    QLabel *resultLabel, *inUseLabel;
    QProgressBar *progressBar;
    QPushButton *cancelButton, *fitAgainButton, *useButton, *defaultsButton, *closeButton;
    QTreeWidget *setsList;
    bool waiting = false; // showing the wait cursor
};

} // namespace widgets
