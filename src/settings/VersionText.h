#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Version texts as the update server and the program write them: decimal numbers joined by dots.
namespace VersionText {

// The numbers of a version text, each without leading zeros, once blanks and line ends around the
// text are dropped; nothing when the text is anything else (an empty answer, an error page, "1.0.0-beta").
std::optional<QStringList> parse(const QString& text);

// Negative, zero or positive as `a` is older than, the same as or newer than `b`, number by number
// ("1.0.10" is newer than "1.0.9"; missing numbers count as 0); nothing when either text is unusable.
std::optional<int> compare(const QString& a, const QString& b);

} // namespace VersionText
