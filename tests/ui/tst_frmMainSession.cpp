#include "TestFiles.h"
#include "UiHarness.h"
#include "alarms/SessionFile.h"
#include "app/frmMain.h"
#include "platform/QtDesktop.h"

#include <QDir>
#include <QTest>
#include <QToolButton>

#include <sys/stat.h>

namespace {

enum class Command { Save, Open };

} // namespace

class tst_frmMainSession : public UiTest {
    Q_OBJECT
private slots:
    void saveWritesEveryAlarmUnderTheNameGiven();
    void loadReplacesTableAndList();
    void failureOrCancelChangesNothing_data();
    void failureOrCancelChangesNothing();

private:
    // The user picks `name` in the folder (or cancels, when empty) and the command runs.
    void run(Command command, const QString& name = {})
    {
        const QString path = name.isEmpty() ? QString() : folder->filePath(name);
        (command == Command::Save ? h->fakes.files.nextSave : h->fakes.files.nextOpen) = path;
        QTest::mouseClick(command == Command::Save ? main->cmdSave : main->cmdOpen, Qt::LeftButton);
    }
    QStringList folderEntries() const
    {
        return QDir(folder->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }
    void prepare() override
    {
        folder = std::make_unique<QTemporaryDir>();
        h->context->Alarms[1] = {7, 5, QStringLiteral("Dentist")};
        h->context->Alarms[4] = {21, 30, QStringLiteral("Film, \"late\"")};
        main = &h->context->form<frmMain>();
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        main->GetRecordedTimes();
    }

    std::unique_ptr<QTemporaryDir> folder;
    frmMain* main = nullptr;
};

void tst_frmMainSession::saveWritesEveryAlarmUnderTheNameGiven()
{
    h->fakes.messages.expect(QStringLiteral("You have successfully saved your session."));
    run(Command::Save, QStringLiteral("monday"));
    QCOMPARE(h->fakes.files.saves, 1);
    QCOMPARE(h->fakes.files.opens, 0);
    QCOMPARE(h->fakes.files.filters, QStringList{QStringLiteral("Tockwell Session | *.tkw")});
    QCOMPARE(QtFileDialogs::toQtFilter(h->fakes.files.filters.first()), QStringLiteral("Tockwell Session (*.tkw)"));
    QCOMPARE(h->fakes.messages.calls[0].style, MsgBox::OkOnly | MsgBox::Information);
    QCOMPARE(h->fakes.messages.calls[0].title, QStringLiteral("Tockwell"));
    QCOMPARE(folderEntries(), QStringList{QStringLiteral("monday")});
    QCOMPARE(readFile(folder->filePath(QStringLiteral("monday"))), SessionFile::write(h->context->Alarms.all()));
}

void tst_frmMainSession::loadReplacesTableAndList()
{
    AlarmBook::Table table{};
    table[0] = {9, 15, QStringLiteral("From another program")};
    table[60] = {13, 0, QStringLiteral("Lunch")};
    QVERIFY(writeFile(folder->filePath(QStringLiteral("other.tkw")), SessionFile::write(table)));

    const QStringList expected = {QStringLiteral("13:00 PM   -   Lunch"),
                                  QStringLiteral("9:15 AM   -   From another program")};
    QStringList listedWhileOpen;
    h->fakes.messages.expect(QStringLiteral("You have successfully loaded your session."), MsgBox::Ok,
                             [&] { listedWhileOpen = listed(main->lstAlarmTimes); });
    run(Command::Open, QStringLiteral("other.tkw"));

    QCOMPARE(h->fakes.files.opens, 1);
    QCOMPARE(h->fakes.files.filters, QStringList{QStringLiteral("Tockwell Session | *.tkw")});
    QCOMPARE(h->fakes.messages.calls[0].style, MsgBox::OkOnly | MsgBox::Information);
    // The list is whole before the message box opens, not after it closes.
    QCOMPARE(listedWhileOpen, expected);
    QCOMPARE(listed(main->lstAlarmTimes), expected);
    QVERIFY(h->context->Alarms.all() == table);
}

void tst_frmMainSession::failureOrCancelChangesNothing_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("error"); // 0: the user cancelled, and hears nothing of it

    QTest::newRow("save cancelled") << Command::Save << "" << 0;
    QTest::newRow("open cancelled") << Command::Open << "" << 0;

    // A folder the user cannot write: even root cannot create a file inside a regular file.
    QTest::newRow("save inside a file") << Command::Save << "notes.txt/week.tkw" << 76;
    QTest::newRow("save over a folder") << Command::Save << "folder/" << 75;
    // Replacing a pipe with a file would break whoever uses it; opening one with no writer would wait forever.
    QTest::newRow("save over a pipe") << Command::Save << "pipe" << 75;
    QTest::newRow("open a pipe") << Command::Open << "pipe" << 75;
    QTest::newRow("open a missing file") << Command::Open << "nothing.tkw" << 53;
    QTest::newRow("open in a missing folder") << Command::Open << "gone/week.tkw" << 76;
    QTest::newRow("open a short file") << Command::Open << "short.tkw" << 62;
    QTest::newRow("open a text file") << Command::Open << "notes.txt" << 13;
}

void tst_frmMainSession::failureOrCancelChangesNothing()
{
    QFETCH(Command, command);
    QFETCH(QString, name);
    QFETCH(int, error);

    QVERIFY(writeFile(folder->filePath(QStringLiteral("notes.txt")), "Shopping: eggs, milk\n"));
    QVERIFY(writeFile(folder->filePath(QStringLiteral("short.tkw")), " 7 \r\n 5 \r\nx\r\n"));
    QVERIFY(QDir(folder->path()).mkdir(QStringLiteral("folder")));
    QCOMPARE(::mkfifo(QFile::encodeName(folder->filePath(QStringLiteral("pipe"))).constData(), 0600), 0);
    const QStringList filesBefore = folderEntries();
    const AlarmBook::Table before = h->context->Alarms.all();
    const QStringList listedBefore = listed(main->lstAlarmTimes);

    if (error)
        h->fakes.messages.expect(
            command == Command::Save
                ? QStringLiteral("An error has occurred while saving your session (Err: %1). Please try again.")
                      .arg(error)
                : QStringLiteral("An error has occurred during loading your session (Err: %1). Please try again.")
                      .arg(error));
    run(command, name);

    QCOMPARE(h->fakes.files.saves + h->fakes.files.opens, 1);
    for (const FakeMessageBoxes::Call& call : h->fakes.messages.calls) {
        QCOMPARE(call.style, MsgBox::OkOnly | MsgBox::Critical);
        QCOMPARE(call.title, QStringLiteral("Tockwell"));
        const QString path = QDir::toNativeSeparators(folder->filePath(name));
        QVERIFY2(call.details.startsWith(path + QLatin1Char('\n')), qPrintable(call.details));
    }
    QVERIFY(h->context->Alarms.all() == before);
    QCOMPARE(listed(main->lstAlarmTimes), listedBefore);
    QCOMPARE(folderEntries(), filesBefore);
    QVERIFY(QDir(folder->filePath(QStringLiteral("folder"))).isEmpty());
    QVERIFY(!QFileInfo(folder->filePath(QStringLiteral("pipe"))).isFile());
}

QTEST_MAIN(tst_frmMainSession)
#include "tst_frmMainSession.moc"
