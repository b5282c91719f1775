#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

namespace TimeTexts {

// "hh:mm:ss AMPM": hour 01..12, the locale's AM/PM designator after one space.
QString twelveHour(QTime time, const QLocale& locale = QLocale());
// Hour 00..23, minute and second, each two digits, joined by colons.
QString twentyFourHour(QTime time);
// What the time label shows: both forms, joined by " / ".
QString timeLabel(QTime time, const QLocale& locale = QLocale());
// The LED's eight characters: the 12-hour text without its designator, or the 24-hour text.
enum class HourMode { Twelve, TwentyFour };
QString ledText(QTime time, HourMode mode);
// A time of day as the alarm lines write it: "7:10 AM", or "07:10" in 24-hour form.
QString clockTime(QTime time, HourMode mode = HourMode::Twelve);

// The days an alarm rings on, short, in the order of the user's week (`region`), with the day names of the
// language spoken: "Every day", "Mon-Fri", "Sat, Sun"; a run of three days or more is written from-to.
QString daysText(quint8 days, const QLocale& language, const QLocale& region = QLocale());

// Formats a date with the program's own pattern letters (MMMM, MMM, MM, DD, DDDD, YYYY, "/");
// an empty pattern gives the locale's short date.
QString formatDate(QDate date, const QString& pattern, const QLocale& locale = QLocale());
// The separator the locale puts between the fields of its short date; "/" where it has none but blanks.
QString dateSeparator(const QLocale& locale);

} // namespace TimeTexts
