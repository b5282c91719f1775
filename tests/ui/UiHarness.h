#pragma once

// Builds the application context against fake desktop services in a throw-away folder.

#include "FakeDesktop.h"
#include "app/modMain.h"

#include <QListWidget>
#include <QTemporaryDir>

#include <memory>

struct UiHarness {
    static inline const QString Application = QStringLiteral("tockwell-test");

    QTemporaryDir root;
    FakeDesktop fakes;
    std::unique_ptr<modMain> context;

    UiHarness() { restart(); }

    QString programFolder() const { return root.filePath(QStringLiteral("program")); }
    QString cacheFolder() const { return root.filePath(QStringLiteral("cache")); }

    // A new process: fresh shared state and windows; the fakes (settings, clock) carry over.
    modMain& restart()
    {
        context.reset();
        context =
            std::make_unique<modMain>(fakes.desktop(), modMain::Placement{Application, programFolder(), cacheFolder()});
        return *context;
    }

    void storeSetting(const QString& key, const QString& value)
    {
        fakes.settings.values.insert(FakeSettingsBackend::path(Application, QStringLiteral("Options"), key), value);
    }
};

inline QStringList listed(const QListWidget* list)
{
    QStringList lines;
    for (int row = 0; row < list->count(); ++row)
        lines << list->item(row)->text();
    return lines;
}

// Every window test ends here: no message box came unasked and every expected one came.
#define VERIFY_MESSAGES(harness)                                                                                       \
    QVERIFY2((harness).fakes.messages.mismatch().isEmpty(), qPrintable((harness).fakes.messages.mismatch()))
