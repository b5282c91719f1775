// Mutated session files by the thousand: the reader must never crash, never touch the table when
// it refuses a file, and everything it accepts must survive a save and a load.
// TOCKWELL_FUZZ_SEED and TOCKWELL_FUZZ_ITERATIONS repeat a failure or run longer.

#include "alarms/SessionFile.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>

#include <cmath>

using namespace SessionFile;

namespace {

constexpr quint32 DefaultSeed = 20070301;
// A sanitizer build on a busy machine is slow; the run stops early rather than time out.
constexpr qint64 BudgetMs = 60'000;

class Mutator {
public:
    explicit Mutator(quint32 seed) : m_random(seed) {}

    int below(qsizetype bound) { return static_cast<int>(m_random.bounded(static_cast<quint32>(bound))); }
    template <typename List> auto pick(const List& list) { return list[below(list.size())]; }

    AlarmBook::Table table()
    {
        static const QStringList descriptions = {u""_qs, u"Wake up, \"now\""_qs, u"   Caf\u00e9 \U0001F680\t"_qs,
                                                 u" 7 \r"_qs};
        AlarmBook::Table table{};
        for (AlarmRecord& record : table) {
            if (below(5) < 2)
                record = {static_cast<float>(1 + below(24)), static_cast<float>(below(60)), pick(descriptions)};
        }
        return table;
    }

    // One description line of any bytes but a line end: still a session file.
    QByteArray withOddDescription(const QByteArray& data)
    {
        QByteArray bytes(below(40), Qt::Uninitialized);
        for (char& byte : bytes)
            byte = static_cast<char>(below(256));
        QList<QByteArray> lines = data.split('\n');
        lines[below(AlarmBook::SlotCount) * LinesPerSlot + 2] = bytes.replace('\n', '\v') + "\r";
        return lines.join('\n');
    }

    QByteArray mutate(QByteArray data)
    {
        static const QByteArray odd("\0\r\n \t-+.eE09\x80\xC3\xA9\xEF\xBB\xBF\xFF", 19);
        static const QList<QByteArray> numbers = {
            " 7 ", "",  " 25 ", "-1 ", " 60 ",  " 7.5 ", "1e1",  "1e",     "+3",   "-0",
            ".",   "-", "nan",  "inf", "1e999", "0x1",   "7abc", "\t12\t", "\xA0", "99999999999999999999"};
        for (int steps = 1 + below(3); steps > 0; --steps) {
            if (below(2) == 0) {
                // Cut a few bytes, or the whole tail, and put a few odd or random ones in their place.
                const int at = below(data.size() + 1);
                QByteArray in;
                for (int n = below(3); n > 0; --n)
                    in += below(2) ? pick(odd) : static_cast<char>(below(256));
                data.replace(at, std::min<qsizetype>(below(16) ? below(9) : data.size(), data.size() - at), in);
                continue;
            }
            QList<QByteArray> lines = data.split('\n');
            const int line = below(lines.size());
            if (below(4) == 0)
                lines.removeAt(line);
            else if (below(3) == 0)
                lines.insert(line, pick(lines));
            else
                lines[line] = pick(numbers) + (below(2) ? "\r" : "");
            data = lines.join('\n');
        }
        return data;
    }

private:
    QRandomGenerator m_random;
};

bool isSessionValue(float value, float highest)
{
    return value >= 0 && value <= highest && std::floor(value) == value && !std::signbit(value);
}

} // namespace

class tst_SessionFileFuzz : public QObject {
    Q_OBJECT
private slots:
    void mutatedFiles();
};

void tst_SessionFileFuzz::mutatedFiles()
{
    bool ok = false;
    const quint32 seed = qEnvironmentVariableIntValue("TOCKWELL_FUZZ_SEED", &ok);
    const quint32 usedSeed = ok ? seed : DefaultSeed;
    const int wanted = qEnvironmentVariableIntValue("TOCKWELL_FUZZ_ITERATIONS", &ok);
    const int iterations = ok ? wanted : 20000;
    Mutator mutator(usedSeed);
    AlarmBook kept;
    kept[2] = {6, 30, QStringLiteral("kept")};

    QElapsedTimer elapsed;
    elapsed.start();
    int run = 0;
    int accepted = 0;
    for (; run < iterations && elapsed.elapsed() < BudgetMs; ++run) {
        QByteArray base = write(mutator.table());
        if (mutator.below(10) == 0)
            base.replace("\r\n", "\n");
        const QByteArray seedAndRun = "seed " + QByteArray::number(usedSeed) + " run " + QByteArray::number(run);
        const char* where = seedAndRun.constData();
        const bool mustLoad = mutator.below(5) == 0;
        AlarmBook book = kept;
        const Outcome outcome = readInto(mustLoad ? mutator.withOddDescription(base) : mutator.mutate(base), book);
        if (!outcome.ok()) {
            QVERIFY2(!mustLoad && !outcome.reason.isEmpty(), where);
            QVERIFY2(outcome.error == Err::NotASessionFile || outcome.error == Err::InputPastEndOfFile, where);
            QVERIFY2(book.all() == kept.all(), where);
            continue;
        }
        ++accepted;
        for (const AlarmRecord& record : book.all()) {
            QVERIFY2(isSessionValue(record.Hour, 24) && isSessionValue(record.Minute, 59), where);
            QVERIFY2(!record.Description.contains(QLatin1Char('\n')), where);
        }
        const QByteArray again = write(book.all());
        const Result reread = read(again);
        QVERIFY2(reread.ok() && reread.table == book.all(),
                 qPrintable(QString::fromUtf8(where) + u' ' + reread.reason));
        QCOMPARE(write(reread.table), again);
    }
    qInfo("seed %u: %d files, %d accepted", usedSeed, run, accepted);
    // Both kinds must have been exercised, or the mutations have drifted into testing nothing.
    QVERIFY(accepted > run / 20 && accepted < run - run / 20);
}

QTEST_APPLESS_MAIN(tst_SessionFileFuzz)
#include "tst_SessionFileFuzz.moc"
