#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "RomAccessError.h"

class QFile;

namespace zantor {

// The ROM image for the length of one user action. The file stays open while the object
// lives and is read in pages as they are first needed, so an action costs what it reads, not
// the image's size. Reads see every earlier write; written bytes reach the disk only through
// commit(), in one atomic replacement. Nothing is held between actions: each action opens
// afresh, so a change made by another program is seen by the next action.
class RomFile {
public:
    // Twice the largest cartridge; anything bigger is no ROM image we should load.
    static constexpr qint64 kMaxSize = 16 * 1024 * 1024;

    // Throws RomFileError(Open) for a missing file, a folder, no permission or an oversized file.
    static RomFile open(const QString& path);
    // An image that lives only in memory (built by code, or by a test); commit() is a no-op.
    // It shares `bytes`' storage until its first write, so a large image costs no copy to
    // read; an array made by QByteArray::fromRawData must outlive it.
    static RomFile fromBytes(const QByteArray& bytes);

    RomFile(RomFile&&) noexcept;
    RomFile& operator=(RomFile&&) noexcept;
    ~RomFile();

    // 0-based offsets. A negative offset raises RomAccessError(Read); at or beyond the end: 0.
    uint8_t ReadRomByte(int32_t offset) const {
        if (offset < 0) {
            throw RomAccessError(RomAccessError::Kind::Read);
        }
        if (offset >= size_) {
            return 0;
        }
        if (!allLoaded_ && !loaded_[size_t(offset) >> kPageBits]) {
            loadPage(offset >> kPageBits);
        }
        return static_cast<uint8_t>(data_.constData()[offset]);
    }

    // ReadRomByte for `count` bytes from `offset` on, in one go, into `out`.
    void ReadRomBytes(int32_t offset, int32_t count, uint8_t* out) const;

    // A negative offset, or one past what a cartridge can hold, raises RomAccessError(Write);
    // one into the cartridge header (0x134..0x14F) raises RomAccessError(Header) unless
    // allowHeaderWrites() was called. A write beyond the end grows the image with zero bytes
    // up to it.
    void WriteRomByte(int32_t offset, uint8_t value);

    // WriteRomByte for each of `bytes` from `offset` on, in one go: the same checks, and on a
    // refused byte the same exception after the bytes before it are written.
    void WriteRomBytes(int32_t offset, const char* bytes, int32_t count);

    // For whoever builds a cartridge or applies a patch: the header may be written. The global
    // checksum is then left as the caller writes it.
    void allowHeaderWrites() { headerWritable_ = true; }

    // A little-endian Game Boy address at `offset`, as seen through the switchable window of
    // `bank`: bank * 0x4000 + address - 0x4000. No range check.
    int32_t ReadBankPointer(int32_t offset, uint8_t bank) const;

    // A far pointer: bank, one unread byte, address low, address high (bit 7 ignored).
    int32_t ReadFarPointer(int32_t offset) const;

    // Puts the written bytes into the file atomically; does nothing when nothing was written.
    // When the global checksum held for the file as it was opened, the commit puts in the new
    // one, so that an edit never makes a good image look damaged; one that did not hold (a
    // file someone else changed) is left as it is. Throws RomFileError(Commit) with the
    // system's reason; the file is then unchanged and this object still holds the written
    // bytes, so the caller may retry.
    void commit();

    bool isModified() const { return modified_; }
    // The whole image as it stands (reads every page not read yet). Shares the storage, so it
    // costs no copy until one side is written.
    QByteArray bytes() const;
    qint64 size() const { return size_; }
    const QString& path() const { return path_; }

private:
    static constexpr int kPageBits = 12;
    static constexpr int32_t kPageSize = 1 << kPageBits;

    RomFile() = default;
    void allocate(qint64 size);
    void loadPage(int32_t page) const;
    void loadAll() const;
    void growTo(qint64 size);
    // Keeps the bytes a page held in the file before its first write, for commit() to tell
    // whether the old image's checksum held.
    void rememberOriginal(int32_t page);
    QByteArray originalImage() const;
    void keepGlobalChecksum(QByteArray& image) const;

    QString path_;
    std::unique_ptr<QFile> file_;
    qint64 size_ = 0;
    // Pages are filled from the file on first use; the memory of the others is never touched.
    // Implicitly shared with fromBytes()' array and with what bytes() returns.
    mutable QByteArray data_;
    mutable std::vector<bool> loaded_;
    // Every page is in memory: reads, bytes() and a write past the end need not look at each.
    mutable bool allLoaded_ = false;
    bool modified_ = false;
    bool headerWritable_ = false;
    bool checksumWritten_ = false;
    // The image as it stands in the file: its size and the pages written since.
    qint64 fileSize_ = 0;
    std::map<int32_t, QByteArray> originalPages_;
};

}  // namespace zantor
