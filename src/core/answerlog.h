// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The answers of the running program, one entry an answer, in the order they were given.

#include <QList>
#include <QObject>
#include <QString>

namespace core {

class AnswerLog : public QObject
{
    Q_OBJECT
public:
    struct Entry
    {
        bool right = false;
        QString chosenMeaning;
        QString word;
        // " CORRECT :meaning:word" or " INCORRECT :meaning:word", without a line end.
        QString line() const;
    };

    using QObject::QObject;

    void append(const Entry &entry);
    void clear();
    const QList<Entry> &entries() const { return all; }
    // The log as a file holds it: every line ended by CR LF; a meaning that spans lines spans
    // them here too.
    QString text() const;

signals:
    void appended(const AnswerLog::Entry &entry);
    void cleared();

private:
    QList<Entry> all;
};

} // namespace core
