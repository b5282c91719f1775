#include "UiHarness.h"
#include "alarms/frmEdit.h"
#include "alarms/frmRecordNewTime.h"
#include "alarms/frmRemove.h"
#include "app/frmMain.h"

#include <QLineEdit>
#include <QScrollBar>

namespace {

const QString Description(MaxDescriptionLength, QLatin1Char('W'));

QRect cursorRect(const QLineEdit* box)
{
    return box->inputMethodQuery(Qt::ImCursorRectangle).toRect();
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
    }
    template <class W> W& shown()
    {
        W& window = h->context->form<W>();
        window.show();
        [&] { QVERIFY(QTest::qWaitForWindowExposed(&window)); }();
        return window;
    }
};

void tst_AlarmLineViews::longestTextShowsWhole_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("main list") << QStringLiteral("frmMain");
    QTest::newRow("remove list") << QStringLiteral("frmRemove");
    QTest::newRow("record box") << QStringLiteral("frmRecordNewTime");
    QTest::newRow("edit box") << QStringLiteral("frmEdit");
}

void tst_AlarmLineViews::longestTextShowsWhole()
{
    QFETCH(QString, window);
    QListWidget* list = nullptr;
    QLineEdit* box = nullptr;
    if (window == QLatin1String("frmMain")) {
        list = shown<frmMain>().lstAlarmTimes;
        h->context->form<frmMain>().GetRecordedTimes();
    } else if (window == QLatin1String("frmRemove")) {
        list = shown<frmRemove>().lstAlarmList;
        h->context->form<frmRemove>().GetAlarmList();
    } else if (window == QLatin1String("frmRecordNewTime")) {
        box = shown<frmRecordNewTime>().txtShortDescription;
    } else {
        box = shown<frmEdit>().txtShortDescription;
    }

    if (list) {
        list->doItemsLayout();
        QVERIFY(list->verticalScrollBar()->isVisible());
        const QString longest = QStringLiteral("24:59 PM   -   ") + Description;
        QVERIFY(!list->findItems(longest, Qt::MatchExactly).isEmpty());
        QCOMPARE(list->horizontalScrollBar()->maximum(), 0);
        // What the list's own delegate asks for its widest line fits the visible part of the list.
        QVERIFY(list->sizeHintForColumn(0) >= list->fontMetrics().horizontalAdvance(longest));
        QVERIFY2(list->sizeHintForColumn(0) <= list->viewport()->width(),
                 qPrintable(QStringLiteral("%1 > %2").arg(list->sizeHintForColumn(0)).arg(list->viewport()->width())));
        return;
    }
    // Where the cursor stands after the text, measured from where it stands in an empty box: any less
    // than the text's width means the text was scrolled and its first letters hidden.
    box->clear();
    box->grab();
    const int emptyCursor = cursorRect(box).center().x();
    QTest::keyClicks(box, Description);
    QCOMPARE(box->text(), Description);
    box->grab();
    const int travelled = cursorRect(box).center().x() - emptyCursor;
    const int textWidth = box->fontMetrics().horizontalAdvance(Description);
    QVERIFY2(qAbs(travelled - textWidth) <= 1, qPrintable(QStringLiteral("%1 vs %2").arg(travelled).arg(textWidth)));
    QVERIFY(cursorRect(box).right() <= box->contentsRect().right());
}

void tst_AlarmLineViews::removeKeepsTheChosenLineAcrossAnActivation()
{
    frmRemove& remove = shown<frmRemove>();
    remove.GetAlarmList();
    const QString chosen = QStringLiteral("13:59 PM   -   ") + Description;
    QListWidgetItem* item = remove.lstAlarmList->findItems(chosen, Qt::MatchExactly).value(0);
    QVERIFY(item);
    remove.lstAlarmList->setCurrentItem(item);

    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&remove, &activate);
    QCOMPARE(remove.lstAlarmList->selectedItems().value(0), item);

    // A table that changed meanwhile is listed afresh.
    h->context->Alarms[0] = AlarmRecord{7, 5, QStringLiteral("Wake up")};
    QApplication::sendEvent(&remove, &activate);
    QVERIFY(!remove.lstAlarmList->findItems(QStringLiteral("7:05 AM   -   Wake up"), Qt::MatchExactly).isEmpty());
}

QTEST_MAIN(tst_AlarmLineViews)
#include "tst_AlarmLineViews.moc"
