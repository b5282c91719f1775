#include "TestFiles.h"
#include "alarms/SessionFile.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

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
        QTest::newRow("Windows-1252") << fileWith({{3, "8"}, {5, "\x80 caf\xE9 \x93ok\x94 \x81"}, {302, "\xC3\xBC"}})
                                      << 0 << AlarmRecord{8, 0, u"\u20ac caf\u00e9 \u201cok\u201d \u0081"_qs}
                                      << u"\u00c3\u00bc"_qs;
        // An empty last line without its line end is no line at all.
        QTest::newRow("last line end missing")
            << FreeRecord.repeated(101).chopped(2) << 62 << kept << u"The file holds 302 of"_qs;
        // What was read before the faulty line is dropped too, and the fault is named before the shortness.
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
        // Replacing a pipe with a file would break whoever uses it; opening one with no writer would wait forever.
        QTest::newRow("save over a pipe") << true << "pipe" << 75;
        QTest::newRow("load a pipe") << false << "pipe" << 75;
        QTest::newRow("load a missing file") << false << "nothing.tkw" << 53;
        // The disk fills part-way: the file saved over stays whole, and no temporary file is left.
        QTest::newRow("save, disk full") << true << "short" << 61;
        // Holes read as zero bytes and take no disk space; reading them all would end in "too large".
        QTest::newRow("load past a huge tail") << false << "tail" << 0;
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
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe"))).constData(), 0600), 0);
        AlarmBook book = userBook();
        const QString path = dir.filePath(name);
        Outcome outcome;
        QVERIFY(
            withFileSizeLimit(1024, [&] { outcome = save ? SessionFile::save(path, book.all()) : load(path, book); }));
        QCOMPARE(outcome.error, error);
        QVERIFY2(!error || outcome.reason.startsWith(QDir::toNativeSeparators(path) + u'\n'),
                 qPrintable(outcome.reason));
        QVERIFY(book.all() == userBook().all());
        QCOMPARE(readFile(dir.filePath(QStringLiteral("short"))), FreeRecord);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
                 QStringList({"pipe", "short", "tail"}));
    }
    // Mutated files by the thousand: the reader never crashes, never touches the table when it refuses a
    // file, and everything it accepts survives a save and a load. TOCKWELL_FUZZ_SEED and
    // TOCKWELL_FUZZ_ITERATIONS repeat a failure or run longer.
    void mutatedFiles()
    {
        bool given = false;
        const quint32 seed = qEnvironmentVariableIntValue("TOCKWELL_FUZZ_SEED", &given);
        QRandomGenerator random(given ? seed : 20070301);
        const int runs = qEnvironmentVariableIntValue("TOCKWELL_FUZZ_ITERATIONS", &given);
        const auto below = [&random](qsizetype bound) { return int(random.bounded(quint32(bound))); };
        static const char odd[] =
            "| 7 | 25 |-1 | 60 | 7.5 |1e1|1e|+3|-0|.|nan|1e999|0x1|7abc|\t12\t|\xA0|\r|\n|\0|\xC3|\xE2\x82\xAC";
        const QList<QByteArray> pieces = QByteArray(odd, sizeof odd - 1).split('|');
        const auto valid = [](float value, float top) { return value >= 0 && value <= top && int(value) == value; };
        for (int run = 0; run < (given ? runs : 5000); ++run) {
            AlarmBook::Table table{};
            for (AlarmRecord& record : table)
                record = {float(below(25) * below(2)), float(below(60)),
                          QString::fromUtf8(pieces[below(pieces.size())])};
            QList<QByteArray> lines = write(table).split('\n');
            // One description of any bytes but a line end is still a session file; other changes seldom are.
            const bool mustLoad = below(5) == 0;
            QByteArray bytes(below(40), Qt::Uninitialized);
            random.generate(bytes.begin(), bytes.end());
            lines[below(AlarmBook::SlotCount) * LinesPerSlot + 2] = bytes.replace('\n', '\v') + '\r';
            for (int step = mustLoad ? 3 : below(3); step < 3; ++step) {
                const int line = below(lines.size());
                if (below(4) == 0)
                    lines.removeAt(line);
                else if (below(3) == 0)
                    lines.insert(line, lines[below(lines.size())]);
                else // a piece in place of some or none of the line's bytes
                    lines[line].replace(below(lines[line].size() + 1), below(4), pieces[below(pieces.size())]);
            }
            const QByteArray where = QByteArray::number(run);
            AlarmBook book = userBook();
            const QByteArray data = lines.join('\n');
            const Outcome outcome = readInto(below(10) ? data : QByteArray(data).replace("\r\n", "\n"), book);
            QVERIFY2(outcome.ok() || (!mustLoad && !outcome.reason.isEmpty() && book.all() == userBook().all() &&
                                      (outcome.error == 13 || outcome.error == 62)),
                     where.constData());
            for (const AlarmRecord& record : book.all())
                QVERIFY2(valid(record.Hour, 24) && valid(record.Minute, 59) && !record.Description.contains(u'\n'),
                         where.constData());
            QVERIFY2(SessionFile::read(write(book.all())).table == book.all(), where.constData());
        }
    }
};

QTEST_APPLESS_MAIN(tst_SessionFile)
#include "tst_SessionFile.moc"
