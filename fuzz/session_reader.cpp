// libFuzzer entry for the session reader, with the promises tst_SessionFile's mutatedFiles checks:
// a refused file leaves the table alone, an accepted one survives a save and a load.

#include "alarms/SessionFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    AlarmBook book;
    book[2] = {6, 30, QStringLiteral("kept")};
    const AlarmBook::Table before = book.all();
    const SessionFile::Outcome outcome =
        SessionFile::readInto(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), book);
    if (outcome.ok() ? SessionFile::read(SessionFile::write(book.all())).table != book.all()
                     : book.all() != before || outcome.reason.isEmpty())
        std::abort();
    return 0;
}
