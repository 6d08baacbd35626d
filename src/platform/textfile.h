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
QString decodeText(const QByteArray &bytes);
bool isUtf8(QByteArrayView bytes);
// Every byte is a character: Windows-1252 never fails.
QString decodeWindows1252(QByteArrayView bytes);

// Reads a whole file; throws platform::Error (io) when it cannot be read.
QByteArray readBytes(const QString &path);
QString readText(const QString &path);

// The settings files of the program's own (settings/study.txt, settings/speech.txt): one
// "key=value" a line, blanks around either ignored, lines without "=" skipped, CR LF written.
using KeyValues = QList<std::pair<QString, QString>>;
KeyValues keyValuesFromText(const QString &text);
// The pairs of a file; none when it is missing or cannot be read, so that its owner's defaults
// stand.
KeyValues readKeyValues(const QString &path);
QString keyValueText(const KeyValues &pairs);

// What a test makes of a write: a hook at the moment a crash or a power cut would interrupt it
// (the new bytes are in the temporary file, the old file still stands), and a failure after
// the temporary file was written, as a full disk would make it.
struct WriteFault
{
    std::function<void()> beforeCommit;
    bool fails = false;
};

// Replaces a file's content with the bytes, written as given. Written through a temporary file,
// so a failure leaves the old file whole; throws platform::Error (io) naming the file.
void writeBytes(const QString &path, const QByteArray &bytes, const WriteFault &fault = {});

} // namespace platform
