#include "PulseSoundPlayer.h"

#include "SoundDecoder.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QtEndian>

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include <dlfcn.h>

namespace {

// 16-bit little-endian interleaved samples.
struct Pcm {
    int rate = 0;
    int channels = 0;
    QByteArray samples;
};

// Plain 16-bit PCM in a RIFF/WAVE file, as the program writes its own sounds; nullopt for anything else.
std::optional<Pcm> parseWave(const QByteArray& bytes)
{
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return std::nullopt;
    const auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
    const auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
    Pcm pcm;
    bool plain16 = false;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype size = std::min<qsizetype>(u32(at + 4), bytes.size() - at - 8);
        if (id == "fmt " && size >= 16) {
            plain16 = u16(at + 8) == 1 && u16(at + 22) == 16;
            pcm.channels = u16(at + 10);
            pcm.rate = static_cast<int>(u32(at + 12));
        } else if (id == "data") {
            pcm.samples = bytes.mid(at + 8, size);
        }
        at += 8 + size + (size & 1);
    }
    const qsizetype frameBytes = 2 * qsizetype(pcm.channels);
    if (!plain16 || pcm.channels < 1 || pcm.channels > int(PA_CHANNELS_MAX) || pcm.rate < 1 ||
        pcm.rate > int(PA_RATE_MAX) || pcm.samples.size() < frameBytes)
        return std::nullopt;
    pcm.samples.truncate(pcm.samples.size() / frameBytes * frameBytes);
    return pcm;
}

// Where the frames of a sound come from: samples in memory, or a file the decoder module reads.
class Source {
public:
    virtual ~Source() = default;
    int rate = 0;
    int channels = 0;
    // Up to `frames` frames; 0 at the end.
    virtual long read(qint16* samples, long frames) = 0;
    virtual bool rewind() = 0;
};

class PcmSource final : public Source {
public:
    explicit PcmSource(Pcm pcm) : m_pcm(std::move(pcm))
    {
        rate = m_pcm.rate;
        channels = m_pcm.channels;
    }
    long read(qint16* samples, long frames) override
    {
        const qsizetype frameBytes = 2 * qsizetype(channels);
        const long n = std::min<long>(frames, long((m_pcm.samples.size() - m_at) / frameBytes));
        std::memcpy(samples, m_pcm.samples.constData() + m_at, size_t(n * frameBytes));
        m_at += n * frameBytes;
        return n;
    }
    bool rewind() override { return m_at = 0, true; }

private:
    Pcm m_pcm;
    qsizetype m_at = 0;
};

// The decoder module, opened the first time a file needs it and kept for the life of the player.
struct Decoder {
    QLibrary module;
    TockwellDecoderOpen open = nullptr;
    TockwellDecoderRead read = nullptr;
    TockwellDecoderRewind rewind = nullptr;
    TockwellDecoderClose close = nullptr;

    QString load()
    {
        if (open)
            return {};
        if (!module.load())
            return module.errorString();
        open = reinterpret_cast<TockwellDecoderOpen>(module.resolve("tockwell_decoder_open"));
        read = reinterpret_cast<TockwellDecoderRead>(module.resolve("tockwell_decoder_read"));
        rewind = reinterpret_cast<TockwellDecoderRewind>(module.resolve("tockwell_decoder_rewind"));
        close = reinterpret_cast<TockwellDecoderClose>(module.resolve("tockwell_decoder_close"));
        if (open && read && rewind && close)
            return {};
        open = nullptr;
        return module.errorString();
    }
};

class DecodedSource final : public Source {
public:
    DecodedSource(Decoder& decoder, TockwellDecoded* decoded) : m_decoder(decoder), m_decoded(decoded) {}
    ~DecodedSource() override { m_decoder.close(m_decoded); }
    long read(qint16* samples, long frames) override
    {
        return std::max(0L, m_decoder.read(m_decoded, samples, frames));
    }
    bool rewind() override { return m_decoder.rewind(m_decoded); }

private:
    Decoder& m_decoder;
    TockwellDecoded* m_decoded;
};

struct Job {
    SoundRequest request;
    QByteArray prepared; // the file, read ahead
    quint64 number = 0;
};

bool quiet(const pa_sink_info& sink)
{
    return sink.mute || pa_cvolume_avg(&sink.volume) < PA_VOLUME_NORM / 10;
}

} // namespace

// Everything here is touched only with the main loop's lock held: by the library's thread in its callbacks,
// by the user-interface thread around a call.
struct PulseSoundPlayer::Loop {
    PulseSoundPlayer& owner;
    pa_threaded_mainloop* mainloop = pa_threaded_mainloop_new();
    pa_context* context = nullptr;
    bool ready = false;
    std::optional<Job> pending;
    // The sound playing.
    pa_stream* stream = nullptr;
    std::unique_ptr<Source> source;
    quint64 playing = 0;
    qint64 framesDone = 0;
    qint64 framesTotal = -1; // -1: once through
    qint64 rampFrames = 0;
    bool draining = false;
    int emptyReads = 0;
    std::vector<qint16> buffer;
    // The output as it was before a ring turned it up, to be put back exactly.
    struct Saved {
        std::string sink;
        int mute = 0;
        pa_cvolume volume{};
    };
    std::optional<Saved> saved;
    bool raiseWanted = false;
    int restoring = 0;
    std::atomic<bool> muted{false};
    Decoder decoder;

    Loop(PulseSoundPlayer& player, const QString& decoderModule) : owner(player)
    {
        decoder.module.setFileName(decoderModule);
        pa_threaded_mainloop_start(mainloop);
        pa_threaded_mainloop_lock(mainloop);
        connect();
        pa_threaded_mainloop_unlock(mainloop);
    }

    ~Loop()
    {
        pa_threaded_mainloop_stop(mainloop);
        endStream();
        if (context) {
            pa_context_disconnect(context);
            pa_context_unref(context);
        }
        pa_threaded_mainloop_free(mainloop);
    }

    // Runs `report` on the user-interface thread.
    template <typename Report> void post(Report report)
    {
        QMetaObject::invokeMethod(&owner.m_ui, std::move(report), Qt::QueuedConnection);
    }

    void connect()
    {
        if (context) {
            pa_context_disconnect(context);
            pa_context_unref(context);
        }
        ready = false;
        context = pa_context_new(pa_threaded_mainloop_get_api(mainloop), "Tockwell");
        pa_context_set_state_callback(context, &Loop::contextState, this);
        pa_context_set_subscribe_callback(context, &Loop::serverChanged, this);
        pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr);
    }

    static void contextState(pa_context* context, void* self)
    {
        auto* loop = static_cast<Loop*>(self);
        const pa_context_state_t state = pa_context_get_state(context);
        if (state == PA_CONTEXT_READY) {
            loop->ready = true;
            pa_operation_unref(pa_context_subscribe(
                context, pa_subscription_mask_t(PA_SUBSCRIPTION_MASK_SINK | PA_SUBSCRIPTION_MASK_SERVER), nullptr,
                nullptr));
            loop->lookAtOutput();
            loop->startPending();
        } else if (!PA_CONTEXT_IS_GOOD(state)) {
            loop->ready = false;
            loop->restoring = 0;
            loop->saved.reset();
            pa_threaded_mainloop_signal(loop->mainloop, 0);
        }
    }

    static void serverChanged(pa_context*, pa_subscription_event_type_t, uint32_t, void* self)
    {
        static_cast<Loop*>(self)->lookAtOutput();
    }

    // Runs `then` with the default output's description.
    template <typename Then> void withDefaultSink(Then then)
    {
        struct Step {
            Loop* loop;
            Then then;
        };
        auto* step = new Step{this, std::move(then)};
        pa_operation* asked = pa_context_get_server_info(
            context,
            [](pa_context* context, const pa_server_info* server, void* data) {
                auto* step = static_cast<Step*>(data);
                if (!server || !server->default_sink_name) {
                    delete step;
                    return;
                }
                pa_operation* sink = pa_context_get_sink_info_by_name(
                    context, server->default_sink_name,
                    [](pa_context*, const pa_sink_info* info, int last, void* data) {
                        auto* step = static_cast<Step*>(data);
                        if (last) {
                            delete step;
                            return;
                        }
                        if (info)
                            step->then(*info);
                    },
                    step);
                if (sink)
                    pa_operation_unref(sink);
                else
                    delete step;
            },
            step);
        if (asked)
            pa_operation_unref(asked);
        else
            delete step;
    }

    void lookAtOutput()
    {
        withDefaultSink([this](const pa_sink_info& sink) {
            // While a ring holds the output up, the output the user left is what counts.
            const bool now = saved ? true : quiet(sink);
            if (muted.exchange(now) != now)
                post([player = &owner] {
                    if (player->onOutputChanged)
                        player->onOutputChanged();
                });
        });
    }

    void raiseOutput()
    {
        raiseWanted = true;
        if (saved)
            return;
        withDefaultSink([this](const pa_sink_info& sink) {
            if (!raiseWanted || saved || !quiet(sink))
                return;
            saved = Saved{sink.name, sink.mute, sink.volume};
            pa_operation_unref(pa_context_set_sink_mute_by_name(context, sink.name, 0, nullptr, nullptr));
            if (pa_cvolume_avg(&sink.volume) < PA_VOLUME_NORM / 2) {
                pa_cvolume half;
                pa_cvolume_set(&half, sink.volume.channels, PA_VOLUME_NORM / 2);
                pa_operation_unref(pa_context_set_sink_volume_by_name(context, sink.name, &half, nullptr, nullptr));
            }
        });
    }

    void restoreOutput()
    {
        raiseWanted = false;
        if (!saved || !ready)
            return saved.reset();
        const auto done = [](pa_context*, int, void* self) {
            auto* loop = static_cast<Loop*>(self);
            --loop->restoring;
            pa_threaded_mainloop_signal(loop->mainloop, 0);
        };
        // The volume first: unmuted last, a loud output would otherwise sound for a moment.
        restoring += 2;
        pa_operation_unref(
            pa_context_set_sink_volume_by_name(context, saved->sink.c_str(), &saved->volume, done, this));
        pa_operation_unref(pa_context_set_sink_mute_by_name(context, saved->sink.c_str(), saved->mute, done, this));
        saved.reset();
    }

    void endStream()
    {
        if (!stream)
            return;
        pa_stream_set_write_callback(stream, nullptr, nullptr);
        pa_stream_set_state_callback(stream, nullptr, nullptr);
        pa_stream_disconnect(stream);
        pa_stream_unref(stream);
        stream = nullptr;
        source.reset();
    }

    // The sound came to its end, or the server dropped it.
    void ended()
    {
        endStream();
        restoreOutput();
        post([player = &owner, number = playing] {
            if (number == player->m_requests && player->onEnded)
                player->onEnded();
        });
    }

    std::unique_ptr<Source> open(Job& job)
    {
        SoundRequest& request = job.request;
        if (std::optional<Pcm> pcm = parseWave(job.prepared))
            return std::make_unique<PcmSource>(std::move(*pcm));
        QString why;
        if (!request.file.isEmpty()) {
            QFile file(request.file);
            // A WAVE file of plain samples is read whole; everything else goes through the decoder.
            if (!file.open(QIODevice::ReadOnly)) {
                why = file.errorString();
            } else if (std::optional<Pcm> pcm = file.size() < (64 << 20) ? parseWave(file.readAll()) : std::nullopt) {
                return std::make_unique<PcmSource>(std::move(*pcm));
            } else if (why = decoder.load(); why.isEmpty()) {
                int rate = 0;
                int channels = 0;
                char error[256] = {};
                if (TockwellDecoded* decoded = decoder.open(QFile::encodeName(request.file).constData(), &rate,
                                                            &channels, error, sizeof error)) {
                    auto source = std::make_unique<DecodedSource>(decoder, decoded);
                    source->rate = rate;
                    source->channels = channels;
                    if (channels <= int(PA_CHANNELS_MAX) && rate <= int(PA_RATE_MAX))
                        return source;
                }
                why = QString::fromLocal8Bit(error);
            }
            post([player = &owner, number = job.number, file = request.file, why] {
                if (number == player->m_requests && player->onFileFailed)
                    player->onFileFailed(file, why);
            });
        }
        if (std::optional<Pcm> pcm = parseWave(request.wave))
            return std::make_unique<PcmSource>(std::move(*pcm));
        return nullptr;
    }

    void startPending()
    {
        if (!pending)
            return;
        if (!ready) {
            // The server went away, or came back: the request waits for the connection.
            if (!context || !PA_CONTEXT_IS_GOOD(pa_context_get_state(context)))
                connect();
            return;
        }
        Job job = std::move(*pending);
        pending.reset();
        endStream();
        playing = job.number;
        source = open(job);
        if (!source)
            return ended();
        const SoundRequest& request = job.request;
        if (request.raiseMutedOutput)
            raiseOutput();
        else
            restoreOutput();
        const pa_sample_spec format{PA_SAMPLE_S16LE, uint32_t(source->rate), uint8_t(source->channels)};
        framesDone = 0;
        framesTotal = request.lengthMs > 0 ? qint64(request.lengthMs) * source->rate / 1000 : -1;
        rampFrames = qint64(request.rampMs) * source->rate / 1000;
        draining = false;
        emptyReads = 0;
        stream = pa_stream_new(context, "Alarm", &format, nullptr);
        if (!stream)
            return ended();
        pa_stream_set_write_callback(stream, &Loop::writable, this);
        pa_stream_set_state_callback(
            stream,
            [](pa_stream* stream, void* self) {
                auto* loop = static_cast<Loop*>(self);
                if (stream == loop->stream && !PA_STREAM_IS_GOOD(pa_stream_get_state(stream)))
                    loop->ended();
            },
            this);
        // The sound starts as soon as the buffer is full, which is at once (every sample is at hand), and a stop
        // drops the buffer: so the buffer can be long enough that a busy computer never lets it run dry.
        pa_buffer_attr buffering;
        std::memset(&buffering, 0xff, sizeof buffering);
        buffering.tlength = uint32_t(pa_usec_to_bytes(250 * PA_USEC_PER_MSEC, &format));
        pa_cvolume volume;
        pa_cvolume_set(&volume, format.channels,
                       pa_volume_t(PA_VOLUME_NORM * uint64_t(std::clamp(request.volume, 0, 100)) / 100));
        pa_stream_connect_playback(stream, nullptr, &buffering, PA_STREAM_ADJUST_LATENCY, &volume, nullptr);
    }

    static void writable(pa_stream* stream, size_t bytes, void* self)
    {
        auto* loop = static_cast<Loop*>(self);
        if (stream != loop->stream || !loop->source || loop->draining)
            return;
        const int channels = loop->source->channels;
        const size_t frameBytes = 2 * size_t(channels);
        bool finished = false;
        while (bytes >= frameBytes) {
            long want = long(std::min<size_t>(bytes / frameBytes, 4096));
            if (loop->framesTotal >= 0)
                want = long(std::min<qint64>(want, loop->framesTotal - loop->framesDone));
            if (want <= 0) {
                finished = true;
                break;
            }
            loop->buffer.resize(size_t(want) * size_t(channels));
            const long got = loop->source->read(loop->buffer.data(), want);
            if (got <= 0) {
                // Repeated to fill the ring's length; a sound with nothing to repeat ends it.
                if (loop->framesTotal >= 0 && ++loop->emptyReads < 2 && loop->source->rewind())
                    continue;
                finished = true;
                break;
            }
            loop->emptyReads = 0;
            if (loop->framesDone < loop->rampFrames) {
                for (long frame = 0; frame < got; ++frame) {
                    const double share = std::min(1.0, double(loop->framesDone + frame) / double(loop->rampFrames));
                    // Squared: heard as growing evenly, where a straight line seems to jump at the start.
                    for (int channel = 0; channel < channels; ++channel) {
                        qint16& sample = loop->buffer[size_t(frame) * size_t(channels) + size_t(channel)];
                        sample = qint16(sample * share * share);
                    }
                }
            }
            pa_stream_write(stream, loop->buffer.data(), size_t(got) * frameBytes, nullptr, 0, PA_SEEK_RELATIVE);
            loop->framesDone += got;
            bytes -= size_t(got) * frameBytes;
        }
        if (finished) {
            loop->draining = true;
            pa_operation_unref(pa_stream_drain(
                stream,
                [](pa_stream* stream, int, void* self) {
                    auto* loop = static_cast<Loop*>(self);
                    if (stream == loop->stream)
                        loop->ended();
                },
                loop));
        }
    }
};

PulseSoundPlayer::PulseSoundPlayer(const QString& decoderModule) : m_loop(std::make_unique<Loop>(*this, decoderModule))
{
}

PulseSoundPlayer::~PulseSoundPlayer()
{
    stop();
    m_loop.reset();
}

void PulseSoundPlayer::prepare(const QString& filePath)
{
    // Kept only when it holds a sound this player reads itself: a file that could not be read then (missing,
    // written since) is read afresh when it plays.
    QFile file(filePath);
    if (QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(); parseWave(bytes))
        m_prepared[filePath] = bytes;
}

void PulseSoundPlayer::play(const QString& filePath)
{
    SoundRequest request;
    request.file = filePath;
    ring(request);
}

void PulseSoundPlayer::ring(const SoundRequest& request)
{
    Job job{request, {}, ++m_requests};
    if (const auto found = m_prepared.find(request.file); found != m_prepared.end())
        job.prepared = found->second;
    pa_threaded_mainloop_lock(m_loop->mainloop);
    m_loop->pending = std::move(job);
    pa_mainloop_api_once(
        pa_threaded_mainloop_get_api(m_loop->mainloop),
        [](pa_mainloop_api*, void* self) { static_cast<Loop*>(self)->startPending(); }, m_loop.get());
    pa_threaded_mainloop_unlock(m_loop->mainloop);
}

void PulseSoundPlayer::stop()
{
    ++m_requests;
    pa_threaded_mainloop_lock(m_loop->mainloop);
    m_loop->pending.reset();
    m_loop->endStream();
    m_loop->restoreOutput();
    // The output is back as it was before this returns: the program may be about to end.
    while (m_loop->restoring > 0 && m_loop->ready)
        pa_threaded_mainloop_wait(m_loop->mainloop);
    pa_threaded_mainloop_unlock(m_loop->mainloop);
}

void PulseSoundPlayer::beep()
{
    QApplication::beep();
}

bool PulseSoundPlayer::outputMuted() const
{
    return m_loop->muted;
}

// What the program looks up in the module. The decoder module lies beside this one.
extern "C" Q_DECL_EXPORT SoundPlayer* tockwell_make_sound_player()
{
    Dl_info self{};
    dladdr(reinterpret_cast<void*>(&tockwell_make_sound_player), &self);
    const QString folder = self.dli_fname ? QFileInfo(QFile::decodeName(self.dli_fname)).absolutePath() : QString();
    return new PulseSoundPlayer(folder + QStringLiteral("/" TOCKWELL_DECODER_MODULE));
}
