// libFuzzer entry for the session reader: the same promises as the seeded Qt Test, with coverage
// guiding the inputs. Build with clang and -DTOCKWELL_FUZZ=ON; see fuzz/CMakeLists.txt.

#include "alarms/SessionFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    AlarmBook book;
    book[2] = {6, 30, QStringLiteral("kept")};
    const AlarmBook::Table before = book.all();

    const SessionFile::Outcome outcome = SessionFile::readInto(bytes, book);
    if (!outcome.ok()) {
        if (book.all() != before || outcome.reason.isEmpty())
            std::abort();
        return 0;
    }
    const SessionFile::Result again = SessionFile::read(SessionFile::write(book.all()));
    if (!again.ok() || again.table != book.all())
        std::abort();
    return 0;
}
