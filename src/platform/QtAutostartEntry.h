#pragma once

#include "Desktop.h"

#include <QByteArray>
#include <QString>

// An XDG autostart entry made from the installed desktop entry, so its name, icon and translations come
// along; only its command differs: it starts the program put away, without the splash.
class QtAutostartEntry final : public AutostartEntry {
public:
    // The command-line option (without its dashes) that a start at login carries.
    static inline const QString Option = QStringLiteral("autostart");

    // There, and not turned off in the desktop's start-up settings.
    bool isThere() const override;
    QString write() override;
    QString remove() override;

    // ~/.config/autostart/<application id>.desktop
    static QString path();
    // The autostart entry: `installed` (the installed desktop entry's text, or empty when there is none)
    // with a command that starts `program` put away. The installed command is kept when it names
    // `program`, so an entry written by an installed Tockwell still works after an upgrade.
    static QByteArray entryText(const QByteArray& installed, const QString& program);
    // False when an entry's text turns it off: the desktop's start-up settings keep the entry of a program
    // the user switched off there, marked "Hidden=true" (KDE and the XDG rule) or
    // "X-GNOME-Autostart-enabled=false" (GNOME).
    static bool startsAtLogin(const QByteArray& entry);
};
