// libFuzzer target for the session-file reader, which reads files that come from other people.
// A file it refuses leaves the table as it was and says why; a file it accepts is written, read
// again, and gives the same table and, written once more, the same bytes.

#include "alarms/SessionFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void broken(const char* promise)
{
    std::fprintf(stderr, "session file: %s\n", promise);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    AlarmBook book;
    book[2] = {6, 30, QStringLiteral("kept")};
    const AlarmBook::Table before = book.all();
    const SessionFile::Outcome outcome =
        SessionFile::readInto(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), book);
    if (!outcome.ok()) {
        if (book.all() != before)
            broken("a refused file changed the table");
        if (outcome.reason.isEmpty() || (outcome.error != SessionFile::Err::NotASessionFile &&
                                         outcome.error != SessionFile::Err::InputPastEndOfFile))
            broken("a refused file has no reason or an unexpected number");
        return 0;
    }
    const QByteArray written = SessionFile::write(book.all());
    const SessionFile::Result again = SessionFile::read(written);
    if (!again.ok())
        broken("a file the program wrote is refused");
    if (again.table != book.all())
        broken("a table written and read again differs");
    if (SessionFile::write(again.table) != written)
        broken("a table written twice gives different bytes");
    return 0;
}
