#include "PatchError.h"

namespace zantor {

namespace {
QString compose(PatchError::Kind kind, const QString& detail) {
    QString what;
    switch (kind) {
        case PatchError::Kind::NotAPatch:
            what = QStringLiteral("not a BPS or IPS patch");
            break;
        case PatchError::Kind::CutShort:
            what = QStringLiteral("the patch is cut short");
            break;
        case PatchError::Kind::RecordPastEnd:
            what = QStringLiteral("the patch has a record past the end");
            break;
        case PatchError::Kind::SourceMismatch:
            what = QStringLiteral("the patch was made for another file");
            break;
        case PatchError::Kind::TargetMismatch:
            what = QStringLiteral("the patched file's CRC32 is not the one in the patch");
            break;
        case PatchError::Kind::PatchMismatch:
            what = QStringLiteral("the patch is damaged (its CRC32 does not match)");
            break;
        case PatchError::Kind::TooLarge:
            what = QStringLiteral("the file is too large");
            break;
        case PatchError::Kind::Malformed:
            what = QStringLiteral("the patch is malformed");
            break;
    }
    return detail.isEmpty() ? what : what + QStringLiteral(": ") + detail;
}
}  // namespace

PatchError::PatchError(Kind kind, QString detail)
    : Error(compose(kind, detail)), kind_(kind), detail_(std::move(detail)) {}

}  // namespace zantor
