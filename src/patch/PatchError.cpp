#include "PatchError.h"

#include <QCoreApplication>

namespace zantor {

namespace {
QString compose(PatchError::Kind kind, const QString& detail) {
    QString what;
    switch (kind) {
        case PatchError::Kind::NotAPatch:
            what = QCoreApplication::translate("PatchError", "not a BPS or IPS patch");
            break;
        case PatchError::Kind::CutShort:
            what = QCoreApplication::translate("PatchError", "the patch is cut short");
            break;
        case PatchError::Kind::RecordPastEnd:
            what = QCoreApplication::translate("PatchError", "the patch has a record past the end");
            break;
        case PatchError::Kind::SourceMismatch:
            what = QCoreApplication::translate("PatchError", "the patch was made for another file");
            break;
        case PatchError::Kind::TargetMismatch:
            what = QCoreApplication::translate(
                "PatchError", "the patched file's CRC32 is not the one in the patch");
            break;
        case PatchError::Kind::PatchMismatch:
            what = QCoreApplication::translate("PatchError",
                                               "the patch is damaged (its CRC32 does not match)");
            break;
        case PatchError::Kind::TooLarge:
            what = QCoreApplication::translate("PatchError", "the file is too large");
            break;
        case PatchError::Kind::Malformed:
            what = QCoreApplication::translate("PatchError", "the patch is malformed");
            break;
    }
    return detail.isEmpty() ? what : what + QStringLiteral(": ") + detail;
}
}  // namespace

PatchError::PatchError(Kind kind, QString detail)
    : Error(compose(kind, detail)), kind_(kind), detail_(std::move(detail)) {}

}  // namespace zantor
