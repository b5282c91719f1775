#include "UiHarness.h"
#include "app/frmMain.h"
#include "led/LedSprites.h"
#include "settings/frmOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>

// Settings as short words: T2 is "Time Interval" 2; G graphical clock, C colour, D date format, S tray date,
// F date in the form caption.
static QStringList settings(const QString& words)
{
    static const QHash<QChar, QString> keys = {{'T', "Time Interval"},    {'G', "Graphical Clock on Startup"},
                                               {'C', "Clock Colour"},     {'D', "Date Format"},
                                               {'S', "System Tray Date"}, {'F', "Date in Form Caption"}};
    QStringList all;
    for (const QString& word : words.split(u' ', Qt::SkipEmptyParts))
        all << keys[word[0]] + u'=' + word.mid(1);
    return all;
}

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

private:
    frmMain& main() { return h->context->form<frmMain>(); }
    frmOptions& options() { return h->context->form<frmOptions>(); }
    void store(const QString& words)
    {
        for (const QString& setting : settings(words))
            h->storeSetting(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    }
    // Hour, LED box, colour, pattern, tray box, caption box; then the main caption and the LED's colour code.
    QString shown()
    {
        frmOptions& o = options();
        const auto mark = [](const QCheckBox* box) { return box->isChecked() ? "x" : "-"; };
        int led = 1;
        while (led < 5 && main().SegDigits != LedSprites::digitStrip(LedSprites::Colour(led)))
            ++led;
        return QStringList{o.opt24HR->isChecked() ? "24" : "12",
                           mark(o.chkGraphicalClockonStartup),
                           o.cmbClockColour->currentText(),
                           o.cmbDateFormat->currentText(),
                           mark(o.chkSystemTrayDate),
                           mark(o.chkFormCaption),
                           main().windowTitle(),
                           QString::number(led)}
            .join(u'|');
    }
};

void tst_frmOptions::load_data()
{
    QTest::addColumn<QStringList>("row"); // stored, what shows, what is written

    QTest::newRow("none") << QStringList{"", "12|-|Red (Default)|MMMM DD, YYYY|-|-|Tockwell|1", "C1 D1"};
    QTest::newRow("all on") << QStringList{"T2 G2 C2 D3 S2 F2", "24|x|Green|MM/DD/YYYY|x|x|Tockwell - 12/05/2026|2",
                                           "T2 G2 C2 D3 S2 F2"};
    QTest::newRow("pattern 2") << QStringList{"C4 D2 F2", "12|-|Orange|MMM DD, YYYY|-|x|Tockwell - Dec 05, 2026|4",
                                              "C4 D2 F2"};
    QTest::newRow("pattern 4") << QStringList{"G0 C3 D4 S0 F0", "12|-|Yellow|DD MMMM, YYYY|-|-|Tockwell|3", "C3 D4"};
    QTest::newRow("pattern 5") << QStringList{
        "D5 F2", "12|-|Red (Default)|DDDD DD MMMM, YYYY|-|x|Tockwell - Saturday 05 December, 2026|1", "C1 D5 F2"};
    QTest::newRow("colour 6, pattern 0") << QStringList{"C6 D0", "12|-|||-|-|Tockwell|5", ""};
    QTest::newRow("time interval 7") << QStringList{"T7", "24|-|Red (Default)|MMMM DD, YYYY|-|-|Tockwell|1",
                                                    "T2 C1 D1"};
}

void tst_frmOptions::load()
{
    QFETCH(QStringList, row);
    store(row[0]);
    // Picked earlier in the run without being stored: the load puts the stored ones back.
    main().ApplyClockColour(5);
    h->context->DateFormat.clear();

    QCOMPARE(shown(), row[1]);
    QCOMPARE(h->fakes.settings.writes, settings(row[2]));
    QVERIFY(!options().isVisible());
    QCOMPARE(options().sstMain->currentIndex(), 0);
    QCOMPARE(h->context->DateFormat, options().cmbDateFormat->currentText());
    QCOMPARE(options().lblCurrentVersion->text() + options().lblVersionAvailable->text(), "1.0.0Unknown");
}

void tst_frmOptions::userChanges_data()
{
    // Stored before; the list entry picked, or none to click the control the row names first; what is
    // written; the main caption and the LED's colour code after.
    QTest::addColumn<QStringList>("row");

    QTest::newRow("chkFormCaption on") << QStringList{"", "", "F2", "Tockwell - December 05, 2026", "1"};
    QTest::newRow("chkFormCaption off") << QStringList{"F2", "", "F1", "Tockwell", "1"};
    QTest::newRow("cmbClockColour Orange") << QStringList{"", "Orange", "C4", "Tockwell", "4"};
    QTest::newRow("cmbClockColour Yellow") << QStringList{"", "Yellow", "C3", "Tockwell", "3"};
    QTest::newRow("cmbDateFormat, no caption") << QStringList{"", "MM/DD/YYYY", "D3", "Tockwell", "1"};
    QTest::newRow("cmbDateFormat, caption")
        << QStringList{"F2", "DD MMMM, YYYY", "D4", "Tockwell - 05 December, 2026", "1"};
    QTest::newRow("opt24HR") << QStringList{"", "", "T2", "Tockwell", "1"};
    QTest::newRow("chkGraphicalClockonStartup") << QStringList{"", "", "G2", "Tockwell", "1"};
    QTest::newRow("chkSystemTrayDate") << QStringList{"", "", "S2", "Tockwell", "1"};
}

void tst_frmOptions::userChanges()
{
    QFETCH(QStringList, row);
    store(row[0]);
    const bool mainTwelveHour = main().opt12HR->isChecked();
    frmOptions& o = options();
    const QHash<QString, QWidget*> controls = {
        {"chkFormCaption", o.chkFormCaption},       {"cmbClockColour", o.cmbClockColour},
        {"cmbDateFormat", o.cmbDateFormat},         {"opt24HR", o.opt24HR},
        {"chkSystemTrayDate", o.chkSystemTrayDate}, {"chkGraphicalClockonStartup", o.chkGraphicalClockonStartup}};
    QWidget* control = controls[QString::fromLatin1(QTest::currentDataTag()).section(QRegularExpression("[ ,]"), 0, 0)];
    h->fakes.settings.writes.clear();

    if (auto* list = qobject_cast<QComboBox*>(control))
        list->setCurrentIndex(list->findText(row[1]));
    else
        qobject_cast<QAbstractButton*>(control)->click();
    QCOMPARE(h->fakes.settings.writes, settings(row[2]));
    QCOMPARE(shown().section(u'|', 6), row[3] + u'|' + row[4]);
    QCOMPARE(main().opt12HR->isChecked(), mainTwelveHour);

    // What the user set is what the next opening of the window, and the next start, find.
    const QString pattern = h->context->DateFormat;
    const QString before = shown();
    h->context->unload<frmOptions>();
    QCOMPARE(shown(), before);
    h->restart();
    QCOMPARE(shown().section(u'|', 0, 5), before.section(u'|', 0, 5));
    QCOMPARE(h->context->DateFormat, pattern);
}

void tst_frmOptions::restoreToDefault_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void tst_frmOptions::restoreToDefault()
{
    QFETCH(bool, yes);
    store("T2 G2 C2 D3 S2 F2");
    const QString before = shown();
    h->fakes.settings.writes.clear();
    h->fakes.messages.expect("Are you sure you wish to reset all settings back to default?",
                             yes ? MsgBox::Yes : MsgBox::No);
    if (yes)
        h->fakes.messages.expect("All settings were successfully restored to default values.");
    options().cmdRestoretoDefault->click();

    QCOMPARE(h->fakes.messages.calls.at(0).style, MsgBox::YesNo | MsgBox::Question);
    QCOMPARE(h->fakes.messages.calls.last().style,
             yes ? MsgBox::OkOnly | MsgBox::Information : MsgBox::YesNo | MsgBox::Question);
    // Each store, then its control's handler storing the same value again.
    QCOMPARE(h->fakes.settings.writes, settings(yes ? "G1 G1 T1 T1 C1 C1 D1 D1 S1 S1 F1 F1" : ""));
    QCOMPARE(shown(), yes ? "12|-|Red (Default)|MMMM DD, YYYY|-|-|Tockwell|1" : before);
    QCOMPARE(h->context->DateFormat, yes ? "MMMM DD, YYYY" : "MM/DD/YYYY");
    QVERIFY(main().opt24HR->isChecked());
}

QTEST_MAIN(tst_frmOptions)
#include "tst_frmOptions.moc"
