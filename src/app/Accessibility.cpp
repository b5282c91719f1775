#include "Accessibility.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>

namespace Accessibility {

namespace {

// The dynamic property that carries a marked label's role.
constexpr char RoleProperty[] = "tockwellAccessibleRole";

class MarkedLabel : public QAccessibleWidget {
public:
    MarkedLabel(QLabel* label, QAccessible::Role role) : QAccessibleWidget(label, role) {}

    // Named by what it says, unless it was given a name: not by the group it sits in.
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const QLabel*>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (role() == QAccessible::Link)
            names.prepend(pressAction());
        return names;
    }
    void doAction(const QString& action) override
    {
        if (role() != QAccessible::Link || action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        // Posted, not sent: following the link may open a message box, whose event loop must not run
        // inside the screen reader's call.
        QCoreApplication::postEvent(widget(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier));
    }
};

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    const QVariant role = widget->property(RoleProperty);
    if (className == u"QLabel" && role.isValid())
        return new MarkedLabel(static_cast<QLabel*>(widget), static_cast<QAccessible::Role>(role.toInt()));
    // Reached only for classes that no factory knows better: a window made of a plain widget (the main
    // window, the splash), which Qt would report as a filler.
    if (className == u"QWidget" && widget->isWindow() &&
        (widget->windowType() == Qt::Window || widget->windowType() == Qt::SplashScreen))
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void install()
{
    QAccessible::installFactory(factory);
}

namespace {

void mark(QLabel& label, QAccessible::Role role)
{
    label.setProperty(RoleProperty, int(role));
    // Qt describes a widget as soon as it announces a change (of its text, of its name), whether anyone
    // listens or not: a description made before the label was marked goes, and the next one is marked.
    if (QAccessibleInterface* known = QAccessible::queryAccessibleInterface(&label); known && known->role() != role)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(known));
}

} // namespace

void markLink(QLabel& label)
{
    mark(label, QAccessible::Link);
}

void markAlert(QLabel& label)
{
    mark(label, QAccessible::AlertMessage);
}

} // namespace Accessibility
