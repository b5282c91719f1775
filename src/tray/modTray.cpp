#include "modTray.h"

#include "platform/Desktop.h"

void modTray::AddTrayIcon(const QString& tip)
{
    m_tip = tip.left(MaxTipLength);
    // A character outside the basic plane is two code units: never keep half of one.
    if (m_tip.size() == MaxTipLength && m_tip.back().isHighSurrogate())
        m_tip.chop(1);
    m_service.add(m_tip);
}

void modTray::RemoveTrayIcon()
{
    m_service.remove();
}
