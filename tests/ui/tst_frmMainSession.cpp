#include "TestFiles.h"
#include "UiHarness.h"
#include "app/frmMain.h"
#include "platform/QtDesktop.h"

#include <QDir>
#include <QToolButton>

// The save and load commands; which files fail and how is the session file tests' matter.
class tst_frmMainSession : public UiTest {
    Q_OBJECT
private slots:
    void saveAndLoad_data()
    {
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("name"); // picked in the folder; empty: the user cancels, and hears nothing of it
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("listed"); // afterwards, and while the message box is open

        const QStringList kept = {"21:30 PM   -   Film, \"late\"", "7:05 AM   -   Dentist"};
        const QString failed = QStringLiteral("An error has occurred %1 your session (Err: %2). Please try again.");
        QTest::newRow("save") << true << u"monday"_qs << "You have successfully saved your session." << kept;
        QTest::newRow("load") << false << u"other.tkw"_qs << "You have successfully loaded your session."
                              << QStringList{"13:00 PM   -   Lunch", "9:15 AM   -   Slot 0"};
        QTest::newRow("save cancelled") << true << QString() << QString() << kept;
        QTest::newRow("load cancelled") << false << QString() << QString() << kept;
        // The disk fills part-way: the previous file stays whole, and no temporary file is left.
        QTest::newRow("save, disk full") << true << "notes.txt" << failed.arg("while saving").arg(61) << kept;
        QTest::newRow("load a text file") << false << "notes.txt" << failed.arg("during loading").arg(13) << kept;
    }
    void saveAndLoad()
    {
        QFETCH(bool, save);
        QFETCH(QString, name);
        QFETCH(QString, message);
        QFETCH(QStringList, listed);
        const QByteArray free = " 0 \r\n 0 \r\n\r\n";
        const QByteArray notes = "Shopping: eggs, milk\n";
        QVERIFY(writeFile(folder->filePath(QStringLiteral("notes.txt")), notes));
        QVERIFY(writeFile(folder->filePath(QStringLiteral("other.tkw")),
                          " 9 \n 15 \nSlot 0\n" + free.repeated(59) + " 13 \n 0 \nLunch\n" + free.repeated(40)));
        modMain& context = *h->context;
        context.Alarms[1] = {7, 5, QStringLiteral("Dentist")};
        context.Alarms[4] = {21, 30, QStringLiteral("Film, \"late\"")};
        frmMain& main = context.form<frmMain>();
        main.show();
        main.GetRecordedTimes();
        const AlarmBook::Table table = context.Alarms.all();

        QStringList listedWhileOpen;
        if (!message.isEmpty())
            h->fakes.messages.expect(message, MsgBox::Ok, [&] { listedWhileOpen = ::listed(main.lstAlarmTimes); });
        (save ? h->fakes.files.nextSave : h->fakes.files.nextOpen) = name.isEmpty() ? name : folder->filePath(name);
        const auto command = [&] { QTest::mouseClick(save ? main.cmdSave : main.cmdOpen, Qt::LeftButton); };
        if (message.contains(u"Err: 61"))
            QVERIFY(withFileSizeLimit(1024, command));
        else
            command();

        QCOMPARE(h->fakes.files.asked,
                 QStringList{(save ? "save " : "open ") + QStringLiteral("Tockwell Session | *.tkw")});
        QCOMPARE(QtFileDialogs::toQtFilter(QStringLiteral("Tockwell Session | *.tkw")), u"Tockwell Session (*.tkw)"_qs);
        QCOMPARE(::listed(main.lstAlarmTimes), listed);
        // The list is whole before the message box opens, not after it closes.
        QCOMPARE(listedWhileOpen, message.isEmpty() ? QStringList() : listed);
        for (const FakeMessageBoxes::Call& call : h->fakes.messages.calls) {
            const bool failure = call.text.contains(u"Err:");
            QCOMPARE(call.style, MsgBox::OkOnly | (failure ? MsgBox::Critical : MsgBox::Information));
            QCOMPARE(call.title, QStringLiteral("Tockwell"));
            QVERIFY2(!failure || call.details.startsWith(folder->filePath(name) + u'\n'), qPrintable(call.details));
        }
        QVERIFY(context.Alarms.all() == table || name == QLatin1String("other.tkw"));
        QCOMPARE(readFile(folder->filePath(QStringLiteral("notes.txt"))), notes);
        const bool saved = message.contains(u"saved");
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files | QDir::Hidden).join(u' '),
                 saved ? u"monday notes.txt other.tkw"_qs : u"notes.txt other.tkw"_qs);
        if (saved)
            QCOMPARE(readFile(folder->filePath(name)), free + " 7 \r\n 5 \r\nDentist\r\n" + free.repeated(2) +
                                                           " 21 \r\n 30 \r\nFilm, \"late\"\r\n" + free.repeated(96));
    }

private:
    void prepare() override { folder = std::make_unique<QTemporaryDir>(); }
    std::unique_ptr<QTemporaryDir> folder;
};

QTEST_MAIN(tst_frmMainSession)
#include "tst_frmMainSession.moc"
