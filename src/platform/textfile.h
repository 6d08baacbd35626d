// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <functional>
#include <utility>

namespace platform {

// Text files are read as UTF-8, or as Windows-1252 when the bytes are not valid UTF-8 (files
// from older systems); a byte order mark, where there is one, decides instead.
QString decodetext(const QByteArray &bytes);
bool isutf8(QByteArrayView bytes);
// Every byte is a character: Windows-1252 never fails.
QString decodewindows1252(QByteArrayView bytes);

// Reads a whole file; throws vocabrix::error (io) when it cannot be read.
QByteArray readbytes(const QString &path);
QString readtext(const QString &path);

// The settings files of the program's own (settings/study.txt, settings/speech.txt): one
// "key=value" a line, blanks around either ignored, lines without "=" skipped, CR LF written.
using keyvalues = QList<std::pair<QString, QString>>;
keyvalues keyvaluesfromtext(const QString &text);
// The pairs of a file; none when it is missing or cannot be read, so that its owner's defaults
// stand.
keyvalues readkeyvalues(const QString &path);
QString keyvaluetext(const keyvalues &pairs);

// What a test makes of a write: a hook at the moment a crash or a power cut would interrupt it
// (the new bytes are in the temporary file, the old file still stands), and a failure after
// the temporary file was written, as a full disk would make it.
struct writefault
{
    std::function<void()> beforecommit;
    bool fails = false;
};

// Replaces a file's content with the bytes, written as given. Written through a temporary file,
// so a failure leaves the old file whole; throws vocabrix::error (io) naming the file.
void writebytes(const QString &path, const QByteArray &bytes, const writefault &fault = {});

} // namespace platform
