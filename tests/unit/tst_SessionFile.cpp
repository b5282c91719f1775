#include "TestFiles.h"
#include "alarms/SessionFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace SessionFile;

namespace {

const QByteArray FreeRecord = QByteArrayLiteral(" 0 \r\n 0 \r\n\r\n");

// A file of free slots with some of its 303 lines (counted from 0) replaced.
QByteArray fileWith(const QHash<int, QByteArray>& changed)
{
    QByteArray data;
    for (int line = 0; line < LineCount; ++line)
        data += changed.value(line, line % LinesPerSlot == 2 ? QByteArray() : QByteArray(" 0 ")) + "\r\n";
    return data;
}

// A table the user has, which a refused file must leave exactly as it is.
AlarmBook userBook()
{
    AlarmBook book;
    book[1] = {7, 5, QStringLiteral("Keep me")};
    return book;
}

} // namespace

class tst_SessionFile : public QObject {
    Q_OBJECT
private slots:
    void writtenBytes()
    {
        AlarmBook::Table table{};
        table[0] = {-5, -0.f, QStringLiteral("Caf\u00e9, \"x\"")};
        // A line feed would split the record and shift every slot after it.
        table[1] = {24, 7.5f, QStringLiteral("two\nlines\r\n")};
        QCOMPARE(write(table),
                 "-5 \r\n 0 \r\nCaf\xC3\xA9, \"x\"\r\n 24 \r\n 7.5 \r\ntwo lines\r \r\n" + FreeRecord.repeated(99));
    }
    // An alarm's days, once, off, sound and volume after the 303 lines, read back as written; damaged lines of them
    // are named and left out, and the alarms load all the same.
    void extras_data()
    {
        QTest::addColumn<QByteArray>("lines"); // after the header
        QTest::addColumn<QString>("slot1");    // days once on sound file volume of slot 1, as read
        QTest::addColumn<QString>("ignored");  // the numbers of the lines named
        const QString plain = QStringLiteral("127 0 1   100");
        QTest::newRow("all of them, in any order, an unknown key passed over")
            << QByteArray("1 volume=40 days=531 once=1 on=0 sound=chime file=%2Fm%C3%BCsic%2Fa%20b.ogg later=x\r\n")
            << u"21 1 0 chime /müsic/a b.ogg 40"_qs << QString();
        QTest::newRow("damaged lines")
            << QByteArray("1 days=8\n2 on=1\nx\n101 once=1\n1 on=0 volume=101\n1 days=\n1 on=0\n1 on=1\n")
            << u"127 0 0   100"_qs << u"305 306 307 308 309 310 312"_qs;
        QTest::newRow("no header: not ours") << QByteArray() << plain << QString();
    }
    void extras()
    {
        QFETCH(QByteArray, lines);
        QFETCH(QString, slot1);
        QFETCH(QString, ignored);
        const QByteArray table = fileWith({{3, " 7 "}, {5, "Work"}});
        const QByteArray data = table + (lines.isEmpty() ? "1 on=0\r\n" : ExtrasHeader + QByteArray("\r\n") + lines);
        const Result result = SessionFile::read(data);
        const AlarmRecord& record = result.table[1];
        QVERIFY(result.ok() && record.Hour == 7);
        QCOMPARE(QStringLiteral("%1 %2 %3 %4 %5 %6")
                     .arg(record.days)
                     .arg(record.once)
                     .arg(record.on)
                     .arg(record.sound, record.soundFile)
                     .arg(record.volume),
                 slot1);
        QStringList named;
        for (const QString& reason : result.ignored)
            named << reason.section(u':', 0, 0).section(u' ', 1);
        QCOMPARE(named.join(u' '), ignored);
        // Written again: the table's 303 lines as they were, the extras after them only where an alarm has any.
        const QByteArray written = write(result.table);
        QCOMPARE(written.left(table.size()), table);
        QCOMPARE(written.size() == table.size(), slot1 == u"127 0 1   100");
        QCOMPARE(SessionFile::read(written).table, result.table);
    }
    void read_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("error");
        QTest::addColumn<AlarmRecord>("first"); // slot 1 afterwards
        QTest::addColumn<QString>("text");      // slot 100's description; of a refused file, how the reason starts

        const AlarmRecord kept = userBook()[1];
        // Only the line end's CR goes; what follows line 303 is neither numbers nor UTF-8 and changes nothing.
        QTest::newRow("highest, description whole, lines beyond 303")
            << fileWith({{3, "24.0"}, {4, "59."}, {5, " , \"quoted\"\t\r"}}) + "garbage\r\n\xE9\xFF\r\n"
            << 0 << AlarmRecord{24, 59, u" , \"quoted\"\t\r"_qs} << QString();
        QTest::newRow("byte-order mark, LF, blanks, no last line end")
            << "\xEF\xBB\xBF" + fileWith({{3, " 7 "}, {4, "  "}, {302, "Bedtime"}}).replace("\r\n", "\n").chopped(1)
            << 0 << AlarmRecord{7, 0, {}} << u"Bedtime"_qs;
        // Not valid UTF-8: every byte of the file is one Windows-1252 character, the valid UTF-8 too.
        QTest::newRow("Windows-1252") << fileWith(
                                             {{3, "8"}, {5, "\x80 caf\xE9 \x93ok\x94 \x81 \x9F"}, {302, "\xC3\xBC"}})
                                      << 0 << AlarmRecord{8, 0, u"\u20ac caf\u00e9 \u201cok\u201d \u0081 \u0178"_qs}
                                      << u"\u00c3\u00bc"_qs;
        // An empty last line without its line end is no line at all.
        QTest::newRow("last line end missing")
            << FreeRecord.repeated(101).chopped(2) << 62 << kept << u"The file holds 302 of"_qs;
        // What was read before the faulty line is dropped too, and the fault is named before the shortness.
        QTest::newRow("minute 60") << fileWith({{4, "60"}}) << 13 << kept << u"Line 5 holds a minute (60)"_qs;
        QTest::newRow("half an hour") << fileWith({{3, "7.5"}}) << 13 << kept << u"Line 4 holds an hour (7.5)"_qs;
        QTest::newRow("text for a minute, file short")
            << fileWith({{3, " 7 "}, {7, "half past"}}).left(40) << 13 << kept << u"Line 8 holds"_qs;
    }
    void read()
    {
        QFETCH(QByteArray, data);
        QFETCH(int, error);
        QFETCH(AlarmRecord, first);
        QFETCH(QString, text);
        AlarmBook book = userBook();
        const Outcome outcome = readInto(data, book);
        QCOMPARE(outcome.error, error);
        QCOMPARE(book[1], first);
        if (error) {
            QVERIFY2(outcome.reason.startsWith(text), qPrintable(outcome.reason));
            QVERIFY(book.all() == userBook().all() && SessionFile::read(data).table == AlarmBook::Table{});
        } else {
            QCOMPARE(book[100].Description, text);
        }
    }
    void files_data()
    {
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("error");
        QTest::newRow("load a missing file") << false << u"nothing.tkw"_qs << 53;
        // The disk fills part-way: the file saved over stays whole, and no temporary file is left.
        QTest::newRow("save, disk full") << true << u"short"_qs << 61;
        // The folder is there, yet the temporary file beside the link's target cannot be made.
        QTest::newRow("save through a dangling link") << true << u"link"_qs << 75;
        // Holes read as zero bytes and take no disk space; reading them all would end in "too large".
        QTest::newRow("load past a huge tail") << false << u"tail"_qs << 0;
    }
    void files()
    {
        QFETCH(bool, save);
        QFETCH(QString, name);
        QFETCH(int, error);
        QTemporaryDir dir;
        const QString tail = dir.filePath(QStringLiteral("tail"));
        QVERIFY(writeFile(tail, write(userBook().all())) && QFile::resize(tail, 100LL * 1024 * 1024));
        QVERIFY(writeFile(dir.filePath(QStringLiteral("short")), FreeRecord));
        AlarmBook book = userBook();
        const QString path = dir.filePath(name);
        QVERIFY(name != u"link" || QFile::link(dir.filePath(QStringLiteral("gone/alarms.tkw")), path));
        Outcome outcome;
        QVERIFY(withLimit(RLIMIT_FSIZE, 1024,
                          [&] { outcome = save ? SessionFile::save(path, book.all()) : load(path, book); }));
        QCOMPARE(outcome.error, error);
        QVERIFY2(!error || outcome.reason.startsWith(QDir::toNativeSeparators(path) + u'\n'),
                 qPrintable(outcome.reason));
        QVERIFY(book.all() == userBook().all());
        QCOMPARE(readFile(dir.filePath(QStringLiteral("short"))), FreeRecord);
        QFile::remove(dir.filePath(QStringLiteral("link")));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
                 QStringList({"short", "tail"}));
    }
};

QTEST_APPLESS_MAIN(tst_SessionFile)
#include "tst_SessionFile.moc"
