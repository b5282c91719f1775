#pragma once

class QLabel;

// What a screen reader learns of the program beyond what Qt's widgets tell it: a window that is a plain
// widget reports a window role, not a filler; a link label reports a link that its default action
// follows; an alert label reports an alert, which screen readers speak as it appears.
namespace Accessibility {

// Once the application exists, before any window is made.
void install();

// A link label: the screen reader's "Press" sends it the key that follows the link.
void markLink(QLabel& label);
// A label that tells what must be heard the moment it appears.
void markAlert(QLabel& label);

} // namespace Accessibility
