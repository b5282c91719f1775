#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>
#include <functional>

// Days of the week as bits: bit 0 for Monday up to bit 6 for Sunday (Qt::DayOfWeek minus one).
using WeekDays = quint8;
inline constexpr WeekDays EveryDay = 0x7F;
constexpr WeekDays dayBit(int dayOfWeek)
{
    return WeekDays(1u << (dayOfWeek - 1));
}

// One slot of the alarm table. Hour is on a 1..24 scale (12 AM is 12, 12 PM is 24); 0 marks a free slot.
struct AlarmRecord {
    float Hour = 0;
    float Minute = 0;
    QString Description;
    // What an alarm carries beside its time and description. They belong to the alarm, not to its slot: they
    // move with it, and a free slot holds the defaults, which are what every alarm had before they existed.
    WeekDays days = EveryDay; // the days it rings on, unless `once`
    bool once = false;        // rings at its next time, whatever the day, then switches itself off
    bool on = true;
    QString sound{};     // a built-in sound by name; empty: the alarm sound
    QString soundFile{}; // a sound file the user chose, as chosen; empty: none
    int volume = 100;    // percent of the program's own stream

    bool inUse() const { return Hour > 0; }
    friend bool operator==(const AlarmRecord&, const AlarmRecord&) = default;
};

// The most a description box takes; a session file may carry longer ones.
inline constexpr int MaxDescriptionLength = 35;

// A number in its shortest decimal form: "7", "13", "7.5".
QString numberText(float value);

// The text that stands for an alarm in every list and in the alarm window, e.g. "7:05 AM   -   Wake up".
QString alarmLine(const AlarmRecord& record);

// An hour or minute as the drop-down lists show it: "00" to "59".
QString twoDigitText(int value);
// The hour as the table keeps it: AM keeps the chosen 1..12, anything else adds 12, so 12 AM is 12 and 12 PM is 24.
float storedHour(int chosenHour, const QString& amPm);
// Only an empty description stands for "N/A"; blanks are kept as typed.
QString storedDescription(const QString& typed);

// The choices the edit window opens with for a recorded alarm. A value no list item matches (a session file
// may hold one) gives a text no item has, so that list opens with nothing chosen.
struct AlarmChoices {
    QString hour;
    QString minute;
    QString amPm;
    QString description;
};
AlarmChoices choicesFor(const AlarmRecord& record);

// The fixed table of 101 slots (0..100). Recording only ever fills 1..100; a session file may fill slot 0.
class AlarmBook {
public:
    static constexpr int SlotCount = 101;
    static constexpr int LastSlot = SlotCount - 1;
    using Table = std::array<AlarmRecord, SlotCount>;

    AlarmRecord& operator[](int slot) { return m_slots.at(static_cast<std::size_t>(slot)); }
    const AlarmRecord& operator[](int slot) const { return m_slots.at(static_cast<std::size_t>(slot)); }
    const Table& all() const { return m_slots; }
    void replaceAll(const Table& table)
    {
        m_slots = table;
        changed();
    }

    // The number of slots in use, slot 0 included.
    int AlarmCount() const;
    // The lowest free slot of 1..100, or -1 when every one is in use. A new alarm never overwrites a kept one.
    int lowestFreeSlot() const;
    // The first slot in use whose stored hour and minute equal these, leaving out `ignoredSlot`; -1 if none.
    int findTime(float hour, float minute, int ignoredSlot = -1) const;
    // The first slot in use whose alarm line equals `line` exactly; -1 if none.
    int findLine(const QString& line) const;
    // The lines of every slot in use, in slot order.
    QStringList lines() const;
    // Marks a slot free in place; no other slot moves.
    void free(int slot)
    {
        (*this)[slot] = AlarmRecord{};
        changed();
    }

    // Switches the alarms in `places` on or off, as one change.
    void setOn(const QList<int>& places, bool on)
    {
        for (const int slot : places)
            (*this)[slot].on = on;
        if (!places.isEmpty())
            changed();
    }

    enum class Entry { Written, DuplicateTime, TableFull };
    // Writes a new alarm into the lowest free slot of 1..100, unless its time is recorded already or none is free.
    Entry record(const AlarmRecord& alarm);
    // Rewrites `slot` in place, unless another slot holds the same time: an alarm may keep its own.
    Entry rewrite(int slot, const AlarmRecord& alarm);
    // Frees the first slot whose line is `line`; that slot, or -1 when none matches.
    int removeLine(const QString& line);

    // Told after every change made through the operations above (not through operator[]), so that
    // what keeps the table across runs never misses one.
    std::function<void()> onChanged;

private:
    void changed()
    {
        if (onChanged)
            onChanged();
    }

    Table m_slots{};
};
