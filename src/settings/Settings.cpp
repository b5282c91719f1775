#include "Settings.h"

#include "engine/AlarmSound.h"
#include "engine/Snoozes.h"
#include "platform/Desktop.h"

#include <algorithm>

namespace Settings {

int decode(const QString& stored)
{
    const QString text = stored.trimmed();
    if (text.isEmpty() || text.size() > 8)
        return -1;
    int value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
        value = value * 10 + (c.unicode() - '0');
    }
    return value <= 255 ? value : -1;
}

QString datePatternForCode(int code)
{
    // Marked for the catalogues so that the Options window can show the pattern letters in the user's
    // language; the patterns themselves are the same in every language.
    switch (code) {
    case 1:
        //: A date pattern: D day, M month, Y year. Change the letters only; their count and order stay.
        return QString::fromLatin1(QT_TRANSLATE_NOOP("DatePattern", "MMMM DD, YYYY"));
    case 2:
        //: A date pattern: D day, M month, Y year. Change the letters only; their count and order stay.
        return QString::fromLatin1(QT_TRANSLATE_NOOP("DatePattern", "MMM DD, YYYY"));
    case 3:
        //: A date pattern: D day, M month, Y year. Change the letters only; "/" stands for the date separator.
        return QString::fromLatin1(QT_TRANSLATE_NOOP("DatePattern", "MM/DD/YYYY"));
    case 4:
        //: A date pattern: D day, M month, Y year. Change the letters only; their count and order stay.
        return QString::fromLatin1(QT_TRANSLATE_NOOP("DatePattern", "DD MMMM, YYYY"));
    case 5:
        //: A date pattern: D day, M month, Y year. Change the letters only; their count and order stay.
        return QString::fromLatin1(QT_TRANSLATE_NOOP("DatePattern", "DDDD DD MMMM, YYYY"));
    default:
        return {};
    }
}

Store::Store(SettingsBackend& backend, QString application) : m_backend(backend), m_application(std::move(application))
{
}

int Store::read(const QString& key) const
{
    return decode(m_backend.get(m_application, Section, key, QStringLiteral("1")));
}

void Store::write(const QString& key, int value)
{
    m_backend.save(m_application, Section, key, QString::number(value));
}

bool Store::wakeFromSleep() const
{
    return decode(m_backend.get(m_application, DesktopSection, DesktopKey::WakeFromSleep, QString::number(On))) != Off;
}

void Store::setWakeFromSleep(bool wake)
{
    m_backend.save(m_application, DesktopSection, DesktopKey::WakeFromSleep, QString::number(wake ? On : Off));
}

int Store::snoozeMinutes() const
{
    return Snoozes::length(decode(m_backend.get(m_application, DesktopSection, DesktopKey::SnoozeMinutes, {})));
}

void Store::setSnoozeMinutes(int minutes)
{
    m_backend.save(m_application, DesktopSection, DesktopKey::SnoozeMinutes, QString::number(minutes));
}

namespace {
// The stored number when it is one of `allowed`, otherwise the first of them.
template <std::size_t N> int oneOf(const QString& stored, const std::array<int, N>& allowed)
{
    bool number = false;
    const int value = stored.toInt(&number);
    return number && std::find(allowed.begin(), allowed.end(), value) != allowed.end() ? value : allowed.front();
}
} // namespace

int Store::ringSeconds() const
{
    return oneOf(m_backend.get(m_application, DesktopSection, DesktopKey::RingSeconds, {}), AlarmSound::RingLengths);
}

void Store::setRingSeconds(int seconds)
{
    m_backend.save(m_application, DesktopSection, DesktopKey::RingSeconds, QString::number(seconds));
}

int Store::gentleStartSeconds() const
{
    return oneOf(m_backend.get(m_application, DesktopSection, DesktopKey::GentleStartSeconds, {}),
                 AlarmSound::GentleStarts);
}

void Store::setGentleStartSeconds(int seconds)
{
    m_backend.save(m_application, DesktopSection, DesktopKey::GentleStartSeconds, QString::number(seconds));
}

bool Store::ringWhenMuted() const
{
    return decode(m_backend.get(m_application, DesktopSection, DesktopKey::RingWhenMuted, QString::number(On))) != Off;
}

void Store::setRingWhenMuted(bool ring)
{
    m_backend.save(m_application, DesktopSection, DesktopKey::RingWhenMuted, QString::number(ring ? On : Off));
}

} // namespace Settings
