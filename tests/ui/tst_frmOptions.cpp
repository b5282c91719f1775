#include "UiHarness.h"
#include "app/frmMain.h"
#include "settings/frmOptions.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

namespace {

const QStringList Keys = {"Time Interval", "Graphical Clock on Startup", "Clock Colour",
                          "Date Format",   "System Tray Date",           "Date in Form Caption"};

// The controls that hold a setting, in the order of Keys: "x" checked, "-" not.
QString shown(const frmOptions& options)
{
    const auto mark = [](const QCheckBox* box) { return box->isChecked() ? QStringLiteral("x") : QStringLiteral("-"); };
    return QStringList{options.opt24HR->isChecked() ? "24" : "12",
                       mark(options.chkGraphicalClockonStartup),
                       options.cmbClockColour->currentText(),
                       options.cmbDateFormat->currentText(),
                       mark(options.chkSystemTrayDate),
                       mark(options.chkFormCaption)}
        .join(u'|');
}

QString ledColour(const frmMain& main)
{
    const std::pair<const QImage*, const char*> strips[] = {{&main.SegDigits_Red, "red"},
                                                            {&main.SegDigits_Green, "green"},
                                                            {&main.SegDigits_Yellow, "yellow"},
                                                            {&main.SegDigits_Orange, "orange"},
                                                            {&main.SegDigits_Brown, "brown"}};
    for (const auto& [strip, name] : strips)
        if (main.SegDigits == *strip)
            return QString::fromLatin1(name);
    return {};
}

} // namespace

class tst_frmOptions : public UiTest {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void load_data();
    void load();
    void userChanges_data();
    void userChanges();
    void restoreToDefault_data();
    void restoreToDefault();
    void keyboardAndNames();

private:
    frmMain& main() { return h->context->form<frmMain>(); }
    frmOptions& reopen()
    {
        h->context->unload<frmOptions>();
        return h->context->form<frmOptions>();
    }
    void store(const QStringList& values)
    {
        for (qsizetype i = 0; i < values.size(); ++i)
            h->storeSetting(Keys[i], values[i]);
    }
};

void tst_frmOptions::load_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QString>("controls");
    QTest::addColumn<QStringList>("writes");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("led");

    QTest::newRow("nothing stored") << QStringList{} << "12|-|Red (Default)|MMMM DD, YYYY|-|-"
                                    << QStringList{"Clock Colour=1", "Date Format=1"} << "Tockwell"
                                    << "red";
    QTest::newRow("all on") << QStringList{"2", "2", "2", "3", "2", "2"} << "24|x|Green|MM/DD/YYYY|x|x"
                            << QStringList{"Time Interval=2", "Graphical Clock on Startup=2", "Clock Colour=2",
                                           "Date Format=3",   "System Tray Date=2",           "Date in Form Caption=2"}
                            << "Tockwell - 12/05/2026"
                            << "green";
    QTest::newRow("pattern 2") << QStringList{"1", "1", "4", "2", "1", "2"} << "12|-|Orange|MMM DD, YYYY|-|x"
                               << QStringList{"Clock Colour=4", "Date Format=2", "Date in Form Caption=2"}
                               << "Tockwell - Dec 05, 2026"
                               << "orange";
    QTest::newRow("pattern 4") << QStringList{"1", "0", "3", "4", "0", "0"} << "12|-|Yellow|DD MMMM, YYYY|-|-"
                               << QStringList{"Clock Colour=3", "Date Format=4"} << "Tockwell"
                               << "yellow";
    QTest::newRow("pattern 5") << QStringList{"1", "1", "1", "5", "1", "2"}
                               << "12|-|Red (Default)|DDDD DD MMMM, YYYY|-|x"
                               << QStringList{"Clock Colour=1", "Date Format=5", "Date in Form Caption=2"}
                               << "Tockwell - Saturday 05 December, 2026"
                               << "red";
    QTest::newRow("colour 6, pattern 0") << QStringList{"1", "1", "6", "0"} << "12|-|||-|-" << QStringList{}
                                         << "Tockwell"
                                         << "brown";
    QTest::newRow("time interval 7") << QStringList{"7"} << "24|-|Red (Default)|MMMM DD, YYYY|-|-"
                                     << QStringList{"Time Interval=2", "Clock Colour=1", "Date Format=1"} << "Tockwell"
                                     << "red";
}

void tst_frmOptions::load()
{
    QFETCH(QStringList, stored);
    QFETCH(QString, controls);
    QFETCH(QStringList, writes);
    QFETCH(QString, caption);
    QFETCH(QString, led);

    store(stored);
    // Picked earlier in the run without being stored: the load puts the stored ones back.
    main().ApplyClockColour(5);
    h->context->DateFormat.clear();

    frmOptions& options = h->context->form<frmOptions>();
    QVERIFY(!options.isVisible());
    QCOMPARE(options.sstMain->currentIndex(), 0);
    QCOMPARE(shown(options), controls);
    QCOMPARE(h->fakes.settings.writes, writes);
    QCOMPARE(main().windowTitle(), caption);
    QCOMPARE(ledColour(main()), led);
    QCOMPARE(h->context->DateFormat, options.cmbDateFormat->currentText());
    QCOMPARE(options.lblCurrentVersion->text(), QStringLiteral("1.0.0"));
    QCOMPARE(options.lblVersionAvailable->text(), QStringLiteral("Unknown"));
}

void tst_frmOptions::userChanges_data()
{
    QTest::addColumn<bool>("dated"); // "Date in Form Caption" stored as 2 beforehand
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("choice"); // a list entry, or empty for a click
    QTest::addColumn<QStringList>("writes");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("led");

    QTest::newRow("caption on") << false << "chkFormCaption"
                                << "" << QStringList{"Date in Form Caption=2"} << "Tockwell - December 05, 2026"
                                << "red";
    QTest::newRow("caption off") << true << "chkFormCaption"
                                 << "" << QStringList{"Date in Form Caption=1"} << "Tockwell"
                                 << "red";
    QTest::newRow("Orange") << false << "cmbClockColour"
                            << "Orange" << QStringList{"Clock Colour=4"} << "Tockwell"
                            << "orange";
    QTest::newRow("Yellow") << false << "cmbClockColour"
                            << "Yellow" << QStringList{"Clock Colour=3"} << "Tockwell"
                            << "yellow";
    QTest::newRow("pattern, caption off") << false << "cmbDateFormat"
                                          << "MM/DD/YYYY" << QStringList{"Date Format=3"} << "Tockwell"
                                          << "red";
    QTest::newRow("pattern, caption on") << true << "cmbDateFormat"
                                         << "DD MMMM, YYYY" << QStringList{"Date Format=4"}
                                         << "Tockwell - 05 December, 2026"
                                         << "red";
    QTest::newRow("24 hour") << false << "opt24HR"
                             << "" << QStringList{"Time Interval=2"} << "Tockwell"
                             << "red";
    QTest::newRow("LED at start") << false << "chkGraphicalClockonStartup"
                                  << "" << QStringList{"Graphical Clock on Startup=2"} << "Tockwell"
                                  << "red";
    QTest::newRow("tray date") << false << "chkSystemTrayDate"
                               << "" << QStringList{"System Tray Date=2"} << "Tockwell"
                               << "red";
}

void tst_frmOptions::userChanges()
{
    QFETCH(bool, dated);
    QFETCH(QString, control);
    QFETCH(QString, choice);
    QFETCH(QStringList, writes);
    QFETCH(QString, caption);
    QFETCH(QString, led);

    if (dated)
        h->storeSetting(QStringLiteral("Date in Form Caption"), QStringLiteral("2"));
    const bool mainTwelveHour = main().opt12HR->isChecked();
    frmOptions* options = &h->context->form<frmOptions>();
    options->show();
    h->fakes.settings.writes.clear();

    const QHash<QString, QWidget*> controls = {{"chkFormCaption", options->chkFormCaption},
                                               {"cmbClockColour", options->cmbClockColour},
                                               {"cmbDateFormat", options->cmbDateFormat},
                                               {"opt24HR", options->opt24HR},
                                               {"chkSystemTrayDate", options->chkSystemTrayDate},
                                               {"chkGraphicalClockonStartup", options->chkGraphicalClockonStartup}};
    if (auto* list = qobject_cast<QComboBox*>(controls[control]))
        list->setCurrentIndex(list->findText(choice));
    else
        qobject_cast<QAbstractButton*>(controls[control])->click();

    QCOMPARE(h->fakes.settings.writes, writes);
    QCOMPARE(main().windowTitle(), caption);
    QCOMPARE(ledColour(main()), led);
    QCOMPARE(main().opt12HR->isChecked(), mainTwelveHour);
    const QString pattern = h->context->DateFormat;
    // What the user set is what the next opening of the window, and the next start, find.
    const QString controlsShown = shown(*options);
    options = &reopen();
    QCOMPARE(shown(*options), controlsShown);
    QCOMPARE(h->context->DateFormat, pattern);
    h->restart().form<frmMain>();
    QCOMPARE(h->context->DateFormat, pattern);
}

void tst_frmOptions::restoreToDefault_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("yes") << int(MsgBox::Yes);
    QTest::newRow("no") << int(MsgBox::No);
}

void tst_frmOptions::restoreToDefault()
{
    QFETCH(int, answer);
    store({"2", "2", "2", "3", "2", "2"});
    frmOptions& options = h->context->form<frmOptions>();
    options.show();
    h->fakes.settings.writes.clear();

    h->fakes.messages.expect(QStringLiteral("Are you sure you wish to reset all settings back to default?"), answer);
    if (answer == MsgBox::Yes)
        h->fakes.messages.expect(QStringLiteral("All settings were successfully restored to default values."));
    options.cmdRestoretoDefault->click();

    QCOMPARE(h->fakes.messages.calls.at(0).style, MsgBox::YesNo | MsgBox::Question);
    QVERIFY(main().opt24HR->isChecked());
    if (answer == MsgBox::No) {
        QVERIFY(h->fakes.settings.writes.isEmpty());
        QCOMPARE(shown(options), QStringLiteral("24|x|Green|MM/DD/YYYY|x|x"));
        QCOMPARE(main().windowTitle(), QStringLiteral("Tockwell - 12/05/2026"));
        QCOMPARE(ledColour(main()), QStringLiteral("green"));
        return;
    }
    QCOMPARE(h->fakes.messages.calls.at(1).style, MsgBox::OkOnly | MsgBox::Information);
    // Each store, then its control's handler storing the same value again.
    QStringList writes;
    for (const QString& key : {Keys[1], Keys[0], Keys[2], Keys[3], Keys[4], Keys[5]})
        writes << key + "=1" << key + "=1";
    QCOMPARE(h->fakes.settings.writes, writes);
    QCOMPARE(shown(options), QStringLiteral("12|-|Red (Default)|MMMM DD, YYYY|-|-"));
    QCOMPARE(main().windowTitle(), QStringLiteral("Tockwell"));
    QCOMPARE(ledColour(main()), QStringLiteral("red"));
    QCOMPARE(h->context->DateFormat, QStringLiteral("MMMM DD, YYYY"));
    QCOMPARE(options.sstMain->currentIndex(), 0);
}

void tst_frmOptions::keyboardAndNames()
{
    frmOptions& options = h->context->form<frmOptions>();
    options.show();
    QVERIFY(QTest::qWaitForWindowActive(&options));
    for (QWidget* control = options.nextInFocusChain(); control != &options; control = control->nextInFocusChain()) {
        if (!(control->focusPolicy() & Qt::TabFocus) || control->focusProxy())
            continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        QVERIFY2(accessible && !accessible->text(QAccessible::Name).isEmpty(), control->metaObject()->className());
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(options.sstMain->currentIndex(), 1);

    // The About tab: Tab reaches the web link, Enter opens it.
    options.sstMain->setCurrentIndex(4);
    options.sstMain->tabBar()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), options.lblWebLink);
    QTest::keyClick(options.lblWebLink, Qt::Key_Return);
    QCOMPARE(h->fakes.shell.opened.size(), 1);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!h->context->isLoaded<frmOptions>());
}

QTEST_MAIN(tst_frmOptions)
#include "tst_frmOptions.moc"
