// What the logic costs on each clock tick (its period is 900 ms) and when a session file is read
// or written. Build with -DTOCKWELL_BENCH=ON in a Release build; run build/bench/bench/tockwell_bench.

#include "alarms/SessionFile.h"
#include "engine/AlarmCheck.h"
#include "engine/TimeTexts.h"
#include "led/LedComposer.h"
#include "led/LedSprites.h"

#include <benchmark/benchmark.h>

namespace {

// Every one of the 101 slots in use, none at the times the benchmarks look at.
AlarmBook fullBook()
{
    AlarmBook book;
    for (int slot = 0; slot < AlarmBook::SlotCount; ++slot)
        book[slot] = {float(1 + slot % 24), float((slot * 7) % 60),
                      QStringLiteral("Alarm number %1 with a longer text").arg(slot)};
    return book;
}

const QDateTime Start(QDate(2026, 12, 5), QTime(7, 4, 58));

void BM_TimeTexts(benchmark::State& state)
{
    QDateTime now = Start;
    for (auto _ : state) {
        benchmark::DoNotOptimize(TimeTexts::timeLabel(now.time()));
        benchmark::DoNotOptimize(TimeTexts::ledText(now.time(), TimeTexts::HourMode::Twelve));
        now = now.addMSecs(900);
    }
}
BENCHMARK(BM_TimeTexts);

void BM_AlarmCheckFullTable(benchmark::State& state)
{
    const AlarmBook book = fullBook();
    AlarmCheck check;
    QDateTime now = Start;
    for (auto _ : state) {
        benchmark::DoNotOptimize(check.look(book, now).ringing);
        now = now.addMSecs(900);
    }
}
BENCHMARK(BM_AlarmCheckFullTable);

void BM_LedCompose(benchmark::State& state)
{
    const QImage strip = LedSprites::digitStrip(LedSprites::Colour::Red);
    const QImage colon = LedSprites::colonImage(LedSprites::Colour::Red);
    QImage led(140, 27, QImage::Format_RGB32);
    for (auto _ : state) {
        LedComposer::compose(led, u"12:34:56", strip, colon);
        benchmark::DoNotOptimize(led.constBits());
    }
}
BENCHMARK(BM_LedCompose);

void BM_SessionWrite(benchmark::State& state)
{
    const AlarmBook book = fullBook();
    for (auto _ : state)
        benchmark::DoNotOptimize(SessionFile::write(book.all()));
}
BENCHMARK(BM_SessionWrite);

void BM_SessionRead(benchmark::State& state)
{
    const QByteArray file = SessionFile::write(fullBook().all());
    for (auto _ : state)
        benchmark::DoNotOptimize(SessionFile::read(file));
    state.SetBytesProcessed(state.iterations() * file.size());
}
BENCHMARK(BM_SessionRead);

} // namespace

BENCHMARK_MAIN();
