#pragma once

#include <QProcessEnvironment>
#include <QStringList>

// Qt started without a display aborts, advising a reinstall that mends nothing; the program says why instead.
namespace DisplayCheck {

// True when no display is there for the platforms the program would ask for (`arguments`: the whole command
// line, the program first). Either display will do; platforms that need none (offscreen, VNC, a framebuffer) and
// a platform or display chosen on the command line are the toolkit's to judge.
bool missing(const QStringList& arguments, const QProcessEnvironment& environment);

} // namespace DisplayCheck
