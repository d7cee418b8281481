#include "RepackError.h"

namespace zantor {

RepackError::RepackError(Kind kind, QString text) : Error(std::move(text)), kind_(kind) {}

}  // namespace zantor
