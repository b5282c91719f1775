// What the clock costs: one LED composition, and one whole tick of the logic it runs.
// Run a Release build: build/bench/tockwell_bench

#include "alarms/AlarmBook.h"
#include "engine/AlarmCheck.h"
#include "engine/TimeTexts.h"
#include "led/LedComposer.h"
#include "led/LedSprites.h"

#include <benchmark/benchmark.h>

#include <QDateTime>
#include <QImage>

#include <array>

namespace {

struct Led {
    QImage strip = LedSprites::digitStrip(LedSprites::Colour::Red);
    QImage colon = LedSprites::colonImage(LedSprites::Colour::Red);
    QImage surface{140, 27, QImage::Format_RGB32};
    Led() { surface.fill(Qt::black); }
};

// A full book: a hundred alarms spread over the day, none at the benchmark's times.
AlarmBook fullBook()
{
    AlarmBook book;
    for (int slot = 1; slot <= 100; ++slot)
        book[slot] = AlarmRecord{static_cast<float>(1 + slot % 24), static_cast<float>((slot * 7) % 60),
                                 QStringLiteral("Alarm number %1").arg(slot)};
    return book;
}

void BM_Blit_Clock(benchmark::State& state)
{
    Led led;
    const std::array<QString, 4> texts = {QStringLiteral("09:05:30"), QStringLiteral("12:00:00"),
                                          QStringLiteral("10:15:00"), QStringLiteral("23:59:58")};
    std::size_t next = 0;
    for (auto _ : state) {
        LedComposer::compose(led.surface, texts[next], led.strip, led.colon);
        next = (next + 1) % texts.size();
        benchmark::DoNotOptimize(led.surface.constBits());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Blit_Clock);

void BM_Tick(benchmark::State& state)
{
    Led led;
    const AlarmBook book = fullBook();
    AlarmCheck check;
    QDateTime now(QDate(2026, 12, 5), QTime(7, 4, 58));
    qsizetype due = 0;
    for (auto _ : state) {
        const QString liveTime = TimeTexts::twelveHour(now.time());
        const QString label = TimeTexts::timeLabel(now.time());
        due += check.due(book, now).size();
        LedComposer::compose(led.surface, TimeTexts::ledText(now.time(), TimeTexts::HourMode::Twelve), led.strip,
                             led.colon);
        benchmark::DoNotOptimize(liveTime.constData());
        benchmark::DoNotOptimize(label.constData());
        benchmark::DoNotOptimize(led.surface.constBits());
        benchmark::ClobberMemory();
        now = now.addMSecs(900);
    }
    benchmark::DoNotOptimize(due);
}
BENCHMARK(BM_Tick);

} // namespace

BENCHMARK_MAIN();
