#pragma once

// Session files: the whole alarm table as 303 text lines, three for each of the 101 slots.
// Reading checks everything before anything is handed back, so a failed load never leaves a
// table half-replaced; writing goes through a temporary file, so a failed save never leaves a
// half-written one.

#include "AlarmBook.h"

#include <QByteArray>
#include <QFileDevice>
#include <QString>

namespace SessionFile {

constexpr int LinesPerSlot = 3;
constexpr int LineCount = AlarmBook::SlotCount * LinesPerSlot;

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
    bool ok() const { return error == 0; }
};

struct Result : Outcome {
    AlarmBook::Table table{};
};

// The table in the file's own form: UTF-8, CR LF line ends, 303 lines.
QByteArray write(const AlarmBook::Table& table);

// Parses a whole file. Lines beyond the 303rd are not looked at. Accepts LF or CR LF line ends, a
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
