// SPDX-License-Identifier: GPL-3.0-or-later
#include "formprogress.h"

#include "barchart.h"
#include "calendarchart.h"
#include "chartpanel.h"
#include "core/dictionary.h"
#include "forecastpanel.h"
#include "learning/learnermemory.h"
#include "learning/wordkey.h"
#include "platform/error.h"
#include "platform/services.h"
#include "platform/widgets/escapekey.h"
#include "stackedbar.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace core;

namespace widgets {

namespace {

QString percent(double share)
{
    return QLocale().toString(share * 100, 'f', 0) + QStringLiteral(" %");
}

QString number(int value)
{
    return QLocale().toString(value);
}

QLabel *namedLabel(const char *name)
{
    auto *label = new QLabel;
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    label->setFocusPolicy(Qt::TabFocus);
    return label;
}

// Fills its view and scrolls only below the content's minimum size at the view's width, its
// wrapped lines counted, again whenever the content's layout or size hints change (a longer
// text, the forecast filled in). A resizable QScrollArea gives content with wrapped labels its
// preferred height and would scroll at any size; the minimum size alone leaves the lines no
// room, and the widgets above them overlap.
class FillingArea : public QScrollArea
{
public:
    void setContent(QWidget *content)
    {
        setWidget(content);
        content->installEventFilter(this);
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QScrollArea::resizeEvent(event);
        fit();
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == widget() && event->type() == QEvent::LayoutRequest)
            fitLater();
        return QScrollArea::eventFilter(watched, event);
    }
    bool viewportEvent(QEvent *event) override
    {
        if (event->type() == QEvent::LayoutRequest) // the content's size hints changed
            fitLater();
        return QScrollArea::viewportEvent(event);
    }

private:
    // Once the layouts have taken the change in.
    void fitLater()
    {
        if (!fitDue) {
            fitDue = true;
            QMetaObject::invokeMethod(this, &FillingArea::fit, Qt::QueuedConnection);
        }
    }
    void fit()
    {
        fitDue = false;
        QWidget *content = widget();
        if (!content || !content->layout())
            return;
        const QSize least = content->minimumSizeHint();
        const auto leastHeight = [&](int width) {
            return std::max(least.height(), content->layout()->totalMinimumHeightForWidth(width));
        };
        const QSize view = maximumViewportSize();
        int width = std::max(view.width(), least.width());
        if (leastHeight(width) > view.height())
            width = std::max(view.width() - verticalScrollBar()->sizeHint().width(), least.width());
        content->resize(width, std::max(view.height(), leastHeight(width)));
    }

    bool fitDue = false;
};

} // namespace

FormProgress::FormProgress(learning::LearnerMemory &memory, const Dictionary &words,
                           platform::Services &services, QWidget *parent)
    : QMainWindow(parent), memory(memory), words(words), services(services)
{
    setObjectName(QStringLiteral("FormProgress"));
    setWindowTitle(tr("Progress"));
    setAccessibleName(tr("Progress"));
    resize(1000, 720);

    forecastChart = new BarChart(tr("Day"));
    forecastChart->setSeries({{tr("Due"), QColor(66, 133, 244)}});
    activityChart = new BarChart(tr("Day"));
    activityChart->setSeries(
        {{tr("Right"), QColor(38, 166, 65)}, {tr("Wrong"), QColor(219, 68, 55), Qt::BDiagPattern}});
    calendarChart = new CalendarChart;

    auto *content = new QWidget;
    auto *grid = new QGridLayout(content);
    // "Will I be ready?" first and across: the question the other figures lead to.
    forecastPanel = new ForecastPanel(words, memory, *services.clock);
    grid->addWidget(forecastPanel, 0, 0, 1, 2);
    // The pairs confused most under the summary, beside the hardest words, which take the
    // height of both.
    grid->addWidget(createSummary(), 1, 0);
    grid->addWidget(createConfused(), 2, 0);
    grid->addWidget(createHardest(), 1, 1, 2, 1);
    const auto panel = [&](const QString &title, const char *name, Chart *chart) {
        panels << new ChartPanel(title, QLatin1String(name), chart, services);
        return panels.last();
    };
    grid->addWidget(panel(tr("Due in the next 30 days"), "forecastChart", forecastChart), 3, 0);
    grid->addWidget(
        panel(tr("Your answers in the last 90 days, every list"), "activityChart", activityChart),
        3, 1);
    grid->addWidget(
        panel(tr("Your answers in the last 52 weeks, every list"), "calendarChart", calendarChart),
        4, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(3, 3);
    grid->setRowStretch(4, 2);

    auto *scroll = new FillingArea;
    scroll->setObjectName(QStringLiteral("progressArea"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setContent(content);
    content->setObjectName(QStringLiteral("progressContent"));
    closeButton = new QPushButton(tr("&Close"));
    closeButton->setObjectName(QStringLiteral("closeButton"));
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    platform::cancelOnEscape(this, closeButton);
    auto *window = new QWidget;
    auto *column = new QVBoxLayout(window);
    column->addWidget(scroll, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(closeButton);
    column->addLayout(bottom);
    setCentralWidget(window);

    const auto reopen = [this] {
        if (isVisible())
            open(exam, retention);
    };
    connect(&words, &Dictionary::loaded, this, reopen);
    connect(&words, &Dictionary::entriesReplaced, this, reopen);
    // After the answer is on the screen, and once for answers given together.
    connect(&memory, &learning::LearnerMemory::changed, this, [this] {
        if (isVisible() && !refreshDue) {
            refreshDue = true;
            QMetaObject::invokeMethod(this, &FormProgress::refresh, Qt::QueuedConnection);
        }
    });
}

QWidget *FormProgress::createSummary()
{
    stateChart = new StackedBar(tr("State"));
    auto *panel = new ChartPanel(tr("Words of this list"), QStringLiteral("stateChart"), stateChart,
                                 services);
    panels << panel;
    recallLabel = namedLabel("recallLabel");
    retentionLabel = namedLabel("retentionLabel");
    streakLabel = namedLabel("streakLabel");
    auto *layout = qobject_cast<QVBoxLayout *>(panel->layout());
    for (QLabel *label : {recallLabel, retentionLabel, streakLabel})
        layout->insertWidget(layout->count() - 1, label);
    layout->insertStretch(layout->count() - 1);
    return panel;
}

QWidget *FormProgress::createHardest()
{
    auto *box = new QGroupBox(tr("Hardest words"));
    box->setObjectName(QStringLiteral("hardestPanel"));
    hardestWords = new QTableWidget(0, 2);
    hardestWords->setObjectName(QStringLiteral("hardestWords"));
    hardestWords->setAccessibleName(tr("Hardest words"));
    hardestWords->setHorizontalHeaderLabels({tr("Word"), tr("Misses")});
    hardestWords->setEditTriggers(QAbstractItemView::NoEditTriggers);
    hardestWords->setSelectionBehavior(QAbstractItemView::SelectRows);
    hardestWords->setSelectionMode(QAbstractItemView::SingleSelection);
    hardestWords->verticalHeader()->hide();
    // Tab goes on to the next control rather than from cell to cell (the arrows move there).
    hardestWords->setTabKeyNavigation(false);
    hardestWords->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    studyButton = new QPushButton(tr("&Study this word"));
    studyButton->setObjectName(QStringLiteral("studyButton"));
    studyButton->setAccessibleName(tr("Study the selected word"));
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(hardestWords, 1);
    layout->addWidget(studyButton, 0, Qt::AlignRight);
    connect(hardestWords, &QTableWidget::itemActivated, this, &FormProgress::studySelected);
    connect(studyButton, &QPushButton::clicked, this, &FormProgress::studySelected);
    return box;
}

QWidget *FormProgress::createConfused()
{
    auto *box = new QGroupBox(tr("Most confused"));
    box->setObjectName(QStringLiteral("confusedPanel"));
    confusedPairs = new QListWidget;
    confusedPairs->setObjectName(QStringLiteral("confusedPairs"));
    confusedPairs->setAccessibleName(tr("Most confused"));
    // Each row is a pair and the two meanings under it, wrapped to the list's width.
    confusedPairs->setWordWrap(true);
    confusedPairs->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    confusedPairs->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    confusedPairs->setSpacing(3);
    // Room for two pairs and their meanings, even when the window is short; the rest scroll,
    // leaving the height to the charts below.
    confusedPairs->setFixedHeight(confusedPairs->fontMetrics().lineSpacing() * 9);
    noConfusion = namedLabel("noConfusion");
    noConfusion->setText(tr("No words confused yet."));
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(confusedPairs, 1);
    layout->addWidget(noConfusion);
    layout->addStretch();
    return box;
}

void FormProgress::followPlan(const learning::StudyPlanSettings &plan)
{
    forecastPanel->followPlan(plan);
}

QStringList FormProgress::listKeys()
{
    QStringList keys;
    spellings.clear();
    meanings.clear();
    // Entry 0 is the list's heading, which no window asks.
    const QStringList &list = words.words();
    for (qsizetype i = 1; i < list.size(); ++i) {
        const QString &word = list[i];
        const QString key = learning::wordKey(word);
        if (!key.isEmpty() && !spellings.contains(key)) {
            spellings.insert(key, word.trimmed());
            meanings.insert(key, words.meaning(int(i)).trimmed());
            keys << key;
        }
    }
    return keys;
}

void FormProgress::open(std::optional<QDate> examDate, double desiredRetention)
{
    exam = examDate;
    retention = desiredRetention;
    try {
        shown = memory.figures(listKeys(), services.clock->now(), examDate);
    } catch (const platform::Error &failure) {
        services.dialogs->message(failure.message(), platform::Icon::critical,
                                  platform::Buttons::ok);
        return;
    }
    showFigures(desiredRetention);
    show();
    raise();
    activateWindow();
}

// The figures again, for answers given while the window is shown. One that cannot be read is
// told at the next opening rather than at each answer.
void FormProgress::refresh()
{
    refreshDue = false;
    if (!isVisible())
        return;
    try {
        shown = memory.figures(listKeys(), services.clock->now(), exam);
    } catch (const platform::Error &) {
        return;
    }
    showFigures(retention);
}

void FormProgress::showFigures(double desiredRetention)
{
    stateChart->setParts({{tr("New"), palette().color(QPalette::Mid), Qt::Dense6Pattern},
                          {tr("Learning"), QColor(244, 160, 0)},
                          {tr("Young"), QColor(120, 170, 240), Qt::BDiagPattern},
                          {tr("Mature"), QColor(30, 90, 200)}},
                         {shown.newWords, shown.learning, shown.youngWords, shown.matureWords});
    const QLocale locale;
    recallLabel->setText(recallText());
    const QString aim = percent(desiredRetention);
    retentionLabel->setText(
        !shown.retention ? tr("Recalled when due, last 30 days: no review answered when due yet "
                              "(aim: %1).")
                               .arg(aim)
        : shown.dueReviews == 1
            ? tr("Recalled when due, last 30 days: %1 of 1 review (aim: %2).")
                  .arg(percent(*shown.retention), aim)
            : tr("Recalled when due, last 30 days: %1 of %2 reviews (aim: %3).")
                  .arg(percent(*shown.retention), number(shown.dueReviews), aim));
    streakLabel->setText(
        tr("Days in a row: %1 now, %2 at most.").arg(shown.currentStreak).arg(shown.longestStreak));

    const QString dayFormat = QStringLiteral("d MMM");
    const QDate today = shown.activity.isEmpty() ? QDate() : shown.activity.last().date;
    QStringList labels;
    QList<QList<int>> due;
    for (int i = 0; i < shown.dueForecast.size(); ++i) {
        labels << (i == 0 ? tr("today") : locale.toString(today.addDays(i), dayFormat));
        due << QList<int>{shown.dueForecast[i]};
    }
    forecastChart->setValues(labels, due);
    labels.clear();
    QList<QList<int>> answers;
    for (const auto &entry : shown.activity) {
        labels << locale.toString(entry.date, dayFormat);
        answers << QList<int>{entry.right, entry.wrong};
    }
    activityChart->setValues(labels, answers);
    calendarChart->setDays(shown.calendarStart, shown.calendar);
    showHardest();
    showConfused();
    forecastPanel->refresh();
}

// Of the words seen only: a word never answered is not forgotten but unknown, and is counted
// apart.
QString FormProgress::recallText() const
{
    const int seen = shown.seenWords();
    const QString unseen = number(shown.newWords);
    if (seen == 0)
        return tr("No word of this list seen yet (%1 words): no recall to predict.").arg(unseen);
    const QString recalled =
        seen == 1 ? tr("%1 of the 1 word seen").arg(percent(shown.meanRecall))
                  : tr("%1 of the %2 words seen").arg(percent(shown.meanRecall), number(seen));
    const QString rest =
        shown.newWords == 0 ? tr("every word seen") : tr("%1 not seen yet").arg(unseen);
    return shown.examPassed
               ? tr("The exam date has passed. Recall today: %1, %2 of them above 90 %; %3.")
                     .arg(recalled, percent(shown.shareAbove90), rest)
               : tr("Predicted recall on %1: %2, %3 of them above 90 %; %4.")
                     .arg(QLocale().toString(shown.recallDay, QStringLiteral("d MMM yyyy")),
                          recalled, percent(shown.shareAbove90), rest);
}

// The local day of a time, its year said when it is not this one.
QString FormProgress::dayText(const QDateTime &time) const
{
    const QDate day = time.toLocalTime().date();
    const QDate today = services.clock->now().toLocalTime().date();
    return QLocale().toString(day, day.year() == today.year() ? QStringLiteral("d MMM")
                                                              : QStringLiteral("d MMM yyyy"));
}

QString FormProgress::missesText(const learning::ProgressFigures::MissedWord &word) const
{
    const QString when = dayText(word.lastMiss);
    return word.misses == 1 ? tr("missed once, last on %1").arg(when)
                            : tr("missed %1 times, last on %2").arg(number(word.misses), when);
}

void FormProgress::showHardest()
{
    hardestWords->setRowCount(int(shown.hardest.size()));
    for (int row = 0; row < shown.hardest.size(); ++row) {
        const auto &word = shown.hardest[row];
        hardestWords->setItem(row, 0, new QTableWidgetItem(spellings.value(word.key, word.key)));
        hardestWords->setItem(row, 1, new QTableWidgetItem(missesText(word)));
    }
    hardestWords->resizeColumnToContents(1);
    if (!shown.hardest.isEmpty())
        hardestWords->selectRow(0);
    studyButton->setEnabled(!shown.hardest.isEmpty());
}

QString FormProgress::confusedText(const learning::ProgressFigures::ConfusedPair &pair) const
{
    const QString first = spellings.value(pair.first, pair.first);
    const QString second = spellings.value(pair.second, pair.second);
    const QString when = dayText(pair.last);
    return pair.times == 1
               ? tr("%1 and %2: once, on %3").arg(first, second, when)
               : tr("%1 and %2: %3 times, last on %4").arg(first, second, number(pair.times), when);
}

// Each word's meaning on a line, so that the row teaches the difference; a word the list no
// longer has is said to be gone.
QString FormProgress::meaningsText(const learning::ProgressFigures::ConfusedPair &pair) const
{
    QStringList lines;
    for (const QString &key : {pair.first, pair.second}) {
        lines << (spellings.contains(key)
                      ? tr("%1: %2").arg(spellings.value(key), meanings.value(key))
                      : tr("%1: not in this list").arg(key));
    }
    return lines.join(QLatin1Char('\n'));
}

void FormProgress::showConfused()
{
    confusedPairs->clear();
    for (const auto &pair : shown.confused) {
        const QString meaningLines = meaningsText(pair);
        auto *row = new QListWidgetItem(confusedText(pair) + QLatin1Char('\n') + meaningLines);
        row->setToolTip(meaningLines);
        confusedPairs->addItem(row);
    }
    const bool none = shown.confused.isEmpty();
    confusedPairs->setVisible(!none);
    noConfusion->setVisible(none);
    if (!none)
        confusedPairs->setCurrentRow(0);
}

void FormProgress::studySelected()
{
    const int row = hardestWords->currentRow();
    if (row < 0 || row >= shown.hardest.size())
        return;
    const QString key = shown.hardest[row].key;
    emit studyWordRequested(spellings.value(key, key));
}

} // namespace widgets
