// SPDX-License-Identifier: GPL-3.0-or-later
#include "fitwindow.h"

#include "learning/learnermemory.h"
#include "learning/timetext.h"
#include "platform/error.h"
#include "platform/widgets/escapekey.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace widgets {

namespace {

QLabel *readableLabel(const QString &name)
{
    auto *label = new QLabel;
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    label->setFocusPolicy(Qt::TabFocus);
    return label;
}

// The figure a learner is shown is the calibration error, RMSE(bins): how far the share of
// answers the model expects to be right is from the share that were, in points of a hundred.
// The log loss is no quantity a learner knows; "off by 4 points instead of 7" is.
QString points(double rmseBins)
{
    return QLocale().toString(100.0 * rmseBins, 'f', 1);
}

int percentBetter(const learning::ParameterFigures &fitted, const learning::ParameterFigures &old)
{
    return old.rmseBins > 0 ? int(std::lround(100.0 * (1.0 - fitted.rmseBins / old.rmseBins))) : 0;
}

} // namespace

FitWindow::FitWindow(learning::LearnerMemory &memory, platform::Clock &clock, QWidget *parent)
    : QWidget(parent, Qt::Window), memory(memory), fit(memory, clock)
{
    setObjectName(QStringLiteral("FormFit"));
    setWindowTitle(tr("Fit to My Answers"));
    createControls();
    connect(&fit, &learning::BackgroundFit::progress, this, [this](int permille) {
        progressBar->setValue(permille);
        // Done fitting: the fit is kept and, when better, every card replayed with it, here.
        if (permille == progressBar->maximum() && !waiting) {
            waiting = true;
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        }
    });
    connect(&fit, &learning::BackgroundFit::finished, this, &FitWindow::fitFinished);
    connect(&fit, &learning::BackgroundFit::cancelled, this, [this] {
        showRunning(false);
        tell(tr("The fit was cancelled. Nothing was kept or changed."));
    });
    connect(&fit, &learning::BackgroundFit::failed, this, [this](const QString &message) {
        showRunning(false);
        showSets();
        tell(tr("The fit could not be kept, and nothing was changed: %1").arg(message));
    });
    connect(cancelButton, &QPushButton::clicked, &fit, &learning::BackgroundFit::cancel);
    connect(fitAgainButton, &QPushButton::clicked, this, &FitWindow::startFit);
    connect(useButton, &QPushButton::clicked, this, [this] {
        const int row = setsList->indexOfTopLevelItem(setsList->currentItem());
        if (row >= 0 && row < sets.size())
            use(sets[row].id);
    });
    connect(defaultsButton, &QPushButton::clicked, this, [this] { use(std::nullopt); });
    connect(setsList, &QTreeWidget::currentItemChanged, this, &FitWindow::selectionChanged);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    platform::cancelOnEscape(this, closeButton);
}

void FitWindow::createControls()
{
    auto *layout = new QVBoxLayout(this);
    QLabel *intro = readableLabel(QStringLiteral("fitIntro"));
    intro->setText(tr("The memory model decides when each word comes back. Fitted to your own "
                      "answers, it can predict better what you will recall. The fit is used "
                      "only when it predicts your latest answers better than the model in use."));
    layout->addWidget(intro);
    progressBar = new QProgressBar;
    progressBar->setObjectName(QStringLiteral("fitProgress"));
    progressBar->setAccessibleName(tr("Fit progress"));
    progressBar->setRange(0, 1000);
    layout->addWidget(progressBar);
    resultLabel = readableLabel(QStringLiteral("fitResult"));
    resultLabel->setMinimumHeight(resultLabel->fontMetrics().lineSpacing() * 4);
    resultLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(resultLabel);
    auto *fitRow = new QHBoxLayout;
    cancelButton = new QPushButton(tr("&Cancel"));
    cancelButton->setObjectName(QStringLiteral("cancelFit"));
    cancelButton->setAccessibleName(tr("Cancel the fit"));
    fitAgainButton = new QPushButton(tr("&Fit again"));
    fitAgainButton->setObjectName(QStringLiteral("fitAgain"));
    fitRow->addWidget(cancelButton);
    fitRow->addWidget(fitAgainButton);
    fitRow->addStretch();
    layout->addLayout(fitRow);

    auto *setsCaption = new QLabel(tr("&Kept fits:"));
    layout->addWidget(setsCaption);
    setsList = new QTreeWidget;
    setsList->setObjectName(QStringLiteral("fitList"));
    setsList->setAccessibleName(tr("Kept fits"));
    setsList->setRootIsDecorated(false);
    setsList->setHeaderLabels({tr("Fitted on"), tr("Answers"), tr("Predicts"), tr("In use")});
    setsList->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setsList->setMinimumHeight(setsList->fontMetrics().lineSpacing() * 7);
    setsCaption->setBuddy(setsList);
    layout->addWidget(setsList);
    inUseLabel = readableLabel(QStringLiteral("modelInUse"));
    layout->addWidget(inUseLabel);
    auto *useRow = new QHBoxLayout;
    useButton = new QPushButton(tr("&Use this one"));
    useButton->setObjectName(QStringLiteral("useFit"));
    useButton->setAccessibleName(tr("Use the chosen fit"));
    defaultsButton = new QPushButton(tr("Use the &default model"));
    defaultsButton->setObjectName(QStringLiteral("useDefaults"));
    closeButton = new QPushButton(tr("Cl&ose"));
    closeButton->setObjectName(QStringLiteral("closeFit"));
    useRow->addWidget(useButton);
    useRow->addWidget(defaultsButton);
    useRow->addStretch();
    useRow->addWidget(closeButton);
    layout->addLayout(useRow);
    resize(560, 440);
}

void FitWindow::open()
{
    show();
    raise();
    activateWindow();
    if (!fit.isRunning())
        startFit();
}

void FitWindow::closeEvent(QCloseEvent *event)
{
    if (fit.isRunning())
        fit.cancel();
    event->accept();
}

void FitWindow::startFit()
{
    progressBar->setValue(0);
    showSets();
    if (!fit.start())
        return;
    showRunning(true);
    tell(tr("Fitting the memory model to your answers..."));
}

void FitWindow::showRunning(bool running)
{
    if (!running && waiting) {
        waiting = false;
        QGuiApplication::restoreOverrideCursor();
    }
    cancelButton->setEnabled(running);
    fitAgainButton->setEnabled(!running);
    if (running)
        cancelButton->setFocus();
    else
        resultLabel->setFocus();
    selectionChanged();
}

void FitWindow::fitFinished(const learning::FitComparison &comparison, bool adopted)
{
    showRunning(false);
    showSets();
    const QLocale locale;
    if (comparison.fitted.scope == learning::FitScope::Nothing) {
        tell(comparison.fitted.items < learning::fewestFitItems
                 ? tr("Your answers are still too few: %1 of the %2 needed. A fit counts the "
                      "answers given a day or more after the word's answer before. The model "
                      "in use stays.")
                       .arg(locale.toString(comparison.fitted.items))
                       .arg(learning::fewestFitItems)
                 : tr("Your answers are still too few to fit the model to. The model in use "
                      "stays."));
        return;
    }
    const QString figures =
        tr("On your latest %1 answers, the fitted model's predictions of how many you would "
           "recall were off by %2 points on average, against %3 for the model in use.")
            .arg(locale.toString(comparison.heldOutItems))
            .arg(points(comparison.fittedFigures.rmseBins))
            .arg(points(comparison.currentFigures.rmseBins));
    if (adopted) {
        const int percent = percentBetter(comparison.fittedFigures, comparison.currentFigures);
        tell((percent >= 1 ? tr("The fitted model predicts your answers %1 % better.").arg(percent)
                           : tr("The fitted model predicts your answers slightly better.")) +
             QLatin1Char(' ') +
             tr("It schedules your reviews from now on; every word's answers were replayed "
                "with it.") +
             QLatin1Char(' ') + figures);
    } else {
        tell(tr("The fitted model predicted no better, so the model in use stays.") +
             QLatin1Char(' ') + figures);
    }
}

void FitWindow::showSets()
{
    sets = memory.parameterSets();
    setsList->clear();
    const QLocale locale;
    bool defaultsInUse = true;
    for (const learning::ParameterSet &set : sets) {
        const int percent = percentBetter(set.figures, set.replacedFigures);
        const QString predicts = !set.adopted   ? tr("no better; not used")
                                 : percent >= 1 ? tr("%1 % better").arg(percent)
                                                : tr("slightly better");
        auto *row = new QTreeWidgetItem(
            setsList, {locale.toString(learning::toDateTime(set.fittedAt).toLocalTime(),
                                       QLocale::ShortFormat),
                       locale.toString(set.reviews), predicts, set.active ? tr("yes") : QString()});
        row->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        if (!set.adopted)
            row->setToolTip(2, tr("This fit predicted no better than the model then in use"));
        defaultsInUse = defaultsInUse && !set.active;
    }
    inUseLabel->setText(
        (defaultsInUse ? tr("In use: the default model, fitted to many other learners.")
                       : tr("In use: the fit marked \"yes\" above.")) +
        QLatin1Char(' ') +
        tr("Changing the model replays every word's answers with it, which may take a moment."));
    selectionChanged();
}

void FitWindow::selectionChanged()
{
    const bool running = fit.isRunning();
    const int row = setsList->indexOfTopLevelItem(setsList->currentItem());
    const bool usable = row >= 0 && row < sets.size() && sets[row].adopted && !sets[row].active;
    useButton->setEnabled(!running && usable);
    defaultsButton->setEnabled(
        !running && std::any_of(sets.cbegin(), sets.cend(),
                                [](const learning::ParameterSet &set) { return set.active; }));
}

void FitWindow::use(std::optional<qint64> id)
{
    if (fit.isRunning())
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        memory.useParameterSet(id);
        QGuiApplication::restoreOverrideCursor();
    } catch (const platform::Error &error) {
        QGuiApplication::restoreOverrideCursor();
        showSets();
        tell(tr("Nothing was changed: %1").arg(error.message()));
        return;
    }
    showSets();
    tell(id ? tr("The chosen fit schedules your reviews from now on; every word's answers were "
                 "replayed with it.")
            : tr("The default model schedules your reviews from now on; every word's answers "
                 "were replayed with it."));
}

void FitWindow::tell(const QString &text)
{
    resultLabel->setText(text);
    resultLabel->setAccessibleName(text);
    QAccessibleEvent event(resultLabel, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

} // namespace widgets
