#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

// Colours go through the palette, never a style sheet: one style sheet in the program has every
// widget of its windows polished by the toolkit's style-sheet engine, which costs each window's
// creation, the first one's before the splash can show.
namespace WindowColours {

inline void set(QWidget& widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget.palette();
    palette.setColor(role, colour);
    widget.setPalette(palette);
}

inline void setText(QWidget& widget, const QColor& colour)
{
    set(widget, QPalette::WindowText, colour);
}

} // namespace WindowColours
