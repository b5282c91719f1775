#pragma once

#include <QString>

// An alarm as it rings: the line its window shows, and how it sounds. A snooze rings the same again.
struct Ring {
    QString line;
    QString sound{};     // a built-in sound by name; empty: the alarm sound
    QString soundFile{}; // a sound file the user chose; empty: none
    int volume = 100;    // percent
    bool operator==(const Ring&) const = default;
};
