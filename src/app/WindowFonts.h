#pragma once

#include <QFont>

// The program's window fonts. Where the named face is missing the desktop's sans font stands in.
namespace WindowFonts {

inline QFont named(const char* family, bool bold)
{
    QFont font(QString::fromLatin1(family));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

inline QFont tahomaBold()
{
    return named("Tahoma", true);
}
inline QFont tahoma()
{
    return named("Tahoma", false);
}
inline QFont arialBold()
{
    return named("Arial", true);
}
inline QFont arial()
{
    return named("Arial", false);
}

} // namespace WindowFonts
