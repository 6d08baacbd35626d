// SPDX-License-Identifier: GPL-3.0-or-later
#include "timetext.h"

namespace learning {

namespace {

void putDigits(char16_t *out, int value, int width)
{
    for (int i = width - 1; i >= 0; --i, value /= 10)
        out[i] = char16_t(u'0' + value % 10);
}

// The number in text[from, from + width), or -1 when a character is not a digit.
int digits(QStringView text, int from, int width)
{
    int value = 0;
    for (int i = from; i < from + width; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}

} // namespace

QString timeText(Time time)
{
    using namespace std::chrono;
    const auto day = floor<days>(time);
    const year_month_day date(day);
    const hh_mm_ss clock(time - day);
    QString text(24, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    putDigits(out, int(date.year()), 4);
    putDigits(out + 5, int(unsigned(date.month())), 2);
    putDigits(out + 8, int(unsigned(date.day())), 2);
    putDigits(out + 11, int(clock.hours().count()), 2);
    putDigits(out + 14, int(clock.minutes().count()), 2);
    putDigits(out + 17, int(clock.seconds().count()), 2);
    putDigits(out + 20, int(clock.subseconds().count()), 3);
    out[4] = out[7] = u'-';
    out[10] = u'T';
    out[13] = out[16] = u':';
    out[19] = u'.';
    out[23] = u'Z';
    return text;
}

std::optional<Time> parseTimeText(QStringView text)
{
    using namespace std::chrono;
    if (text.size() != 24 || text[4] != u'-' || text[7] != u'-' || text[10] != u'T' ||
        text[13] != u':' || text[16] != u':' || text[19] != u'.' || text[23] != u'Z')
        return std::nullopt;
    const int fields[] = {digits(text, 0, 4),  digits(text, 5, 2),  digits(text, 8, 2),
                          digits(text, 11, 2), digits(text, 14, 2), digits(text, 17, 2),
                          digits(text, 20, 3)};
    for (int field : fields)
        if (field < 0)
            return std::nullopt;
    const year_month_day date{year(fields[0]), month(unsigned(fields[1])),
                              day(unsigned(fields[2]))};
    if (!date.ok() || fields[3] > 23 || fields[4] > 59 || fields[5] > 59)
        return std::nullopt;
    return sys_days(date) + hours(fields[3]) + minutes(fields[4]) + seconds(fields[5]) +
           milliseconds(fields[6]);
}

std::optional<Time> parseAnyTimeText(QStringView text)
{
    if (auto exact = parseTimeText(text))
        return exact;
    QDateTime dateTime = QDateTime::fromString(text.toString(), Qt::ISODateWithMs);
    if (!dateTime.isValid())
        return std::nullopt;
    if (dateTime.timeSpec() == Qt::LocalTime)
        dateTime.setTimeSpec(Qt::UTC);
    return toTime(dateTime);
}

} // namespace learning
