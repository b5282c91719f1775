#include "UiHarness.h"
#include "alarms/frmEdit.h"
#include "alarms/frmRecordNewTime.h"
#include "alarms/frmRemove.h"
#include "app/frmMain.h"

#include <QLineEdit>
#include <QScrollBar>

namespace {

const QString Description(MaxDescriptionLength, QLatin1Char('W'));

int cursorX(QLineEdit* box)
{
    box->grab(); // the box settles how far its text scrolls when it paints
    return box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
}

} // namespace

class tst_AlarmLineViews : public UiTest {
    Q_OBJECT
private slots:
    void longestTextShowsWhole_data();
    void longestTextShowsWhole();
    void removeKeepsTheChosenLineAcrossAnActivation();

private:
    void prepare() override
    {
        // Enough lines to bring up the vertical scroll bar, every one as wide as a line can be.
        for (int hour = 10; hour <= 24; ++hour)
            h->context->Alarms[hour - 9] = AlarmRecord{static_cast<float>(hour), 59, Description};
        h->context->form<frmMain>().GetRecordedTimes();
        h->context->form<frmRemove>().GetAlarmList();
    }
};

void tst_AlarmLineViews::longestTextShowsWhole_data()
{
    QTest::addColumn<int>("view");
    QTest::newRow("main list") << 0;
    QTest::newRow("remove list") << 1;
    QTest::newRow("record box") << 2;
    QTest::newRow("edit box") << 3;
}

void tst_AlarmLineViews::longestTextShowsWhole()
{
    QFETCH(int, view);
    modMain& context = *h->context;
    QWidget* const views[] = {context.form<frmMain>().lstAlarmTimes, context.form<frmRemove>().lstAlarmList,
                              context.form<frmRecordNewTime>().txtShortDescription,
                              context.form<frmEdit>().txtShortDescription};
    views[view]->window()->show();
    QVERIFY(QTest::qWaitForWindowExposed(views[view]->window()));

    if (auto* list = qobject_cast<QListWidget*>(views[view])) {
        list->doItemsLayout();
        QVERIFY(list->verticalScrollBar()->isVisible());
        QCOMPARE(list->horizontalScrollBar()->maximum(), 0);
        // The widest line, as the list's own items measure it, fits the visible part of the list.
        const int widest = list->sizeHintForColumn(0);
        QVERIFY(widest >= list->fontMetrics().horizontalAdvance(QStringLiteral("24:59 PM   -   ") + Description));
        QVERIFY(widest <= list->viewport()->width());
        return;
    }
    // The cursor after the text stands the text's width from where it stands in an empty box: any less
    // means the text scrolled and its first letters are hidden.
    auto* box = qobject_cast<QLineEdit*>(views[view]);
    box->clear();
    const int emptyCursor = cursorX(box);
    QTest::keyClicks(box, Description);
    QCOMPARE(box->text(), Description);
    QVERIFY(qAbs(cursorX(box) - emptyCursor - box->fontMetrics().horizontalAdvance(Description)) <= 1);
    QVERIFY(box->inputMethodQuery(Qt::ImCursorRectangle).toRect().right() <= box->contentsRect().right());
}

void tst_AlarmLineViews::removeKeepsTheChosenLineAcrossAnActivation()
{
    frmRemove& remove = h->context->form<frmRemove>();
    remove.show();
    QListWidgetItem* chosen = remove.lstAlarmList->item(3);
    remove.lstAlarmList->setCurrentItem(chosen);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&remove, &activate);
    QCOMPARE(remove.lstAlarmList->selectedItems().value(0), chosen);
}

QTEST_MAIN(tst_AlarmLineViews)
#include "tst_AlarmLineViews.moc"
