// Mutated session files, many thousands of them: the reader must never crash, never touch the
// table when it refuses a file, and everything it accepts must survive a save and a load.
// TOCKWELL_FUZZ_SEED and TOCKWELL_FUZZ_ITERATIONS repeat a failure or run longer.

#include "alarms/SessionFile.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>

#include <cmath>

using namespace SessionFile;

namespace {

constexpr quint32 DefaultSeed = 20070301;
constexpr int DefaultIterations = 20000;
// A sanitizer build on a busy machine is slow; the run stops early rather than time out.
constexpr qint64 BudgetMs = 60'000;

int settingOr(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

class Mutator {
public:
    explicit Mutator(quint32 seed) : m_random(seed) {}

    int below(int bound) { return static_cast<int>(m_random.bounded(static_cast<quint32>(bound))); }
    bool chance(int percent) { return below(100) < percent; }

    QString description()
    {
        static const QStringList pieces = {
            QStringLiteral("Wake up"), QStringLiteral(", "),           QStringLiteral("\""),
            QStringLiteral("   "),     QStringLiteral("\u00e9"),       QStringLiteral("\U0001F680"),
            QStringLiteral("\u20ac"),  QStringLiteral("N/A"),          QStringLiteral("\t"),
            QStringLiteral(" 7 "),     QStringLiteral("\u65e5\u672c"), QStringLiteral("\r"),
        };
        QString text;
        for (int n = below(6); n > 0; --n)
            text += pieces[below(static_cast<int>(pieces.size()))];
        return text;
    }

    AlarmBook::Table table()
    {
        AlarmBook::Table table{};
        for (AlarmRecord& record : table) {
            if (chance(40))
                record = {static_cast<float>(1 + below(24)), static_cast<float>(below(60)), description()};
        }
        return table;
    }

    QByteArray numberText()
    {
        static const QList<QByteArray> texts = {
            " 7 ",  "7",      "",     "  ",       " 24 ",
            " 25 ", "-1 ",    " 59 ", " 60 ",     " 7.5 ",
            "1e1",  "1e",     "+3",   "-0",       ".",
            "-",    "nan",    "inf",  "1e999",    "0x1",
            "7abc", "\t12\t", "\xA0", "\xC3\xA9", "99999999999999999999",
        };
        return texts[below(static_cast<int>(texts.size()))];
    }

    QByteArray mutate(QByteArray data)
    {
        for (int steps = 1 + below(4); steps > 0; --steps)
            data = step(std::move(data));
        return data;
    }

private:
    QByteArray step(QByteArray data)
    {
        static const QByteArray interesting("\0\r\n \t-+.eE09\x80\xC3\xA9\xEF\xBB\xBF\xFF", 19);
        const int size = static_cast<int>(data.size());
        const int at = size > 0 ? below(size) : 0;
        switch (below(10)) {
        case 0:
            if (size > 0)
                data[at] = static_cast<char>(data[at] ^ (1 << below(8)));
            break;
        case 1:
            if (size > 0)
                data[at] = interesting[below(static_cast<int>(interesting.size()))];
            break;
        case 2:
            data.insert(at, interesting[below(static_cast<int>(interesting.size()))]);
            break;
        case 3:
            data.remove(at, 1 + below(16));
            break;
        case 4:
            data.truncate(at);
            break;
        case 5:
            data.append(QByteArray(1 + below(64), static_cast<char>(below(256))));
            break;
        default:
            data = lineStep(data);
            break;
        }
        return data;
    }

    QByteArray lineStep(const QByteArray& data)
    {
        QList<QByteArray> lines = data.split('\n');
        if (lines.isEmpty())
            return data;
        const int at = below(static_cast<int>(lines.size()));
        switch (below(4)) {
        case 0:
            lines.removeAt(at);
            break;
        case 1:
            lines.insert(at, lines[below(static_cast<int>(lines.size()))]);
            break;
        case 2:
            lines[at] = numberText() + (chance(50) ? "\r" : "");
            break;
        default:
            lines.swapItemsAt(at, below(static_cast<int>(lines.size())));
            break;
        }
        return lines.join('\n');
    }

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
    void descriptionBytesNeverBreakAFile();
};

void tst_SessionFileFuzz::mutatedFiles()
{
    const auto seed = static_cast<quint32>(settingOr("TOCKWELL_FUZZ_SEED", DefaultSeed));
    const int iterations = settingOr("TOCKWELL_FUZZ_ITERATIONS", DefaultIterations);
    Mutator mutator(seed);
    AlarmBook kept;
    kept[2] = {6, 30, QStringLiteral("kept")};
    const AlarmBook::Table before = kept.all();

    QElapsedTimer elapsed;
    elapsed.start();
    int run = 0;
    int accepted = 0;
    for (; run < iterations && elapsed.elapsed() < BudgetMs; ++run) {
        QByteArray base = SessionFile::write(mutator.table());
        if (mutator.chance(10))
            base.replace("\r\n", "\n");
        const QByteArray data = mutator.mutate(base);
        const QByteArray where = QByteArray("seed ") + QByteArray::number(seed) + " run " + QByteArray::number(run);
        const char* context = where.constData();

        AlarmBook book = kept;
        const Outcome outcome = readInto(data, book);
        if (!outcome.ok()) {
            QVERIFY2(outcome.error == Err::NotASessionFile || outcome.error == Err::InputPastEndOfFile, context);
            QVERIFY2(!outcome.reason.isEmpty(), context);
            QVERIFY2(book.all() == before, context);
            continue;
        }
        ++accepted;
        for (const AlarmRecord& record : book.all()) {
            QVERIFY2(isSessionValue(record.Hour, 24), context);
            QVERIFY2(isSessionValue(record.Minute, 59), context);
            QVERIFY2(!record.Description.contains(QLatin1Char('\n')), context);
        }
        const QByteArray again = SessionFile::write(book.all());
        const Result reread = read(again);
        QVERIFY2(reread.ok(), qPrintable(QString::fromUtf8(where) + QLatin1Char(' ') + reread.reason));
        QVERIFY2(reread.table == book.all(), context);
        QCOMPARE(SessionFile::write(reread.table), again);
    }
    qInfo("seed %u: %d files, %d accepted", seed, run, accepted);
    // Both kinds must have been exercised, or the mutations have drifted into testing nothing.
    QVERIFY(accepted > run / 20);
    QVERIFY(accepted < run - run / 20);
}

void tst_SessionFileFuzz::descriptionBytesNeverBreakAFile()
{
    Mutator mutator(DefaultSeed + 1);
    QRandomGenerator random(DefaultSeed + 2);
    for (int run = 0; run < 2000; ++run) {
        const AlarmBook::Table table = mutator.table();
        QList<QByteArray> lines = SessionFile::write(table).split('\n');
        // Any bytes but a line end in a description line: the file stays a session file.
        const int slot = static_cast<int>(random.bounded(AlarmBook::SlotCount));
        QByteArray bytes(static_cast<int>(random.bounded(40)), Qt::Uninitialized);
        for (char& byte : bytes) {
            do
                byte = static_cast<char>(random.bounded(256));
            while (byte == '\n');
        }
        lines[slot * LinesPerSlot + 2] = bytes + "\r";
        const Result result = read(lines.join('\n'));
        QVERIFY2(result.ok(), qPrintable(QStringLiteral("run %1: %2").arg(run).arg(result.reason)));
        for (int other = 0; other < AlarmBook::SlotCount; ++other) {
            const auto index = static_cast<std::size_t>(other);
            QCOMPARE(result.table[index].Hour, table[index].Hour);
            QCOMPARE(result.table[index].Minute, table[index].Minute);
        }
        QCOMPARE(result.table[static_cast<std::size_t>(slot)].Description.size() > 0, !bytes.isEmpty());
    }
}

QTEST_APPLESS_MAIN(tst_SessionFileFuzz)
#include "tst_SessionFileFuzz.moc"
