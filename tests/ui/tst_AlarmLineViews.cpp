#include "UiHarness.h"
#include "alarms/frmRemove.h"

namespace {

const QString Description(35, QLatin1Char('W'));

} // namespace

class tst_AlarmLineViews : public UiTest {
    Q_OBJECT
private slots:
    void removeKeepsTheChosenLineAcrossAnActivation();

private:
    void prepare() override
    {
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
