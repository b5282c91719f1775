#include "Snoozes.h"

#include "AlarmCheck.h"
#include "TimeTexts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

const QString LineKey = QStringLiteral("line");
const QString RingsKey = QStringLiteral("rings");
const QString SoundKey = QStringLiteral("sound");
const QString FileKey = QStringLiteral("file");
const QString VolumeKey = QStringLiteral("volume");

} // namespace

int Snoozes::length(int minutes)
{
    return std::find(Lengths.begin(), Lengths.end(), minutes) != Lengths.end() ? minutes : DefaultLength;
}

void Snoozes::add(const Ring& ring, const QDateTime& rings)
{
    m_snoozes.removeIf([&](const Snooze& snooze) { return snooze.ring.line == ring.line; });
    const auto later =
        std::find_if(m_snoozes.begin(), m_snoozes.end(), [&](const Snooze& snooze) { return snooze.rings > rings; });
    m_snoozes.insert(later, {ring, rings});
    changed();
}

void Snoozes::cancel(const Snooze& snooze)
{
    if (m_snoozes.removeAll(snooze) > 0)
        changed();
}

std::optional<QDateTime> Snoozes::next(const QDateTime& now) const
{
    for (const Snooze& snooze : m_snoozes) {
        if (snooze.rings > now)
            return snooze.rings;
    }
    return std::nullopt;
}

Snoozes::Due Snoozes::takeDue(const QDateTime& now)
{
    Due due;
    // Late as an alarm may be late: a snooze kept over an exit, or over a sleep, rings within the same hour.
    const QDateTime catchUpFrom = now.addSecs(-AlarmCheck::CatchUpMinutes * 60);
    while (!m_snoozes.isEmpty() && m_snoozes.constFirst().rings <= now) {
        const Snooze snooze = m_snoozes.takeFirst();
        if (snooze.rings >= catchUpFrom)
            due.ringing << snooze.ring;
        else
            due.missed << snooze;
    }
    if (!due.ringing.isEmpty() || !due.missed.isEmpty())
        changed();
    return due;
}

QString Snoozes::waitingText(const Snooze& snooze)
{
    return tr("Snoozed: %1, rings at %2")
        .arg(snooze.ring.line, TimeTexts::clockTime(snooze.rings.toLocalTime().time()));
}

QString Snoozes::missedText(const QString& line)
{
    return tr("Snoozed: %1").arg(line);
}

QByteArray Snoozes::encode(qsizetype cap, int* left) const
{
    QJsonArray all;
    QByteArray data = QJsonDocument(all).toJson();
    int dropped = 0;
    for (const Snooze& snooze : m_snoozes) {
        QJsonObject object{{LineKey, snooze.ring.line}, {RingsKey, snooze.rings.toUTC().toString(Qt::ISODateWithMs)}};
        if (!snooze.ring.sound.isEmpty())
            object.insert(SoundKey, snooze.ring.sound);
        if (!snooze.ring.soundFile.isEmpty())
            object.insert(FileKey, snooze.ring.soundFile);
        if (snooze.ring.volume != Ring().volume)
            object.insert(VolumeKey, snooze.ring.volume);
        all.append(object);
        QByteArray longer = QJsonDocument(all).toJson();
        // What the reader would refuse is never written: a description from a session file can be any length.
        if (longer.size() > cap) {
            all.removeLast();
            ++dropped;
            continue;
        }
        data = std::move(longer);
    }
    if (left)
        *left = dropped;
    return data;
}

bool Snoozes::decode(const QByteArray& data)
{
    const QJsonDocument document = QJsonDocument::fromJson(data);
    if (!document.isArray())
        return false;
    QList<Snooze> read;
    for (const QJsonValue& value : document.array()) {
        Ring ring{value[LineKey].toString(), value[SoundKey].toString(), value[FileKey].toString(),
                  value[VolumeKey].toInt(Ring().volume)};
        const QDateTime rings = QDateTime::fromString(value[RingsKey].toString(), Qt::ISODateWithMs);
        if (ring.line.isEmpty() || !rings.isValid() || ring.volume < 0 || ring.volume > 100)
            return false;
        read.append({std::move(ring), rings.toLocalTime()});
    }
    std::stable_sort(read.begin(), read.end(), [](const Snooze& a, const Snooze& b) { return a.rings < b.rings; });
    m_snoozes = read;
    return true;
}

void Snoozes::changed()
{
    if (onChanged)
        onChanged();
}
