#include "RepackError.h"

namespace zantor {

RepackError::RepackError(Kind kind, QString text)
    : std::runtime_error(text.toStdString()), kind_(kind), text_(std::move(text)) {}

}  // namespace zantor
