#pragma once

#include "Desktop.h"

#include <QObject>

#include <map>
#include <memory>

// Plays through the sound server's own client library (PulseAudio's, which PipeWire serves too), on the
// library's thread: the user-interface thread only hands a request over and never waits for the server,
// except to put back an output it turned up when the sound stops. Built into the sound module that the
// program loads when it first needs a sound (QtDesktop.h).
class PulseSoundPlayer final : public SoundPlayer {
public:
    // `decoderModule`: the module that reads sound files other than plain 16-bit WAVE, opened the first
    // time such a file plays.
    explicit PulseSoundPlayer(const QString& decoderModule);
    ~PulseSoundPlayer() override;
    void prepare(const QString& filePath) override;
    void play(const QString& filePath) override;
    void ring(const SoundRequest& request) override;
    void stop() override;
    void beep() override;
    bool outputMuted() const override;

    struct Loop;

private:
    // Lives on the user-interface thread: what the server's thread reports is queued to it.
    QObject m_ui;
    std::unique_ptr<Loop> m_loop;
    // The files prepare() read, whole.
    std::map<QString, QByteArray> m_prepared;
    // Counts the requests, so that the end of one replaced since is not reported.
    quint64 m_requests = 0;
};
