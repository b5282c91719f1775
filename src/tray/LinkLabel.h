#pragma once

// Link labels: plain labels that point at the publisher's web site or its support mailbox.

#include <QString>

class QEvent;
class QLabel;
class QObject;
class QWidget;
struct Desktop;

enum class LinkState { SetUp = 1, Clicked = 2, PointerLeft = 3, PointerOver = 4 };

// Colours the label for the state; a label is always underlined.
void MakeLink(QLabel& label, LinkState operation);

// A link label that the mouse and the keyboard both reach; its events go to `watcher`'s event filter.
void prepareLinkLabel(QLabel& label, const QString& caption, QObject& watcher);

enum class LinkEvent { None, PointerOver, PointerLeft, Click };
// What an event on a link label means for it. A click is the left button pressed and released over
// the label, or Enter or Space while it has the focus; the watcher acts on it and consumes the event.
LinkEvent linkEvent(QLabel& label, QEvent* event);

// Asks the shell to open the address; when no program can, the user is told which address it was.
// True when the shell opened it.
bool openAddress(Desktop& desktop, const QString& address);
