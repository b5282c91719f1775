#include "app/WaveSynth.h"

#include <QTest>
#include <QtEndian>

namespace {

quint32 u32(const QByteArray& bytes, int offset)
{
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}
quint16 u16(const QByteArray& bytes, int offset)
{
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}

} // namespace

class tst_WaveSynth : public QObject {
    Q_OBJECT
private slots:
    void headers_data();
    void headers();
};

void tst_WaveSynth::headers_data()
{
    QTest::addColumn<QByteArray>("wave");
    QTest::addColumn<int>("totalSize");
    QTest::addColumn<int>("formatSize");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("dataSize");
    QTest::newRow("alarm") << WaveSynth::alarmSound() << 476'972 << 16 << 8000 << 476'928;
    QTest::newRow("silence") << WaveSynth::silenceSound() << 120'696 << 18 << 44'100 << 120'650;
}

void tst_WaveSynth::headers()
{
    QFETCH(QByteArray, wave);
    QFETCH(int, totalSize);
    QFETCH(int, formatSize);
    QFETCH(int, rate);
    QFETCH(int, dataSize);

    QCOMPARE(wave.size(), totalSize);
    QCOMPARE(wave.left(4), QByteArray("RIFF"));
    QCOMPARE(u32(wave, 4), quint32(totalSize - 8));
    QCOMPARE(wave.mid(8, 8), QByteArray("WAVEfmt "));
    QCOMPARE(u32(wave, 16), quint32(formatSize));
    QCOMPARE(u16(wave, 20), quint16(1)); // PCM
    QCOMPARE(u16(wave, 22), quint16(1)); // mono
    QCOMPARE(u32(wave, 24), quint32(rate));
    QCOMPARE(u32(wave, 28), quint32(rate * 2));
    QCOMPARE(u16(wave, 32), quint16(2));
    QCOMPARE(u16(wave, 34), quint16(16));
    const int dataHeader = 20 + formatSize;
    if (formatSize == 18)
        QCOMPARE(u16(wave, 36), quint16(0));
    QCOMPARE(wave.mid(dataHeader, 4), QByteArray("data"));
    QCOMPARE(u32(wave, dataHeader + 4), quint32(dataSize));
    QCOMPARE(dataHeader + 8 + dataSize, totalSize);
}

QTEST_APPLESS_MAIN(tst_WaveSynth)
#include "tst_WaveSynth.moc"
