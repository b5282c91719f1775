#pragma once

// Session files: the whole alarm table as 303 text lines, three for each of the 101 slots.
// Reading checks everything before anything is handed back, so a failed load never leaves a
// table half-replaced; writing goes through a temporary file, so a failed save never leaves a
// half-written one.
//
// What an alarm carries beside its time and description (its days, once, on/off, sound, volume) follows the
// 303 lines, only for alarms that differ from an alarm of every day, on, with the alarm sound at full volume:
// a table of such plain alarms is written exactly as a reader of the 303 lines expects, and any such reader
// stops before the extras. After the line ExtrasHeader, one line per alarm: its slot, then key=value words
// (days=12345 for Monday to Friday, 1 being Monday; once=1; on=0; sound=, file= percent-encoded UTF-8;
// volume=0..100). A word of an unknown key is passed over, so that a later version's extras do not spoil
// these; a line that cannot be read is left out and named, and the alarms load all the same.

#include "AlarmBook.h"

#include <QByteArray>
#include <QFileDevice>
#include <QString>
#include <QStringList>

namespace SessionFile {

constexpr int LinesPerSlot = 3;
constexpr int LineCount = AlarmBook::SlotCount * LinesPerSlot;
inline constexpr char ExtrasHeader[] = "Tockwell alarm extras 1";

// The numbers the file layer reports; the user sees them in the failure message.
namespace Err {
enum : int {
    OutOfMemory = 7,
    // Text where a number belongs, a value no alarm can hold, a file far too large: in each case
    // the file is not a session file, and the user's next step is the same.
    NotASessionFile = 13,
    FileNotFound = 53,
    DeviceIO = 57,
    DiskFull = 61,
    InputPastEndOfFile = 62,
    TooManyFiles = 67,
    PermissionDenied = 70,
    PathFileAccess = 75,
    PathNotFound = 76,
};
}

struct Outcome {
    int error = 0;  // 0 on success, otherwise one of Err
    QString reason; // for the user who wants to know more; empty on success
    // Of a file that loaded: each line of the extras that was left out, and why.
    QStringList ignored{};
    bool ok() const { return error == 0; }
};

struct Result : Outcome {
    AlarmBook::Table table{};
};

// The table in the file's own form: UTF-8, CR LF line ends, 303 lines.
QByteArray write(const AlarmBook::Table& table);

// Parses a whole file. Beyond the 303rd line only the extras are looked at. Accepts LF or CR LF line ends, a
// UTF-8 byte-order mark, and text in Windows-1252 when the file is not valid UTF-8.
Result read(const QByteArray& data);

// Replaces the whole table with the file's, or leaves it exactly as it was when the file fails.
Outcome readInto(const QByteArray& data, AlarmBook& book);

// Text in Windows-1252: every byte is one character.
QString fromWindows1252(QByteArrayView bytes);

enum class FileTask { Load, Save };

// The file layer's number for what went wrong. `systemError` is the errno of the failing call, or 0
// when it is not known; `folderExists` tells a missing file from a missing folder.
int errorNumber(FileTask task, QFileDevice::FileError error, int systemError, bool folderExists);

// Writes the table through a temporary file that replaces `path` only once it is complete.
Outcome save(const QString& path, const AlarmBook::Table& table);

// Reads `path` and replaces the table with it; on failure the table is untouched.
Outcome load(const QString& path, AlarmBook& book);

} // namespace SessionFile
