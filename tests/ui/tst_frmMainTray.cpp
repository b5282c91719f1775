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
    void menuEntries();
    void noNotificationArea();
    void links_data();
    void links();

private:
    frmMain& shownMain()
    {
        frmMain& main = h->context->form<frmMain>();
        main.show();
        return main;
    }
    bool inTray(const frmMain& main) { return main.isHidden() && main.isMinimized() && h->fakes.tray.shown; }
    static QColor colour(const QLabel* label) { return label->palette().color(QPalette::WindowText); }
    // A pointer move with no button down, passed on to the parents the way the desktop's would be.
    static void movePointer(QWidget* widget, QPoint at)
    {
        QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }
};

void tst_frmMainTray::putAway_data()
{
    QTest::addColumn<QString>("trayDate");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("tip");

    QTest::newRow("no date") << "1"
                             << "5"
                             << "Tockwell";
    QTest::newRow("date") << "2"
                          << "5"
                          << "Tockwell - Saturday 05 December, 2026";
    QTest::newRow("another pattern") << "2"
                                     << "3"
                                     << "Tockwell - 12/05/2026";
}

void tst_frmMainTray::putAway()
{
    QFETCH(QString, trayDate);
    QFETCH(QString, pattern);
    QFETCH(QString, tip);
    h->storeSetting(QStringLiteral("System Tray Date"), trayDate);
    h->storeSetting(QStringLiteral("Date Format"), pattern);
    frmMain& main = shownMain();
    h->context->DateFormat = QStringLiteral("DD MMMM, YYYY");

    main.cmdMinimize->click();
    QVERIFY(inTray(main));
    QCOMPARE(h->fakes.tray.tips, QStringList{tip});
    // Asked for its tray-date box, the Options window loaded hidden; opening it later only shows it.
    frmOptions* options = &h->context->form<frmOptions>();
    QVERIFY(!options->isVisible());
    const qsizetype writes = h->fakes.settings.writes.size();
    options->sstMain->setCurrentIndex(2);
    main.cmdOptions->click();
    QCOMPARE(&h->context->form<frmOptions>(), options);
    QVERIFY(options->isVisible());
    QCOMPARE(options->sstMain->currentIndex(), 2);
    QCOMPARE(h->fakes.settings.writes.size(), writes);

    // The tip is made when the icon is added, cut to 63 characters, and kept after the icon goes.
    main.Restore();
    h->context->tray().AddTrayIcon(QString(62, u'x') + QStringLiteral("\U0001F514 and more"));
    QCOMPARE(h->fakes.tray.tips.last(), QString(62, u'x'));
    h->context->tray().AddTrayIcon(QString(70, u'y'));
    h->context->tray().RemoveTrayIcon();
    QCOMPARE(h->context->tray().tipText(), QString(63, u'y'));
}

void tst_frmMainTray::iconEvents_data()
{
    QTest::addColumn<TrayService::Event>("event");
    QTest::addColumn<bool>("restored");
    QTest::addColumn<bool>("menu");

    QTest::newRow("left double-click") << TrayService::Event::LeftDoubleClick << true << false;
    QTest::newRow("right double-click") << TrayService::Event::RightDoubleClick << true << false;
    QTest::newRow("right button") << TrayService::Event::RightRelease << false << true;
    QTest::newRow("single click") << TrayService::Event::Other << false << false;
}

void tst_frmMainTray::iconEvents()
{
    QFETCH(TrayService::Event, event);
    QFETCH(bool, restored);
    QFETCH(bool, menu);
    frmMain& main = shownMain();
    main.cmdMinimize_Click();

    h->fakes.tray.fire(event);
    QCOMPARE(inTray(main), !restored);
    QCOMPARE(main.isVisible() && !main.isMinimized(), restored);
    QCOMPARE(main.mnuForm->isVisible(), menu);
    main.mnuForm->hide();
}

void tst_frmMainTray::menuEntries()
{
    frmMain& main = shownMain();
    QStringList captions;
    for (const QAction* entry : main.mnuForm->actions())
        captions << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
    QCOMPARE(captions, QStringList({"Hide/Show Tockwell", "-", "Fernhollow Website", "-", "Exit Tockwell"}));

    // Show never hides.
    main.mnuShow->trigger();
    QVERIFY(main.isVisible() && !h->fakes.tray.shown);
    // The web site opens; the label is left as it was.
    const QColor before = colour(main.lblWebLink);
    main.mnuWebsite->trigger();
    QCOMPARE(h->fakes.shell.opened, QStringList{AppAddresses::Web});
    QCOMPARE(colour(main.lblWebLink), before);
    // Exit from the tray: the window comes back and the program ends, without a question.
    main.cmdMinimize_Click();
    main.mnuExit->trigger();
    QVERIFY(main.isVisible() && !h->fakes.tray.shown);
    QCOMPARE(h->fakes.programEnd.ends, 1);
}

void tst_frmMainTray::noNotificationArea()
{
    frmMain& main = shownMain();
    h->fakes.tray.available = false;
    main.cmdMinimize_Click();
    QVERIFY(main.isVisible() && main.isMinimized());
    QVERIFY(h->fakes.tray.tips.isEmpty());

    // The area goes away while the window is in it: the window comes back.
    main.setWindowState(Qt::WindowNoState);
    h->fakes.tray.available = true;
    main.cmdMinimize_Click();
    QVERIFY(inTray(main));
    h->fakes.tray.loseArea();
    QVERIFY(main.isVisible() && !h->fakes.tray.shown);
}

void tst_frmMainTray::links_data()
{
    QTest::addColumn<int>("link"); // 0 the main window's, 1 and 2 the Options window's web and e-mail links
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
    QWidget* surface = &shownMain();
    QLabel* label = h->context->form<frmMain>().lblWebLink;
    if (link > 0) {
        frmOptions& options = h->context->form<frmOptions>();
        options.show();
        options.sstMain->setCurrentIndex(4);
        surface = options.sstMain->currentWidget();
        label = link == 1 ? options.lblWebLink : options.lblEmailLink;
    }
    QVERIFY(QTest::qWaitForWindowExposed(surface->window()));
    const QColor normal(128, 0, 0);
    QCOMPARE(colour(label), normal);
    QVERIFY(label->font().underline());

    movePointer(label, QPoint(2, 2));
    QCOMPARE(colour(label), QColor(192, 0, 0));
    // Pressed on the link, released off it: nothing opens.
    QTest::mousePress(label, Qt::LeftButton);
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(-4, -4));
    QVERIFY(h->fakes.shell.opened.isEmpty());

    h->fakes.shell.succeeds = opens;
    if (!opens)
        h->fakes.messages.expect(QStringLiteral("No program is set up to open this address:\n") + address);
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(h->fakes.shell.opened, QStringList{address});
    QCOMPARE(colour(label), QColor(255, 255, 255));
    if (!opens)
        QCOMPARE(h->fakes.messages.calls.at(0).style, MsgBox::OkOnly | MsgBox::Information);
    movePointer(surface, QPoint(2, surface->height() - 2));
    QCOMPARE(colour(label), normal);
}

QTEST_MAIN(tst_frmMainTray)
#include "tst_frmMainTray.moc"
