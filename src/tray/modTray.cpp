#include "modTray.h"

#include "platform/Desktop.h"

void modTray::AddTrayIcon(const QString& tip)
{
    m_tip = tip.left(MaxTipLength);
    m_service.add(m_tip);
}

void modTray::RemoveTrayIcon()
{
    m_service.remove();
}
