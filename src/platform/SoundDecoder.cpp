#include "SoundDecoder.h"

#include <sndfile.h>

#include <cstdio>

struct TockwellDecoded {
    SNDFILE* file = nullptr;
};

extern "C" __attribute__((visibility("default"))) TockwellDecoded*
tockwell_decoder_open(const char* path, int* rate, int* channels, char* error, unsigned long errorSize)
{
    SF_INFO info{};
    SNDFILE* file = sf_open(path, SFM_READ, &info);
    if (!file || info.channels < 1 || info.samplerate < 1) {
        std::snprintf(error, errorSize, "%s", sf_strerror(file));
        if (file)
            sf_close(file);
        return nullptr;
    }
    // Floating-point files are scaled to the full range of the 16-bit samples rather than clipped.
    sf_command(file, SFC_SET_SCALE_FLOAT_INT_READ, nullptr, SF_TRUE);
    *rate = info.samplerate;
    *channels = info.channels;
    return new TockwellDecoded{file};
}

extern "C" __attribute__((visibility("default"))) long tockwell_decoder_read(TockwellDecoded* decoded, short* samples,
                                                                             long frames)
{
    return static_cast<long>(sf_readf_short(decoded->file, samples, frames));
}

extern "C" __attribute__((visibility("default"))) bool tockwell_decoder_rewind(TockwellDecoded* decoded)
{
    return sf_seek(decoded->file, 0, SEEK_SET) == 0;
}

extern "C" __attribute__((visibility("default"))) void tockwell_decoder_close(TockwellDecoded* decoded)
{
    sf_close(decoded->file);
    delete decoded;
}
