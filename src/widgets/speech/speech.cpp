// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech.h"

#include "core/dictionary.h"
#include "core/wordkey.h"
#include "platform/error.h"
#include "platform/services.h"
#include "platform/speaker.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLoggingCategory>
#include <QStyle>
#include <QToolButton>

using namespace core;

namespace widgets {

Q_LOGGING_CATEGORY(speechLog, "vocabrix.speech", QtWarningMsg)

namespace {

const QString storeFile = QStringLiteral("\\progress\\pronunciations.tsv");

} // namespace

Speech::Speech(const Dictionary &dictionary, const SpeechSettings &settings,
               platform::Services &services, QObject *parent)
    : QObject(parent), dictionary(dictionary), settings(settings), services(services)
{
    speaker().changed = [this] { showAvailability(); };
}

Speech::~Speech()
{
    speaker().changed = nullptr;
}

platform::Speaker &Speech::speaker()
{
    return *services.speaker;
}

void Speech::prepare()
{
    speaker().prepare();
}

void Speech::say(const QString &text)
{
    if (text.trimmed().isEmpty() ||
        speaker().availability() == platform::Speaker::State::unavailable)
        return;
    speaker().say(text.trimmed(), settings.options().voice, settings.options().engineRate());
}

void Speech::cardShown(const QString &word)
{
    if (settings.options().speakAutomatically)
        say(word);
}

QToolButton *Speech::makeButton(const QString &name, const QString &tooltip, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(QApplication::style()->standardIcon(QStyle::SP_MediaVolume));
    button->setText(tr("Say"));
    button->setAccessibleName(tooltip);
    button->setAutoRaise(false);
    controls.push_back({button, tooltip});
    showAvailability();
    return button;
}

void Speech::follow(QAction *action, const QString &tooltip)
{
    controls.push_back({action, tooltip});
    showAvailability();
}

void Speech::showAvailability()
{
    const bool works = speaker().availability() != platform::Speaker::State::unavailable;
    const QString why = speaker().reason();
    for (const Control &each : controls) {
        if (auto *button = qobject_cast<QToolButton *>(each.control)) {
            button->setEnabled(works);
            button->setToolTip(works ? each.tooltip : why);
        } else if (auto *action = qobject_cast<QAction *>(each.control)) {
            action->setEnabled(works);
            action->setToolTip(works ? each.tooltip : why);
            action->setStatusTip(works ? QString() : why);
        }
    }
    emit availabilityChanged();
}

QString Speech::storePath() const
{
    return services.programPath(storeFile);
}

QString Speech::pronunciation(const QString &word)
{
    const QString key = wordKey(word);
    if (key.isEmpty())
        return {};
    if (shippedFor != dictionary.filePath()) {
        shippedFor = dictionary.filePath();
        shipped = Pronunciations::read(Pronunciations::pathFor(*shippedFor));
    }
    if (QString found = shipped.of(key); !found.isEmpty())
        return found;
    if (!madeRead) {
        madeRead = true;
        made = Pronunciations::read(storePath());
    }
    QString found = made.of(key);
    if (found.isEmpty() && !asked.contains(key) && services.phonetics &&
        services.phonetics->available()) {
        asked.insert(key);
        services.phonetics->transcribe(
            {word}, [self = QPointer<Speech>(this)](const QHash<QString, QString> &found) {
                if (self)
                    self->transcribed(found);
            });
    }
    return found;
}

void Speech::showPronunciation(QLabel *label, const QString &word)
{
    const QString ipa = pronunciation(word);
    label->setText(ipa);
    label->setAccessibleName(tr("Pronunciation: %1").arg(ipa));
    label->setVisible(!ipa.isEmpty());
}

// The store only ever holds what espeak-ng made; it lives with the learner's progress, never
// beside a dictionary.
void Speech::transcribed(const QHash<QString, QString> &found)
{
    if (found.isEmpty())
        return;
    for (auto each = found.begin(); each != found.end(); ++each)
        made.insert(each.key(), each.value());
    try {
        QDir().mkpath(QFileInfo(storePath()).absolutePath());
        services.files->write(storePath(), made.bytes());
    } catch (const platform::Error &failure) {
        qCWarning(speechLog).noquote() << failure.message();
    }
    for (auto each = found.begin(); each != found.end(); ++each)
        emit pronunciationFound(each.key());
}

} // namespace widgets
