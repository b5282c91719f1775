#include "UiHarness.h"
#include "alarms/SessionFile.h"
#include "app/frmMain.h"
#include "platform/QtDesktop.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTest>
#include <QToolButton>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

enum class Command { Save, Open };

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool putFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

QString savingFailed(int error)
{
    return QStringLiteral("An error has occurred while saving your session (Err: %1). Please try again.").arg(error);
}

QString loadingFailed(int error)
{
    return QStringLiteral("An error has occurred during loading your session (Err: %1). Please try again.").arg(error);
}

} // namespace

class tst_frmMainSession : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void saveWritesEveryAlarm();
    void nameWithoutExtensionIsUsedExactly();
    void loadReplacesTableAndList();
    void olderSystemsFileLoadsWithItsAccents();
    void cancelIsSilent_data();
    void cancelIsSilent();
    void failureIsReportedAndChangesNothing_data();
    void failureIsReportedAndChangesNothing();

private:
    frmMain& shownMain();
    void click(Command command);

    std::unique_ptr<UiHarness> h;
    std::unique_ptr<QTemporaryDir> folder;
};

void tst_frmMainSession::init()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    h = std::make_unique<UiHarness>();
    folder = std::make_unique<QTemporaryDir>();
    h->context->Alarms[1] = {7, 5, QStringLiteral("Dentist")};
    h->context->Alarms[4] = {21, 30, QStringLiteral("Film, \"late\"")};
}

void tst_frmMainSession::cleanup()
{
    QVERIFY2(h->fakes.messages.unexpected.isEmpty(), qPrintable(h->fakes.messages.unexpected.join(u'|')));
    QVERIFY2(h->fakes.messages.script.empty(), "an expected message box never came");
    h.reset();
}

frmMain& tst_frmMainSession::shownMain()
{
    frmMain& main = h->context->form<frmMain>();
    main.show();
    if (!QTest::qWaitForWindowExposed(&main))
        qWarning("main window not exposed");
    main.GetRecordedTimes();
    return main;
}

void tst_frmMainSession::click(Command command)
{
    frmMain& main = h->context->form<frmMain>();
    QTest::mouseClick(command == Command::Save ? main.cmdSave : main.cmdOpen, Qt::LeftButton);
}

void tst_frmMainSession::saveWritesEveryAlarm()
{
    shownMain();
    const QString path = folder->filePath(QStringLiteral("week.tkw"));
    h->fakes.files.nextSave = path;
    h->fakes.messages.expect(QStringLiteral("You have successfully saved your session."));
    click(Command::Save);

    QCOMPARE(h->fakes.files.saves, 1);
    QCOMPARE(h->fakes.files.opens, 0);
    QCOMPARE(h->fakes.files.filters, QStringList{QStringLiteral("Tockwell Session | *.tkw")});
    QCOMPARE(QtFileDialogs::toQtFilter(h->fakes.files.filters.first()), QStringLiteral("Tockwell Session (*.tkw)"));
    QCOMPARE(h->fakes.messages.calls.size(), 1);
    QCOMPARE(h->fakes.messages.calls[0].style, MsgBox::OkOnly | MsgBox::Information);
    QCOMPARE(h->fakes.messages.calls[0].title, QStringLiteral("Tockwell"));
    QCOMPARE(fileBytes(path), SessionFile::write(h->context->Alarms.all()));
}

void tst_frmMainSession::nameWithoutExtensionIsUsedExactly()
{
    shownMain();
    h->fakes.files.nextSave = folder->filePath(QStringLiteral("monday"));
    h->fakes.messages.expect(QStringLiteral("You have successfully saved your session."));
    click(Command::Save);
    QCOMPARE(QDir(folder->path()).entryList(QDir::Files), QStringList{QStringLiteral("monday")});
}

void tst_frmMainSession::loadReplacesTableAndList()
{
    frmMain& main = shownMain();
    QCOMPARE(main.lstAlarmTimes->count(), 2);

    AlarmBook::Table table{};
    table[0] = {9, 15, QStringLiteral("From another program")};
    table[60] = {13, 0, QStringLiteral("Lunch")};
    const QString path = folder->filePath(QStringLiteral("other.tkw"));
    QVERIFY(putFile(path, SessionFile::write(table)));
    h->fakes.files.nextOpen = path;

    const QStringList expected = {QStringLiteral("13:00 PM   -   Lunch"),
                                  QStringLiteral("9:15 AM   -   From another program")};
    QStringList listedWhileOpen;
    h->fakes.messages.expect(QStringLiteral("You have successfully loaded your session."), MsgBox::Ok,
                             [&] { listedWhileOpen = listed(main.lstAlarmTimes); });
    click(Command::Open);

    QCOMPARE(h->fakes.files.opens, 1);
    QCOMPARE(h->fakes.files.filters, QStringList{QStringLiteral("Tockwell Session | *.tkw")});
    QCOMPARE(h->fakes.messages.calls[0].style, MsgBox::OkOnly | MsgBox::Information);
    QCOMPARE(h->fakes.messages.calls[0].title, QStringLiteral("Tockwell"));
    // The list is whole before the message box opens, not after it closes.
    QCOMPARE(listedWhileOpen, expected);
    QCOMPARE(listed(main.lstAlarmTimes), expected);
    QVERIFY(h->context->Alarms.all() == table);
    QCOMPARE(h->context->Alarms.AlarmCount(), 2);
}

void tst_frmMainSession::olderSystemsFileLoadsWithItsAccents()
{
    frmMain& main = shownMain();
    QByteArray data = QByteArrayLiteral(" 0 \r\n 0 \r\n\r\n 6 \r\n 45 \r\nCaf\xE9 \x96 cr\xE8me\r\n");
    data += QByteArrayLiteral(" 0 \r\n 0 \r\n\r\n").repeated(99);
    const QString path = folder->filePath(QStringLiteral("old.tkw"));
    QVERIFY(putFile(path, data));
    h->fakes.files.nextOpen = path;
    h->fakes.messages.expect(QStringLiteral("You have successfully loaded your session."));
    click(Command::Open);
    QCOMPARE(listed(main.lstAlarmTimes), QStringList{QStringLiteral("6:45 AM   -   Caf\u00e9 \u2013 cr\u00e8me")});
}

void tst_frmMainSession::cancelIsSilent_data()
{
    QTest::addColumn<Command>("command");
    QTest::newRow("save") << Command::Save;
    QTest::newRow("open") << Command::Open;
}

void tst_frmMainSession::cancelIsSilent()
{
    QFETCH(Command, command);
    frmMain& main = shownMain();
    const AlarmBook::Table before = h->context->Alarms.all();
    const QStringList listedBefore = listed(main.lstAlarmTimes);
    click(command);
    QCOMPARE(h->fakes.files.saves + h->fakes.files.opens, 1);
    QVERIFY(h->fakes.messages.calls.isEmpty());
    QVERIFY(h->context->Alarms.all() == before);
    QCOMPARE(listed(main.lstAlarmTimes), listedBefore);
    QVERIFY(QDir(folder->path()).isEmpty());
}

void tst_frmMainSession::failureIsReportedAndChangesNothing_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");

    // A folder the user cannot write: even root cannot create a file inside a regular file.
    QTest::newRow("save inside a file") << Command::Save << "notes.txt/week.tkw" << savingFailed(76);
    QTest::newRow("save into a missing folder") << Command::Save << "gone/week.tkw" << savingFailed(76);
    QTest::newRow("save over a folder") << Command::Save << "folder" << savingFailed(75);
    QTest::newRow("save over a folder, with a slash") << Command::Save << "folder/" << savingFailed(75);
#ifdef Q_OS_UNIX
    // Replacing a pipe or a device with a file would break whoever uses it.
    QTest::newRow("save over a pipe") << Command::Save << "pipe" << savingFailed(75);
    // Opening a pipe with no writer would wait forever.
    QTest::newRow("open a pipe") << Command::Open << "pipe" << loadingFailed(75);
#endif
    QTest::newRow("open a missing file") << Command::Open << "nothing.tkw" << loadingFailed(53);
    QTest::newRow("open in a missing folder") << Command::Open << "gone/week.tkw" << loadingFailed(76);
    QTest::newRow("open a folder") << Command::Open << "folder" << loadingFailed(75);
    QTest::newRow("open a short file") << Command::Open << "short.tkw" << loadingFailed(62);
    QTest::newRow("open a text file") << Command::Open << "notes.txt" << loadingFailed(13);
    QTest::newRow("open impossible times") << Command::Open << "hour25.tkw" << loadingFailed(13);
}

void tst_frmMainSession::failureIsReportedAndChangesNothing()
{
    QFETCH(Command, command);
    QFETCH(QString, name);
    QFETCH(QString, message);

    QVERIFY(putFile(folder->filePath(QStringLiteral("notes.txt")), "Shopping: eggs, milk\n"));
    QVERIFY(putFile(folder->filePath(QStringLiteral("short.tkw")), QByteArrayLiteral(" 7 \r\n 5 \r\nx\r\n")));
    AlarmBook::Table impossible{};
    impossible[3] = {25, 0, QStringLiteral("no such hour")};
    QVERIFY(putFile(folder->filePath(QStringLiteral("hour25.tkw")), SessionFile::write(impossible)));
    QVERIFY(QDir(folder->path()).mkdir(QStringLiteral("folder")));
#ifdef Q_OS_UNIX
    QCOMPARE(::mkfifo(QFile::encodeName(folder->filePath(QStringLiteral("pipe"))).constData(), 0600), 0);
#endif
    const QStringList filesBefore =
        QDir(folder->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

    frmMain& main = shownMain();
    const AlarmBook::Table before = h->context->Alarms.all();
    const QStringList listedBefore = listed(main.lstAlarmTimes);
    const QString path = folder->filePath(name);
    (command == Command::Save ? h->fakes.files.nextSave : h->fakes.files.nextOpen) = path;
    h->fakes.messages.expect(message);
    click(command);

    QCOMPARE(h->fakes.messages.calls.size(), 1);
    const FakeMessageBoxes::Call& call = h->fakes.messages.calls[0];
    QCOMPARE(call.style, MsgBox::OkOnly | MsgBox::Critical);
    QCOMPARE(call.title, QStringLiteral("Tockwell"));
    QVERIFY2(call.details.startsWith(QDir::toNativeSeparators(path) + QLatin1Char('\n')), qPrintable(call.details));
    QVERIFY(h->context->Alarms.all() == before);
    QCOMPARE(h->context->Alarms.AlarmCount(), 2);
    QCOMPARE(listed(main.lstAlarmTimes), listedBefore);
    QCOMPARE(QDir(folder->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), filesBefore);
    QVERIFY(QDir(folder->filePath(QStringLiteral("folder"))).isEmpty());
#ifdef Q_OS_UNIX
    QVERIFY(!QFileInfo(folder->filePath(QStringLiteral("pipe"))).isFile());
#endif
}

QTEST_MAIN(tst_frmMainSession)
#include "tst_frmMainSession.moc"
