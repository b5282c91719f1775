// Build step: writes the embedded sounds so that the resource compiler can pick them up.
#include "app/WaveSynth.h"

#include <QFile>

#include <cstdio>

static bool writeFile(const char* path, const QByteArray& bytes)
{
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "wavgen: cannot write %s\n", path);
        return false;
    }
    return true;
}

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: wavgen ALARM.wav SILENCE.wav CHIME.wav RISING.wav\n");
        return 2;
    }
    return writeFile(argv[1], WaveSynth::alarmSound()) && writeFile(argv[2], WaveSynth::silenceSound()) &&
                   writeFile(argv[3], WaveSynth::chimeSound()) && writeFile(argv[4], WaveSynth::risingSound())
               ? 0
               : 1;
}
