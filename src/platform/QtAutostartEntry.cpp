#include "QtAutostartEntry.h"

#include "WriteWhole.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

QString applicationId()
{
    const QString id = QGuiApplication::desktopFileName();
    return id.isEmpty() ? QCoreApplication::applicationName() : id;
}

// One word of an Exec line: quoted where the desktop entry format asks for it, then escaped as every
// value of the file is.
QString execWord(const QString& word)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9/._+,=:@-]+$"));
    QString out = word;
    if (!plain.match(word).hasMatch()) {
        out.clear();
        for (const QChar c : word) {
            if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
                out += u'\\';
            out += c;
        }
        out = u'"' + out + u'"';
    }
    out.replace(u'\\', QStringLiteral("\\\\"));
    out.replace(u'\n', QStringLiteral("\\n"));
    out.replace(u'\r', QStringLiteral("\\r"));
    out.replace(u'%', QStringLiteral("%%"));
    return out;
}

} // namespace

QString QtAutostartEntry::path()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/autostart/") +
           applicationId() + QStringLiteral(".desktop");
}

QByteArray QtAutostartEntry::entryText(const QByteArray& installed, const QString& program)
{
    const QString argument = QStringLiteral(" --") + Option;
    QStringList lines = QString::fromUtf8(installed).split(u'\n');
    // The main group comes first, so the first command is its own; the actions after it keep theirs.
    const qsizetype exec = lines.indexOf(QRegularExpression(QStringLiteral("^Exec=.*")));
    if (exec < 0)
        return entryText("[Desktop Entry]\nType=Application\nName=Tockwell\nExec=tockwell\nTerminal=false\n", program);
    const QString command = lines[exec].mid(5).trimmed();
    const QString named = QStandardPaths::findExecutable(command.section(u' ', 0, 0));
    const QString self = QFileInfo(program).canonicalFilePath();
    if (!named.isEmpty() && !command.startsWith(u'"') && QFileInfo(named).canonicalFilePath() == self)
        lines[exec] = QStringLiteral("Exec=") + command + argument;
    else
        lines[exec] = QStringLiteral("Exec=") + execWord(self.isEmpty() ? program : self) + argument;
    return lines.join(u'\n').toUtf8();
}

bool QtAutostartEntry::startsAtLogin(const QByteArray& entry)
{
    bool mainGroup = false;
    for (const QByteArray& line : entry.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.startsWith('[')) {
            mainGroup = trimmed == "[Desktop Entry]";
            continue;
        }
        const qsizetype equals = trimmed.indexOf('=');
        if (!mainGroup || equals < 0)
            continue;
        const QByteArray key = trimmed.left(equals).trimmed();
        const QByteArray value = trimmed.mid(equals + 1).trimmed();
        if ((key == "Hidden" && value == "true") || (key == "X-GNOME-Autostart-enabled" && value == "false"))
            return false;
    }
    return true;
}

bool QtAutostartEntry::isThere() const
{
    QFile entry(path());
    return entry.open(QIODevice::ReadOnly) && startsAtLogin(entry.read(64 * 1024));
}

QString QtAutostartEntry::write()
{
    const QString target = path();
    if (!QDir().mkpath(QFileInfo(target).absolutePath()))
        return QCoreApplication::translate("QtAutostartEntry", "The folder %1 could not be made.")
            .arg(QDir::toNativeSeparators(QFileInfo(target).absolutePath()));
    QByteArray installed;
    QFile source(
        QStandardPaths::locate(QStandardPaths::ApplicationsLocation, applicationId() + QStringLiteral(".desktop")));
    if (!source.fileName().isEmpty() && source.open(QIODevice::ReadOnly))
        installed = source.read(64 * 1024);
    QSaveFile file(target);
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
        writeWhole(file, entryText(installed, QCoreApplication::applicationFilePath())) && file.commit())
        return {};
    return QDir::toNativeSeparators(target) + u'\n' + file.errorString();
}

QString QtAutostartEntry::remove()
{
    QFile entry(path());
    if (!entry.exists() || entry.remove())
        return {};
    return QDir::toNativeSeparators(entry.fileName()) + u'\n' + entry.errorString();
}
