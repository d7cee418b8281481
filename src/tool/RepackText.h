#pragma once

#include <QString>

#include "map/RegionRepack.h"

namespace zantor::tool {

// What a repack does to a region, a line for the region and one for each of its maps, as
// `repack` and `import-map --repack` print it.
QString RepackText(const RepackPlan& plan);

}  // namespace zantor::tool
