#include "Patch.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "BpsPatch.h"
#include "IpsPatch.h"
#include "PatchError.h"

namespace zantor::Patch {

QByteArray create(const QByteArray& original, const QByteArray& modified, PatchFormat format) {
    return format == PatchFormat::Bps ? BpsPatch::create(original, modified)
                                      : IpsPatch::create(original, modified);
}

QByteArray apply(const QByteArray& rom, const QByteArray& patch) {
    const std::optional<PatchFormat> format = detect(patch);
    if (!format) {
        throw PatchError(
            PatchError::Kind::NotAPatch,
            QCoreApplication::translate("Patch", "it starts with neither \"BPS1\" nor \"PATCH\""));
    }
    return *format == PatchFormat::Bps ? BpsPatch::apply(rom, patch) : IpsPatch::apply(rom, patch);
}

std::optional<PatchFormat> detect(const QByteArray& patch) {
    if (patch.startsWith(BpsPatch::kMagic)) {
        return PatchFormat::Bps;
    }
    if (patch.startsWith(IpsPatch::kMagic)) {
        return PatchFormat::Ips;
    }
    return std::nullopt;
}

std::optional<PatchFormat> formatForFileName(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("bps")) {
        return PatchFormat::Bps;
    }
    if (suffix == QLatin1String("ips")) {
        return PatchFormat::Ips;
    }
    return std::nullopt;
}

}  // namespace zantor::Patch
