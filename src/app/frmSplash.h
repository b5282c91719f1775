#pragma once

#include <QWidget>

class modMain;
class QLabel;
class QTimer;

// The first window of the process: once it is on screen it loads the main window hidden, writes
// the sound files and prepares both sounds, and it hands over to the main window two seconds later.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(modMain& context);

    void Form_Load();
    // What the splash stands in front of; runs once, after its first paint.
    void LoadBehind();
    void timLoad_Timer();

    static QString versionText();

    QLabel* lblVersion;
    QLabel* lblCopyright;
    QTimer* timLoad;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    modMain& m_context;
    bool m_behindQueued = false;
    bool m_loadedBehind = false;
};
