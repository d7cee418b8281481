#pragma once

#include <QString>

namespace zantor {

// The program's own name and version numbers (major.minor.revision).
struct AppInfo {
    static constexpr int kMajor = 0;
    static constexpr int kMinor = 1;
    static constexpr int kRevision = 45;

    static QString name() { return QStringLiteral("Zantor"); }
    static QString descriptiveName() { return QStringLiteral("Zantor"); }
    // "v 0.1.45": plain decimal numbers, no leading zeros.
    static QString versionText() {
        return QStringLiteral("v %1.%2.%3").arg(kMajor).arg(kMinor).arg(kRevision);
    }
};

}  // namespace zantor
