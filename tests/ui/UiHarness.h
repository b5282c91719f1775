#pragma once

// Builds the application context against fake desktop services in a throw-away folder.

#include "FakeDesktop.h"
#include "app/AppInfo.h"
#include "app/frmMain.h"
#include "app/modMain.h"
#include "settings/frmOptions.h"

#include <QListWidget>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <memory>
#include <set>

struct UiHarness {
    static inline const QString Application = QStringLiteral("tockwell-test");

    QTemporaryDir root;
    FakeDesktop fakes;
    std::unique_ptr<modMain> context;

    UiHarness() { restart(); }

    QString programFolder() const { return root.filePath(QStringLiteral("program")); }
    QString cacheFolder() const { return root.filePath(QStringLiteral("cache")); }
    QString dataFolder() const { return root.filePath(QStringLiteral("data")); }

    // A new process: fresh shared state and windows; the fakes (settings, clock) carry over.
    modMain& restart()
    {
        context.reset();
        context = std::make_unique<modMain>(
            fakes.desktop(), modMain::Placement{Application, programFolder(), cacheFolder(), dataFolder()});
        return *context;
    }

    void storeSetting(const QString& key, const QString& value)
    {
        fakes.settings.values.insert(Application + QStringLiteral("/Options/") + key, value);
    }
};

inline QStringList listed(const QListWidget* list)
{
    QStringList lines;
    for (int row = 0; row < list->count(); ++row)
        lines << list->item(row)->text();
    return lines;
}

// Leaves every text as it is, and notes each one the program asks to have translated.
struct NotedTexts : QTranslator {
    // By length, longest first: a short text may be part of a longer one.
    mutable std::set<std::pair<qsizetype, QString>, std::greater<>> sources;
    QString translate(const char*, const char* source, const char*, int) const override
    {
        sources.insert({qstrlen(source), QString::fromUtf8(source)});
        return {};
    }
    bool isEmpty() const override { return false; }
    // What of `text` went through no translator: not a noted text (its %1 and %n each standing for one argument),
    // not one wrapped as a pseudo-translation shows it ([[...]]), and no name, address, path or time designator.
    QString unaccounted(QString text) const
    {
        for (const auto& [length, source] : sources) {
            const QStringList pieces = source.split(QRegularExpression(QStringLiteral("%L?(\\d+|n)")));
            // An argument stays within its line and takes as little as the text around it allows: in front of
            // the text one word (a count), at its end the rest of the line (a path, an error), between, the least.
            QString pattern = QRegularExpression::escape(pieces[0]);
            for (qsizetype i = 1; i < pieces.size(); ++i)
                pattern += QLatin1StringView(i == 1 && pieces[0].isEmpty()                   ? "\\S*"
                                             : i + 1 == pieces.size() && pieces[i].isEmpty() ? "[^\\n]*"
                                                                                             : "[^\\n]*?") +
                           QRegularExpression::escape(pieces[i]);
            text.remove(QRegularExpression(pattern));
        }
        return text
            .remove(QRegularExpression(QStringLiteral("\\[\\[.*?\\]\\]|\\S*[/@]\\S*|\\S+\\.\\S+|\\b[AP]M\\b"),
                                       QRegularExpression::DotMatchesEverythingOption))
            .remove(AppInfo::ProductName);
    }
};

// A window test class: a fresh harness for every test function, and at its end no message box that came
// unasked or never came, nor one whose words did not all go through the translator (server text aside).
class UiTest : public QObject {
    Q_OBJECT
protected:
    virtual void prepare() {}
    virtual void finish() {}
    static NotedTexts& noted()
    {
        static NotedTexts texts;
        return texts;
    }
    // Texts the user typed or a service said, which no translator sees.
    static void notTranslated(const QString& text) { noted().sources.insert({text.size(), text}); }
    // Whether every word of `text` went through the translator, or needs none.
    static bool translated(const QString& text)
    {
        return !noted().unaccounted(text).contains(QRegularExpression(QStringLiteral("\\p{L}")));
    }
    std::unique_ptr<UiHarness> h;
    frmMain& main() { return h->context->form<frmMain>(); }
    frmOptions& options() { return h->context->form<frmOptions>(); }
    // Ticks the main window's clock from `from`, `count` times 900 ms apart.
    void tickAt(const QDateTime& from, int count = 1)
    {
        h->fakes.clock.set(from);
        for (int i = 0; i < count; ++i, h->fakes.clock.advance(900))
            main().timTimers_Timer();
    }

private slots:
    void init()
    {
        [[maybe_unused]] static const bool noting = QCoreApplication::installTranslator(&noted());
        h = std::make_unique<UiHarness>();
        prepare();
    }
    void cleanup()
    {
        const QString mismatch = h->fakes.messages.mismatch();
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
        for (const FakeMessageBoxes::Call& call : std::as_const(h->fakes.messages.calls)) {
            QString text = call.title + u'\n' + call.text;
            for (const WebFetch::Result& answer : std::as_const(h->fakes.web.answers))
                text =
                    QString::fromUtf8(answer.body).trimmed().startsWith(call.text) ? call.title : text; // its own words
            QVERIFY2(translated(text), qPrintable(text));
        }
        finish();
        h.reset();
    }
};
