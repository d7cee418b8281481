#pragma once

#include <QString>
#include <optional>

#include "Picture.h"

namespace zantor {

// Picture files. Saving replaces the file atomically; loading refuses what is no picture
// (or one too large to be a tile sheet or screenshot) with a reason for the user.
class ImageFiles {
public:
    // The largest picture we load: far beyond any tile sheet, far below memory trouble.
    static constexpr int kMaxLoadPixels = 4096 * 4096;

    // format: "PNG", "BMP", ... Returns false and sets reason on failure.
    static bool SavePicture(const Picture& picture, const QString& path, const char* format,
                            QString* reason);
    // Any format Qt reads. nullopt and a reason when the file is no readable picture.
    static std::optional<Picture> LoadPicture(const QString& path, QString* reason);
};

}  // namespace zantor
