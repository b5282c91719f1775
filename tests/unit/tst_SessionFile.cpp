#include "alarms/SessionFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace SessionFile;

namespace {

const QByteArray FreeRecord = QByteArrayLiteral(" 0 \r\n 0 \r\n\r\n");

QList<QByteArray> freeLines()
{
    QList<QByteArray> lines;
    for (int slot = 0; slot < AlarmBook::SlotCount; ++slot)
        lines << " 0 "
              << " 0 "
              << "";
    return lines;
}

QByteArray joined(const QList<QByteArray>& lines, const QByteArray& lineEnd = "\r\n")
{
    QByteArray data;
    for (const QByteArray& line : lines)
        data += line + lineEnd;
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

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool putFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

int openDescriptors()
{
    return static_cast<int>(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System).size());
}

} // namespace

class tst_SessionFile : public QObject {
    Q_OBJECT
private slots:
    void emptyTableIsThreeHundredThreeLines();
    void numberForms_data();
    void numberForms();
    void fullTableRoundTrips();
    void alarmInSlotZeroLoadsCountsAndLists();
    void lineFeedCannotSplitARecord();
    void handWrittenFilesLoad_data();
    void handWrittenFilesLoad();
    void brokenFilesChangeNothing_data();
    void brokenFilesChangeNothing();
    void olderSystemsTextLoads_data();
    void olderSystemsTextLoads();
    void onlyTheFirst303LinesCount();
    void windows1252_data();
    void windows1252();

    void errorNumbers_data();
    void errorNumbers();
    void savedFileLoadsBack();
    void failedWriteKeepsThePreviousFile();
    void failuresLeaveNoFileOpen();
    void hugeFileIsRefusedAndHugeTailIsNotRead();
};

void tst_SessionFile::emptyTableIsThreeHundredThreeLines()
{
    const QByteArray data = write(AlarmBook::Table{});
    QCOMPARE(data, FreeRecord.repeated(AlarmBook::SlotCount));
    QCOMPARE(data.count("\r\n"), LineCount);
    QVERIFY(data.endsWith("\r\n"));
}

void tst_SessionFile::numberForms_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QByteArray>("line");

    QTest::newRow("seven") << 7.f << QByteArray(" 7 ");
    QTest::newRow("zero") << 0.f << QByteArray(" 0 ");
    QTest::newRow("negative zero") << -0.f << QByteArray(" 0 ");
    QTest::newRow("two digits") << 24.f << QByteArray(" 24 ");
    QTest::newRow("negative") << -5.f << QByteArray("-5 ");
    QTest::newRow("fraction") << 7.5f << QByteArray(" 7.5 ");
}

void tst_SessionFile::numberForms()
{
    QFETCH(float, value);
    QFETCH(QByteArray, line);
    AlarmBook::Table table{};
    table[0] = {value, value, QStringLiteral("x")};
    QCOMPARE(write(table).left(2 * (line.size() + 2) + 3), line + "\r\n" + line + "\r\nx\r\n");
}

void tst_SessionFile::fullTableRoundTrips()
{
    const QStringList descriptions = {
        QStringLiteral("Wake up, then coffee"),
        QStringLiteral("\"Quoted\" and 'single'"),
        QStringLiteral("   leading blanks"),
        QStringLiteral("trailing blanks   "),
        QStringLiteral("Caf\u00e9 cr\u00e8me br\u00fbl\u00e9e, \u00c5ngstr\u00f6m"),
        QStringLiteral("Rocket \U0001F680 launch \U0001F389"),
        QStringLiteral("12345678901234567890123456789012345"),
        QStringLiteral("N/A"),
        QStringLiteral("\u65e5\u672c\u8a9e\u306e\u30e1\u30e2"),
        QStringLiteral("a,b,,c,\"d\""),
        QStringLiteral(" 7 "),
        QStringLiteral("<b>not markup</b> & more"),
    };
    AlarmBook::Table table{};
    for (int slot = 1; slot <= AlarmBook::LastSlot; ++slot) {
        const float hour = static_cast<float>(1 + slot % 24);
        const float minute = static_cast<float>((slot * 7) % 60);
        table[static_cast<std::size_t>(slot)] = {hour, minute, descriptions[slot % descriptions.size()]};
    }
    const QByteArray data = write(table);
    QCOMPARE(data.count("\r\n"), LineCount);

    AlarmBook book = userBook();
    const Outcome outcome = readInto(data, book);
    QVERIFY2(outcome.ok(), qPrintable(outcome.reason));
    QVERIFY(book.all() == table);
    QCOMPARE(book.AlarmCount(), 100);
    QCOMPARE(book[0], AlarmRecord{});
}

void tst_SessionFile::alarmInSlotZeroLoadsCountsAndLists()
{
    QList<QByteArray> lines = freeLines();
    lines[0] = " 9 ";
    lines[1] = " 15 ";
    lines[2] = "From another program";
    AlarmBook book = userBook();
    QVERIFY(readInto(joined(lines), book).ok());
    QCOMPARE(book[0], (AlarmRecord{9, 15, QStringLiteral("From another program")}));
    QCOMPARE(book.AlarmCount(), 1);
    QCOMPARE(book.lines(), QStringList{QStringLiteral("9:15 AM   -   From another program")});
}

void tst_SessionFile::lineFeedCannotSplitARecord()
{
    AlarmBook::Table table{};
    table[1] = {7, 5, QStringLiteral("two\nlines\r\nhere")};
    table[2] = {8, 0, QStringLiteral("next")};
    const QByteArray data = write(table);
    QCOMPARE(data.count('\n'), LineCount);
    const Result result = read(data);
    QVERIFY(result.ok());
    QCOMPARE(result.table[1].Description, QStringLiteral("two lines\r here"));
    QCOMPARE(result.table[2], table[2]);
}

void tst_SessionFile::handWrittenFilesLoad_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<float>("hour");
    QTest::addColumn<float>("minute");
    QTest::addColumn<QString>("description");

    QList<QByteArray> lines = freeLines();
    lines[3] = " 7 ";
    lines[4] = " 5 ";
    lines[5] = "Wake up";
    const QByteArray standard = joined(lines);

    QTest::newRow("as written") << standard << 7.f << 5.f << "Wake up";
    QTest::newRow("LF line ends") << joined(lines, "\n") << 7.f << 5.f << "Wake up";
    QList<QByteArray> lastFilled = lines;
    lastFilled[302] = "Bedtime";
    QTest::newRow("no line end after the last line") << joined(lastFilled).chopped(2) << 7.f << 5.f << "Wake up";
    QTest::newRow("byte-order mark") << "\xEF\xBB\xBF" + standard << 7.f << 5.f << "Wake up";
    QTest::newRow("lines beyond 303") << standard + "anything at all\r\n\x01\x02\r\n" << 7.f << 5.f << "Wake up";

    const auto numbers = [&lines](const QByteArray& hour, const QByteArray& minute) {
        QList<QByteArray> changed = lines;
        changed[3] = hour;
        changed[4] = minute;
        return joined(changed);
    };
    QTest::newRow("no blanks") << numbers("7", "5") << 7.f << 5.f << "Wake up";
    QTest::newRow("tabs and blanks") << numbers("\t 13\t", "  30   ") << 13.f << 30.f << "Wake up";
    QTest::newRow("plus sign") << numbers("+12", "+0") << 12.f << 0.f << "Wake up";
    QTest::newRow("point zero") << numbers("24.0", "59.") << 24.f << 59.f << "Wake up";
    QTest::newRow("exponent") << numbers("1E1", "4.5e1") << 10.f << 45.f << "Wake up";
    QTest::newRow("leading zeros") << numbers("007", "05") << 7.f << 5.f << "Wake up";
    QTest::newRow("blank lines hold 0") << numbers("", "   ") << 0.f << 0.f << "Wake up";
    QTest::newRow("negative zero") << numbers("-0", "-0.0") << 0.f << 0.f << "Wake up";

    QList<QByteArray> descriptions = lines;
    descriptions[5] = "  , \"quoted\", 'x'  \t";
    QTest::newRow("description kept whole") << joined(descriptions) << 7.f << 5.f << "  , \"quoted\", 'x'  \t";
    descriptions[5] = "ends with CR\r";
    QTest::newRow("only the line end's CR goes") << joined(descriptions) << 7.f << 5.f << "ends with CR\r";
    descriptions[5] = "Caf\xC3\xA9 \xF0\x9F\x9A\x80";
    QTest::newRow("UTF-8") << joined(descriptions) << 7.f << 5.f << "Caf\u00e9 \U0001F680";
}

void tst_SessionFile::handWrittenFilesLoad()
{
    QFETCH(QByteArray, data);
    QFETCH(float, hour);
    QFETCH(float, minute);
    QFETCH(QString, description);

    AlarmBook book = userBook();
    const Outcome outcome = readInto(data, book);
    QVERIFY2(outcome.ok(), qPrintable(outcome.reason));
    QCOMPARE(book[1].Hour, hour);
    QCOMPARE(book[1].Minute, minute);
    QVERIFY(!std::signbit(book[1].Hour));
    QCOMPARE(book[1].Description, description);
    QCOMPARE(book[50], AlarmRecord{});
    QCOMPARE(book.AlarmCount(), hour > 0 ? 1 : 0);
    QCOMPARE(book[100].Description, data.contains("Bedtime") ? QStringLiteral("Bedtime") : QString());
}

void tst_SessionFile::brokenFilesChangeNothing_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("line");

    const QList<QByteArray> lines = freeLines();
    QTest::newRow("empty") << QByteArray() << 62 << 0;
    QTest::newRow("one line short") << joined(lines.mid(0, 302)) << 62 << 302;
    QTest::newRow("two records") << joined(lines.mid(0, 6)) << 62 << 6;
    QTest::newRow("only a byte-order mark") << QByteArray("\xEF\xBB\xBF") << 62 << 0;
    QTest::newRow("single LF") << QByteArray("\n") << 62 << 1;
    // An empty last line without its line end is no line at all.
    QTest::newRow("last line end missing") << FreeRecord.repeated(101).chopped(2) << 62 << 302;

    const auto at = [&lines](int index, const QByteArray& text) {
        QList<QByteArray> changed = lines;
        changed[index] = text;
        return joined(changed);
    };
    QTest::newRow("text for an hour") << at(0, "seven") << 13 << 1;
    QTest::newRow("text for a minute") << at(301, "half past") << 13 << 302;
    QTest::newRow("number then text") << at(3, "7abc") << 13 << 4;
    QTest::newRow("two numbers") << at(3, "7 5") << 13 << 4;
    QTest::newRow("comma list") << at(3, "7,5") << 13 << 4;
    QTest::newRow("lone sign") << at(3, "-") << 13 << 4;
    QTest::newRow("lone point") << at(3, ".") << 13 << 4;
    QTest::newRow("open exponent") << at(3, "1e") << 13 << 4;
    QTest::newRow("not a number") << at(3, "nan") << 13 << 4;
    QTest::newRow("infinity") << at(3, "inf") << 13 << 4;
    QTest::newRow("hex") << at(3, "0x7") << 13 << 4;
    QTest::newRow("hour 25") << at(3, " 25 ") << 13 << 4;
    QTest::newRow("negative hour") << at(3, "-1 ") << 13 << 4;
    QTest::newRow("minute 60") << at(4, " 60 ") << 13 << 5;
    QTest::newRow("negative minute") << at(4, "-30 ") << 13 << 5;
    QTest::newRow("half an hour") << at(3, " 7.5 ") << 13 << 4;
    QTest::newRow("tiny fraction") << at(4, " 5.000000001 ") << 13 << 5;
    QTest::newRow("beyond any double") << at(3, " 1e999 ") << 13 << 4;
    QTest::newRow("below any double") << at(3, " 1e-999 ") << 13 << 4;
    QTest::newRow("non-breaking space") << at(3, "\xA0"
                                                 "7")
                                        << 13 << 4;
    QTest::newRow("first error wins over shortness") << at(0, "x").left(20) << 13 << 1;

    QByteArray png("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16);
    QTest::newRow("a picture") << png.repeated(100) << 13 << 1;
    QTest::newRow("zero bytes") << QByteArray(4096, '\0') << 13 << 1;
    const QByteArray written = write(userBook().all());
    QTest::newRow("UTF-16") << QByteArray(reinterpret_cast<const char*>(QString::fromUtf8(written).utf16()),
                                          written.size() * 2)
                            << 13 << 1;
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
    const Outcome outcome = readInto(data, book);
    QCOMPARE(outcome.error, error);
    QVERIFY(book.all() == userBook().all());
    QCOMPARE(book.AlarmCount(), 2);
}

void tst_SessionFile::olderSystemsTextLoads_data()
{
    QTest::addColumn<QByteArray>("description");
    QTest::addColumn<QString>("expected");

    QTest::newRow("accents") << QByteArray("Caf\xE9 cr\xE8me") << QStringLiteral("Caf\u00e9 cr\u00e8me");
    QTest::newRow("euro and quotes") << QByteArray("\x80 5 \x93ok\x94") << QStringLiteral("\u20ac 5 \u201cok\u201d");
    QTest::newRow("cut-off UTF-8") << QByteArray("caf\xC3") << QStringLiteral("caf\u00c3");
}

void tst_SessionFile::olderSystemsTextLoads()
{
    QFETCH(QByteArray, description);
    QFETCH(QString, expected);

    QList<QByteArray> lines = freeLines();
    lines[3] = " 8 ";
    lines[4] = " 0 ";
    lines[5] = description;
    // Valid UTF-8 in another line does not make the file UTF-8: one file, one encoding.
    lines[8] = "Gr\xC3\xBC\xC3\x9F";
    AlarmBook book;
    const Outcome outcome = readInto(joined(lines), book);
    QVERIFY2(outcome.ok(), qPrintable(outcome.reason));
    QCOMPARE(book[1].Description, expected);
    QCOMPARE(book[2].Description, QStringLiteral("Gr\u00c3\u00bc\u00c3\u0178"));
}

void tst_SessionFile::onlyTheFirst303LinesCount()
{
    QList<QByteArray> lines = freeLines();
    lines[2] = "Gr\xC3\xBC\xC3\x9F";
    // What follows is neither numbers nor UTF-8, and must not change how the file reads.
    const QByteArray data = joined(lines) + "garbage\r\n\xE9\xFF\r\n-1\r\n";
    AlarmBook book;
    QVERIFY(readInto(data, book).ok());
    QCOMPARE(book[0].Description, QStringLiteral("Gr\u00fc\u00df"));
}

void tst_SessionFile::windows1252_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("ASCII") << QByteArray("Az09 ~") << QStringLiteral("Az09 ~");
    QTest::newRow("euro") << QByteArray("\x80") << QStringLiteral("\u20ac");
    QTest::newRow("unassigned stay controls")
        << QByteArray("\x81\x8D\x8F\x90\x9D") << QStringLiteral("\u0081\u008d\u008f\u0090\u009d");
    QTest::newRow("dashes and quotes") << QByteArray("\x91\x92\x93\x94\x96\x97")
                                       << QStringLiteral("\u2018\u2019\u201c\u201d\u2013\u2014");
    QTest::newRow("end of the high block") << QByteArray("\x9C\x9E\x9F") << QStringLiteral("\u0153\u017e\u0178");
    QTest::newRow("Latin-1 from A0") << QByteArray("\xA0\xE9\xFF") << QStringLiteral("\u00a0\u00e9\u00ff");
}

void tst_SessionFile::windows1252()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(fromWindows1252(bytes), text);
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
    QTest::newRow("missing file") << L << QFileDevice::OpenError << ENOENT << true << 53;
    QTest::newRow("missing folder, load") << L << QFileDevice::OpenError << ENOENT << false << 76;
    QTest::newRow("missing folder, save") << S << QFileDevice::OpenError << ENOENT << false << 76;
    QTest::newRow("folder takes no files") << S << QFileDevice::OpenError << ENOENT << true << 75;
    QTest::newRow("file where a folder belongs") << S << QFileDevice::OpenError << ENOTDIR << false << 76;
    QTest::newRow("access") << L << QFileDevice::OpenError << EACCES << true << 70;
    QTest::newRow("not permitted") << S << QFileDevice::OpenError << EPERM << true << 70;
    QTest::newRow("read-only medium") << S << QFileDevice::OpenError << EROFS << true << 70;
    QTest::newRow("a folder") << S << QFileDevice::WriteError << EISDIR << true << 75;
    QTest::newRow("disk full") << S << QFileDevice::WriteError << ENOSPC << true << 61;
#ifdef EDQUOT
    QTest::newRow("quota") << S << QFileDevice::WriteError << EDQUOT << true << 61;
#endif
    QTest::newRow("size limit") << S << QFileDevice::WriteError << EFBIG << true << 61;
    QTest::newRow("device") << L << QFileDevice::ReadError << EIO << true << 57;
    QTest::newRow("descriptors") << L << QFileDevice::OpenError << EMFILE << true << 67;
    QTest::newRow("memory") << L << QFileDevice::OpenError << ENOMEM << true << 7;
    QTest::newRow("name too long") << S << QFileDevice::OpenError << ENAMETOOLONG << true << 75;
    QTest::newRow("unknown, no room") << S << QFileDevice::ResourceError << 0 << true << 61;
    QTest::newRow("unknown, reading") << L << QFileDevice::ReadError << 0 << true << 57;
    QTest::newRow("unknown, renaming") << S << QFileDevice::RenameError << 0 << true << 75;
    QTest::newRow("unknown, opening") << L << QFileDevice::OpenError << 0 << true << 75;
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

void tst_SessionFile::savedFileLoadsBack()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("week"));
    const AlarmBook saved = userBook();
    QVERIFY(putFile(path, "previous contents"));
    const Outcome outcome = save(path, saved.all());
    QVERIFY2(outcome.ok(), qPrintable(outcome.reason));
    QCOMPARE(fileBytes(path), write(saved.all()));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("week")});

    AlarmBook loaded;
    QVERIFY(load(path, loaded).ok());
    QVERIFY(loaded.all() == saved.all());
}

void tst_SessionFile::failedWriteKeepsThePreviousFile()
{
#ifndef Q_OS_UNIX
    QSKIP("Needs a file size limit to make a write fail half-way");
#else
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("week.tkw"));
    const QByteArray previous = write(userBook().all());
    QVERIFY(putFile(path, previous));

    AlarmBook::Table big{};
    for (auto& record : big)
        record = {23, 59, QStringLiteral("A description thirty-five long ...")};
    QVERIFY(write(big).size() > 4096);

    // The system refuses every byte past 1 KiB, even to root: the write fails half-way through.
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit original{};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &original), 0);
    rlimit limited = original;
    limited.rlim_cur = 1024;
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    const Outcome outcome = save(path, big);
    ::setrlimit(RLIMIT_FSIZE, &original);
    std::signal(SIGXFSZ, oldHandler);

    QCOMPARE(outcome.error, 61);
    QCOMPARE(fileBytes(path), previous);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{QStringLiteral("week.tkw")});
#endif
}

void tst_SessionFile::failuresLeaveNoFileOpen()
{
    if (!QFileInfo::exists(QStringLiteral("/proc/self/fd")))
        QSKIP("No way to count open files here");
    QTemporaryDir dir;
    QVERIFY(putFile(dir.filePath(QStringLiteral("short.tkw")), FreeRecord.repeated(3)));
    QVERIFY(putFile(dir.filePath(QStringLiteral("garbage.tkw")), QByteArray(5000, 'x')));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));

    const int before = openDescriptors();
    AlarmBook book = userBook();
    QCOMPARE(load(dir.filePath(QStringLiteral("short.tkw")), book).error, 62);
    QCOMPARE(load(dir.filePath(QStringLiteral("garbage.tkw")), book).error, 13);
    QCOMPARE(load(dir.filePath(QStringLiteral("folder")), book).error, 75);
    QCOMPARE(save(dir.filePath(QStringLiteral("folder")), book.all()).error, 75);
    QCOMPARE(save(dir.filePath(QStringLiteral("short.tkw/x")), book.all()).error, 76);
    QCOMPARE(openDescriptors(), before);

    // And the same file can be written and read again at once.
    QVERIFY(save(dir.filePath(QStringLiteral("short.tkw")), book.all()).ok());
    AlarmBook again;
    QVERIFY(load(dir.filePath(QStringLiteral("short.tkw")), again).ok());
    QVERIFY(again.all() == userBook().all());
    QCOMPARE(openDescriptors(), before);
}

void tst_SessionFile::hugeFileIsRefusedAndHugeTailIsNotRead()
{
    QTemporaryDir dir;
    constexpr qint64 Huge = 100LL * 1024 * 1024;

    // Holes read as zero bytes and take no disk space.
    const QString noLines = dir.filePath(QStringLiteral("zeros"));
    QVERIFY(putFile(noLines, {}));
    QVERIFY(QFile::resize(noLines, Huge));
    AlarmBook book = userBook();
    const Outcome refused = load(noLines, book);
    QCOMPARE(refused.error, 13);
    QVERIFY(book.all() == userBook().all());

    const QString longTail = dir.filePath(QStringLiteral("tail"));
    QVERIFY(putFile(longTail, write(userBook().all())));
    QVERIFY(QFile::resize(longTail, Huge));
    AlarmBook loaded;
    const Outcome outcome = load(longTail, loaded);
    QVERIFY2(outcome.ok(), qPrintable(outcome.reason));
    QVERIFY(loaded.all() == userBook().all());
}

QTEST_APPLESS_MAIN(tst_SessionFile)
#include "tst_SessionFile.moc"
