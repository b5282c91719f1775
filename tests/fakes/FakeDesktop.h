#pragma once

// Recording stand-ins for every desktop service. A test scripts the answers it expects and
// reads back every call the program made; nothing here touches the real desktop.

#include "platform/Desktop.h"

#include <QDialog>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QStringList>

struct FakeClock final : Clock {
    QDateTime current = QDateTime(QDate(2026, 12, 5), QTime(13, 5, 9));
    qint64 monotonic = 0;
    QDateTime now() const override { return current; }
    qint64 monotonicMs() const override { return monotonic; }
    void set(const QDateTime& when) { current = when; }
    // Moves both readings forward together, as real time would.
    void advance(qint64 ms) { current = current.addMSecs(ms), monotonic += ms; }
};

struct FakeMessageBoxes final : MessageBoxes {
    struct Call {
        QString text, title, details;
        int style;
    };
    struct Expectation {
        QString text; // empty: any text
        int answer;
        std::function<void()> whileOpen; // runs as if the box were open (nested event loop)
    };
    QList<Call> calls;
    QList<Expectation> script;
    QStringList unexpected;

    // The next message box must show `text` (or anything when empty) and is answered with `answer`.
    void expect(const QString& text, int answer = MsgBox::Ok, std::function<void()> whileOpen = {})
    {
        script.append({text, answer, std::move(whileOpen)});
    }
    int show(const QString& text, int style, const QString& title, const QString& details) override
    {
        calls.append({text, title, details, style});
        const Expectation next = script.isEmpty() ? Expectation{u"no box"_qs, MsgBox::Ok, {}} : script.takeFirst();
        if (!next.text.isEmpty() && next.text != text)
            unexpected << QStringLiteral("%1 (expected: %2)").arg(text, next.text);
        if (next.whileOpen)
            next.whileOpen();
        return next.answer;
    }
    // Empty when every box shown was expected and every expected box was shown.
    QString mismatch() const
    {
        QStringList all = unexpected;
        for (const Expectation& missing : script)
            all << missing.text + QStringLiteral(" never came");
        return all.join(u'|');
    }
};

struct FakeSoundPlayer final : SoundPlayer {
    QStringList prepared;
    QStringList played;
    int beeps = 0;
    static void nothing() {}
    std::function<void()> whilePreparing = nothing; // once, as a box that a missing sound module brings would
    void prepare(const QString& file) override { prepared << file, std::exchange(whilePreparing, nothing)(); }
    void play(const QString& filePath) override { played << filePath; }
    QList<SoundRequest> rung;
    int stops = 0;
    bool muted = false;
    // Each ring is also a play of its file (none for a sound in memory).
    void ring(const SoundRequest& request) override { rung << request, played << request.file; }
    void stop() override { ++stops; }
    void beep() override { ++beeps; }
    bool outputMuted() const override { return muted; }
};

struct FakeTrayService final : TrayService {
    bool shown = false;
    bool available = true;
    QStringList tips; // one per icon added
    void add(const QString& tip) override { shown = true, tips << tip; }
    void remove() override { shown = false; }
    bool isShown() const override { return shown; }
    bool isAvailable() const override { return available; }
};

struct FakeNotifications final : Notifications {
    QList<Notice> notices; // posted or updated, in turn
    // P posted, U updated to offer nothing to stop (u: still offering "Stop Alarm"), W withdrawn, in turn.
    QString calls;
    void post(const Notice& notice) override { notices << notice, calls += u'P'; }
    void update(const Notice& notice) override { notices << notice, calls += notice.offerStop ? u'u' : u'U'; }
    void withdraw() override { calls += u'W'; }
};

struct FakeShell final : Shell {
    QStringList opened;
    bool succeeds = true;
    bool open(const QString& address) override { return opened << address, succeeds; }
};

struct FakeFileDialogs final : FileDialogs {
    QString nextOpen, nextSave; // the paths the user picks; empty: cancelled
    QString openFile(const QString&) override { return nextOpen; }
    QString saveFile(const QString&) override { return nextSave; }
};

struct FakeWebFetch final : WebFetch {
    QStringList requests; // "address cap"
    // Answers by address, delivered the way the network does: later, cut at the request's cap, and not at all
    // once the requester is gone. A request with none here is never answered.
    QHash<QString, Result> answers;

    void get(const QString& url, qint64 maxBytes, QObject* context, Done done) override
    {
        requests << url + u' ' + QString::number(maxBytes);
        if (!answers.contains(url))
            return;
        Result result = answers.value(url);
        result.truncated = result.body.size() > maxBytes;
        result.body.truncate(maxBytes);
        QMetaObject::invokeMethod(
            context, [done, result] { done(result); }, Qt::QueuedConnection);
    }
    static Result ok(const QByteArray& body) { return Result{true, body, {}, 200, false}; }
};

struct FakeSettingsBackend final : SettingsBackend {
    QHash<QString, QString> values; // "application/section/key" -> value
    QStringList writes;             // "key=value"
    QString get(const QString& app, const QString& section, const QString& key, const QString& fallback) const override
    {
        return values.value(app + u'/' + section + u'/' + key, fallback);
    }
    void save(const QString& app, const QString& section, const QString& key, const QString& value) override
    {
        values.insert(app + u'/' + section + u'/' + key, value);
        writes << key + u'=' + value;
    }
};

struct FakeProgramEnd final : ProgramEnd {
    int ends = 0;
    void end() override { ++ends; }
};

struct FakeModalRunner final : ModalRunner {
    std::function<void(QDialog&)> whileOpen = [](QDialog&) {}; // what happens while the dialog is "open"
    int runs = 0;
    void exec(QDialog& dialog) override { ++runs, dialog.show(), whileOpen(dialog); }
};

struct FakeAutostartEntry final : AutostartEntry {
    bool there = false;
    QString failure;   // what write() and remove() answer; empty: they succeed
    QStringList calls; // "write", "remove"
    bool isThere() const override { return there; }
    QString write() override { return change(u"write"_qs, true); }
    QString remove() override { return change(u"remove"_qs, false); }
    QString change(const QString& call, bool after)
    {
        calls << call;
        there = failure.isEmpty() ? after : there;
        return failure;
    }
};

struct FakeWakeTimer final : WakeTimer {
    QStringList calls; // "arm <UTC time>", "disarm"
    QString reason;    // empty: waking works
    void arm(const QDateTime& when) override { calls << u"arm "_qs + when.toUTC().toString(u"yyyy-MM-dd hh:mm:ss"); }
    void disarm() override { calls << u"disarm"_qs; }
    QString unavailableReason() const override { return reason; }
};

// Holding the computer awake is for the real system to judge: e2e.sleep.
struct FakeSleepWatcher final : SleepWatcher {
    void holdAwake() override {}
    void release() override {}
};

struct FakeDesktop {
    FakeClock clock;
    FakeMessageBoxes messages;
    FakeSoundPlayer sound;
    FakeTrayService tray;
    FakeShell shell;
    FakeFileDialogs files;
    FakeWebFetch web;
    FakeSettingsBackend settings;
    FakeProgramEnd programEnd;
    FakeModalRunner modal;
    FakeAutostartEntry autostart;
    FakeNotifications notifications;
    FakeWakeTimer wakeTimer;
    FakeSleepWatcher sleepWatcher;

    Desktop desktop()
    {
        return Desktop{clock,    messages,   sound, tray,      shell,         files,     web,
                       settings, programEnd, modal, autostart, notifications, wakeTimer, sleepWatcher};
    }
};
