#include "AlarmLineViews.h"

#include "AlarmBook.h"
#include "app/Languages.h"
#include "engine/TimeTexts.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QStyleOptionViewItem>
#include <QStyledItemDelegate>
#include <QtMath>

#include <algorithm>

namespace {

// The widest description the box takes: its full length of whichever of the characters that run
// widest in common fonts is widest in this one.
QString widestDescription(const QFontMetrics& metrics)
{
    QChar widest = QLatin1Char('W');
    for (const QChar letter : {QLatin1Char('M'), QLatin1Char('@')}) {
        if (metrics.horizontalAdvance(letter) > metrics.horizontalAdvance(widest))
            widest = letter;
    }
    return QString(MaxDescriptionLength, widest);
}

// The widest line an alarm can have in this font. Digits need not share one width, so the minute and
// then the hour are each the widest the table can hold. Every line ends in the same separator and
// description, so the time alone decides which is widest; each text is measured once.
QString widestLine(const QFontMetrics& metrics)
{
    const auto line = [](int hour, int minute, const QString& description) {
        return alarmLine(AlarmRecord{static_cast<float>(hour), static_cast<float>(minute), description});
    };
    const auto widest = [&metrics](auto&& candidate, int from, int to) {
        int best = from;
        int bestWidth = metrics.horizontalAdvance(candidate(from));
        for (int value = from + 1; value <= to; ++value) {
            if (const int width = metrics.horizontalAdvance(candidate(value)); width > bestWidth) {
                best = value;
                bestWidth = width;
            }
        }
        return best;
    };
    const int minute = widest([&line](int m) { return line(1, m, {}); }, 0, 59);
    const int hour = widest([&line, minute](int h) { return line(h, minute, {}); }, 1, 24);
    return line(hour, minute, widestDescription(metrics));
}

constexpr int DaysRole = Qt::UserRole + 1;
// Between the end of the longest line and the days beside it.
constexpr int DaysGap = 12;

// Draws a row's days at its right end, after the line, which the base class draws as ever.
class DaysDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        const QString days = index.data(DaysRole).toString();
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
        painter->save();
        const bool selected = option.state & QStyle::State_Selected;
        painter->setPen(item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->setFont(item.font);
        painter->drawText(text.adjusted(0, 0, -DaysGap / 2, 0), Qt::AlignRight | Qt::AlignVCenter, days);
        painter->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.rwidth() += DaysGap + option.fontMetrics.horizontalAdvance(index.data(DaysRole).toString());
        return size;
    }
};

// The widest text a row may show beside its line in this font. Days apart make the longest list: four names at most
// (a run of three or more is written from-to), three separators between them.
int widestDays(const QFontMetrics& metrics)
{
    int name = 0;
    for (int day = Qt::Monday; day <= Qt::Sunday; ++day)
        name = std::max(name, metrics.horizontalAdvance(Languages::dateLocale().dayName(day, QLocale::ShortFormat)));
    AlarmRecord off;
    off.on = false;
    AlarmRecord once;
    once.once = true;
    return std::max({4 * name + 3 * metrics.horizontalAdvance(QStringLiteral(", ")),
                     metrics.horizontalAdvance(AlarmLineViews::daysLabel({})),
                     metrics.horizontalAdvance(AlarmLineViews::daysLabel(off)),
                     metrics.horizontalAdvance(AlarmLineViews::daysLabel(once))});
}

} // namespace

namespace AlarmLineViews {

QString daysLabel(const AlarmRecord& record)
{
    if (!record.on)
        return QCoreApplication::translate("AlarmLineViews", "Off");
    if (record.once)
        return QCoreApplication::translate("AlarmLineViews", "Once");
    return TimeTexts::daysText(record.days, Languages::dateLocale());
}

void showSwitches(QListWidget& list)
{
    list.setItemDelegate(new DaysDelegate(&list));
}

void showAlarms(QListWidget& list, const AlarmBook& book)
{
    showLines(list, book.lines());
    showStates(list, book);
}

void showStates(QListWidget& list, const AlarmBook& book)
{
    for (int row = 0; row < list.count(); ++row) {
        QListWidgetItem* item = list.item(row);
        const int slot = book.findLine(item->text());
        if (slot < 0)
            continue;
        const AlarmRecord& record = book[slot];
        const QString days = daysLabel(record);
        // The state before the box: a box without one reads as unchecked, and would switch the alarm off.
        item->setCheckState(record.on ? Qt::Checked : Qt::Unchecked);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setData(DaysRole, days);
        // A screen reader reads the switch from the box; the days it hears as the row's description.
        item->setData(Qt::AccessibleDescriptionRole, days);
    }
}

void fitLongestLine(QListWidget& list)
{
    // The line measured as the list's items measure their own text, in the list's style.
    QStyleOptionViewItem item;
    item.initFrom(&list);
    item.font = list.font();
    item.fontMetrics = list.fontMetrics();
    item.features = QStyleOptionViewItem::HasDisplay;
    item.text = widestLine(list.fontMetrics());
    const bool switches = dynamic_cast<DaysDelegate*>(list.itemDelegate()) != nullptr;
    if (switches)
        item.features |= QStyleOptionViewItem::HasCheckIndicator;
    int itemWidth = list.style()->sizeFromContents(QStyle::CT_ItemViewItem, &item, QSize(), &list).width();
    if (switches)
        itemWidth += DaysGap + widestDays(list.fontMetrics());
    const QMargins margins = list.contentsMargins();
    const int needed = itemWidth + 2 * list.spacing() + list.verticalScrollBar()->sizeHint().width() + margins.left() +
                       margins.right();
    list.setMinimumWidth(std::max(list.minimumWidth(), needed));
}

void fitLongestDescription(QLineEdit& box)
{
    // QLineEdit keeps a margin of two pixels each side of its text and scrolls once the text, one pixel
    // and the cursor after it no longer fit between them.
    constexpr int innerMargin = 2;
    const QStyle* style = box.style();
    const QMargins text = box.textMargins();
    const QMargins contents = box.contentsMargins();
    const QString description = widestDescription(box.fontMetrics());
    const int content = qCeil(QFontMetricsF(box.font()).horizontalAdvance(description)) + 1 +
                        style->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, &box) + 2 * innerMargin + text.left() +
                        text.right() + contents.left() + contents.right();

    QStyleOptionFrame frame;
    frame.initFrom(&box);
    frame.lineWidth = box.hasFrame() ? style->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, &box) : 0;
    frame.midLineWidth = 0;
    frame.state |= QStyle::State_Sunken;
    const int needed =
        style->sizeFromContents(QStyle::CT_LineEdit, &frame, QSize(content, box.sizeHint().height()), &box).width();
    box.setMinimumWidth(std::max(box.minimumWidth(), needed));
}

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
