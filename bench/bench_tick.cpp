// What one clock tick of the logic costs, against its 900 ms period: the time texts, the alarm
// check of a full table and the LED drawing. Run a Release build: build/bench/tockwell_bench

#include "engine/AlarmCheck.h"
#include "engine/TimeTexts.h"
#include "led/LedComposer.h"
#include "led/LedSprites.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Tick(benchmark::State& state)
{
    const QImage strip = LedSprites::digitStrip(LedSprites::Colour::Red);
    const QImage colon = LedSprites::colonImage(LedSprites::Colour::Red);
    QImage led(140, 27, QImage::Format_RGB32);
    // A full table: a hundred alarms spread over the day, none at the benchmark's times.
    AlarmBook book;
    for (int slot = 1; slot <= 100; ++slot)
        book[slot] = {float(1 + slot % 24), float((slot * 7) % 60), QStringLiteral("Alarm number %1").arg(slot)};
    AlarmCheck check;
    QDateTime now(QDate(2026, 12, 5), QTime(7, 4, 58));
    for (auto _ : state) {
        const QString label = TimeTexts::timeLabel(now.time());
        benchmark::DoNotOptimize(check.due(book, now));
        LedComposer::compose(led, TimeTexts::ledText(now.time(), TimeTexts::HourMode::Twelve), strip, colon);
        benchmark::DoNotOptimize(label.constData());
        benchmark::DoNotOptimize(led.constBits());
        now = now.addMSecs(900);
    }
}
BENCHMARK(BM_Tick);

} // namespace

BENCHMARK_MAIN();
