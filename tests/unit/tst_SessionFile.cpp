#include "TestFiles.h"
#include "alarms/SessionFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

using namespace SessionFile;

namespace {

const QByteArray FreeRecord = QByteArrayLiteral(" 0 \r\n 0 \r\n\r\n");

// A file of free slots with some of its 303 lines (counted from 0) replaced.
QByteArray fileWith(const QHash<int, QByteArray>& changed, const QByteArray& lineEnd = "\r\n")
{
    QByteArray data;
    for (int line = 0; line < LineCount; ++line)
        data += changed.value(line, line % LinesPerSlot == 2 ? QByteArray() : QByteArray(" 0 ")) + lineEnd;
    return data;
}

// A table the user has, which a failed load must leave exactly as it is.
AlarmBook userBook()
{
    AlarmBook book;
    book[1] = {7, 5, QStringLiteral("Keep me")};
    book[50] = {22, 30, QStringLiteral("Also kept")};
    return book;
}

int openDescriptors()
{
    return static_cast<int>(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System).size());
}

} // namespace

class tst_SessionFile : public QObject {
    Q_OBJECT
private slots:
    void writtenBytes();
    void fullTableRoundTrips();
    void alarmInSlotZeroLoadsCountsAndLists();
    void lineFeedCannotSplitARecord();
    void filesThatLoad_data();
    void filesThatLoad();
    void brokenFilesChangeNothing_data();
    void brokenFilesChangeNothing();
    void errorNumbers_data();
    void errorNumbers();
    void savedFilesLoadBackAndFailuresLeaveNoFileOpen();
    void failedWriteKeepsThePreviousFile();
    void hugeTailIsNotRead();
};

void tst_SessionFile::writtenBytes()
{
    QCOMPARE(write(AlarmBook::Table{}), FreeRecord.repeated(AlarmBook::SlotCount));
    AlarmBook::Table table{};
    table[0] = {24, 7.5f, QStringLiteral("x")};
    table[1] = {-5, -0.f, QString()};
    QVERIFY(write(table).startsWith(" 24 \r\n 7.5 \r\nx\r\n-5 \r\n 0 \r\n\r\n"));
}

void tst_SessionFile::fullTableRoundTrips()
{
    const QStringList descriptions = {
        QStringLiteral("Wake up, then coffee"),
        QStringLiteral("\"Quoted\" and 'single'"),
        QStringLiteral("   leading blanks"),
        QStringLiteral("trailing blanks   "),
        QStringLiteral("Caf\u00e9 cr\u00e8me, \u00c5ngstr\u00f6m"),
        QStringLiteral("Rocket \U0001F680 launch"),
        QStringLiteral("12345678901234567890123456789012345"),
        QStringLiteral("a,b,,c,\"d\""),
    };
    AlarmBook::Table table{};
    for (int slot = 1; slot <= AlarmBook::LastSlot; ++slot)
        table[static_cast<std::size_t>(slot)] = {static_cast<float>(1 + slot % 24), static_cast<float>((slot * 7) % 60),
                                                 descriptions[slot % descriptions.size()]};
    AlarmBook book = userBook();
    const Outcome outcome = readInto(write(table), book);
    QVERIFY2(outcome.ok(), qPrintable(outcome.reason));
    QVERIFY(book.all() == table);
    QCOMPARE(book.AlarmCount(), 100);
}

void tst_SessionFile::alarmInSlotZeroLoadsCountsAndLists()
{
    AlarmBook book = userBook();
    QVERIFY(readInto(fileWith({{0, " 9 "}, {1, " 15 "}, {2, "From another program"}}), book).ok());
    QCOMPARE(book.AlarmCount(), 1);
    QCOMPARE(book.lines(), QStringList{QStringLiteral("9:15 AM   -   From another program")});
}

void tst_SessionFile::lineFeedCannotSplitARecord()
{
    AlarmBook::Table table{};
    table[1] = {7, 5, QStringLiteral("two\nlines\r\nhere")};
    table[2] = {8, 0, QStringLiteral("next")};
    const Result result = read(write(table));
    QVERIFY(result.ok());
    QCOMPARE(result.table[1].Description, QStringLiteral("two lines\r here"));
    QCOMPARE(result.table[2], table[2]);
}

void tst_SessionFile::filesThatLoad_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<AlarmRecord>("first"); // slot 1 afterwards
    QTest::addColumn<QString>("last");      // slot 100's description afterwards

    const auto slotOne = [](const QByteArray& hour, const QByteArray& minute, const QByteArray& text = "Wake up",
                            const QByteArray& lastLine = {}) {
        return fileWith({{3, hour}, {4, minute}, {5, text}, {302, lastLine}});
    };
    const AlarmRecord wake{7, 5, u"Wake up"_qs};
    const QByteArray standard = slotOne(" 7 ", " 5 ");
    QTest::newRow("as written") << standard << wake << QString();
    QTest::newRow("LF line ends") << QByteArray(standard).replace("\r\n", "\n") << wake << QString();
    QTest::newRow("no line end after the last line")
        << slotOne(" 7 ", " 5 ", "Wake up", "Bedtime").chopped(2) << wake << u"Bedtime"_qs;
    QTest::newRow("byte-order mark") << "\xEF\xBB\xBF" + standard << wake << QString();
    // What follows line 303 is neither numbers nor UTF-8, and must not change how the file reads.
    QTest::newRow("lines beyond 303") << slotOne(" 7 ", " 5 ", "Gr\xC3\xBC\xC3\x9F") + "garbage\r\n\xE9\xFF\r\n-1\r\n"
                                      << AlarmRecord{7, 5, u"Gr\u00fc\u00df"_qs} << QString();
    QTest::newRow("no blanks") << slotOne("7", "5") << wake << QString();
    QTest::newRow("point zero") << slotOne("24.0", "59.") << AlarmRecord{24, 59, u"Wake up"_qs} << QString();
    QTest::newRow("blank lines hold 0") << slotOne("", "   ") << AlarmRecord{0, 0, u"Wake up"_qs} << QString();
    QTest::newRow("negative zero") << slotOne("-0", "-0.0") << AlarmRecord{0, 0, u"Wake up"_qs} << QString();
    QTest::newRow("description kept whole") << slotOne(" 7 ", " 5 ", "  , \"quoted\", 'x'  \t")
                                            << AlarmRecord{7, 5, u"  , \"quoted\", 'x'  \t"_qs} << QString();
    QTest::newRow("only the line end's CR goes")
        << slotOne(" 7 ", " 5 ", "ends with CR\r") << AlarmRecord{7, 5, u"ends with CR\r"_qs} << QString();

    // Text from older systems: each byte one Windows-1252 character, valid UTF-8 elsewhere in the
    // file notwithstanding: one file, one encoding.
    const auto older = [&](const QByteArray& bytes) { return slotOne(" 8 ", " 0 ", bytes, "Gr\xC3\xBC\xC3\x9F"); };
    const QString mixed = u"Gr\u00c3\u00bc\u00c3\u0178"_qs;
    QTest::newRow("accents") << older("Caf\xE9 cr\xE8me") << AlarmRecord{8, 0, u"Caf\u00e9 cr\u00e8me"_qs} << mixed;
    QTest::newRow("euro and quotes") << older("\x80 5 \x93ok\x94") << AlarmRecord{8, 0, u"\u20ac 5 \u201cok\u201d"_qs}
                                     << mixed;
    QTest::newRow("cut-off UTF-8") << older("caf\xC3") << AlarmRecord{8, 0, u"caf\u00c3"_qs} << mixed;
    QTest::newRow("unassigned stay controls")
        << older("\x81\x8D\x8F\x90\x9D") << AlarmRecord{8, 0, u"\u0081\u008d\u008f\u0090\u009d"_qs} << mixed;
    QTest::newRow("Latin-1 from A0") << older("\xA0\xE9\xFF") << AlarmRecord{8, 0, u"\u00a0\u00e9\u00ff"_qs} << mixed;
}

void tst_SessionFile::filesThatLoad()
{
    QFETCH(QByteArray, data);
    QFETCH(AlarmRecord, first);
    QFETCH(QString, last);

    AlarmBook book = userBook();
    const Outcome outcome = readInto(data, book);
    QVERIFY2(outcome.ok(), qPrintable(outcome.reason));
    QCOMPARE(book[1], first);
    QVERIFY(!std::signbit(book[1].Hour));
    QCOMPARE(book[50], AlarmRecord{});
    QCOMPARE(book[100].Description, last);
    QCOMPARE(book.AlarmCount(), first.inUse() ? 1 : 0);
}

void tst_SessionFile::brokenFilesChangeNothing_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("line");

    QTest::newRow("empty") << QByteArray() << 62 << 0;
    QTest::newRow("single LF") << QByteArray("\n") << 62 << 1;
    // An empty last line without its line end is no line at all.
    QTest::newRow("last line end missing") << FreeRecord.repeated(101).chopped(2) << 62 << 302;

    const auto at = [](int index, const QByteArray& text) { return fileWith({{index, text}}); };
    QTest::newRow("text for an hour") << at(0, "seven") << 13 << 1;
    QTest::newRow("text for a minute") << at(301, "half past") << 13 << 302;
    QTest::newRow("number then text") << at(3, "7abc") << 13 << 4;
    QTest::newRow("hex") << at(3, "0x7") << 13 << 4;
    QTest::newRow("hour 25") << at(3, " 25 ") << 13 << 4;
    QTest::newRow("minute 60") << at(4, " 60 ") << 13 << 5;
    QTest::newRow("half an hour") << at(3, " 7.5 ") << 13 << 4;
    QTest::newRow("tiny fraction") << at(4, " 5.000000001 ") << 13 << 5;
    QTest::newRow("non-breaking space") << at(3, "\xA0\x37") << 13 << 4;
    QTest::newRow("first error wins over shortness") << at(0, "x").left(20) << 13 << 1;
    QTest::newRow("a picture") << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16).repeated(100) << 13 << 1;
    QTest::newRow("zero bytes") << QByteArray(4096, '\0') << 13 << 1;
    const QString written = QString::fromUtf8(write(userBook().all()));
    QTest::newRow("UTF-16") << QByteArray(reinterpret_cast<const char*>(written.utf16()), written.size() * 2) << 13
                            << 1;
}

void tst_SessionFile::brokenFilesChangeNothing()
{
    QFETCH(QByteArray, data);
    QFETCH(int, error);
    QFETCH(int, line);

    const Result parsed = read(data);
    QCOMPARE(parsed.error, error);
    QVERIFY(parsed.table == AlarmBook::Table{});
    const QString where = error == 62 ? QStringLiteral("The file holds %1 of the 303 lines").arg(line)
                                      : QStringLiteral("Line %1 holds").arg(line);
    QVERIFY2(parsed.reason.startsWith(where), qPrintable(parsed.reason));

    AlarmBook book = userBook();
    QCOMPARE(readInto(data, book).error, error);
    QVERIFY(book.all() == userBook().all());
}

void tst_SessionFile::errorNumbers_data()
{
    QTest::addColumn<FileTask>("task");
    QTest::addColumn<QFileDevice::FileError>("error");
    QTest::addColumn<int>("systemError");
    QTest::addColumn<bool>("folderExists");
    QTest::addColumn<int>("number");

    const auto L = FileTask::Load;
    const auto S = FileTask::Save;
    const auto Open = QFileDevice::OpenError;
    const auto Write = QFileDevice::WriteError;
    QTest::newRow("missing file") << L << Open << ENOENT << true << 53;
    QTest::newRow("missing folder, load") << L << Open << ENOENT << false << 76;
    QTest::newRow("missing folder, save") << S << Open << ENOENT << false << 76;
    QTest::newRow("folder takes no files") << S << Open << ENOENT << true << 75;
    QTest::newRow("file where a folder belongs") << S << Open << ENOTDIR << false << 76;
    QTest::newRow("access") << L << Open << EACCES << true << 70;
    QTest::newRow("not permitted") << S << Open << EPERM << true << 70;
    QTest::newRow("read-only medium") << S << Open << EROFS << true << 70;
    QTest::newRow("a folder") << S << Write << EISDIR << true << 75;
    QTest::newRow("disk full") << S << Write << ENOSPC << true << 61;
    QTest::newRow("quota") << S << Write << EDQUOT << true << 61;
    QTest::newRow("size limit") << S << Write << EFBIG << true << 61;
    QTest::newRow("device") << L << QFileDevice::ReadError << EIO << true << 57;
    QTest::newRow("descriptors") << L << Open << EMFILE << true << 67;
    QTest::newRow("memory") << L << Open << ENOMEM << true << 7;
    QTest::newRow("name too long") << S << Open << ENAMETOOLONG << true << 75;
    QTest::newRow("unknown, no room") << S << QFileDevice::ResourceError << 0 << true << 61;
    QTest::newRow("unknown, reading") << L << QFileDevice::ReadError << 0 << true << 57;
    QTest::newRow("unknown, renaming") << S << QFileDevice::RenameError << 0 << true << 75;
    QTest::newRow("unknown, opening") << L << Open << 0 << true << 75;
}

void tst_SessionFile::errorNumbers()
{
    QFETCH(FileTask, task);
    QFETCH(QFileDevice::FileError, error);
    QFETCH(int, systemError);
    QFETCH(bool, folderExists);
    QFETCH(int, number);
    QCOMPARE(errorNumber(task, error, systemError, folderExists), number);
}

void tst_SessionFile::savedFilesLoadBackAndFailuresLeaveNoFileOpen()
{
    QTemporaryDir dir;
    const auto path = [&dir](const char* name) { return dir.filePath(QString::fromLatin1(name)); };
    QVERIFY(writeFile(path("week"), FreeRecord.repeated(3)));
    QVERIFY(writeFile(path("garbage.tkw"), QByteArray(5000, 'x')));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));

    const int before = openDescriptors();
    AlarmBook book = userBook();
    QCOMPARE(load(path("week"), book).error, 62);
    QCOMPARE(load(path("garbage.tkw"), book).error, 13);
    QCOMPARE(load(path("folder"), book).error, 75);
    QCOMPARE(save(path("folder"), book.all()).error, 75);
    QCOMPARE(save(path("week/x"), book.all()).error, 76);
    QCOMPARE(openDescriptors(), before);

    // Saving replaces the short file whole, under its own name, and leaves nothing beside it.
    const Outcome saved = save(path("week"), book.all());
    QVERIFY2(saved.ok(), qPrintable(saved.reason));
    QCOMPARE(readFile(path("week")), write(userBook().all()));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"garbage.tkw", "week"}));
    AlarmBook again;
    QVERIFY(load(path("week"), again).ok());
    QVERIFY(again.all() == userBook().all());
    QCOMPARE(openDescriptors(), before);
}

void tst_SessionFile::failedWriteKeepsThePreviousFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("week.tkw"));
    const QByteArray previous = write(userBook().all());
    QVERIFY(writeFile(path, previous));

    AlarmBook::Table big{};
    big.fill({23, 59, QStringLiteral("A description thirty-five long ...")});
    Outcome outcome;
    QVERIFY(withFileSizeLimit(1024, [&] { outcome = save(path, big); }));
    QCOMPARE(outcome.error, 61);
    QCOMPARE(readFile(path), previous);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{QStringLiteral("week.tkw")});
}

void tst_SessionFile::hugeTailIsNotRead()
{
    QTemporaryDir dir;
    // Holes read as zero bytes and take no disk space.
    const QString tail = dir.filePath(QStringLiteral("tail"));
    QVERIFY(writeFile(tail, write(userBook().all())) && QFile::resize(tail, 100LL * 1024 * 1024));
    AlarmBook loaded;
    const Outcome outcome = load(tail, loaded);
    QVERIFY2(outcome.ok(), qPrintable(outcome.reason));
    QVERIFY(loaded.all() == userBook().all());
}

QTEST_APPLESS_MAIN(tst_SessionFile)
#include "tst_SessionFile.moc"
