#pragma once

// Whole-file reads and writes, and system limits that make a write fail part-way through or an open fail.

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

// Runs `act` with the system limit `resource` (RLIMIT_FSIZE, RLIMIT_NOFILE) lowered to `limit`, which binds
// root too. False when the limit could not be set, so the run proved nothing.
template <typename Act> bool withLimit(int resource, rlim_t limit, Act act)
{
    rlimit original{};
    if (::getrlimit(resource, &original) != 0)
        return false;
    rlimit limited = original;
    limited.rlim_cur = limit;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    const bool capped = ::setrlimit(resource, &limited) == 0;
    act();
    ::setrlimit(resource, &original);
    std::signal(SIGXFSZ, oldHandler);
    return capped;
}
