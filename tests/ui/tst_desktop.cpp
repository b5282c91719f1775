#include "AppAddresses.h"
#include "UiHarness.h"
#include "alarms/frmEdit.h"
#include "alarms/frmRecordNewTime.h"
#include "alarms/frmRemove.h"
#include "app/frmMain.h"
#include "engine/frmAlarm.h"
#include "led/LedSurface.h"
#include "settings/frmOptions.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

// The program among other programs: a later start brings it forward, and every window serves
// keyboard and screen-reader users.
class tst_desktop : public UiTest {
    Q_OBJECT
private slots:
    void laterStartBringsTheWindowBackFromTheTray();
    void everyControlATabStopWithANameOfItsOwn();
    void ledReadsTheTime();
    void webLinkFollowsTheKeyboard();

private:
    frmMain& main() { return h->context->form<frmMain>(); }
};

void tst_desktop::laterStartBringsTheWindowBackFromTheTray()
{
    main().show();
    h->context->tray().AddTrayIcon(QStringLiteral("Tockwell"));
    main().setWindowState(Qt::WindowMinimized);
    main().hide();
    main().bringToFront();
    QVERIFY(main().isVisible() && !main().isMinimized());
    QVERIFY(!h->fakes.tray.shown);
}

void tst_desktop::everyControlATabStopWithANameOfItsOwn()
{
    modMain& c = *h->context;
    for (QWidget* window : QList<QWidget*>{&c.form<frmMain>(), &c.form<frmAlarm>(), &c.form<frmRecordNewTime>(),
                                           &c.form<frmEdit>(), &c.form<frmRemove>(), &c.form<frmOptions>()}) {
        QStringList names;
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const auto* button = qobject_cast<QAbstractButton*>(control);
            if (!button && !qobject_cast<QComboBox*>(control) && !qobject_cast<QAbstractItemView*>(control) &&
                !qobject_cast<QLineEdit*>(control))
                continue;
            if (qobject_cast<QComboBox*>(control->parentWidget()) || qobject_cast<QTabBar*>(control->parentWidget()) ||
                control->window() != window)
                continue; // the parts Qt builds into combo boxes and tab bars
            const QString name = QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
            const QString what = window->objectName() + QLatin1Char('/') + control->metaObject()->className() +
                                 QLatin1Char(' ') + name + control->toolTip();
            QVERIFY2(control->focusPolicy() & Qt::TabFocus, qPrintable(what + QStringLiteral(": no Tab stop")));
            QVERIFY2(!name.isEmpty() && !names.contains(name),
                     qPrintable(what + QStringLiteral(": no name of its own")));
            if (button && button->text().isEmpty())
                QCOMPARE(name, button->toolTip());
            names << name;
        }
        QVERIFY(!names.isEmpty());
    }
}

void tst_desktop::ledReadsTheTime()
{
    h->fakes.clock.set(QDateTime(QDate(2026, 12, 5), QTime(21, 7, 5)));
    QAccessibleInterface* led = QAccessible::queryAccessibleInterface(main().LED_Clock);
    QCOMPARE(led->text(QAccessible::Name), QStringLiteral("Graphical clock"));
    for (const auto& [mode, time] : {std::pair{main().opt12HR, "09:07:05"}, std::pair{main().opt24HR, "21:07:05"}}) {
        mode->setChecked(true);
        main().timTimers_Timer();
        QCOMPARE(led->text(QAccessible::Description), QString::fromLatin1(time));
    }
}

void tst_desktop::webLinkFollowsTheKeyboard()
{
    QVERIFY(main().lblWebLink->focusPolicy() & Qt::TabFocus);
    QTest::keyClick(main().lblWebLink, Qt::Key_Return);
    QTest::keyClick(main().lblWebLink, Qt::Key_Space);
    QCOMPARE(h->fakes.shell.opened, QStringList({AppAddresses::Web, AppAddresses::Web}));
}

QTEST_MAIN(tst_desktop)
#include "tst_desktop.moc"
