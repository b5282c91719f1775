#include "AppAddresses.h"
#include "UiHarness.h"
#include "app/frmMain.h"
#include "settings/frmOptions.h"

#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QToolButton>

Q_DECLARE_METATYPE(TrayService::Event)

class tst_frmMainTray : public UiTest {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void putAway_data();
    void putAway();
    void iconEvents_data();
    void iconEvents();
    void menuAndNoTray();
    void links_data();
    void links();

private:
    frmMain& main()
    {
        frmMain& main = h->context->form<frmMain>();
        if (!main.isVisible() && !h->fakes.tray.shown)
            main.show();
        return main;
    }
    bool inTray() { return main().isHidden() && main().isMinimized() && h->fakes.tray.shown; }
    bool back() { return main().isVisible() && !main().isMinimized() && !h->fakes.tray.shown; }
    static QColor colour(const QLabel* label) { return label->palette().color(QPalette::WindowText); }
};

void tst_frmMainTray::putAway_data()
{
    QTest::addColumn<QString>("trayDate");
    QTest::addColumn<QString>("tip");
    QTest::newRow("no date") << "1"
                             << "Tockwell";
    QTest::newRow("date") << "2"
                          << "Tockwell - 12/05/2026";
}

void tst_frmMainTray::putAway()
{
    QFETCH(QString, trayDate);
    QFETCH(QString, tip);
    h->storeSetting("System Tray Date", trayDate);
    h->storeSetting("Date Format", "3");
    main().cmdMinimize->click();
    QVERIFY(inTray());
    QCOMPARE(h->fakes.tray.tips, QStringList{tip});

    // Asked for its tray-date box, the Options window loaded hidden; opening it later only shows it.
    frmOptions* options = &h->context->form<frmOptions>();
    QVERIFY(!options->isVisible());
    options->sstMain->setCurrentIndex(2);
    main().cmdOptions->click();
    QVERIFY(options->isVisible() && options->sstMain->currentIndex() == 2);

    // The tip is cut to 63 characters, never inside a character, and kept after the icon goes.
    h->context->tray().AddTrayIcon(QString(62, u'x') + QStringLiteral("\U0001F514"));
    QCOMPARE(h->fakes.tray.tips.last(), QString(62, u'x'));
    h->context->tray().AddTrayIcon(QString(70, u'y'));
    h->context->tray().RemoveTrayIcon();
    QCOMPARE(h->context->tray().tipText(), QString(63, u'y'));
}

void tst_frmMainTray::iconEvents_data()
{
    QTest::addColumn<TrayService::Event>("event");
    QTest::addColumn<bool>("restored");
    QTest::newRow("left double-click") << TrayService::Event::LeftDoubleClick << true;
    QTest::newRow("right double-click") << TrayService::Event::RightDoubleClick << true;
    QTest::newRow("right button") << TrayService::Event::RightRelease << false;
    QTest::newRow("single click") << TrayService::Event::Other << false;
}

void tst_frmMainTray::iconEvents()
{
    QFETCH(TrayService::Event, event);
    QFETCH(bool, restored);
    main().cmdMinimize_Click();
    h->fakes.tray.fire(event);
    QCOMPARE(back(), restored);
    QCOMPARE(inTray(), !restored);
    QCOMPARE(main().mnuForm->isVisible(), event == TrayService::Event::RightRelease);
}

void tst_frmMainTray::menuAndNoTray()
{
    // No notification area: minimised to the task bar, no icon.
    h->fakes.tray.available = false;
    main().cmdMinimize_Click();
    QVERIFY(main().isVisible() && main().isMinimized() && h->fakes.tray.tips.isEmpty());
    main().setWindowState(Qt::WindowNoState);
    // The area going away brings the window back.
    h->fakes.tray.available = true;
    main().cmdMinimize_Click();
    h->fakes.tray.loseArea();
    QVERIFY(back());
    // Show only ever shows; Exit restores and ends the program without a question (the harness fails
    // on any message box).
    main().mnuShow->trigger();
    QVERIFY(back());
    main().cmdMinimize_Click();
    main().mnuExit->trigger();
    QVERIFY(back() && h->fakes.programEnd.ends == 1);
}

void tst_frmMainTray::links_data()
{
    QTest::addColumn<int>("link"); // the main window's; the Options window's web and e-mail links
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("opens");
    QTest::newRow("main") << 0 << AppAddresses::Web << true;
    QTest::newRow("Options, web") << 1 << AppAddresses::Web << true;
    QTest::newRow("Options, e-mail") << 2 << "mailto:" + AppAddresses::SupportEmail << true;
    QTest::newRow("no program for it") << 0 << AppAddresses::Web << false;
}

void tst_frmMainTray::links()
{
    QFETCH(int, link);
    QFETCH(QString, address);
    QFETCH(bool, opens);
    QWidget* surface = &main();
    QLabel* label = main().lblWebLink;
    if (link > 0) {
        frmOptions& options = h->context->form<frmOptions>();
        options.show();
        options.sstMain->setCurrentIndex(4);
        surface = options.sstMain->currentWidget();
        label = link == 1 ? options.lblWebLink : options.lblEmailLink;
    }
    QVERIFY(QTest::qWaitForWindowExposed(surface->window()));
    QTest::mouseMove(label);
    QCOMPARE(colour(label), QColor(192, 0, 0));
    // Pressed on the link, released off it: nothing opens.
    QTest::mousePress(label, Qt::LeftButton);
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(-4, -4));
    QVERIFY(h->fakes.shell.opened.isEmpty());

    h->fakes.shell.succeeds = opens;
    if (!opens)
        h->fakes.messages.expect("No program is set up to open this address:\n" + address);
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(h->fakes.shell.opened, QStringList{address});
    QCOMPARE(colour(label), QColor(255, 255, 255));
    // The window's surface (in the Options window, the tab control's) sets the link back.
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), surface->mapToGlobal(QPointF(2, 2)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(surface, &move);
    QCOMPARE(colour(label), QColor(128, 0, 0));
}

QTEST_MAIN(tst_frmMainTray)
#include "tst_frmMainTray.moc"
