#include "SessionFile.h"

#include "platform/WriteWhole.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace SessionFile {

namespace {

constexpr qint64 ReadChunk = 64 * 1024;
// Room for the extras of every slot, each with a long sound file path, and no more: what follows a table
// need not be read at all.
constexpr qsizetype MaxExtrasBytes = 2 * 1024 * 1024;
constexpr int MaxExtrasLines = 1 + AlarmBook::SlotCount;
// Far beyond any table the program can write; a bigger file without 303 lines in it is something
// else, and reading on would only eat memory.
constexpr qsizetype MaxReadBytes = 64 * 1024 * 1024;

constexpr float MaxHour = 24;
constexpr float MaxMinute = 59;

QByteArray numberField(float value)
{
    // Numeric print form: a blank where a minus sign would go, the number, a trailing blank.
    if (value == 0)
        value = 0; // no "-0" from a negative zero
    QByteArray field = value < 0 ? QByteArray() : QByteArrayLiteral(" ");
    field += numberText(value).toLatin1();
    field += ' ';
    return field;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

QByteArrayView trimmed(QByteArrayView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

// Sign, digits with an optional point, optional exponent: what numeric print writes and what a
// person editing the file would type. Anything else is text where a number belongs.
bool isDecimal(QByteArrayView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    if (i < n && (text[i] == '+' || text[i] == '-'))
        ++i;
    qsizetype digits = 0;
    for (; i < n && isDigit(text[i]); ++i)
        ++digits;
    if (i < n && text[i] == '.') {
        for (++i; i < n && isDigit(text[i]); ++i)
            ++digits;
    }
    if (digits == 0)
        return false;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            ++i;
        const qsizetype exponentStart = i;
        while (i < n && isDigit(text[i]))
            ++i;
        if (i == exponentStart)
            return false;
    }
    return i == n;
}

// The number a line holds: 0 for a blank line, nothing for text that is not a number.
std::optional<double> numberOf(QByteArrayView line)
{
    const QByteArrayView text = trimmed(line);
    if (text.isEmpty())
        return 0.0;
    if (!isDecimal(text))
        return std::nullopt;
    const char* first = text.data();
    const char* last = first + text.size();
    if (*first == '+')
        ++first; // from_chars takes no plus sign
    double value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error == std::errc::result_out_of_range)
        return std::numeric_limits<double>::infinity(); // surely outside every range checked below
    if (error != std::errc() || end != last)
        return std::nullopt;
    return value;
}

QString elided(QByteArrayView text)
{
    constexpr qsizetype Longest = 24;
    if (text.size() <= Longest)
        return QString::fromLatin1(text);
    return QString::fromLatin1(text.first(Longest)) + QStringLiteral("...");
}

constexpr std::array<char16_t, 32> Windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool isValidUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString ignored = decoder.decode(bytes);
    return !decoder.hasError();
}

Outcome failure(int error, const QString& reason)
{
    return Outcome{error, reason};
}

QString withPath(const QString& path, const QString& reason)
{
    return QDir::toNativeSeparators(path) + QLatin1Char('\n') + reason;
}

Outcome fileFailure(FileTask task, const QString& path, const QFileDevice& file, int systemError)
{
    const QFileInfo info(path);
    // Qt refuses a folder by itself, without a system error to go by.
    if (systemError == 0 && info.isDir())
        systemError = EISDIR;
    return failure(errorNumber(task, file.error(), systemError, info.absoluteDir().exists()),
                   withPath(path, file.errorString()));
}

// Devices and pipes: reading one may never end, and replacing one with a file would break the system.
bool isSpecialFile(const QFileInfo& info)
{
    return info.exists() && !info.isFile() && !info.isDir();
}

} // namespace

namespace {

QByteArray extrasLine(int slot, const AlarmRecord& record)
{
    const AlarmRecord plain;
    QByteArray line = QByteArray::number(slot);
    if (record.days != plain.days) {
        line += " days=";
        for (int day = Qt::Monday; day <= Qt::Sunday; ++day)
            if (record.days & dayBit(day))
                line += char('0' + day);
    }
    if (record.once)
        line += " once=1";
    if (!record.on)
        line += " on=0";
    if (record.sound != plain.sound)
        line += " sound=" + record.sound.toUtf8().toPercentEncoding();
    if (record.soundFile != plain.soundFile)
        line += " file=" + record.soundFile.toUtf8().toPercentEncoding();
    if (record.volume != plain.volume)
        line += " volume=" + QByteArray::number(record.volume);
    return line;
}

// Reads one line of extras into `table`; the reason it cannot be read, or nothing.
std::optional<QString> readExtras(QByteArrayView line, AlarmBook::Table& table, QList<int>& seen)
{
    const QList<QByteArray> words = line.toByteArray().split(' ');
    bool isNumber = false;
    const int slot = words.constFirst().toInt(&isNumber);
    if (!isNumber || slot < 0 || slot > AlarmBook::LastSlot || !isDigit(words.constFirst().front()))
        return QCoreApplication::translate("SessionFile", "it names no place of an alarm");
    AlarmRecord& record = table[static_cast<std::size_t>(slot)];
    if (!record.inUse())
        return QCoreApplication::translate("SessionFile", "it names a place that holds no alarm");
    if (seen.contains(slot))
        return QCoreApplication::translate("SessionFile", "an earlier line names the same alarm");
    AlarmRecord read = record;
    for (const QByteArray& word : words.sliced(1)) {
        const qsizetype equals = word.indexOf('=');
        const QByteArray key = word.first(std::max<qsizetype>(equals, 0));
        const QByteArray value = word.sliced(equals + 1);
        bool good = equals > 0;
        if (key == "days") {
            read.days = 0;
            for (const char day : value) {
                good = good && day >= '1' && day <= '7';
                read.days |= good ? dayBit(day - '0') : 0;
            }
            good = good && read.days != 0;
        } else if (key == "once" || key == "on") {
            good = good && (value == "0" || value == "1");
            (key == "once" ? read.once : read.on) = value == "1";
        } else if (key == "sound" || key == "file") {
            const QByteArray bytes = QByteArray::fromPercentEncoding(value);
            good = good && isValidUtf8(bytes) && !bytes.contains('\0');
            (key == "sound" ? read.sound : read.soundFile) = QString::fromUtf8(bytes);
        } else if (key == "volume") {
            read.volume = value.toInt(&good);
            good = good && read.volume >= 0 && read.volume <= 100 && isDigit(value.front());
        }
        // Any other key is a later version's, and passed over.
        if (!good)
            return QCoreApplication::translate("SessionFile", "it holds %1, which no alarm can have").arg(elided(word));
    }
    seen << slot;
    record = read;
    return std::nullopt;
}

} // namespace

QByteArray write(const AlarmBook::Table& table)
{
    QByteArray out;
    out.reserve(LineCount * 8);
    for (const AlarmRecord& record : table) {
        out += numberField(record.Hour);
        out += "\r\n";
        out += numberField(record.Minute);
        out += "\r\n";
        // A line feed would split the record and shift every slot after it; a blank keeps the file whole.
        QByteArray description = record.Description.toUtf8();
        description.replace('\n', ' ');
        out += description;
        out += "\r\n";
    }
    QByteArray extras;
    for (int slot = 0; slot <= AlarmBook::LastSlot; ++slot) {
        const AlarmRecord& record = table[static_cast<std::size_t>(slot)];
        const QByteArray line = record.inUse() ? extrasLine(slot, record) : QByteArray();
        if (line.contains(' '))
            extras += line + "\r\n";
    }
    if (!extras.isEmpty())
        out += QByteArray(ExtrasHeader) + "\r\n" + extras;
    return out;
}

QString fromWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = byte >= 0x80 && byte < 0xA0 ? QChar(Windows1252High[byte - 0x80]) : QChar(byte);
    }
    return text;
}

Result read(const QByteArray& data)
{
    QByteArrayView rest(data);
    if (rest.startsWith("\xEF\xBB\xBF"))
        rest = rest.sliced(3);

    std::array<QByteArrayView, LineCount> lines;
    int lineCount = 0;
    qsizetype consumed = 0;
    while (lineCount < LineCount && consumed < rest.size()) {
        const qsizetype end = rest.indexOf('\n', consumed);
        QByteArrayView line = rest.sliced(consumed, (end < 0 ? rest.size() : end) - consumed);
        consumed = end < 0 ? rest.size() : end + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        lines[static_cast<std::size_t>(lineCount++)] = line;
    }
    // One choice for the whole file: text that is not valid UTF-8 is read as Windows-1252.
    const bool utf8 = isValidUtf8(rest.first(consumed));

    Result result;
    const auto fail = [&result](int error, const QString& reason) {
        result.error = error;
        result.reason = reason;
        result.table = {};
        return result;
    };
    const auto tooShort = [&] {
        return fail(Err::InputPastEndOfFile,
                    QCoreApplication::translate("SessionFile", "The file holds %1 of the %2 lines of a session file.")
                        .arg(lineCount)
                        .arg(LineCount));
    };
    for (int slot = 0; slot < AlarmBook::SlotCount; ++slot) {
        AlarmRecord& record = result.table[static_cast<std::size_t>(slot)];
        const struct {
            float& value;
            float highest;
            const char* name;
        } numbers[] = {{record.Hour, MaxHour, QT_TRANSLATE_NOOP("SessionFile", "an hour")},
                       {record.Minute, MaxMinute, QT_TRANSLATE_NOOP("SessionFile", "a minute")}};
        int lineIndex = slot * LinesPerSlot;
        for (const auto& number : numbers) {
            if (lineIndex >= lineCount)
                return tooShort();
            const QByteArrayView line = lines[static_cast<std::size_t>(lineIndex)];
            const std::optional<double> value = numberOf(line);
            if (!value)
                return fail(Err::NotASessionFile,
                            QCoreApplication::translate("SessionFile", "Line %1 holds text where a number belongs.")
                                .arg(lineIndex + 1));
            if (!(*value >= 0 && *value <= number.highest && std::floor(*value) == *value))
                return fail(
                    Err::NotASessionFile,
                    QCoreApplication::translate("SessionFile", "Line %1 holds %2 (%3), which no alarm can have.")
                        .arg(lineIndex + 1)
                        .arg(QCoreApplication::translate("SessionFile", number.name), elided(trimmed(line))));
            number.value = static_cast<float>(*value) + 0.0f; // a "-0" is stored as 0
            ++lineIndex;
        }
        if (lineIndex >= lineCount)
            return tooShort();
        const QByteArrayView description = lines[static_cast<std::size_t>(lineIndex)];
        record.Description = utf8 ? QString::fromUtf8(description) : fromWindows1252(description);
    }

    // The extras, when a header says they follow; anything else after the table is not ours to read.
    rest = rest.sliced(consumed);
    if (!rest.startsWith(ExtrasHeader))
        return result;
    QList<int> seen;
    const QList<QByteArray> extras = rest.toByteArray().split('\n');
    for (qsizetype index = 1; index < extras.size(); ++index) {
        QByteArrayView line = extras[index];
        if (line.endsWith('\r'))
            line.chop(1);
        if (trimmed(line).isEmpty())
            continue;
        const QString where =
            QCoreApplication::translate("SessionFile", "Line %1").arg(LineCount + 1 + static_cast<int>(index));
        if (index >= MaxExtrasLines) {
            result.ignored << QCoreApplication::translate("SessionFile", "%1 and those after it: there are more "
                                                                         "lines than alarms.")
                                  .arg(where);
            break;
        }
        if (const std::optional<QString> why = readExtras(line, result.table, seen))
            result.ignored << QStringLiteral("%1: %2").arg(where, *why);
    }
    return result;
}

Outcome readInto(const QByteArray& data, AlarmBook& book)
{
    Result result = read(data);
    if (result.ok())
        book.replaceAll(result.table);
    return Outcome{result.error, result.reason, result.ignored};
}

int errorNumber(FileTask task, QFileDevice::FileError error, int systemError, bool folderExists)
{
    switch (systemError) {
    case 0:
        break;
    case ENOENT:
        if (!folderExists)
            return Err::PathNotFound;
        // A file that is not there can be missing only for reading; a save that cannot create its
        // temporary file in an existing folder has a folder that takes no files.
        return task == FileTask::Load ? Err::FileNotFound : Err::PathFileAccess;
    case ENOTDIR:
        return Err::PathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
        return Err::PermissionDenied;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
    case EFBIG:
        return Err::DiskFull;
    case EIO:
        return Err::DeviceIO;
    case EMFILE:
    case ENFILE:
        return Err::TooManyFiles;
    case ENOMEM:
        return Err::OutOfMemory;
    default:
        return Err::PathFileAccess;
    }
    switch (error) {
    case QFileDevice::ResourceError:
        return Err::DiskFull; // what Qt reports when the device has no room left
    case QFileDevice::ReadError:
        return Err::DeviceIO;
    default:
        return Err::PathFileAccess;
    }
}

Outcome save(const QString& path, const AlarmBook::Table& table)
{
    if (isSpecialFile(QFileInfo(path)))
        return failure(Err::PathFileAccess,
                       withPath(path, QCoreApplication::translate("SessionFile", "This is not a regular file.")));

    const QByteArray data = write(table);
    // Unbuffered, so that every failing write is seen here: a buffered QSaveFile whose final flush
    // fails still commits, and the cut-off file replaces the good one.
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fileFailure(FileTask::Save, path, file, errno);
    errno = 0;
    if (!writeWhole(file, data))
        return fileFailure(FileTask::Save, path, file, errno); // the temporary file goes with `file`
    errno = 0;
    if (!file.commit())
        return fileFailure(FileTask::Save, path, file, errno);
    return {};
}

Outcome load(const QString& path, AlarmBook& book)
{
    if (isSpecialFile(QFileInfo(path)))
        return failure(Err::PathFileAccess,
                       withPath(path, QCoreApplication::translate("SessionFile", "This is not a regular file.")));

    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        return fileFailure(FileTask::Load, path, file, errno);

    // Only the first 303 lines and the extras after them matter; the rest of the file is never read.
    QByteArray data;
    qsizetype lineEnds = 0;
    qsizetype tableBytes = -1; // how much of `data` is the table, once it is whole
    while (lineEnds < LineCount + MaxExtrasLines) {
        if (tableBytes < 0 && lineEnds >= LineCount) {
            qsizetype end = -1;
            for (int line = 0; line < LineCount; ++line)
                end = data.indexOf('\n', end + 1);
            tableBytes = end + 1;
        }
        if (tableBytes >= 0 && data.size() - tableBytes >= MaxExtrasBytes)
            break;
        if (tableBytes < 0 && data.size() >= MaxReadBytes)
            return failure(Err::NotASessionFile,
                           withPath(path, QCoreApplication::translate("SessionFile",
                                                                      "The file is too large to be a session file.")));
        errno = 0;
        const QByteArray chunk = file.read(ReadChunk);
        if (chunk.isEmpty()) {
            if (file.error() != QFileDevice::NoError)
                return fileFailure(FileTask::Load, path, file, errno);
            break;
        }
        lineEnds += chunk.count('\n');
        data += chunk;
    }
    file.close();

    Outcome outcome = readInto(data, book);
    if (!outcome.ok())
        outcome.reason = withPath(path, outcome.reason);
    return outcome;
}

} // namespace SessionFile
