#include "WaveSynth.h"

#include <QtEndian>

#include <cmath>
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

} // namespace WaveSynth
