#pragma once

#include <QStringList>

class AlarmBook;
struct AlarmRecord;
class QLineEdit;
class QListWidget;

// What every list of alarm lines and every description box share: room for the longest text an alarm
// can have, and a refill that leaves an unchanged list, and the line the user chose in it, alone.
namespace AlarmLineViews {

// Widens the list, where its font needs it, until the longest alarm line shows whole beside a vertical
// scroll bar; a list already wide enough keeps its width.
void fitLongestLine(QListWidget& list);
// Widens the box, where its font needs it, until a description of the full length shows whole.
void fitLongestDescription(QLineEdit& box);

// Shows these lines, unless the list holds exactly these already (in whatever order).
void showLines(QListWidget& list, const QStringList& lines);

// Makes the list's rows switches: a box to check for on and off, and the alarm's days beside its line. The line
// itself stays as it is, since it is what finds the alarm again.
void showSwitches(QListWidget& list);
// Shows the lines of the book's alarms, as showLines does, then their switches and days.
void showAlarms(QListWidget& list, const AlarmBook& book);
// Brings the switches and days of the lines shown up to date.
void showStates(QListWidget& list, const AlarmBook& book);
// What a row says beside its line: "Off", "Once", or the days.
QString daysLabel(const AlarmRecord& record);

} // namespace AlarmLineViews
