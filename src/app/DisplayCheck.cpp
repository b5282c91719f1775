#include "DisplayCheck.h"

namespace DisplayCheck {

bool missing(const QStringList& arguments, const QProcessEnvironment& environment)
{
    for (const QString& argument : arguments.mid(1)) {
        if (argument == u"-platform" || argument == u"--platform" || argument == u"-display" ||
            argument == u"--display")
            return false;
    }
    if (!environment.value(QStringLiteral("DISPLAY")).isEmpty() ||
        !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty())
        return false;
    const QString platforms = environment.value(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb;wayland"));
    for (const QString& platform : platforms.split(u';', Qt::SkipEmptyParts)) {
        const QString name = platform.section(u':', 0, 0);
        if (name != u"xcb" && !name.startsWith(u"wayland"))
            return false;
    }
    return true;
}

} // namespace DisplayCheck
