#pragma once

#include <QString>

class SettingsBackend;

namespace Settings {

inline const QString Section = QStringLiteral("Options");

namespace Key {
inline const QString TimeInterval = QStringLiteral("Time Interval");
inline const QString GraphicalClockOnStartup = QStringLiteral("Graphical Clock on Startup");
inline const QString ClockColour = QStringLiteral("Clock Colour");
inline const QString DateFormat = QStringLiteral("Date Format");
inline const QString SystemTrayDate = QStringLiteral("System Tray Date");
inline const QString DateInFormCaption = QStringLiteral("Date in Form Caption");
} // namespace Key

// Preferences about the program's place on the desktop, kept in a section of their own beside the six
// options, so that Restore to Default leaves them alone.
inline const QString DesktopSection = QStringLiteral("Desktop");
namespace DesktopKey {
inline const QString WakeFromSleep = QStringLiteral("Wake from Sleep");
inline const QString SnoozeMinutes = QStringLiteral("Snooze Minutes");
inline const QString RingSeconds = QStringLiteral("Ring Seconds");
inline const QString GentleStartSeconds = QStringLiteral("Gentle Start Seconds");
inline const QString RingWhenMuted = QStringLiteral("Ring When Muted");
} // namespace DesktopKey

// On/off settings store 1 for off and 2 for on.
enum OnOff : int { Off = 1, On = 2 };

// A stored text read as a whole number 0..255; anything else (garbage, blanks, a sign, a fraction,
// a value out of range) is -1, which no reader treats as one of its listed values.
int decode(const QString& stored);

// The date pattern for codes 1..5; an empty string for any other code.
QString datePatternForCode(int code);

// Reads and writes the program's options through the per-user store, never caching a value.
class Store {
public:
    Store(SettingsBackend& backend, QString application);
    // The decoded value (absent keys read as 1), or -1 for a value no reader lists.
    int read(const QString& key) const;
    void write(const QString& key, int value);
    // Whether alarms wake the computer from sleep: yes unless the user said no. Kept in DesktopSection.
    bool wakeFromSleep() const;
    void setWakeFromSleep(bool wake);
    // How long a snooze lasts, in minutes: one of Snoozes::Lengths. Kept in DesktopSection.
    int snoozeMinutes() const;
    void setSnoozeMinutes(int minutes);
    // How long an alarm sounds, in seconds: one of AlarmSound::RingLengths. Kept in DesktopSection.
    int ringSeconds() const;
    void setRingSeconds(int seconds);
    // Over how many seconds an alarm grows from silence to its volume: one of AlarmSound::GentleStarts, 0 for
    // at once. Kept in DesktopSection.
    int gentleStartSeconds() const;
    void setGentleStartSeconds(int seconds);
    // Whether an alarm turns up a muted output to be heard: yes unless the user said no. Kept in DesktopSection.
    bool ringWhenMuted() const;
    void setRingWhenMuted(bool ring);
    const QString& application() const { return m_application; }

private:
    SettingsBackend& m_backend;
    QString m_application;
};

} // namespace Settings
