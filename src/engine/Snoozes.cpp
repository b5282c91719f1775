#include "Snoozes.h"

#include "AlarmCheck.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

const QString LineKey = QStringLiteral("line");
const QString RingsKey = QStringLiteral("rings");

// "7:10 AM": the time a clock on the wall shows, as the alarm lines write their designators.
QString clockTime(QTime time)
{
    const int hour = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    return QStringLiteral("%1:%2 %3")
        .arg(hour)
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
}

} // namespace

int Snoozes::length(int minutes)
{
    return std::find(Lengths.begin(), Lengths.end(), minutes) != Lengths.end() ? minutes : DefaultLength;
}

void Snoozes::add(const QString& line, const QDateTime& rings)
{
    m_snoozes.removeIf([&](const Snooze& snooze) { return snooze.line == line; });
    const auto later =
        std::find_if(m_snoozes.begin(), m_snoozes.end(), [&](const Snooze& snooze) { return snooze.rings > rings; });
    m_snoozes.insert(later, {line, rings});
    changed();
}

void Snoozes::cancel(const Snooze& snooze)
{
    if (m_snoozes.removeAll(snooze) > 0)
        changed();
}

std::optional<QDateTime> Snoozes::next() const
{
    if (m_snoozes.isEmpty())
        return std::nullopt;
    return m_snoozes.constFirst().rings;
}

Snoozes::Due Snoozes::takeDue(const QDateTime& now)
{
    Due due;
    // Late as an alarm may be late: a snooze kept over an exit, or over a sleep, rings within the same hour.
    const QDateTime catchUpFrom = now.addSecs(-AlarmCheck::CatchUpMinutes * 60);
    while (!m_snoozes.isEmpty() && m_snoozes.constFirst().rings <= now) {
        const Snooze snooze = m_snoozes.takeFirst();
        (snooze.rings >= catchUpFrom ? due.ringing : due.missed) << snooze.line;
    }
    if (!due.ringing.isEmpty() || !due.missed.isEmpty())
        changed();
    return due;
}

QString Snoozes::waitingText(const Snooze& snooze)
{
    return tr("Snoozed: %1, rings at %2").arg(snooze.line, clockTime(snooze.rings.toLocalTime().time()));
}

QString Snoozes::missedText(const QString& line)
{
    return tr("Snoozed: %1").arg(line);
}

QByteArray Snoozes::encode() const
{
    QJsonArray all;
    for (const Snooze& snooze : m_snoozes)
        all.append(QJsonObject{{LineKey, snooze.line}, {RingsKey, snooze.rings.toUTC().toString(Qt::ISODateWithMs)}});
    return QJsonDocument(all).toJson();
}

bool Snoozes::decode(const QByteArray& data)
{
    const QJsonDocument document = QJsonDocument::fromJson(data);
    if (!document.isArray())
        return false;
    QList<Snooze> read;
    for (const QJsonValue& value : document.array()) {
        const QString line = value[LineKey].toString();
        const QDateTime rings = QDateTime::fromString(value[RingsKey].toString(), Qt::ISODateWithMs);
        if (line.isEmpty() || !rings.isValid())
            return false;
        read.append({line, rings.toLocalTime()});
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
