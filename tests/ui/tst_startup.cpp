#include "TestFiles.h"
#include "UiHarness.h"
#include "app/frmMain.h"
#include "app/frmSplash.h"

#include <QDir>
#include <QTimer>

class tst_startup : public UiTest {
    Q_OBJECT
private slots:
    void soundFiles_data()
    {
        QTest::addColumn<QString>("inTheWay"); // a stranger's file where the program writes, before it starts
        QTest::addColumn<QString>("folder");   // where the sounds go then
        QTest::newRow("nothing") << "" << u"program"_qs;
        QTest::newRow("an alarm file") << "tempFiles/snd1.$$$" << u"program"_qs;
        QTest::newRow("a silence file") << "tempFiles/snd2.$$$" << u"program"_qs;
        // A plain file where the folder should be: it cannot be created, even by root.
        QTest::newRow("a file for the folder") << "tempFiles" << u"cache"_qs;
    }
    void soundFiles()
    {
        QFETCH(QString, inTheWay);
        QFETCH(QString, folder);
        QVERIFY(QDir(h->programFolder()).removeRecursively());
        const QString path = h->programFolder() + u'/' + inTheWay;
        QVERIFY(inTheWay.isEmpty() || (QDir().mkpath(QFileInfo(path).path()) && writeFile(path, "stranger")));
        modMain& context = h->restart();
        const QString sounds =
            (folder == QLatin1String("cache") ? h->cacheFolder() : h->programFolder()) + "/tempFiles";
        QCOMPARE(context.alarmSoundPath(), sounds + QStringLiteral("/snd1.$$$"));
        QCOMPARE(context.silenceSoundPath(), sounds + QStringLiteral("/snd2.$$$"));
        context.form<frmSplash>();
        verifySounds(inTheWay);
        QCOMPARE(h->fakes.sound.prepared, QStringList({context.alarmSoundPath(), context.silenceSoundPath()}));
    }
    void soundWriteCutShortLeavesNoFile()
    {
        // Both writes fail part-way: a cut-off file would be kept, unchecked, for every later start.
        QVERIFY(withFileSizeLimit(64 * 1024, [&] { h->context->form<frmSplash>(); }));
        QCOMPARE(QDir(h->context->soundFolder()).entryList(QDir::Files | QDir::Hidden), QStringList());
        h->restart().form<frmSplash>();
        verifySounds();
    }

private:
    // The two sounds byte for byte, a RIFF/WAVE header for 16-bit mono PCM and then the samples, or
    // the stranger's file that was there before and stays.
    void verifySounds(const QString& strangers = {})
    {
        const QByteArray alarm = readFile(h->context->alarmSoundPath());
        const QByteArray silence = readFile(h->context->silenceSoundPath());
        QCOMPARE(alarm == "stranger", strangers.endsWith(u"snd1.$$$"));
        QCOMPARE(silence == "stranger", strangers.endsWith(u"snd2.$$$"));
        if (alarm != "stranger") {
            QCOMPARE(alarm.size(), 476'972);
            QCOMPARE(alarm.left(44).toHex(),
                     "524946462447070057415645666d74201000000001000100401f0000803e0000020010006461746100470700");
        }
        if (silence != "stranger") {
            QCOMPARE(silence.left(46).toHex(),
                     "5249464670d7010057415645666d7420120000000100010044ac000088580100020010000000646174614ad70100");
            QCOMPARE(silence.mid(46), QByteArray(120'650, '\0'));
        }
    }
};

QTEST_MAIN(tst_startup)
#include "tst_startup.moc"
