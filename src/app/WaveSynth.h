#pragma once

#include <QByteArray>

// The program's sounds, as complete RIFF/WAVE files.
namespace WaveSynth {

// Mono, 8000 samples/s, 16-bit PCM, 476,928 data bytes (29.808 s): 476,972 bytes in all.
QByteArray alarmSound();
// Mono, 44,100 samples/s, 16-bit PCM, 120,650 data bytes of silence, written with an 18-byte
// format chunk whose extra-size field is 0: 120,696 bytes in all.
QByteArray silenceSound();

// The other built-in alarm sounds: mono, 22,050 samples/s, 16-bit PCM, each repeated to fill a ring.
QByteArray chimeSound();  // two soft bell strokes, 4 s
QByteArray risingSound(); // eight beeps climbing in pitch, then a pause: 2.4 s

enum class FormatChunk { Plain16, WithExtraSize18 };
// A RIFF/WAVE file around 16-bit mono PCM samples.
QByteArray wrapPcm16(const QByteArray& samples, int sampleRate, FormatChunk chunk);

} // namespace WaveSynth
