#include "AlarmLineViews.h"

#include <QListWidget>

namespace AlarmLineViews {

void showLines(QListWidget& list, const QStringList& lines)
{
    QStringList listed;
    for (int row = 0; row < list.count(); ++row)
        listed << list.item(row)->text();
    QStringList wanted = lines;
    // The list keeps its own order, which need not be a plain text order: compare the lines themselves.
    listed.sort();
    wanted.sort();
    // Activation refills the list, and a click on a line of an inactive window can arrive just before
    // the activation does: an unchanged list keeps the line the user has just chosen.
    if (listed == wanted)
        return;
    list.clear();
    list.addItems(lines);
}

} // namespace AlarmLineViews
