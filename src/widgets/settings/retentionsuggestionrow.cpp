// SPDX-License-Identifier: GPL-3.0-or-later
#include "retentionsuggestionrow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QThread>
#include <cmath>

namespace widgets {

RetentionSuggestionRow::RetentionSuggestionRow(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("retentionSuggestion"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    text = new QLabel;
    text->setObjectName(QStringLiteral("retentionSuggestionText"));
    text->setWordWrap(true);
    text->setTextFormat(Qt::PlainText);
    text->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    text->setFocusPolicy(Qt::TabFocus);
    // Room for the longest sentence, so that the frame does not jump as the suggestion changes.
    text->setMinimumHeight(text->fontMetrics().lineSpacing() * 3);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    use = new QPushButton;
    use->setObjectName(QStringLiteral("useSuggestedRetention"));
    layout->addWidget(text, 1);
    layout->addWidget(use, 0, Qt::AlignTop);
    use->hide(); // until there is a change to suggest
    connect(use, &QPushButton::clicked, this, [this] { emit retentionChosen(suggestedPercent); });
    hide();
}

RetentionSuggestionRow::~RetentionSuggestionRow()
{
    stop = true;
    if (worker)
        worker->wait();
}

void RetentionSuggestionRow::suggestFor(std::optional<learning::ForecastInput> input)
{
    waiting = std::move(input);
    // Shown while weighed, so that the frame makes room once, when the exam date is set.
    setVisible(waiting.has_value());
    if (worker)
        stop = true; // weighed() takes the waiting plan
    else if (waiting)
        startWeighing();
}

void RetentionSuggestionRow::outdate()
{
    if (!isVisible() || !use->isVisible())
        return;
    use->hide();
    const QString note = tr("Weighing the desired retentions for this plan...");
    text->setText(note);
    text->setAccessibleName(note);
}

void RetentionSuggestionRow::startWeighing()
{
    stop = false;
    found.reset();
    worker.reset(QThread::create([this, input = *std::exchange(waiting, std::nullopt)] {
        found = learning::suggestRetention(input, &stop);
    }));
    connect(worker.get(), &QThread::finished, this, &RetentionSuggestionRow::weighed);
    worker->start(QThread::LowPriority);
}

void RetentionSuggestionRow::weighed()
{
    worker->wait();
    worker.reset();
    if (waiting) {
        startWeighing();
        return;
    }
    if (stop || !found) { // stopped for no plan, or nothing to suggest
        hide();
        return;
    }
    const QString sentence = learning::describeSuggestion(*found);
    text->setText(sentence);
    text->setAccessibleName(sentence);
    suggestedPercent = int(std::lround(found->suggested.retention * 100));
    use->setText(tr("&Use %1 %").arg(suggestedPercent));
    use->setAccessibleName(tr("Use a desired retention of %1 %").arg(suggestedPercent));
    use->setVisible(found->changes());
    show();
}

} // namespace widgets
