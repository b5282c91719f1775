#pragma once

// Builds the application context against fake desktop services in a throw-away folder.

#include "FakeDesktop.h"
#include "app/modMain.h"

#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

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

// A window test class: a fresh harness for every test function, and at its end no message box that came
// unasked or never came.
class UiTest : public QObject {
    Q_OBJECT
protected:
    virtual void prepare() {}
    virtual void finish() {}
    std::unique_ptr<UiHarness> h;

private slots:
    void init()
    {
        h = std::make_unique<UiHarness>();
        prepare();
    }
    void cleanup()
    {
        const QString mismatch = h->fakes.messages.mismatch();
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
        finish();
        h.reset();
    }
};
