// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Which downloaded word lists may replace the default dictionary.

#include "platform/services.h"

#include <QString>
#include <QUrl>

namespace core {

class Dictionary;

// Fetches a fresh default dictionary and puts it in place of XML/gre.xml.
class WordListUpdate
{
public:
    // Where the fresh word list comes from unless told otherwise (set when the program is
    // built).
    static QUrl defaultAddress();

    QUrl address() const { return source; }
    void setAddress(const QUrl &address) { source = address; }

    // One GET; the file is replaced whole, through the dictionary, only by a dictionary with at
    // least one word. Throws platform::Error naming the problem, and the file stays as it was.
    void replaceDefaultDictionary(platform::Http &http, platform::Files &files,
                                  Dictionary &dictionary) const;

private:
    QUrl source = defaultAddress();
};

constexpr int updateTimeoutMs = 30000;
constexpr qint64 updateMaxBytes = 50 * 1024 * 1024;

// Empty when the response is a dictionary with at least one word; otherwise why not.
QString updateProblem(const platform::HttpResponse &response);

} // namespace core
