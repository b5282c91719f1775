#pragma once

#include <QLocale>
#include <QStringList>

// The language Tockwell speaks: the first of the user's languages it has a catalogue for (the
// catalogues in translations/, compiled in), or English, the language its texts are written in.
namespace Languages {

// Installs the catalogue of the first of `preferred` (language names as QLocale::uiLanguages() gives
// them) that Tockwell speaks, with Qt's own catalogue for the standard buttons, in place of any
// installed before. English, or no language with a catalogue, installs none. Returns the language.
QLocale::Language install(const QStringList& preferred);

// The locale the dates take their month and day names from: the language Tockwell speaks, in the user's
// region where the two go together; the default locale until install() has chosen. Nothing is stored
// through it.
QLocale dateLocale();

} // namespace Languages
