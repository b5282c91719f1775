#pragma once

// The decoder module's entry points: sound files of every kind the desktop's decoders read (WAV, FLAC, Ogg
// Vorbis and Opus, MP3), as 16-bit samples. The module is opened only when such a file is to be played, so
// that a program whose alarms use the built-in sounds never loads the decoders.
extern "C" {
struct TockwellDecoded;
// Null when the file cannot be read as sound; `error` (of `errorSize` bytes) then says why.
using TockwellDecoderOpen = TockwellDecoded* (*)(const char* path, int* rate, int* channels, char* error,
                                                 unsigned long errorSize);
// Reads up to `frames` frames of interleaved samples; 0 at the end of the file.
using TockwellDecoderRead = long (*)(TockwellDecoded* decoded, short* samples, long frames);
// Back to the first frame; false when the file cannot go back.
using TockwellDecoderRewind = bool (*)(TockwellDecoded* decoded);
using TockwellDecoderClose = void (*)(TockwellDecoded* decoded);
}
