// What the clock costs: one LED composition, and one whole tick of the logic it runs.
// Run a Release build: build/bench/tockwell_bench

#include "alarms/AlarmBook.h"
#include "engine/TimeTexts.h"
#include "led/LedComposer.h"
#include "led/LedSprites.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QTime>

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

// The book keeps hours on a 1..24 scale: 12 AM is 12, 12 PM is 24.
float bookHour(QTime time)
{
    const int twelve = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    return static_cast<float>(time.hour() >= 12 ? twelve + 12 : twelve);
}

// Stands in for the alarm check: every slot compared with the current hour and minute.
int dueAlarms(const AlarmBook& book, QTime now)
{
    const float hour = bookHour(now);
    const auto minute = static_cast<float>(now.minute());
    int due = 0;
    for (const AlarmRecord& record : book.all())
        if (record.inUse() && record.Hour == hour && record.Minute == minute)
            ++due;
    return due;
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
    QTime now(7, 4, 58);
    int due = 0;
    for (auto _ : state) {
        const QString liveTime = TimeTexts::twelveHour(now);
        const QString label = TimeTexts::timeLabel(now);
        due += dueAlarms(book, now);
        LedComposer::compose(led.surface, TimeTexts::ledText(now, TimeTexts::HourMode::Twelve), led.strip, led.colon);
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
