#include "WaveSynth.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace WaveSynth {

namespace {

void append16(QByteArray& out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void append32(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

constexpr int AlarmRate = 8000;
constexpr int AlarmDataBytes = 476'928;
constexpr int SilenceRate = 44'100;
constexpr int SilenceDataBytes = 120'650;

// The loudness `inCycle` seconds into a 1.2 s cycle of four 100 ms beeps and a pause,
// with short ramps so the edges do not click.
double beepEnvelope(double inCycle)
{
    constexpr double Beep = 0.100;
    constexpr double Step = 0.180;
    constexpr double Ramp = 0.006;
    const int beep = static_cast<int>(inCycle / Step);
    if (beep >= 4)
        return 0.0;
    const double inBeep = inCycle - beep * Step;
    if (inBeep >= Beep)
        return 0.0;
    return std::min({1.0, inBeep / Ramp, (Beep - inBeep) / Ramp});
}

} // namespace

QByteArray wrapPcm16(const QByteArray& samples, int sampleRate, FormatChunk chunk)
{
    const quint32 formatSize = chunk == FormatChunk::Plain16 ? 16 : 18;
    QByteArray out;
    out.reserve(static_cast<qsizetype>(12 + 8 + formatSize + 8) + samples.size());
    out.append("RIFF", 4);
    append32(out, static_cast<quint32>(4 + 8 + formatSize + 8 + samples.size()));
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    append32(out, formatSize);
    append16(out, 1); // PCM
    append16(out, 1); // mono
    append32(out, static_cast<quint32>(sampleRate));
    append32(out, static_cast<quint32>(sampleRate * 2)); // bytes per second
    append16(out, 2);                                    // block align
    append16(out, 16);                                   // bits per sample
    if (chunk == FormatChunk::WithExtraSize18)
        append16(out, 0); // no extra format bytes
    out.append("data", 4);
    append32(out, static_cast<quint32>(samples.size()));
    out.append(samples);
    return out;
}

QByteArray alarmSound()
{
    constexpr int count = AlarmDataBytes / 2;
    QByteArray samples;
    samples.reserve(AlarmDataBytes);
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / AlarmRate;
        // Starts firm rather than startling, and grows more insistent over the first eight seconds.
        const double loudness = 0.45 + 0.40 * std::min(1.0, t / 8.0);
        const double tone =
            0.8 * std::sin(2 * std::numbers::pi * 1046.5 * t) + 0.2 * std::sin(2 * std::numbers::pi * 2093.0 * t);
        const double inCycle = static_cast<double>(i % (AlarmRate * 12 / 10)) / AlarmRate;
        const double value = 32767.0 * loudness * beepEnvelope(inCycle) * tone;
        append16(samples, static_cast<quint16>(static_cast<qint16>(std::lround(value))));
    }
    return wrapPcm16(samples, AlarmRate, FormatChunk::Plain16);
}

QByteArray silenceSound()
{
    return wrapPcm16(QByteArray(SilenceDataBytes, '\0'), SilenceRate, FormatChunk::WithExtraSize18);
}

namespace {

constexpr int BuiltInRate = 22'050;

QByteArray synthesize(double seconds, const std::function<double(double)>& at)
{
    const int count = static_cast<int>(seconds * BuiltInRate);
    QByteArray samples;
    samples.reserve(2 * count);
    for (int i = 0; i < count; ++i) {
        const double value = std::clamp(at(static_cast<double>(i) / BuiltInRate), -1.0, 1.0);
        append16(samples, static_cast<quint16>(static_cast<qint16>(std::lround(32767.0 * value))));
    }
    return wrapPcm16(samples, BuiltInRate, FormatChunk::Plain16);
}

} // namespace

QByteArray chimeSound()
{
    // Two bell strokes, a third lower after the first, each fading over a second and a half; a bell's
    // partials lie off the harmonic series, which is what makes it sound like one rather than a beep.
    constexpr double Strokes[] = {1318.5, 1046.5};
    constexpr double Partials[][2] = {{1.0, 0.6}, {2.76, 0.25}, {5.40, 0.1}, {8.93, 0.05}};
    return synthesize(4.0, [&](double t) {
        const int stroke = std::min(1, static_cast<int>(t / 2.0));
        const double since = t - 2.0 * stroke;
        double value = 0.0;
        for (const auto& [ratio, level] : Partials)
            value += level * std::exp(-since * 2.5 * ratio) *
                     std::sin(2 * std::numbers::pi * Strokes[stroke] * ratio * since);
        // A 3 ms onset, so that the stroke does not click.
        return 0.9 * std::min(1.0, since / 0.003) * value;
    });
}

QByteArray risingSound()
{
    // Eight short beeps climbing a major scale and growing louder, then a pause: a call that gets more
    // urgent each time it repeats, without ever being harsh.
    constexpr double Scale[] = {523.3, 587.3, 659.3, 698.5, 784.0, 880.0, 987.8, 1046.5};
    return synthesize(2.4, [&](double t) {
        const int beep = static_cast<int>(t / 0.18);
        const double inBeep = t - 0.18 * beep;
        if (beep >= 8 || inBeep >= 0.12)
            return 0.0;
        const double edges = std::min({1.0, inBeep / 0.006, (0.12 - inBeep) / 0.006});
        return (0.35 + 0.07 * beep) * edges * std::sin(2 * std::numbers::pi * Scale[beep] * inBeep);
    });
}

} // namespace WaveSynth
