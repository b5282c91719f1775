#include "modMain.h"

#include "app/WaveSynth.h"
#include "app/frmMain.h"
#include "engine/AlarmSound.h"
#include "engine/frmAlarm.h"
#include "platform/WriteWhole.h"
#include "settings/frmOptions.h"

#include <QDir>
#include <QFileInfo>
#include <QResource>
#include <QSaveFile>
#include <QTemporaryFile>
#include <QTimer>
#include <QToolButton>

namespace {

bool folderTakesFiles(const QString& folder)
{
    if (!QDir().mkpath(folder))
        return false;
    QTemporaryFile probe(folder + QStringLiteral("/.probe-XXXXXX"));
    return probe.open();
}

} // namespace

modMain::modMain(Desktop desktop, const Placement& placement)
    : m_desktop(desktop), m_settings(desktop.settings, placement.applicationName), m_tray(desktop.tray),
      m_later(desktop.messages),
      m_kept(desktop.messages, m_later, desktop.clock, placement.dataFolder + QStringLiteral("/alarms.tkw")),
      m_keptSnoozes(desktop.messages, m_later, placement.dataFolder + QStringLiteral("/snoozed.json")),
      m_soundFolder(chooseSoundFolder(placement))
{
    // Before any window exists, so the first list the user sees already holds the kept alarms; the book
    // is watched only after that, so reading the file does not write it straight back.
    m_kept.restore(Alarms);
    Alarms.onChanged = [this] {
        m_kept.keep(Alarms.all());
        if (isLoaded<frmMain>())
            form<frmMain>().AlarmsChanged();
    };
    m_keptSnoozes.restore(Snoozed);
    Snoozed.onChanged = [this] {
        m_keptSnoozes.keep(Snoozed);
        if (isLoaded<frmMain>())
            form<frmMain>().AlarmsChanged();
    };
    m_desktop.sleepWatcher.onResume = [this] {
        if (isLoaded<frmMain>())
            form<frmMain>().Resumed();
    };
    m_desktop.wakeTimer.onAvailabilityChanged = [this] {
        if (isLoaded<frmOptions>())
            form<frmOptions>().ShowWakeAvailability();
    };
    // The notification's "Stop Alarm" is the alarm window's stop button, also when a message box told
    // of the alarm instead; a click on the notification brings the alarm to the front.
    m_desktop.notifications.onStop = [this] {
        if (isLoaded<frmAlarm>()) {
            if (form<frmAlarm>().cmdStop->isEnabled())
                form<frmAlarm>().cmdStop_Click();
        } else if (form<frmMain>().timAlarm->isActive()) {
            form<frmMain>().StopAlarmSound();
        }
    };
    m_desktop.notifications.onSnooze = [this] {
        if (isLoaded<frmAlarm>())
            form<frmAlarm>().cmdSnooze_Click();
    };
    m_desktop.notifications.onActivate = [this] { form<frmMain>().bringToFront(); };
    m_desktop.sound.onFileFailed = [this](const QString& file, const QString&) {
        if (isLoaded<frmAlarm>())
            form<frmAlarm>().ShowSoundNote(AlarmSound::unplayableText(file));
    };
    m_desktop.sound.onOutputChanged = [this] {
        if (isLoaded<frmMain>())
            form<frmMain>().ShowNextRing();
    };
    m_desktop.sound.onEnded = [this] {
        if (m_previewEnded)
            std::exchange(m_previewEnded, {})();
    };
}

modMain::~modMain()
{
    m_desktop.notifications.onStop = nullptr;
    m_desktop.notifications.onSnooze = nullptr;
    m_desktop.notifications.onActivate = nullptr;
    m_desktop.sleepWatcher.onResume = nullptr;
    m_desktop.wakeTimer.onAvailabilityChanged = nullptr;
    m_desktop.sound.onFileFailed = nullptr;
    m_desktop.sound.onOutputChanged = nullptr;
    m_desktop.sound.onEnded = nullptr;
    for (QPointer<QWidget>& window : m_forms)
        delete window.data();
}

QString modMain::chooseSoundFolder(const Placement& placement)
{
    const QString besideProgram = placement.programFolder + QStringLiteral("/tempFiles");
    if (placement.origin == Origin::RunInPlace && folderTakesFiles(besideProgram))
        return besideProgram;
    const QString inCache = placement.cacheFolder + QStringLiteral("/tempFiles");
    folderTakesFiles(inCache);
    return inCache;
}

QString modMain::alarmSoundPath() const
{
    return m_soundFolder + QStringLiteral("/snd1.$$$");
}

QString modMain::silenceSoundPath() const
{
    return m_soundFolder + QStringLiteral("/snd2.$$$");
}

void modMain::WriteWaveResource(int resourceId, const QString& filePath)
{
    const QFileInfo target(filePath);
    if (target.exists() || target.isSymLink())
        return;
    // Unpacked once, straight into the bytes written: the alarm sound is half a megabyte.
    const QByteArray sound = QResource(QStringLiteral(":/sounds/%1.wav").arg(resourceId)).uncompressedData();
    if (sound.isEmpty())
        return;
    // Written whole or not at all: a file cut short would otherwise be kept, never checked, forever.
    QSaveFile file(filePath);
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && writeWhole(file, sound))
        file.commit();
}

void modMain::playSound(Sound sound)
{
    const QString path = sound == AlarmSound ? alarmSoundPath() : silenceSoundPath();
    if (!QFileInfo::exists(path)) {
        // A cache cleaner may have taken the whole folder.
        QDir().mkpath(m_soundFolder);
        WriteWaveResource(sound, path);
    }
    // The silence is asked for even without its file: any new request ends the alarm sound.
    if (sound == AlarmSound && !QFileInfo::exists(path))
        m_desktop.sound.beep();
    else
        m_desktop.sound.play(path);
}

namespace {
QByteArray builtInSound(const QString& name)
{
    const QString resource = name == AlarmSound::Chime || name == AlarmSound::Rising ? name : QStringLiteral("101");
    return QResource(QStringLiteral(":/sounds/%1.wav").arg(resource)).uncompressedData();
}
} // namespace

QString modMain::ringSound(const Ring& ring)
{
    // Told before the ring turns a muted output up, which would hide that it was muted.
    const QString silent =
        m_desktop.sound.outputMuted() && !m_settings.ringWhenMuted() ? AlarmSound::rangSilentlyText() : QString();
    m_previewEnded = nullptr;
    const QString alarmFile = alarmSoundPath();
    if (!QFileInfo::exists(alarmFile)) {
        QDir().mkpath(m_soundFolder);
        WriteWaveResource(AlarmSound, alarmFile);
    }
    const AlarmSound::Settings settings{m_settings.ringSeconds(), m_settings.gentleStartSeconds(),
                                        m_settings.ringWhenMuted()};
    m_desktop.sound.ring(
        AlarmSound::ringRequest(ring, settings, QFileInfo::exists(alarmFile) ? alarmFile : QString(), builtInSound));
    return silent;
}

void modMain::previewSound(const Ring& ring, std::function<void()> ended)
{
    const QString alarmFile = alarmSoundPath();
    m_desktop.sound.ring(
        AlarmSound::previewRequest(ring, QFileInfo::exists(alarmFile) ? alarmFile : QString(), builtInSound));
    m_previewEnded = std::move(ended);
}

void modMain::stopPreview()
{
    if (m_previewEnded)
        m_desktop.sound.stop();
    m_previewEnded = nullptr;
}

int modMain::ringTimerMs() const
{
    return AlarmSound::timerMs(m_settings.ringSeconds());
}

void modMain::ringTimeOver()
{
    if (m_settings.ringSeconds() > AlarmSound::RingLengths[0])
        playSound(SilenceSound);
}

QString modMain::mutedLine(bool alarmSet) const
{
    return alarmSet && m_desktop.sound.outputMuted() ? AlarmSound::mutedLine(m_settings.ringWhenMuted()) : QString();
}

void modMain::unloadSlot(int index)
{
    QWidget* window = m_forms[static_cast<std::size_t>(index)];
    m_forms[static_cast<std::size_t>(index)] = nullptr;
    if (window) {
        window->hide();
        window->deleteLater();
    }
}
