// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Which downloaded word lists may replace the default dictionary.

#include "../platform/services.h"

#include <QString>
#include <QUrl>

// Where the fresh word list is fetched from (set when the program is built).
QUrl updateaddress();
// Points the update elsewhere for the rest of the run (tests use their own server).
void setupdateaddress(const QUrl &address);

constexpr int updatetimeoutms = 30000;
constexpr qint64 updatemaxbytes = 50 * 1024 * 1024;

// Empty when the response is a dictionary with at least one word; otherwise why not.
QString updateproblem(const platform::httpresponse &response);
