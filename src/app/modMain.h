#pragma once

#include "LaterBoxes.h"
#include "alarms/AlarmBook.h"
#include "alarms/KeptAlarms.h"
#include "alarms/KeptSnoozes.h"
#include "engine/Ringing.h"
#include "engine/Snoozes.h"
#include "platform/Desktop.h"
#include "settings/Settings.h"
#include "tray/modTray.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>

class frmMain;
class frmSplash;
class frmAlarm;
class frmRecordNewTime;
class frmEdit;
class frmRemove;
class frmOptions;

template <class W> constexpr int formIndex = -1;
template <> inline constexpr int formIndex<frmMain> = 0;
template <> inline constexpr int formIndex<frmSplash> = 1;
template <> inline constexpr int formIndex<frmAlarm> = 2;
template <> inline constexpr int formIndex<frmRecordNewTime> = 3;
template <> inline constexpr int formIndex<frmEdit> = 4;
template <> inline constexpr int formIndex<frmRemove> = 5;
template <> inline constexpr int formIndex<frmOptions> = 6;

// State shared by every window for the life of the process, the desktop services, and one
// instance slot per window class. A window comes into being on its first reference (its
// Form_Load runs then) and is destroyed on unload; what must outlive an unload lives here.
class modMain {
public:
    // Where the program runs from: a folder it was unpacked or built into, or the place an install put it.
    enum class Origin { RunInPlace, Installed };
    struct Placement {
        QString applicationName; // the program file's base name, under which settings are kept
        QString programFolder;   // the folder that holds the executable
        QString cacheFolder;     // per-user fallback for the sound files
        QString dataFolder;      // per-user folder where the alarm table is kept across runs
        Origin origin = Origin::RunInPlace;
    };
    modMain(Desktop desktop, const Placement& placement);
    ~modMain();
    modMain(const modMain&) = delete;
    modMain& operator=(const modMain&) = delete;

    Desktop& desktop() { return m_desktop; }
    Settings::Store& settings() { return m_settings; }
    modTray& tray() { return m_tray; }

    AlarmBook Alarms;
    // Alarm lines waiting to ring again, beside the table, never in it.
    Snoozes Snoozed;
    // What rings when: the alarms on their days, the snoozes, the missed ones, the next ring and the wake-up.
    Ringing Ringer{Alarms, Snoozed};
    QString DateFormat;

    // The edit window's public variables: the edit command sets them and the window's load reads them,
    // so they outlive the window.
    struct EditAlarm {
        float Edit_AlarmHour = 0;
        float Edit_AlarmMinute = 0;
        QString Edit_AlarmDescription;
        int Edit_AlarmPosition = 0;
        // The whole alarm as the edit command found it: its days and sound go with it.
        AlarmRecord Edit_Alarm;
    };
    EditAlarm editAlarm;

    // The update check's findings: the last usable version text and the last notice the server sent.
    // They outlive the Options window, which can be closed while a check runs.
    QString LatestVersion;
    QString UpdateMessage;

    // The window's default instance, created and loaded if it does not exist yet.
    template <class W> W& form()
    {
        QPointer<QWidget>& slot = m_forms[formIndex<W>];
        if (!slot) {
            W* window = new W(*this);
            slot = window;
            window->Form_Load();
        }
        return *static_cast<W*>(slot.data());
    }

    template <class W> bool isLoaded() const { return !m_forms[formIndex<W>].isNull(); }

    // Destroys the window and its controls; the next reference loads a fresh one.
    template <class W> void unload() { unloadSlot(formIndex<W>); }

    // The folder the two sound files live in, and their paths.
    const QString& soundFolder() const { return m_soundFolder; }
    QString alarmSoundPath() const;
    QString silenceSoundPath() const;

    // The embedded sounds, by resource id.
    enum Sound : int { AlarmSound = 101, SilenceSound = 102 };
    // Writes an embedded sound (101 alarm, 102 silence) to `filePath` unless something is already there.
    static void WriteWaveResource(int resourceId, const QString& filePath);
    // Plays one of the two sounds. A file that went missing (another copy of the program that exited
    // deletes both) is written again first; an alarm whose file cannot be had sounds as the desktop's
    // beep rather than not at all.
    void playSound(Sound sound);
    // Rings `ring` with its own sound and volume, for the ring length of the options, turning up a muted
    // output when the options say so; a chosen file that cannot be played rings the alarm sound instead,
    // and the alarm window says so. Returns what the alarm window and its notification say of a ring into a
    // muted output the options leave muted, or nothing.
    QString ringSound(const Ring& ring);
    // How long `timAlarm` stands for a ring's sound, by the options.
    int ringTimerMs() const;
    // `timAlarm` ran out. A ring longer than the alarm sound ends with its time, even where a busy computer let
    // the sound fall behind.
    void ringTimeOver();
    // The main window's line about a muted output while an alarm is set (`alarmSet`); empty when there is none.
    QString mutedLine(bool alarmSet) const;
    // Plays `ring`'s sound once, as a window's Play button does; `ended` runs when it ends by itself.
    void previewSound(const Ring& ring, std::function<void()> ended);
    // Ends the preview playing; an alarm's sound is left alone.
    void stopPreview();
    // The folder for the sound files: `tempFiles` beside a program run in place, or under the cache folder
    // when that cannot be created or written. An installed program always uses the cache folder: its own
    // folder is a system one (/usr/bin), which must not receive files at run time, even from root.
    static QString chooseSoundFolder(const Placement& placement);

private:
    void unloadSlot(int index);

    Desktop m_desktop;
    Settings::Store m_settings;
    modTray m_tray;
    LaterBoxes m_later;
    KeptAlarms m_kept;
    KeptSnoozes m_keptSnoozes;
    QString m_soundFolder;
    std::function<void()> m_previewEnded;
    std::array<QPointer<QWidget>, 7> m_forms;
};
