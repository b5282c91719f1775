#pragma once

#include <QString>
#include <QStringList>

#include <array>

// One slot of the alarm table. Hour is on a 1..24 scale (12 AM is 12, 12 PM is 24); 0 marks a free slot.
struct AlarmRecord {
    float Hour = 0;
    float Minute = 0;
    QString Description;

    bool inUse() const { return Hour > 0; }
    friend bool operator==(const AlarmRecord&, const AlarmRecord&) = default;
};

// A number in its shortest decimal form: "7", "13", "7.5".
QString numberText(float value);

// The text that stands for an alarm in every list and in the alarm window, e.g. "7:05 AM   -   Wake up".
QString alarmLine(const AlarmRecord& record);

// The fixed table of 101 slots (0..100). Recording only ever fills 1..100; a session file may fill slot 0.
class AlarmBook {
public:
    static constexpr int SlotCount = 101;
    static constexpr int LastSlot = SlotCount - 1;
    using Table = std::array<AlarmRecord, SlotCount>;

    AlarmRecord& operator[](int slot) { return m_slots.at(static_cast<std::size_t>(slot)); }
    const AlarmRecord& operator[](int slot) const { return m_slots.at(static_cast<std::size_t>(slot)); }
    const Table& all() const { return m_slots; }
    void replaceAll(const Table& table) { m_slots = table; }

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
    void free(int slot) { (*this)[slot] = AlarmRecord{}; }

private:
    Table m_slots{};
};
