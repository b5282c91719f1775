#pragma once

#include <QStringList>

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

} // namespace AlarmLineViews
