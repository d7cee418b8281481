#include "RomFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <algorithm>
#include <cstring>
#include <utility>

#include "CartridgeChecksum.h"
#include "FileReadAt.h"
#include "RomFileError.h"
#include "base/AtomicFileWriter.h"

namespace zantor {

RomFile::RomFile(RomFile&&) noexcept = default;
RomFile& RomFile::operator=(RomFile&&) noexcept = default;
namespace {
// The pixels of the last file closed, kept for the next one of the same size. Every load opens
// the ROM, and a fresh image-sized buffer each time cost a tenth of a load: the allocator gave
// the memory back to the system at each close and faulted it in again page by page at each
// open. The pages are read before they are used, so what the buffer held does not matter.
// Never destroyed: files in static storage may close after every other static is gone.
constexpr qint64 kLargestKept = 8 * 1024 * 1024;
struct KeptBuffer {
    QMutex mutex;
    QByteArray bytes;
};
KeptBuffer& keptBuffer() {
    static auto* kept = new KeptBuffer;
    return *kept;
}
}  // namespace

RomFile::~RomFile() {
    if (data_.isDetached() && data_.size() <= kLargestKept && data_.size() > 0) {
        KeptBuffer& kept = keptBuffer();
        const QMutexLocker lock(&kept.mutex);
        kept.bytes = std::move(data_);
    }
}

RomFile RomFile::open(const QString& path) {
    auto refuse = [&](const QString& reason) {
        return RomFileError(RomFileError::Kind::Open, path, reason);
    };
    if (path.isEmpty()) {
        throw refuse(QCoreApplication::translate("RomFile", "No file name given"));
    }
    // Opened first and asked why only when that fails: every level load opens the file, and
    // each question about it is a system call.
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        const QFileInfo info(path);
        if (!info.exists()) {
            throw refuse(QCoreApplication::translate("RomFile", "No such file"));
        }
        if (info.isDir()) {
            throw refuse(QCoreApplication::translate("RomFile", "It is a folder, not a ROM image"));
        }
        throw refuse(file->errorString());
    }
    const qint64 size = file->size();
    if (!file->isSequential() && size > kMaxSize) {
        throw refuse(QCoreApplication::translate(
                         "RomFile",
                         "The file is %1 bytes long; a Game Boy ROM image is at most "
                         "8 MiB, and files over 16 MiB are not loaded")
                         .arg(size));
    }
    RomFile rom;
    rom.path_ = path;
    if (file->isSequential()) {
        // A pipe or device: no pages to seek to, so take it whole (bounded).
        const QByteArray bytes = file->read(kMaxSize + 1);
        if (bytes.size() > kMaxSize) {
            throw refuse(QCoreApplication::translate(
                "RomFile", "The file is larger than 16 MiB and is not loaded"));
        }
        RomFile whole = fromBytes(bytes);
        whole.path_ = path;
        whole.fileSize_ = whole.size_;
        return whole;
    }
    rom.allocate(size);
    rom.fileSize_ = rom.size_;
    rom.file_ = std::move(file);
    return rom;
}

RomFile RomFile::fromBytes(const QByteArray& bytes) {
    RomFile rom;
    rom.size_ = bytes.size();
    rom.data_ = bytes;
    rom.loaded_.assign(size_t((rom.size_ + kPageSize - 1) / kPageSize), true);
    rom.allLoaded_ = true;
    return rom;
}

void RomFile::allocate(qint64 size) {
    size_ = size;
    {
        KeptBuffer& kept = keptBuffer();
        const QMutexLocker lock(&kept.mutex);
        if (kept.bytes.size() == size && kept.bytes.isDetached())
            data_ = std::exchange(kept.bytes, QByteArray());
    }
    if (data_.size() != size)
        data_ = QByteArray(size, Qt::Uninitialized);
    loaded_.assign(size_t((size + kPageSize - 1) / kPageSize), false);
    allLoaded_ = false;
}

void RomFile::growTo(qint64 size) {
    loadAll();
    // QByteArray grows its capacity geometrically, so a run of writes past the end (a title
    // screen written to a short image) costs no copy of the image per byte.
    data_.resize(size, '\0');
    size_ = size;
    const size_t pages = size_t((size + kPageSize - 1) / kPageSize);
    if (pages != loaded_.size()) {
        loaded_.resize(pages, true);
    }
}

void RomFile::loadPage(int32_t page) const {
    const qint64 at = qint64(page) * kPageSize;
    const qint64 length = std::min<qint64>(kPageSize, size_ - at);
    char* into = data_.data() + at;
    const qint64 got = file_ ? ReadFileAt(*file_, at, into, length) : -1;
    if (got < 0 || !file_) {
        throw RomAccessError(RomAccessError::Kind::Read);
    }
    // The file shrank since it was opened: what is gone reads as zeros, as past the end.
    std::memset(into + got, 0, size_t(length - got));
    loaded_[size_t(page)] = true;
}

void RomFile::loadAll() const {
    if (allLoaded_) {
        return;
    }
    for (size_t page = 0; page < loaded_.size(); ++page) {
        if (!loaded_[page]) {
            loadPage(int32_t(page));
        }
    }
    allLoaded_ = true;
}

QByteArray RomFile::bytes() const {
    loadAll();
    return data_;
}

void RomFile::rememberOriginal(int32_t page) {
    const qint64 at = qint64(page) * kPageSize;
    if (at >= fileSize_ || originalPages_.count(page)) {
        return;
    }
    const qint64 length = std::min<qint64>(kPageSize, fileSize_ - at);
    originalPages_.emplace(page, QByteArray(data_.constData() + at, length));
}

void RomFile::WriteRomByte(int32_t offset, uint8_t value) {
    if (offset < 0 || offset >= kMaxSize) {
        throw RomAccessError(RomAccessError::Kind::Write);
    }
    if (offset >= CartridgeChecksum::kHeaderStart && offset < CartridgeChecksum::kHeaderEnd) {
        if (!headerWritable_) {
            throw RomAccessError(RomAccessError::Kind::Header, offset);
        }
        if (offset >= CartridgeChecksum::kGlobalChecksumOffset) {
            checksumWritten_ = true;
        }
    }
    if (offset >= size_) {
        growTo(qint64(offset) + 1);
    } else if (!loaded_[size_t(offset) >> kPageBits]) {
        loadPage(offset >> kPageBits);
    }
    rememberOriginal(offset >> kPageBits);
    data_.data()[offset] = static_cast<char>(value);  // detaches from a shared array
    modified_ = true;
}

void RomFile::WriteRomBytes(int32_t offset, const char* bytes, int32_t count) {
    if (count <= 0) {
        return;
    }
    // The leading bytes WriteRomByte would accept; the first one it refuses it is left to throw.
    int64_t accepted = offset < 0 ? 0 : std::clamp<int64_t>(kMaxSize - int64_t(offset), 0, count);
    if (!headerWritable_ && offset < CartridgeChecksum::kHeaderEnd) {
        accepted = std::min<int64_t>(
            accepted, std::max<int64_t>(0, CartridgeChecksum::kHeaderStart - int64_t(offset)));
    }
    if (accepted > 0) {
        const int32_t end = offset + int32_t(accepted);
        if (headerWritable_ && offset < CartridgeChecksum::kHeaderEnd &&
            end > CartridgeChecksum::kGlobalChecksumOffset) {
            checksumWritten_ = true;
        }
        if (end > size_) {
            growTo(end);
        }
        for (int32_t page = offset >> kPageBits; page <= (end - 1) >> kPageBits; ++page) {
            if (!allLoaded_ && !loaded_[size_t(page)]) {
                loadPage(page);
            }
            rememberOriginal(page);
        }
        std::memcpy(data_.data() + offset, bytes, size_t(accepted));  // detaches when shared
        modified_ = true;
    }
    if (accepted < count) {
        WriteRomByte(offset + int32_t(accepted), uint8_t(bytes[accepted]));
    }
}

void RomFile::ReadRomBytes(int32_t offset, int32_t count, uint8_t* out) const {
    if (count <= 0) {
        return;
    }
    if (offset < 0) {
        throw RomAccessError(RomAccessError::Kind::Read);
    }
    const qint64 inside = std::clamp<qint64>(size_ - offset, 0, count);
    if (inside > 0 && !allLoaded_) {
        for (qint64 page = offset >> kPageBits; page <= (offset + inside - 1) >> kPageBits;
             ++page) {
            if (!loaded_[size_t(page)]) {
                loadPage(int32_t(page));
            }
        }
    }
    if (inside > 0) {
        std::memcpy(out, data_.constData() + offset, size_t(inside));
    }
    std::memset(out + inside, 0, size_t(count - inside));
}

int32_t RomFile::ReadBankPointer(int32_t offset, uint8_t bank) const {
    const int32_t lo = ReadRomByte(offset);
    const int32_t hi = ReadRomByte(offset + 1);
    return bank * 0x4000 + lo + hi * 256 - 0x4000;
}

int32_t RomFile::ReadFarPointer(int32_t offset) const {
    const int32_t hi = ReadRomByte(offset + 3) & 0x7F;
    const int32_t bank = ReadRomByte(offset);
    const int32_t lo = ReadRomByte(offset + 2);
    return bank * 0x4000 + lo + hi * 256 - 0x4000;
}

QByteArray RomFile::originalImage() const {
    QByteArray image = bytes().first(std::min(size_, fileSize_));
    for (const auto& [page, original] : originalPages_) {
        image.replace(qsizetype(page) * kPageSize, original.size(), original);
    }
    return image;
}

void RomFile::keepGlobalChecksum(QByteArray& image) const {
    if (checksumWritten_ || !CartridgeChecksum::hasHeader(image) ||
        !CartridgeChecksum::of(originalImage()).globalHolds()) {
        return;
    }
    CartridgeChecksum::writeGlobal(image);
}

void RomFile::commit() {
    if (!modified_ || path_.isEmpty()) {
        return;
    }
    QByteArray image = bytes();
    keepGlobalChecksum(image);
    QString reason;
    if (!AtomicFileWriter::write(path_, image, &reason)) {
        throw RomFileError(RomFileError::Kind::Commit, path_, reason);
    }
    // What is in the file now is the base for the next commit's checksum question.
    data_ = image;
    modified_ = false;
    checksumWritten_ = false;
    fileSize_ = size_;
    originalPages_.clear();
}

}  // namespace zantor
