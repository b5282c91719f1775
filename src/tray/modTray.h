#pragma once

#include <QString>

class TrayService;

// The program's one notification-area icon. The tip is composed when the icon is added and
// kept afterwards, as the record it stands for is never cleared.
class modTray {
public:
    static constexpr int MaxTipLength = 63;

    explicit modTray(TrayService& service) : m_service(service) {}

    void AddTrayIcon(const QString& tip);
    void RemoveTrayIcon();
    const QString& tipText() const { return m_tip; }

private:
    TrayService& m_service;
    QString m_tip;
};
