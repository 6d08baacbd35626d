// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The online services a word can be looked up in. The address is the endpoint followed by
// the path and query and then the word itself.

#include <QString>
#include <QUrl>

#include "services.h"
#include <array>

namespace platform {

struct LookupService
{
    QString label;
    QString endpoint;
    QString query;
};

inline const std::array<LookupService, 4> &dictionaryServices()
{
    static const std::array<LookupService, 4> services{{
        {QStringLiteral("Webster"), QStringLiteral("http://www.merriam-webster.com"),
         QStringLiteral("/cgi-bin/dictionary?book=Dictionary&va=")},
        {QStringLiteral("Dictionary.com"), QStringLiteral("http://www.dictionary.com"),
         QStringLiteral("/search?q=")},
        {QStringLiteral("Hyperdictionary"), QStringLiteral("http://www.hyperdictionary.com"),
         QStringLiteral("/search.aspx?define=")},
        {QStringLiteral("Brittanica"), QStringLiteral("http://www.britannica.com"),
         QStringLiteral("/dictionary?book=Dictionary&va=")},
    }};
    return services;
}

inline const LookupService &imageSearch()
{
    static const LookupService service{QStringLiteral("Images"),
                                       QStringLiteral("http://images.google.com"),
                                       QStringLiteral("/images?q=")};
    return service;
}

// The service's address for a word; the word is percent-encoded, so blanks, "&", "#" and quotes
// stay part of the word.
QUrl lookupAddress(const LookupService &service, const QString &word);

// Opens an address in the web browser: on Windows the classic browser when it is installed,
// elsewhere the system's default browser. False when no browser could be started.
bool browse(Launcher &launcher, const QUrl &address);

} // namespace platform
