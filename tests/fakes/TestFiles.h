#pragma once

// Whole-file reads and writes, and a file size cap that makes a write fail part-way through.

#include <QFile>

#include <csignal>
#include <sys/resource.h>

inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

inline bool writeFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

// Runs `write` while the system refuses every byte past `limit`, even to root. False when the
// cap could not be set, so the write proved nothing.
template <typename Write> bool withFileSizeLimit(rlim_t limit, Write write)
{
    rlimit original{};
    if (::getrlimit(RLIMIT_FSIZE, &original) != 0)
        return false;
    rlimit limited = original;
    limited.rlim_cur = limit;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    const bool capped = ::setrlimit(RLIMIT_FSIZE, &limited) == 0;
    write();
    ::setrlimit(RLIMIT_FSIZE, &original);
    std::signal(SIGXFSZ, oldHandler);
    return capped;
}
