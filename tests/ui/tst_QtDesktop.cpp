#include "platform/QtDesktop.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QSoundEffect>
#include <QTest>
#include <QTimer>

// The real message boxes and sound player, headless and with a sound server that does not exist.
class tst_QtDesktop : public QObject {
    Q_OBJECT
private slots:
    void messageBoxAnswers_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("press"); // a button's text, or Return for the default button
        QTest::addColumn<int>("answer");
        QTest::addColumn<QMessageBox::Icon>("icon");
        const int question = MsgBox::YesNo | MsgBox::Question;
        QTest::newRow("Return says Yes") << question << "Return" << int(MsgBox::Yes) << QMessageBox::Question;
        QTest::newRow("Yes") << question << "Yes" << int(MsgBox::Yes) << QMessageBox::Question;
        QTest::newRow("No") << question << "No" << int(MsgBox::No) << QMessageBox::Question;
        QTest::newRow("OK") << (MsgBox::OkOnly | MsgBox::Critical) << "Return" << int(MsgBox::Ok)
                            << QMessageBox::Critical;
    }
    void messageBoxAnswers()
    {
        QFETCH(int, style);
        QFETCH(QString, press);
        QFETCH(int, answer);
        QFETCH(QMessageBox::Icon, icon);
        QMessageBox::Icon shown = QMessageBox::NoIcon;
        // Runs inside the box's own event loop, once it is up.
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            shown = box->icon();
            if (press == QLatin1String("Return"))
                QTest::keyClick(box, Qt::Key_Return);
            for (QAbstractButton* button : box->buttons())
                if (button->text().remove(u'&') == press)
                    button->click();
        });
        QCOMPARE(QtMessageBoxes().show(QStringLiteral("Sure?"), style, QStringLiteral("Tockwell"), {}), answer);
        QCOMPARE(shown, icon);
    }
    void soundPlaysOnceAndNewRequestsReplaceIt()
    {
        QtSoundPlayer player;
        for (const QString file : {"/nonexistent/snd1.$$$", "/nonexistent/snd1.$$$", "/nonexistent/snd2.$$$"}) {
            player.play(file);
            QCOMPARE(player.playing()->source(), QUrl::fromLocalFile(file));
            QCOMPARE(player.playing()->loopCount(), 1);
        }
    }
};

int main(int argc, char** argv)
{
    qputenv("PULSE_SERVER", "unix:/nonexistent/tockwell-test-socket");
    QApplication app(argc, argv);
    tst_QtDesktop test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_QtDesktop.moc"
