#pragma once

#include <QCoreApplication>
#include <QString>

namespace AppInfo {

constexpr int VersionMajor = 1;
constexpr int VersionMinor = 0;
constexpr int VersionRevision = 0;

inline const QString ProductName = QStringLiteral("Tockwell");
// The product's and the publisher's names stay as they are in every language.
inline QString copyrightLine()
{
    return QCoreApplication::translate("AppInfo", "Tockwell © Fernhollow 2007. All rights reserved.");
}

// The running version as the update server writes its own: "1.0.0", no padding.
inline QString runningVersion()
{
    return QStringLiteral("%1.%2.%3").arg(VersionMajor).arg(VersionMinor).arg(VersionRevision);
}

} // namespace AppInfo
