#pragma once

// Recording stand-ins for every desktop service. A test scripts the answers it expects and
// reads back every call the program made; nothing here touches the real desktop.

#include "platform/Desktop.h"

#include <QDialog>
#include <QHash>
#include <QStringList>

struct FakeClock final : Clock {
    QDateTime current = QDateTime(QDate(2026, 12, 5), QTime(13, 5, 9));
    qint64 monotonic = 0;
    QDateTime now() const override { return current; }
    qint64 monotonicMs() const override { return monotonic; }
    void set(const QDateTime& when) { current = when; }
    // Moves both readings forward together, as real time would.
    void advance(qint64 ms)
    {
        current = current.addMSecs(ms);
        monotonic += ms;
    }
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
    QStringList played;
    void play(const QString& filePath) override { played << filePath; }
};

struct FakeTrayService final : TrayService {
    bool shown = false;
    void add(const QString&) override { shown = true; }
    void remove() override { shown = false; }
    bool isShown() const override { return shown; }
};

struct FakeShell final : Shell {
    void open(const QString&) override {}
};

struct FakeFileDialogs final : FileDialogs {
    QString nextOpen, nextSave; // the paths the user picks; empty: cancelled
    QStringList asked;          // "open FILTER" or "save FILTER", one per dialog shown
    QString openFile(const QString& filter) override
    {
        asked << QStringLiteral("open ") + filter;
        return nextOpen;
    }
    QString saveFile(const QString& filter) override
    {
        asked << QStringLiteral("save ") + filter;
        return nextSave;
    }
};

struct FakeWebFetch final : WebFetch {
    Result get(const QString&) override { return {false, {}, QStringLiteral("Host not found")}; }
};

struct FakeSettingsBackend final : SettingsBackend {
    QHash<QString, QString> values; // "application/section/key" -> value
    QStringList writes;             // "key=value"
    static QString path(const QString& app, const QString& section, const QString& key)
    {
        return app + u'/' + section + u'/' + key;
    }
    QString get(const QString& app, const QString& section, const QString& key, const QString& fallback) const override
    {
        return values.value(path(app, section, key), fallback);
    }
    void save(const QString& app, const QString& section, const QString& key, const QString& value) override
    {
        values.insert(path(app, section, key), value);
        writes << key + u'=' + value;
    }
};

struct FakeProgramEnd final : ProgramEnd {
    int ends = 0;
    void end() override { ++ends; }
};

struct FakeModalRunner final : ModalRunner {
    std::function<void(QDialog&)> whileOpen; // what happens while the dialog is "open"
    int runs = 0;
    void exec(QDialog& dialog) override
    {
        ++runs;
        dialog.show();
        if (whileOpen)
            whileOpen(dialog);
    }
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

    Desktop desktop() { return Desktop{clock, messages, sound, tray, shell, files, web, settings, programEnd, modal}; }
};
