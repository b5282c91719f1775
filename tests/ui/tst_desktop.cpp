#include "AppAddresses.h"
#include "TestFiles.h"
#include "UiHarness.h"
#include "app/Accessibility.h"
#include "app/DisplayCheck.h"
#include "app/frmSplash.h"
#include "engine/frmAlarm.h"
#include "led/LedSprites.h"
#include "platform/QtDesktop.h"
#include "settings/VersionText.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMutex>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <QToolButton>

#include <csignal>
#include <optional>

#include <unistd.h>

Q_DECLARE_METATYPE(WebFetch::Result)

namespace {

const QString Folder = QStringLiteral("http://updates.test/tockwell/");
const QString Installer = Folder + QStringLiteral("install-tkwnova_update.exe");

// Settings as short words: T2 is "Time Interval" 2; G graphical clock, C colour, D date format, S tray date,
// F date in the form caption.
QStringList settings(const QString& words)
{
    static const QHash<QChar, QString> keys = {{'T', "Time Interval"},    {'G', "Graphical Clock on Startup"},
                                               {'C', "Clock Colour"},     {'D', "Date Format"},
                                               {'S', "System Tray Date"}, {'F', "Date in Form Caption"}};
    QStringList all;
    for (const QString& word : words.split(u' ', Qt::SkipEmptyParts))
        all << keys[word[0]] + u'=' + word.mid(1);
    return all;
}

QByteArray http(const QByteArray& status, const QByteArray& body, const QByteArray& headers = {})
{
    return "HTTP/1.1 " + status + "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n" + headers + "\r\n" +
           body;
}

// An HTTP server on 127.0.0.1: each path is answered with the raw bytes given for it; a path with
// none is never answered, and its connection stays open.
struct TestServer : QTcpServer {
    QHash<QByteArray, QByteArray> responses;
    TestServer()
    {
        listen(QHostAddress::LocalHost, 0);
        connect(this, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* socket = nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                const QByteArray path = socket->readAll().split(' ').value(1);
                if (responses.contains(path)) {
                    socket->write(responses.value(path));
                    socket->disconnectFromHost();
                }
            });
        });
    }
    QString url(const char* path) const { return QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(path); }
};

// A notification server on the session bus, answering on a thread of its own as a real one answers while the
// program waits: it numbers the notices it shows, and records each call, once answered, as "Notify <replaces>",
// "CloseNotification <id>" or "<method> 0".
struct NotificationServer : QDBusVirtualObject {
    QThread thread;
    mutable QMutex lock;
    QStringList calls;
    NotificationServer() { moveToThread(&thread), thread.start(); }
    ~NotificationServer() override { thread.quit(), thread.wait(); }
    QStringList heard() const { return QMutexLocker(&lock), calls; } // the lock held until the copy is made
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& call, const QDBusConnection& bus) override
    {
        const QMutexLocker locked(&lock);
        const bool notify = call.member() == u"Notify";
        const uint id = call.arguments().value(notify ? 1 : 0).toUInt();
        const bool sent = bus.send(call.createReply(notify && !id ? uint(calls.filter(u"Notify").size() + 1) : id));
        calls << call.member() + u' ' + QString::number(id);
        return sent;
    }
};

// Whether process `pid` has a wake-up timer (clock 8, CLOCK_REALTIME_ALARM) with `seconds` left, give or take 5,
// as the kernel records it.
bool timerAt(qint64 pid, int seconds)
{
    for (const QFileInfo& fd : QDir(QStringLiteral("/proc/%1/fdinfo").arg(pid)).entryInfoList(QDir::Files)) {
        const QByteArray info = readFile(fd.filePath());
        const QByteArray left = info.mid(info.indexOf("it_value: (") + 11).split(',')[0];
        if (info.contains("clockid: 8\n") && qAbs(left.toInt() - seconds) <= 5)
            return true;
    }
    return false;
}

} // namespace

// The program among other programs: the Options window and the update check it starts, the fetches from
// the web, the notification area, a later start, and the web and e-mail links.
class tst_desktop : public UiTest {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        qputenv("TOCKWELL_UPDATE_SERVER", "http://updates.test/");
        Accessibility::install();
    }
    void optionsLoad_data()
    {
        QTest::addColumn<QStringList>("row"); // stored, what shows, what is written

        QTest::newRow("none") << QStringList{"", "12|-|Red (Default)|MMMM DD, YYYY|-|-|Tockwell|1", "C1 D1"};
        QTest::newRow("all on") << QStringList{"T2 G2 C2 D3 S2 F2", "24|x|Green|MM/DD/YYYY|x|x|Tockwell - 12/05/2026|2",
                                               "T2 G2 C2 D3 S2 F2"};
        QTest::newRow("orange, pattern 5") << QStringList{
            "C4 D5 F2", "12|-|Orange|DDDD DD MMMM, YYYY|-|x|Tockwell - Saturday 05 December, 2026|4", "C4 D5 F2"};
        QTest::newRow("unknown codes") << QStringList{"T7 G0 C6 D0 S0 F0", "24|-|||-|-|Tockwell|5", "T2"};
    }

    void optionsLoad()
    {
        QFETCH(QStringList, row);
        for (const QString& setting : settings(row[0]))
            h->storeSetting(setting.section(u'=', 0, 0), setting.section(u'=', 1));
        // Picked earlier in the run without being stored: the load puts the stored ones back.
        main().ApplyClockColour(5);
        h->context->DateFormat.clear();

        QCOMPARE(shown(), row[1]);
        QCOMPARE(h->fakes.settings.writes, settings(row[2]));
        QCOMPARE(h->context->DateFormat, options().cmbDateFormat->currentText());
        QCOMPARE(options().lblCurrentVersion->text() + options().lblVersionAvailable->text(), "1.0.0Unknown");
    }

    void optionsChanged()
    {
        frmOptions& o = options();
        h->fakes.settings.writes.clear();
        o.chkFormCaption->click();
        QCOMPARE(main().windowTitle(), "Tockwell - December 05, 2026");
        o.cmbDateFormat->setCurrentIndex(o.cmbDateFormat->findText("DD MMMM, YYYY"));
        QCOMPARE(main().windowTitle(), "Tockwell - 05 December, 2026");
        o.chkFormCaption->click();
        o.cmbClockColour->setCurrentIndex(o.cmbClockColour->findText("Orange"));
        o.opt24HR->click();
        o.chkGraphicalClockonStartup->click();
        o.chkSystemTrayDate->click();
        QCOMPARE(h->fakes.settings.writes, settings("F2 D4 F1 C4 T2 G2 S2"));
        QCOMPARE(shown(), "24|x|Orange|DD MMMM, YYYY|x|-|Tockwell|4");
        // The hour setting is for the next start; the running clock keeps its own.
        QVERIFY(main().opt12HR->isChecked());
    }

    void restoreToDefault()
    {
        for (const QString& setting : settings("T2 G2 C2 D3 S2 F2"))
            h->storeSetting(setting.section(u'=', 0, 0), setting.section(u'=', 1));
        h->fakes.autostart.there = true;
        const QString before = shown();
        // Return presses no button the user is not on, least of all this one (its question defaults to Yes).
        options().show();
        QTest::keyClick(options().chkSystemTrayDate, Qt::Key_Return);
        const QString question = QStringLiteral("Are you sure you wish to reset all settings back to default?");
        h->fakes.messages.expect(question, MsgBox::No);
        options().cmdRestoretoDefault->click();
        QCOMPARE(shown(), before);

        h->fakes.settings.writes.clear();
        h->fakes.messages.expect(question, MsgBox::Yes);
        h->fakes.messages.expect("All settings were successfully restored to default values.");
        options().cmdRestoretoDefault->click();
        // Each store, then its control's handler storing the same value again.
        QCOMPARE(h->fakes.settings.writes, settings("G1 G1 T1 T1 C1 C1 D1 D1 S1 S1 F1 F1"));
        QCOMPARE(shown(), "12|-|Red (Default)|MMMM DD, YYYY|-|-|Tockwell|1");
        QCOMPARE(h->context->DateFormat, "MMMM DD, YYYY");
        // Not one of the six preferences: left as it was. Showing the entry that is there wrote nothing.
        QVERIFY(options().chkStartAtLogin->isChecked() && h->fakes.autostart.calls.isEmpty());
    }

    void startAtLogin()
    {
        QCheckBox* box = options().chkStartAtLogin;
        box->click();
        box->click();
        h->fakes.autostart.failure = QStringLiteral("Permission denied");
        h->fakes.messages.expect(QStringLiteral("Tockwell could not set itself to start when you log in."));
        box->click();
        // The box goes back to what is so, without trying again.
        QVERIFY(!box->isChecked());
        QCOMPARE(h->fakes.autostart.calls, QStringList({"write", "remove", "write"}));
        QCOMPARE(h->fakes.messages.calls.last().details, QStringLiteral("Permission denied"));
    }

    // Waking the computer: on by default and kept beside the six options (Restore to Default leaves it, and the snooze
    // length: seven choices, ten minutes unless one of them is stored); off, no wake-up; greyed with the reason where
    // waking cannot work, and ungreyed once it works again.
    void wakeFromSleep()
    {
        main();
        h->context->Alarms.record({7, 0, QStringLiteral("x")});
        h->fakes.settings.values.insert(UiHarness::Application + "/Desktop/Snooze Minutes", "7");
        QCheckBox* box = options().chkWakeFromSleep;
        QVERIFY(box->isChecked() && box->isEnabled() && box->toolTip().isEmpty());
        box->click();
        QComboBox* snooze = options().cmbSnooze;
        QStringList lengths;
        for (int i = 0; i < snooze->count(); ++i)
            lengths << (i == snooze->currentIndex() ? "[" + snooze->itemText(i) + "]" : snooze->itemText(i));
        QCOMPARE(lengths.join(u','), "1 minute,5 minutes,[10 minutes],15 minutes,20 minutes,30 minutes,60 minutes");
        snooze->setCurrentIndex(5);
        QCOMPARE(h->fakes.wakeTimer.calls, QStringList({"arm 2026-12-06 06:59:00", "disarm"}));
        h->fakes.messages.expect({}, MsgBox::Yes);
        h->fakes.messages.expect({});
        options().cmdRestoretoDefault->click();
        QCOMPARE(snooze->currentText() + h->fakes.settings.writes.filter("Snooze").join(u','),
                 "30 minutesSnooze Minutes=30");
        h->fakes.wakeTimer.reason = QStringLiteral("Why not.");
        h->fakes.wakeTimer.onAvailabilityChanged();
        QVERIFY(!box->isChecked() && !box->isEnabled() && box->toolTip() == "Why not.");
        h->fakes.wakeTimer.reason.clear();
        h->fakes.wakeTimer.onAvailabilityChanged();
        QVERIFY(box->isEnabled() && box->toolTip().isEmpty());
    }

    // How alarms sound, in Options, General: the choices with the default or the stored one shown (anything else
    // stored reads as the default), the user's choice stored in the Desktop section, and Restore to Default leaving it.
    void soundOptions_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");  // "" for nothing stored
        QTest::addColumn<QString>("offered"); // the choices, the one shown in brackets; a box is [on] or [off]
        QTest::addColumn<int>("choose");      // the choice the user then makes; a box is clicked
        const QString lengths = "30 seconds,1 minute,2 minutes,5 minutes,10 minutes,15 minutes";
        QTest::newRow("ring, default") << u"Ring Seconds"_qs << u""_qs << u"[30 seconds],"_qs + lengths.mid(11) << 1;
        QTest::newRow("ring, 15 min") << u"Ring Seconds"_qs << u"900"_qs << lengths.chopped(10) + "[15 minutes]" << 0;
        QTest::newRow("ring, odd") << u"Ring Seconds"_qs << u"45"_qs << u"[30 seconds],"_qs + lengths.mid(11) << 5;
        QTest::newRow("gentle, default") << u"Gentle Start Seconds"_qs << u""_qs
                                         << u"[Off],10 seconds,30 seconds,60 seconds"_qs << 3;
        QTest::newRow("gentle, 30 s") << u"Gentle Start Seconds"_qs << u"30"_qs
                                      << u"Off,10 seconds,[30 seconds],60 seconds"_qs << 0;
        QTest::newRow("muted, default") << u"Ring When Muted"_qs << u""_qs << u"[on]"_qs << 0;
        QTest::newRow("muted, off") << u"Ring When Muted"_qs << u"1"_qs << u"[off]"_qs << 0;
    }
    void soundOptions()
    {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(QString, offered);
        QFETCH(int, choose);
        if (!stored.isEmpty())
            h->fakes.settings.values.insert(UiHarness::Application + "/Desktop/" + key, stored);
        frmOptions& o = options();
        QComboBox* list = key == "Ring Seconds"      ? o.cmbRingLength
                          : key == "Ring When Muted" ? nullptr
                                                     : o.cmbGentleStart;
        const auto shown = [&] {
            QStringList choices;
            for (int i = 0; list && i < list->count(); ++i)
                choices << (i == list->currentIndex() ? "[" + list->itemText(i) + "]" : list->itemText(i));
            return list ? choices.join(u',') : o.chkRingWhenMuted->isChecked() ? "[on]" : "[off]";
        };
        QCOMPARE(shown(), offered);
        QVERIFY(h->fakes.settings.writes.filter(key).isEmpty());
        list ? list->setCurrentIndex(choose) : o.chkRingWhenMuted->click();
        const QString chosen = shown();
        const QString value = list ? list->currentData().toString() : o.chkRingWhenMuted->isChecked() ? "2" : "1";
        QCOMPARE(h->fakes.settings.writes.filter(key), QStringList(key + "=" + value));
        h->fakes.messages.expect({}, MsgBox::Yes);
        h->fakes.messages.expect({});
        o.cmdRestoretoDefault->click();
        QCOMPARE(shown(), chosen);
        QCOMPARE(h->fakes.settings.writes.filter(key).size(), 1);
    }

    // While an alarm is set and the output is muted, the main window says what alarms will do about it, as the
    // option stands; an output heard again, or no alarm set, and the line goes.
    void mutedLine()
    {
        h->fakes.sound.muted = true;
        main().ShowNextRing();
        QVERIFY(main().lblSoundMuted->isHidden());
        h->context->Alarms.record({7, 0, QStringLiteral("x")});
        QCOMPARE(main().lblSoundMuted->text(), "Sound is muted: alarms will unmute it to ring.");
        QVERIFY(!main().lblSoundMuted->isHidden() && main().lblSoundMuted->textFormat() == Qt::PlainText);
        // The window grows for the line: it never covers the list.
        main().show();
        QTRY_VERIFY(main().lblSoundMuted->geometry().top() > main().lstAlarmTimes->geometry().bottom());
        options().chkRingWhenMuted->click();
        QCOMPARE(main().lblSoundMuted->text(), "Sound is muted: alarms will ring silently.");
        h->fakes.sound.muted = false;
        h->fakes.sound.onOutputChanged();
        QVERIFY(main().lblSoundMuted->isHidden());
    }

    // The real helper through a stand-in for a real-time clock that can wake the computer, or a shell in its place.
    // One that cannot wake it (exit 2 or 3, also after a start that went well) says why for good; one killed says
    // so, is started again once the shortest time between starts has passed (50 ms, or an hour), and is told the time
    // again. `told`: a part of each reason given in turn, "" for none.
    void wakeHelper_data()
    {
        QTest::addColumn<QStringList>("helper");
        QTest::addColumn<QStringList>("told");
        const QString helper = QStringLiteral(TOCKWELL_BUILT_WAKE_HELPER), rtc = QStringLiteral(TOCKWELL_FAKE_RTC);
        const QStringList asNobody = ::getuid() ? QStringList() : QStringList{"/usr/bin/setpriv", "--reuid=65534"};
        QTest::newRow("no capability") << QStringList{rtc, "yes"} + asNobody + QStringList{helper}
                                       << QStringList{"cap_wake_alarm"};
        QTest::newRow("missing") << QStringList{"/nonexistent/tockwell-wake"} << QStringList{"is missing"};
        // The last word is the program, which must be there: here the shell's name for itself.
        QTest::newRow("exit 3 after ready")
            << QStringList{"/bin/sh", "-c", "echo ready; read t; exit 3", "/bin/sh"} << QStringList{"no wake-up alarm"};
        QTest::newRow("killed") << QStringList{rtc, "yes", helper} << QStringList{"stopped (", ""};
        QTest::newRow("killed within the hour") << QStringList{rtc, "yes", helper} << QStringList{"stopped ("};
    }

    void wakeHelper()
    {
        QFETCH(QStringList, helper);
        QFETCH(QStringList, told);
        const bool killed = told[0].startsWith("stopped");
        if (killed && ::getuid())
            QSKIP("Only root can give the helper its capability.");
        QtWakeTimer wake(helper, std::chrono::milliseconds(told.size() > 1 ? 50 : 3'600'000));
        QStringList reasons;
        wake.onAvailabilityChanged = [&] { reasons << wake.unavailableReason(); };
        wake.arm(QDateTime::currentDateTime().addSecs(3600));
        const QProcess* process = wake.findChild<QProcess*>();
        if (killed) {
            QTRY_VERIFY(timerAt(process->processId(), 3600));
            ::kill(pid_t(process->processId()), SIGKILL);
        }
        QTRY_COMPARE(reasons.size(), told.size());
        for (int i = 0; i < told.size(); ++i)
            QVERIFY2(reasons[i].contains(told[i]) && reasons[i].isEmpty() == told[i].isEmpty(), qPrintable(reasons[i]));
        if (told.size() > 1)
            QTRY_VERIFY(timerAt(process->processId(), 3600));
        else
            QVERIFY((!process || process->state() == QProcess::NotRunning) &&
                    wake.findChild<QTimer*>()->isActive() == killed);
    }

    // Against a stand-in logind on a private system bus: a hold is one inhibitor of sleep and of the lid switch, also
    // one asked for before the bus was open; it ends with release(), or by itself after the time given (2 s here), and
    // an answer that comes after the release is let go at once. Only PrepareForSleep(false), a wake-up, is told.
    void sleepWatcher()
    {
        if (QProcess::execute("/usr/bin/python3", {"-c", "import dbusmock"}) != 0)
            QSKIP("python3-dbusmock is not installed");
        QProcess bus, logind;
        bus.start("dbus-daemon", {"--session", "--nofork", "--print-address"});
        QTRY_VERIFY(bus.canReadLine());
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", bus.readLine().trimmed());
        logind.start("/usr/bin/python3", {"-m", "dbusmock", "--system", "--template", "logind"});
        QDBusConnection system = QDBusConnection::systemBus();
        QTRY_VERIFY(system.interface()->isServiceRegistered("org.freedesktop.login1"));
        const auto login1 = [&](const char* interface, const char* method, const QVariantList& arguments = {}) {
            QDBusMessage call =
                QDBusMessage::createMethodCall("org.freedesktop.login1", "/org/freedesktop/login1", interface, method);
            call.setArguments(arguments);
            return system.call(call);
        };
        // The inhibitors as the bus prints them. The call waits for its answer, and so for every answer sent before it.
        const auto held = [&] {
            QString all;
            QDebug(&all) << login1("org.freedesktop.login1.Manager", "ListInhibitors");
            return all.section(u'{', 1).section(u'}', 0, 0);
        };
        const QString tockwell =
            QStringLiteral(R"("sleep:handle-lid-switch", "Tockwell", "An alarm is ringing", "block")");
        QtSleepWatcher watcher(std::chrono::seconds(2));
        int resumes = 0;
        watcher.onResume = [&] { ++resumes; };
        watcher.holdAwake(); // before its bus is open
        QTRY_VERIFY(held().contains(tockwell));
        for (const bool sleeping : {true, false}) {
            login1("org.freedesktop.DBus.Mock", "EmitSignal",
                   {"org.freedesktop.login1.Manager", "PrepareForSleep", "b",
                    QVariant::fromValue(QVariantList{sleeping})});
            QCoreApplication::sendPostedEvents(); // the signal came before the answer
            QCOMPARE(resumes, sleeping ? 0 : 1);
        }
        watcher.release();
        QTRY_COMPARE(held(), QString());
        watcher.holdAwake();
        watcher.release(); // before logind's answer
        QTRY_COMPARE(held(), QString());
        watcher.holdAwake(); // and no release
        QTRY_VERIFY(held().contains(tockwell));
        QTRY_COMPARE(held(), QString());
        for (QProcess* process : {&logind, &bus})
            process->kill(), process->waitForFinished();
    }

    void autostartEntry()
    {
        // The installed entry: its command is kept when it names this program, actions and all untouched.
        const QByteArray installed = "# x\n[Desktop Entry]\nName=Tockwell\nExec=sh\n[Desktop Action a]\nExec=sh -a\n";
        QCOMPARE(QtAutostartEntry::entryText(installed, QStandardPaths::findExecutable("sh")),
                 "# x\n[Desktop Entry]\nName=Tockwell\nExec=sh --autostart\n[Desktop Action a]\nExec=sh -a\n");
        // Another program: its own path, quoted and escaped as the desktop entry format asks.
        QCOMPARE(
            QtAutostartEntry::entryText({}, "/opt/a \"b\" $c/100%/tockwell"),
            "[Desktop Entry]\nType=Application\nName=Tockwell\nExec=\"/opt/a \\\\\"b\\\\\" \\\\$c/100%%/tockwell\" "
            "--autostart\nTerminal=false\n");
        // The box shows whether the desktop will start the program: not when its start-up settings turned the entry
        // off (a key of an action is no key of the entry; Hidden=false hides nothing). Checked, the box writes the
        // entry afresh, turned on.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(h->root.path()));
        QtAutostartEntry autostart;
        QVERIFY(!autostart.isThere() && autostart.write().isEmpty());
        for (const auto& [line, on] : {std::pair{"Hidden = true", false},
                                       {"X-GNOME-Autostart-enabled=false", false},
                                       {"[Desktop Action a]\nHidden=true", true},
                                       {"Hidden=false", true}}) {
            QVERIFY(writeFile(QtAutostartEntry::path(), "[Desktop Entry]\nExec=tockwell\n" + QByteArray(line)));
            QCOMPARE(autostart.isThere(), on);
            QVERIFY(autostart.write().isEmpty() && autostart.isThere());
        }
    }

    // A start with no display at all is refused with a sentence; one with either display, or with a platform that
    // needs none, is not.
    void displayMissing_data()
    {
        QTest::addColumn<QStringList>("given"); // DISPLAY, WAYLAND_DISPLAY, QT_QPA_PLATFORM (empty: unset), arguments
        QTest::addColumn<bool>("missing");
        QTest::newRow("neither") << QStringList{"", "", ""} << true;
        QTest::newRow("Wayland alone") << QStringList{"", "wayland-0", ""} << false;
        QTest::newRow("-platform offscreen") << QStringList{"", "", "", "-platform", "offscreen"} << false;
        QTest::newRow("-display") << QStringList{"", "", "", "-display", ":1"} << false;
        QTest::newRow("vnc") << QStringList{"", "", "vnc"} << false;
        QTest::newRow("linuxfb") << QStringList{"", "", "linuxfb:fb=/dev/fb0"} << false;
        QTest::newRow("Wayland or X11 asked for") << QStringList{"", "", "wayland-egl;xcb"} << true;
    }
    void displayMissing()
    {
        QFETCH(QStringList, given);
        QProcessEnvironment environment;
        for (const int i : {0, 1, 2})
            if (!given[i].isEmpty())
                environment.insert(QStringList{"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}[i], given[i]);
        QTEST(DisplayCheck::missing(QStringList{"tockwell"} + given.mid(3), environment), "missing");
    }

    void versionOrder()
    {
        // Numbers, not texts: 1.0.10 comes after 1.0.9; zeros in front and missing parts change nothing.
        QCOMPARE(VersionText::compare("1.0.10", "1.0.9").value_or(9), 1);
        QCOMPARE(VersionText::compare("01.0.00", "1").value_or(9), 0);
    }

    void updateCheck_data()
    {
        QTest::addColumn<WebFetch::Result>("version");
        QTest::addColumn<WebFetch::Result>("notice");
        QTest::addColumn<bool>("yes"); // the answer to a message box
        QTest::addColumn<QString>("label");
        QTest::addColumn<QStringList>("done"); // documents fetched with their caps, then message boxes, then opened

        const auto ok = FakeWebFetch::ok;
        const WebFetch::Result notice = ok("Tockwell 1.0.1 rings louder.\r\n");
        const WebFetch::Result notFound = {false, {}, QStringLiteral("HTTP status 404 (Not Found)."), 404, false};
        const QString none = QStringLiteral("No updates found! You are running the most up-to-date version available.");
        // Message boxes as "style title: text|details".
        const QString failed = QStringLiteral("16 Tockwell: Tockwell could not check for updates.|");
        const QString asked = QStringLiteral("4 Download Latest Version: ");
        const QStringList newer = {"ver 64", "txt 16384", asked + "Tockwell 1.0.1 rings louder.|"};

        const QStringList nothingNew = {"ver 64"};
        const QStringList unusable = {"ver 64", failed + "The server answered with an unexpected version text."};

        QTest::newRow("same") << ok("\t1.0.0\r\n") << notice << false << none << nothingNew;
        QTest::newRow("older") << ok("0.9.9") << notice << false << none << nothingNew;
        QTest::newRow("newer, yes, no program for the installer")
            << ok("1.0.1") << notice << true << u"1.0.1"_qs
            << newer + QStringList{"64 Tockwell: No program is set up to open this address:\n" + Installer + u'|',
                                   "open " + Installer};
        QTest::newRow("newer, no") << ok("1.0.1") << notice << false << u"1.0.1"_qs << newer;
        QTest::newRow("empty number") << ok("1..1") << notice << false << u"Unknown"_qs << unusable;
        // Cut at the cap: whatever its first bytes say, it is not the whole document.
        QTest::newRow("padded past the cap")
            << ok("1.0.1" + QByteArray(100, ' ')) << notice << false << u"Unknown"_qs << unusable;
        QTest::newRow("suffix") << ok("1.0.1-beta") << notice << false << u"Unknown"_qs << unusable;
        QTest::newRow("arabic-indic digits") << ok("1.0.\u0661") << notice << false << u"Unknown"_qs << unusable;
        QTest::newRow("404") << notFound << notice << false << u"Unknown"_qs
                             << QStringList{"ver 64", failed + notFound.error};
        QTest::newRow("notice missing") << ok("1.0.1") << notFound << false << u"1.0.1"_qs
                                        << QStringList{"ver 64", "txt 16384",
                                                       asked +
                                                           "Tockwell 1.0.1 is available. Do you want to download it?|"};
        QTest::newRow("notice over 16 KiB") << ok("1.0.1") << ok(QByteArray(20000, 'n')) << false << u"1.0.1"_qs
                                            << QStringList{"ver 64", "txt 16384", asked + QString(16384, u'n') + u'|'};
    }

    void updateCheck()
    {
        QFETCH(WebFetch::Result, version);
        QFETCH(WebFetch::Result, notice);
        QFETCH(bool, yes);
        QFETCH(QString, label);
        QFETCH(QStringList, done);
        h->fakes.web.answers = {{Folder + "tkw-latestversion.ver", version},
                                {Folder + "tkw-latestversion.txt", notice}};
        h->fakes.shell.succeeds = false;
        for (const QString& step : done) {
            if (step[0].isDigit())
                h->fakes.messages.expect({}, yes ? MsgBox::Yes : MsgBox::No);
        }
        // An earlier check's findings, which must never answer this one.
        h->context->UpdateMessage = QStringLiteral("An older notice.");
        QPushButton* button = options().cmdCheckforUpdates;

        button->click();
        options().cmdCheckforUpdates_Click(); // a second press while checking asks nothing more
        QVERIFY(!button->isEnabled());
        QCOMPARE(button->text(), "Checking...");
        QTRY_VERIFY(button->isEnabled());
        QCOMPARE(button->text(), "Check for Updates");
        QStringList all;
        for (const QString& request : h->fakes.web.requests)
            all << request.section(u'.', -1);
        for (const FakeMessageBoxes::Call& call : h->fakes.messages.calls)
            all << QStringLiteral("%1 %2: %3|%4").arg(call.style).arg(call.title, call.text, call.details);
        for (const QString& address : h->fakes.shell.opened)
            all << QStringLiteral("open ") + address;
        QCOMPARE(all, done);
        QCOMPARE(options().lblVersionAvailable->text(), label);
    }

    void optionsClosedMidCheck()
    {
        // Closed while the question is open: what was found stays found, and the Yes given then still counts.
        h->fakes.web.answers = {{Folder + "tkw-latestversion.ver", FakeWebFetch::ok("1.0.1")},
                                {Folder + "tkw-latestversion.txt", FakeWebFetch::ok("Get it.")}};
        h->fakes.messages.expect(QStringLiteral("Get it."), MsgBox::Yes, [this] { delete &options(); });
        options().cmdCheckforUpdates->click();
        QTRY_COMPARE(h->fakes.shell.opened, QStringList{Installer});
        QCOMPARE(h->context->LatestVersion, QStringLiteral("1.0.1"));
    }

    void trayIcon()
    {
        h->storeSetting("Date Format", "3");
        // No notification area: a start at login is minimised to the task bar, and so is the window put away.
        h->fakes.tray.available = false;
        h->context->form<frmSplash>().handOverPutAway();
        QVERIFY(main().isVisible() && main().isMinimized() && !h->context->isLoaded<frmSplash>());
        QCOMPARE(h->fakes.sound.prepared.size(), 2); // no splash was painted to read them after
        main().showNormal();
        main().cmdMinimize_Click();
        QVERIFY(main().isVisible() && main().isMinimized() && h->fakes.tray.tips.isEmpty());
        main().setWindowState(Qt::WindowNoState);
        h->fakes.tray.available = true;
        putAway();
        // Asked for its tray-date box, the Options window loaded hidden.
        QVERIFY(!options().isVisible());
        h->fakes.tray.onEvent(TrayService::Event::Other);
        QVERIFY(inTray() && !main().mnuForm->isVisible());
        h->fakes.tray.onEvent(TrayService::Event::RightDoubleClick);
        QVERIFY(back());

        options().chkSystemTrayDate->click();
        putAway();
        // Exit restores and ends the program without a question (the harness fails on any message box), and
        // without leaving a notification behind.
        main().mnuExit->trigger();
        QVERIFY(back() && h->fakes.programEnd.ends == 1 && h->fakes.notifications.calls == u"W");
        QCOMPARE(h->fakes.tray.tips, QStringList({"Tockwell", "Tockwell - 12/05/2026"}));
        // The tip is cut to 63 characters, never inside a character.
        h->context->tray().AddTrayIcon(QString(62, u'x') + QStringLiteral("\U0001F514"));
        QCOMPARE(h->fakes.tray.tips.last(), QString(62, u'x'));
        h->context->tray().AddTrayIcon(QString(63, u'y'));
        QCOMPARE(h->fakes.tray.tips.last(), QString(63, u'y'));
    }

    // A click (pressed and released on a link) opens its address; released off it, nothing. A screen reader's Press
    // returns at once: a box the link brings (here: no program for the address) comes later, not inside the call.
    void links()
    {
        QTest::mousePress(options().lblWebLink, Qt::LeftButton);
        QTest::mouseRelease(options().lblWebLink, Qt::LeftButton, {}, QPoint(-4, -4));
        for (QLabel* link : {main().lblWebLink, options().lblWebLink, options().lblEmailLink})
            QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(h->fakes.shell.opened,
                 QStringList({AppAddresses::Web, AppAddresses::Web, "mailto:" + AppAddresses::SupportEmail}));
        h->fakes.shell.succeeds = false;
        h->fakes.messages.expect("No program is set up to open this address:\n" + AppAddresses::Web);
        QAccessibleActionInterface* link = QAccessible::queryAccessibleInterface(main().lblWebLink)->actionInterface();
        link->doAction(link->actionNames().value(0));
        QVERIFY(h->fakes.messages.calls.isEmpty());
        QTRY_COMPARE(h->fakes.messages.calls.size(), 1);
    }

    void notification()
    {
        const Notifications::Notice ringing = frmAlarm::Notice(u"7:05 AM   -   <b>Tea</b> &amp;"_qs, true);
        const QVariantMap hints = {{"urgency", QVariant::fromValue(uchar(2))}, {"desktop-entry", TOCKWELL_APP_ID}};
        QCOMPARE(
            QtNotifications::notifyArguments(ringing, 7, true),
            QVariantList({"Tockwell", 7u, TOCKWELL_APP_ID, ringing.summary,
                          "7:05 AM   -   &lt;b&gt;Tea&lt;/b&gt; &amp;amp;",
                          QStringList{"default", "Show Alarm", "stop", "Stop Alarm", "snooze", "Snooze"}, hints, 0}));
        // A server that reads no markup gets the text as it is; with the sound over there is nothing to stop.
        const QVariantList plain = QtNotifications::notifyArguments({ringing.summary, ringing.body, false}, 0, false);
        QCOMPARE(plain.at(4), ringing.body);
        QCOMPARE(plain.at(5), QStringList({"default", "Show Alarm"}));

        // On the test's own session bus (dbus-run-session), opened after the first post; the server answers in signals.
        NotificationServer server;
        QDBusConnection serverBus =
            QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("server"));
        QVERIFY(serverBus.registerService("org.freedesktop.Notifications") &&
                serverBus.registerVirtualObject("/org/freedesktop/Notifications", &server));
        const auto answer = [&](const char* signal, uint id, const QVariant& what) {
            serverBus.send(
                QDBusMessage::createSignal("/org/freedesktop/Notifications", "org.freedesktop.Notifications", signal)
                << id << what);
        };
        QtNotifications notifications;
        int told = 0; // 1 for each Stop Alarm, 100 for each click on the notice
        int snoozes = 0;
        notifications.onStop = [&] { told += 1; };
        notifications.onActivate = [&] { told += 100; };
        notifications.onSnooze = [&] { ++snoozes; };
        // Whether the program learns that notice `id` is the one shown: a notice's id may reach it after signals the
        // server sent later, so a Snooze on it goes again until one counts.
        const auto known = [&](uint id) {
            snoozes = 0;
            return QTest::qWaitFor([&] { return snoozes || (answer("ActionInvoked", id, "snooze"), false); }, 20000);
        };
        notifications.post(ringing);
        QTRY_COMPARE(server.heard(), QStringList({"GetCapabilities 0", "Notify 0"}));
        QVERIFY(known(1));
        // Withdrawn: its Stop Alarm, clicked just before, stops nothing now.
        notifications.withdraw();
        answer("ActionInvoked", 1, "stop");
        notifications.post(ringing);
        QTRY_COMPARE(server.heard(), QStringList({"GetCapabilities 0", "Notify 0", "CloseNotification 1", "Notify 0"}));
        QVERIFY(known(2));
        // Closed, then its Stop Alarm: the order of a server that closes a notice as its button is clicked.
        answer("NotificationClosed", 2, 2u);
        answer("ActionInvoked", 2, "stop");
        QTRY_COMPARE(told, 1);
        // Replaced by a new one: the old one's Stop Alarm, arriving while the new one is on its way, is out of date.
        notifications.post(ringing);
        answer("ActionInvoked", 2, "stop");
        QTRY_COMPARE(server.heard().size(), 5);
        QVERIFY(known(3));
        answer("ActionInvoked", 3, "default");
        QTRY_COMPARE(told, 101);
        // Posted as the program ends, its id not back yet: the end waits for the id and withdraws it.
        notifications.withdraw();
        notifications.post(ringing);
        notifications.settle(std::chrono::seconds(20));
        QCOMPARE(server.heard().mid(5),
                 QStringList({"CloseNotification 3", "Notify 0", "GetServerInformation 0", "CloseNotification 4"}));
    }

    void webFetch_data()
    {
        QTest::addColumn<QByteArray>("response"); // to /doc; or, not an HTTP answer, the address asked for instead
        QTest::addColumn<QString>("outcome");     // "ok|truncated|body" or "error|status|text"; ending in '|': any text

        QTest::newRow("far past the cap")
            << http("200 OK", QByteArray(1 << 20, 'v')) << u"ok|1|"_qs + QString(64, u'v');
        QTest::newRow("not found") << http("404 Not Found", "<html>Gone</html>")
                                   << u"error|404|The server answered with HTTP status 404 (Not Found)."_qs;
        QTest::newRow("redirect to another scheme")
            << http("302 Found", {}, "Location: https://127.0.0.1/moved\r\n")
            << u"error|302|The server sent the request on to an address of another kind: https://127.0.0.1/moved"_qs;
        QTest::newRow("never answers") << QByteArray() << u"error|0|The server did not answer within 0.5 seconds."_qs;
        QTest::newRow("another scheme") << QByteArray("ftp://127.0.0.1/doc")
                                        << u"error|0|Not a web address: ftp://127.0.0.1/doc"_qs;
        QTest::newRow("no host") << QByteArray("http:///doc") << u"error|0|Not a web address: http:///doc"_qs;
    }

    void webFetch()
    {
        QFETCH(QByteArray, response);
        QFETCH(QString, outcome);
        TestServer server;
        const bool answer = response.startsWith("HTTP/");
        if (answer)
            server.responses = {{"/doc", response}};
        const QByteArray tag = QTest::currentDataTag();
        QtWebFetch web(tag == "never answers" ? std::chrono::milliseconds(500) : std::chrono::seconds(60));
        QObject context;
        std::optional<WebFetch::Result> r;
        const QString address = answer || response.isEmpty() ? server.url("/doc") : QString::fromLatin1(response);
        web.get(address, 64, &context, [&](const WebFetch::Result& result) { r = result; });
        QVERIFY(!r); // never from inside get()
        QTRY_VERIFY_WITH_TIMEOUT(r.has_value(), 20000);

        const QString got = r->ok ? QStringLiteral("ok|%1|%2").arg(r->truncated).arg(QString::fromUtf8(r->body))
                                  : QStringLiteral("error|%1|%2").arg(r->httpStatus).arg(r->error);
        QCOMPARE(got.left(outcome.endsWith(u'|') ? outcome.size() : -1), outcome);
    }

private:
    // Hour, LED box, colour, pattern, tray box, caption box; then the main caption and the LED's colour code.
    QString shown()
    {
        frmOptions& o = options();
        const auto mark = [](const QCheckBox* box) { return box->isChecked() ? "x" : "-"; };
        int led = 1;
        while (led < 5 && main().SegDigits != LedSprites::digitStrip(LedSprites::Colour(led)))
            ++led;
        return QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8")
            .arg(o.opt24HR->isChecked() ? "24" : "12", mark(o.chkGraphicalClockonStartup),
                 o.cmbClockColour->currentText(), o.cmbDateFormat->currentText(), mark(o.chkSystemTrayDate),
                 mark(o.chkFormCaption), main().windowTitle(), QString::number(led));
    }
    bool inTray() { return main().isHidden() && main().isMinimized() && h->fakes.tray.shown; }
    bool back() { return main().isVisible() && !main().isMinimized() && !h->fakes.tray.shown; }
    void putAway()
    {
        main().cmdMinimize->click();
        QVERIFY(inTray());
    }
};

QTEST_MAIN(tst_desktop)
#include "tst_desktop.moc"
