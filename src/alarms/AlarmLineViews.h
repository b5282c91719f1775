#pragma once

#include <QStringList>

class QListWidget;

// What every list of alarm lines shares: a refill that leaves an unchanged list, and the line the user
// chose in it, alone.
namespace AlarmLineViews {

// Shows these lines, unless the list holds exactly these already (in whatever order).
void showLines(QListWidget& list, const QStringList& lines);

} // namespace AlarmLineViews
