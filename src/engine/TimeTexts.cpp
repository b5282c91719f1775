#include "TimeTexts.h"

#include <QCoreApplication>
#include <QList>
#include <QStringList>

namespace TimeTexts {

namespace {

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

QString twelveHour(QTime time, const QLocale& locale)
{
    int hour = time.hour() % 12;
    if (hour == 0)
        hour = 12;
    QString designator = time.hour() < 12 ? locale.amText() : locale.pmText();
    // A locale without designators would make morning and evening look alike.
    if (designator.isEmpty())
        designator = time.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM");
    return twoDigits(hour) + QLatin1Char(':') + twoDigits(time.minute()) + QLatin1Char(':') + twoDigits(time.second()) +
           QLatin1Char(' ') + designator;
}

QString twentyFourHour(QTime time)
{
    return twoDigits(time.hour()) + QLatin1Char(':') + twoDigits(time.minute()) + QLatin1Char(':') +
           twoDigits(time.second());
}

QString timeLabel(QTime time, const QLocale& locale)
{
    return twelveHour(time, locale) + QStringLiteral(" / ") + twentyFourHour(time);
}

QString clockTime(QTime time, HourMode mode)
{
    if (mode == HourMode::TwentyFour)
        return twoDigits(time.hour()) + QLatin1Char(':') + twoDigits(time.minute());
    const int hour = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    return QString::number(hour) + QLatin1Char(':') + twoDigits(time.minute()) +
           (time.hour() < 12 ? QStringLiteral(" AM") : QStringLiteral(" PM"));
}

QString daysText(quint8 days, const QLocale& language, const QLocale& region)
{
    if (days == 0x7F)
        return QCoreApplication::translate("TimeTexts", "Every day");
    // The week as the user's region has it: Monday first in most of Europe, Sunday in America.
    QList<int> week;
    for (int i = 0; i < 7; ++i)
        week << (region.firstDayOfWeek() - 1 + i) % 7 + 1;
    const auto chosen = [days](int day) { return (days >> (day - 1)) & 1; };
    QStringList parts;
    for (int i = 0; i < 7;) {
        if (!chosen(week[i])) {
            ++i;
            continue;
        }
        int end = i;
        while (end + 1 < 7 && chosen(week[end + 1]))
            ++end;
        if (end - i >= 2)
            parts << language.dayName(week[i], QLocale::ShortFormat) + QLatin1Char('-') +
                         language.dayName(week[end], QLocale::ShortFormat);
        else
            for (int day = i; day <= end; ++day)
                parts << language.dayName(week[day], QLocale::ShortFormat);
        i = end + 1;
    }
    return parts.join(QStringLiteral(", "));
}

QString ledText(QTime time, HourMode mode)
{
    if (mode == HourMode::TwentyFour)
        return twentyFourHour(time);
    return twelveHour(time, QLocale::c()).left(8);
}

QString dateSeparator(const QLocale& locale)
{
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    QString separator;
    bool quoted = false;
    bool seenField = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
            continue;
        }
        if (quoted)
            continue;
        if (c.isLetter()) {
            if (!separator.isEmpty())
                break;
            seenField = true;
            continue;
        }
        if (seenField)
            separator += c;
    }
    // Fields set apart by blanks alone ("12 06 2026") would not read as a date on their own.
    return separator.trimmed().isEmpty() ? QStringLiteral("/") : separator;
}

QString formatDate(QDate date, const QString& pattern, const QLocale& locale)
{
    if (pattern.isEmpty())
        return locale.toString(date, QLocale::ShortFormat);

    QString out;
    qsizetype i = 0;
    const auto startsWith = [&](QLatin1StringView token) { return QStringView(pattern).mid(i).startsWith(token); };
    while (i < pattern.size()) {
        if (startsWith(QLatin1StringView("DDDD"))) {
            out += locale.dayName(date.dayOfWeek(), QLocale::LongFormat);
            i += 4;
        } else if (startsWith(QLatin1StringView("DD"))) {
            out += twoDigits(date.day());
            i += 2;
        } else if (startsWith(QLatin1StringView("MMMM"))) {
            out += locale.monthName(date.month(), QLocale::LongFormat);
            i += 4;
        } else if (startsWith(QLatin1StringView("MMM"))) {
            out += locale.monthName(date.month(), QLocale::ShortFormat);
            i += 3;
        } else if (startsWith(QLatin1StringView("MM"))) {
            out += twoDigits(date.month());
            i += 2;
        } else if (startsWith(QLatin1StringView("YYYY"))) {
            out += QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
            i += 4;
        } else if (pattern[i] == QLatin1Char('/')) {
            out += dateSeparator(locale);
            ++i;
        } else {
            out += pattern[i];
            ++i;
        }
    }
    return out;
}

} // namespace TimeTexts
