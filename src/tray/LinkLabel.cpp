#include "LinkLabel.h"

#include "app/Accessibility.h"
#include "app/AppInfo.h"
#include "app/WindowFonts.h"
#include "platform/Desktop.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

void MakeLink(QLabel& label, LinkState operation)
{
    QColor colour;
    switch (operation) {
    case LinkState::SetUp:
    case LinkState::PointerLeft:
        colour = QColor(128, 0, 0);
        break;
    case LinkState::Clicked:
        colour = QColor(255, 255, 255);
        break;
    case LinkState::PointerOver:
        colour = QColor(192, 0, 0);
        break;
    }
    if (colour.isValid()) {
        QPalette palette = label.palette();
        palette.setColor(QPalette::WindowText, colour);
        label.setPalette(palette);
    }
    QFont font = label.font();
    font.setUnderline(true);
    label.setFont(font);
}

void prepareLinkLabel(QLabel& label, const QString& caption, QObject& watcher)
{
    label.setTextFormat(Qt::PlainText);
    label.setText(caption);
    label.setFont(WindowFonts::arial());
    label.setToolTip(QCoreApplication::translate("LinkLabel", "Visit the Fernhollow Website"));
    label.setAccessibleName(caption);
    Accessibility::markLink(label);
    label.setCursor(Qt::PointingHandCursor);
    label.setMouseTracking(true);
    // Reached with Tab only, so a mouse click does not leave a focused link behind.
    label.setFocusPolicy(Qt::TabFocus);
    label.installEventFilter(&watcher);
}

LinkEvent linkEvent(QLabel& label, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Enter:
    case QEvent::MouseMove:
    case QEvent::FocusIn:
        return LinkEvent::PointerOver;
    case QEvent::FocusOut:
        return LinkEvent::PointerLeft;
    case QEvent::MouseButtonRelease: {
        // The label holds the mouse from the press on, so the release comes here wherever it happens.
        const auto* release = static_cast<QMouseEvent*>(event);
        const bool over = label.rect().contains(release->position().toPoint());
        return release->button() == Qt::LeftButton && over ? LinkEvent::Click : LinkEvent::None;
    }
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)
            return LinkEvent::Click;
        return LinkEvent::None;
    }
    default:
        return LinkEvent::None;
    }
}

bool openAddress(Desktop& desktop, const QString& address)
{
    if (desktop.shell.open(address))
        return true;
    desktop.messages.show(QCoreApplication::translate("LinkLabel", "No program is set up to open this address:") +
                              u'\n' + address,
                          MsgBox::OkOnly | MsgBox::Information, AppInfo::ProductName);
    return false;
}
