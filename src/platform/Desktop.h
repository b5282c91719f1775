#pragma once

// The desktop operations the program needs, each behind a small interface so that
// tests can replace every one of them. Only main.cpp constructs the Qt-backed versions.

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <functional>

class QDialog;
class QObject;

// Local wall-clock time plus a monotonic reading; the only source of "now".
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    virtual qint64 monotonicMs() const = 0;
};

// Message-box codes as the program uses them: buttons plus icon.
namespace MsgBox {
enum Style : int {
    OkOnly = 0,
    YesNo = 4,
    Critical = 16,
    Question = 32,
    Exclamation = 48,
    Information = 64,
};
enum Answer : int {
    Ok = 1,
    Yes = 6,
    No = 7,
};
} // namespace MsgBox

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Modal. `details` carries a system reason the user may want but need not read.
    virtual int show(const QString& text, int style, const QString& title, const QString& details = {}) = 0;
};

// How an alarm sounds: what plays, how loud, for how long.
struct SoundRequest {
    // A sound file: the program's own, or one the user chose. Empty: `wave` plays.
    QString file;
    // A whole RIFF/WAVE file in memory: the sound when `file` is empty, and the one that plays instead of a
    // `file` that cannot be played.
    QByteArray wave;
    int volume = 100; // percent of the program's own stream; the desktop's volume stays as it is
    int lengthMs = 0; // how long it sounds, repeating the sound; 0: once through
    int rampMs = 0;   // grows from silence to its volume over this long; 0: at its volume from the start
    // A muted or nearly silent output is turned up for the sound and put back as it was when it ends.
    bool raiseMutedOutput = false;
    bool operator==(const SoundRequest&) const = default;
};

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Reads a sound file ahead of time, so that playing it later starts without a file read.
    virtual void prepare(const QString& filePath) = 0;
    // Asynchronous; a new request replaces whatever is still playing. Never loops.
    virtual void play(const QString& filePath) = 0;
    // Asynchronous, like play(), and replaces it likewise.
    virtual void ring(const SoundRequest& request) = 0;
    // Ends the sound playing, and puts back an output it turned up before returning.
    virtual void stop() = 0;
    // The desktop's own alert sound, for when there is no sound file to play.
    virtual void beep() = 0;
    // Whether the desktop's sound output is muted or too quiet to hear (below 10 %), as last known.
    virtual bool outputMuted() const = 0;
    // The callbacks run on the user-interface thread. outputMuted() changed:
    std::function<void()> onOutputChanged;
    // The `file` of the request ringing cannot be played, for `reason`; its `wave` plays instead.
    std::function<void(const QString& file, const QString& reason)> onFileFailed;
    // The latest request's sound came to its end by itself.
    std::function<void()> onEnded;
};

class TrayService {
public:
    enum class Event { LeftDoubleClick, RightRelease, RightDoubleClick, Other };
    virtual ~TrayService() = default;
    virtual void add(const QString& tip) = 0;
    virtual void remove() = 0;
    virtual bool isShown() const = 0;
    // False where the desktop has no notification area, or its host is not running.
    virtual bool isAvailable() const = 0;
    // Receives every mouse event on the icon.
    std::function<void(Event)> onEvent;
    // Told (with false) when the notification area goes away while the icon is meant to be in it.
    std::function<void(bool available)> onAvailabilityChanged;
};

// The desktop's notification service: a message that reaches the user over full-screen programs, on
// the lock screen and in the list of missed notifications. At most one is shown at a time.
class Notifications {
public:
    struct Notice {
        QString summary;
        QString body;             // plain text, as the user typed it
        bool offerStop = false;   // the "Stop Alarm" action
        bool offerSnooze = false; // the "Snooze" action
        bool operator==(const Notice&) const = default;
    };
    virtual ~Notifications() = default;
    // All return at once and never report a failure: with no service the alarm is told as before.
    // A notice posted replaces the one shown.
    virtual void post(const Notice& notice) = 0;
    // Changes the notice shown; one the user dismissed stays dismissed.
    virtual void update(const Notice& notice) = 0;
    virtual void withdraw() = 0;
    // The user chose "Stop Alarm" or "Snooze", or clicked the notice itself.
    std::function<void()> onStop;
    std::function<void()> onSnooze;
    std::function<void()> onActivate;
};

class Shell {
public:
    virtual ~Shell() = default;
    // False when no program could be started for the address (no browser or mail program).
    virtual bool open(const QString& address) = 0;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // Both return the chosen path, or an empty string when the user cancelled.
    virtual QString openFile(const QString& filter) = 0;
    virtual QString saveFile(const QString& filter) = 0;
};

class WebFetch {
public:
    struct Result {
        bool ok = false;        // a 2xx answer arrived whole, or up to the cap
        QByteArray body;        // at most the cap the caller gave
        QString error;          // why it failed, for the user
        int httpStatus = 0;     // 0 when no HTTP answer came
        bool truncated = false; // the body went on past the cap and was cut there
    };
    using Done = std::function<void(const Result&)>;
    virtual ~WebFetch() = default;
    // Starts a GET of an http or https address and returns at once; `done` runs later on this thread,
    // exactly once. A non-2xx answer, a redirect to another scheme and no whole answer within 60 s are
    // failures. At most `maxBytes` of the body are read. Once `context` is destroyed the transfer is
    // abandoned and `done` never runs, so it may safely call into the object that asked.
    virtual void get(const QString& url, qint64 maxBytes, QObject* context, Done done) = 0;
};

class SettingsBackend {
public:
    virtual ~SettingsBackend() = default;
    virtual QString get(const QString& application, const QString& section, const QString& key,
                        const QString& defaultValue) const = 0;
    virtual void save(const QString& application, const QString& section, const QString& key, const QString& value) = 0;
};

class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    // Ends the process at once; no window gets to run its own close handling.
    virtual void end() = 0;
};

// The desktop's own record that the program starts when the user logs in (on Linux an XDG autostart entry).
class AutostartEntry {
public:
    virtual ~AutostartEntry() = default;
    // True when the desktop will start the program at login: the entry is there and not turned off.
    virtual bool isThere() const = 0;
    // Both return an empty text on success, otherwise the reason, for the user.
    virtual QString write() = 0;
    virtual QString remove() = 0;
};

// Wakes the computer from sleep at a wall-clock time. Waking needs a privilege the program itself never
// holds, so where it cannot be had the rest of the program works as before and the user is told why.
class WakeTimer {
public:
    virtual ~WakeTimer() = default;
    // Wakes the computer at `when`, in place of the time set before. Returns at once.
    virtual void arm(const QDateTime& when) = 0;
    virtual void disarm() = 0;
    // Empty while waking works here, or may (the answer is on its way); otherwise why it does not and what
    // would make it work, as sentences for the user.
    virtual QString unavailableReason() const = 0;
    // Told when unavailableReason() changes.
    std::function<void()> onAvailabilityChanged;
};

// The computer's sleep, as the system's session manager tells it: when the computer wakes, and a hold that
// keeps it from going to sleep while an alarm rings. Without such a manager nothing is told and nothing held.
class SleepWatcher {
public:
    virtual ~SleepWatcher() = default;
    // Keeps the computer from sleeping, also with its lid closed, until release() or five minutes after the
    // latest holdAwake(), whichever comes first. Returns at once.
    virtual void holdAwake() = 0;
    virtual void release() = 0;
    // The computer woke from sleep.
    std::function<void()> onResume;
};

// Shows a dialog modally and returns when it is gone. Timers keep firing meanwhile.
class ModalRunner {
public:
    virtual ~ModalRunner() = default;
    virtual void exec(QDialog& dialog) = 0;
};

struct Desktop {
    Clock& clock;
    MessageBoxes& messages;
    SoundPlayer& sound;
    TrayService& tray;
    Shell& shell;
    FileDialogs& files;
    WebFetch& web;
    SettingsBackend& settings;
    ProgramEnd& programEnd;
    ModalRunner& modal;
    AutostartEntry& autostart;
    Notifications& notifications;
    WakeTimer& wakeTimer;
    SleepWatcher& sleepWatcher;
};
