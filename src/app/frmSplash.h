#pragma once

#include <QWidget>

class frmMain;
class modMain;
class QLabel;
class QTimer;

// The first window of the process: it loads the main window hidden, writes the sound
// files, and hands over to the main window two seconds later.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(modMain& context);

    void Form_Load();
    void timLoad_Timer();
    // The start at login: the splash's work without showing it, and the main window put away into the
    // notification area (minimised where there is none) instead of shown.
    void handOverPutAway();
    // Loads the sound player and reads both sounds ahead of the first alarm; once in the splash's life.
    void PrepareSounds();

    static QString versionText();

    QLabel* lblVersion;
    QLabel* lblCopyright;
    QTimer* timLoad;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The main window with the sounds read, sized and centred: what both hand-overs need first.
    frmMain& mainWindowReady();

    modMain& m_context;
    bool m_soundsPrepared = false;
};
