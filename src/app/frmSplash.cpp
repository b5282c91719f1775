#include "frmSplash.h"

#include "AppArt.h"
#include "AppInfo.h"
#include "ScreenPlacement.h"
#include "WindowColours.h"
#include "WindowFonts.h"
#include "frmMain.h"
#include "modMain.h"
#include "platform/FreedMemory.h"

#include <QLabel>
#include <QPainter>
#include <QTimer>

frmSplash::frmSplash(modMain& context) : QWidget(nullptr), m_context(context)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setWindowTitle(AppInfo::ProductName);
    setWindowIcon(AppArt::appIcon());
    setFixedSize(496, 254);

    const auto overlay = [this](Qt::Alignment alignment) {
        auto* label = new QLabel(this);
        label->setTextFormat(Qt::PlainText);
        label->setFont(WindowFonts::arialBold());
        label->setAlignment(alignment);
        // A label fills no background of its own: the picture shows through.
        WindowColours::setText(*label, Qt::white);
        return label;
    };
    lblVersion = overlay(Qt::AlignRight | Qt::AlignVCenter);
    lblVersion->setText(tr("Version 1.00"));
    lblVersion->setGeometry(336, 16, 152, 18);
    lblCopyright = overlay(Qt::AlignCenter);
    lblCopyright->setGeometry(8, 224, 481, 20);

    centreOnScreen(*this);

    timLoad = new QTimer(this);
    timLoad->setInterval(2000);
    timLoad->setSingleShot(true);
    // A coarse timer may fire up to 5 % early; the hand-over is promised at 2 s, not "about" 2 s.
    timLoad->setTimerType(Qt::PreciseTimer);
    connect(timLoad, &QTimer::timeout, this, &frmSplash::timLoad_Timer);
    timLoad->start();
}

QString frmSplash::versionText()
{
    // Minor and revision run together: 1.0.0 reads "Version 1.00".
    return tr("Version %1.%2%3").arg(AppInfo::VersionMajor).arg(AppInfo::VersionMinor).arg(AppInfo::VersionRevision);
}

void frmSplash::Form_Load()
{
    lblCopyright->setText(AppInfo::copyrightLine());
    m_context.form<frmMain>().hide();
    lblVersion->setText(versionText());
    modMain::WriteWaveResource(modMain::AlarmSound, m_context.alarmSoundPath());
    modMain::WriteWaveResource(modMain::SilenceSound, m_context.silenceSoundPath());
}

void frmSplash::PrepareSounds()
{
    if (m_soundsPrepared)
        return;
    m_soundsPrepared = true;
    // Read once now, so that an alarm sounds the moment it is due rather than after a file read. Loading
    // the player may show a box (the module missing), in whose event loop the splash's time runs out and
    // the hand-over deletes this window: after the first read, nothing of the window may be touched.
    SoundPlayer& sound = m_context.desktop().sound;
    const QString silence = m_context.silenceSoundPath();
    sound.prepare(m_context.alarmSoundPath());
    sound.prepare(silence);
}

frmMain& frmSplash::mainWindowReady()
{
    // Where the splash was never painted (a start at login, a desktop that never exposed it), the
    // sounds are read now.
    PrepareSounds();
    frmMain& main = m_context.form<frmMain>();
    main.adjustSize();
    // Where it appears, now or when the user brings it back.
    centreOnScreen(main);
    return main;
}

void frmSplash::timLoad_Timer()
{
    frmMain& main = mainWindowReady();
    main.ShowActivated();
    m_context.unload<frmSplash>();
    // Once the main window is painted and the splash is gone: the start leaves much of what it needed
    // (the splash picture, the font configuration it read) freed but held by the allocator.
    QTimer::singleShot(1000, &main, returnFreedMemory);
}

void frmSplash::handOverPutAway()
{
    timLoad->stop();
    frmMain& main = mainWindowReady();
    main.cmdMinimize_Click();
    if (!m_context.desktop().tray.isShown())
        main.showMinimized();
    m_context.unload<frmSplash>();
}

void frmSplash::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, AppArt::splashPicture(devicePixelRatioF()));
    // Loading the sound player and reading the sounds waits until the splash is on screen: the
    // first window a user sees should not wait on the audio stack.
    if (!m_soundsPrepared)
        QMetaObject::invokeMethod(this, &frmSplash::PrepareSounds, Qt::QueuedConnection);
}
