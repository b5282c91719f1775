#include "UiHarness.h"
#include "alarms/frmEdit.h"
#include "alarms/frmRecordNewTime.h"
#include "alarms/frmRemove.h"
#include "app/AppInfo.h"
#include "app/frmMain.h"
#include "engine/frmAlarm.h"
#include "led/LedSurface.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

// The program among other programs: a later start brings it forward, and every window serves
// keyboard and screen-reader users.
class tst_desktop : public UiTest {
    Q_OBJECT
private slots:
    void laterStartBringsTheWindowBackFromTheTray();
    void controlsReachableAndNamed_data();
    void controlsReachableAndNamed();
    void ledReadsTheTime();
    void webLinkFollowsTheKeyboard();

private:
    enum class Window { Main, Alarm, Record, Edit, Remove };
    frmMain& main() { return h->context->form<frmMain>(); }
    QWidget& open(Window which)
    {
        switch (which) {
        case Window::Main:
            return main();
        case Window::Alarm:
            return h->context->form<frmAlarm>();
        case Window::Record:
            return h->context->form<frmRecordNewTime>();
        case Window::Edit:
            return h->context->form<frmEdit>();
        case Window::Remove:
            break;
        }
        return h->context->form<frmRemove>();
    }
};

void tst_desktop::laterStartBringsTheWindowBackFromTheTray()
{
    main().show();
    h->context->tray().AddTrayIcon(QStringLiteral("Tockwell"));
    main().setWindowState(Qt::WindowMinimized);
    main().hide();
    main().bringToFront();
    QVERIFY(main().isVisible());
    QVERIFY(!main().isMinimized());
    QVERIFY(!h->fakes.tray.shown);
}

void tst_desktop::controlsReachableAndNamed_data()
{
    QTest::addColumn<Window>("which");
    QTest::newRow("main") << Window::Main;
    QTest::newRow("alarm") << Window::Alarm;
    QTest::newRow("record") << Window::Record;
    QTest::newRow("edit") << Window::Edit;
    QTest::newRow("remove") << Window::Remove;
}

void tst_desktop::controlsReachableAndNamed()
{
    QFETCH(Window, which);
    QWidget& window = open(which);
    const QList<QWidget*> controls = window.findChildren<QWidget*>();
    QStringList names;
    for (QWidget* control : controls) {
        if (!qobject_cast<QAbstractButton*>(control) && !qobject_cast<QComboBox*>(control) &&
            !qobject_cast<QLineEdit*>(control) && !qobject_cast<QAbstractItemView*>(control))
            continue;
        if (qobject_cast<QLineEdit*>(control->parentWidget()) || qobject_cast<QComboBox*>(control->parentWidget()))
            continue; // a part of a control, not a control
        const QString what = control->metaObject()->className() + QStringLiteral(" ") + control->toolTip();
        QVERIFY2(control->focusPolicy() & Qt::TabFocus, qPrintable(what + QStringLiteral(": no Tab stop")));
        const QString name = QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
        QVERIFY2(!name.isEmpty() && !names.contains(name), qPrintable(what + QStringLiteral(": no name of its own")));
        names << name;
        const auto* button = qobject_cast<QAbstractButton*>(control);
        if (button && button->text().isEmpty())
            QCOMPARE(name, button->toolTip());
    }
    QVERIFY(!names.isEmpty());
}

void tst_desktop::ledReadsTheTime()
{
    h->fakes.clock.set(QDateTime(QDate(2026, 12, 5), QTime(21, 7, 5)));
    main().timTimers_Timer();
    QAccessibleInterface* led = QAccessible::queryAccessibleInterface(main().LED_Clock);
    QCOMPARE(led->text(QAccessible::Name), QStringLiteral("Graphical clock"));
    QCOMPARE(led->text(QAccessible::Description), QStringLiteral("09:07:05"));
    main().opt24HR->setChecked(true);
    main().timTimers_Timer();
    QCOMPARE(led->text(QAccessible::Description), QStringLiteral("21:07:05"));
}

void tst_desktop::webLinkFollowsTheKeyboard()
{
    QVERIFY(main().lblWebLink->focusPolicy() & Qt::TabFocus);
    QTest::keyClick(main().lblWebLink, Qt::Key_Return);
    QTest::keyClick(main().lblWebLink, Qt::Key_Space);
    QCOMPARE(h->fakes.shell.opened, QStringList({AppInfo::WebAddress, AppInfo::WebAddress}));
}

QTEST_MAIN(tst_desktop)
#include "tst_desktop.moc"
