// SPDX-License-Identifier: GPL-3.0-or-later
// IPA from the espeak-ng program, run as a separate process that gets the words on its input,
// one a line, and answers with one line of IPA for each.

#include "espeakphonetics.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <memory>

namespace platform {

namespace {

constexpr int timeoutMs = 20000;

class EspeakPhonetics : public Phonetics
{
public:
    bool available() override { return !program().isEmpty(); }

    void transcribe(const QStringList &words,
                    std::function<void(const QHash<QString, QString> &)> done) override
    {
        const QString found = program();
        QStringList asked;
        for (const QString &word : words) {
            // A line break would shift every answer after it.
            if (!word.trimmed().isEmpty() && !word.contains(QLatin1Char('\n')) &&
                !word.contains(QLatin1Char('\r')))
                asked << word.trimmed();
        }
        if (found.isEmpty() || asked.isEmpty()) {
            QTimer::singleShot(0, &owner, [done] { done({}); });
            return;
        }
        auto *process = new QProcess(&owner);
        auto *timer = new QTimer(process);
        timer->setSingleShot(true);
        QObject::connect(timer, &QTimer::timeout, process, &QProcess::kill);
        QObject::connect(process, &QProcess::finished, process,
                         [process, asked, done](int code, QProcess::ExitStatus status) {
                             process->deleteLater();
                             if (status != QProcess::NormalExit || code != 0)
                                 return done({});
                             done(answers(asked, process->readAllStandardOutput()));
                         });
        QObject::connect(process, &QProcess::errorOccurred, process,
                         [process, done](QProcess::ProcessError error) {
                             if (error == QProcess::FailedToStart) {
                                 process->deleteLater();
                                 done({});
                             }
                         });
        process->start(found, {QStringLiteral("-q"), QStringLiteral("--ipa"), QStringLiteral("-b"),
                               QStringLiteral("1"), QStringLiteral("-v"), QStringLiteral("en-us")});
        process->write(asked.join(QLatin1Char('\n')).toUtf8() + '\n');
        process->closeWriteChannel();
        timer->start(timeoutMs);
    }

private:
    static QString program() { return QStandardPaths::findExecutable(QStringLiteral("espeak-ng")); }

    // Nothing when the lines do not pair up with the words: better no IPA than a neighbour's.
    static QHash<QString, QString> answers(const QStringList &words, const QByteArray &output)
    {
        QStringList lines = QString::fromUtf8(output).split(QLatin1Char('\n'));
        while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
            lines.removeLast();
        QHash<QString, QString> result;
        if (lines.size() != words.size())
            return result;
        for (qsizetype i = 0; i < words.size(); ++i) {
            const QString ipa = lines[i].trimmed();
            if (!ipa.isEmpty())
                result.insert(words[i], QLatin1Char('/') + ipa + QLatin1Char('/'));
        }
        return result;
    }

    QObject owner;
};

} // namespace

std::unique_ptr<Phonetics> makeEspeakPhonetics()
{
    return std::make_unique<EspeakPhonetics>();
}

} // namespace platform
