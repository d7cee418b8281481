#include "BpsPatch.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstring>
#include <vector>

#include "Crc32.h"
#include "Patch.h"
#include "PatchError.h"

namespace zantor::BpsPatch {

namespace {
enum Action : uint64_t { SourceRead = 0, TargetRead = 1, SourceCopy = 2, TargetCopy = 3 };

constexpr qsizetype kMagicSize = 4;
constexpr qsizetype kFooterSize = 12;  // three CRC32s

// --- writing ---

void putNumber(QByteArray& out, uint64_t value) {
    for (;;) {
        const uint8_t low = value & 0x7F;
        value >>= 7;
        if (value == 0) {
            out += char(0x80 | low);
            return;
        }
        out += char(low);
        --value;
    }
}

int numberSize(uint64_t value) {
    int size = 1;
    while ((value >>= 7) != 0) {
        --value;
        ++size;
    }
    return size;
}

uint64_t relative(int64_t delta) {
    return uint64_t(delta < 0 ? -delta : delta) << 1 | (delta < 0 ? 1 : 0);
}

void putCrc(QByteArray& out, uint32_t crc) {
    for (int k = 0; k < 4; ++k) {
        out += char(crc >> (8 * k));
    }
}

// Positions of an image by their first four bytes, newest first, for finding where a stretch
// of the target was seen before.
class MatchIndex {
public:
    static constexpr int kMinMatch = 4;

    explicit MatchIndex(const QByteArray& bytes)
        : bytes_(bytes), head_(kBuckets, -1), previous_(size_t(bytes.size()), -1) {}

    void insert(qsizetype at) {
        if (at + kMinMatch > bytes_.size()) {
            return;
        }
        int32_t& head = head_[bucket(bytes_.constData() + at)];
        previous_[size_t(at)] = head;
        head = int32_t(at);
    }

    // The longest match of `want` (up to `limit` bytes) among the positions below `before`,
    // looking at no more than kTries of them.
    struct Match {
        qsizetype at = -1;
        qsizetype length = 0;
    };
    Match longest(const char* want, qsizetype limit, qsizetype before) const {
        Match best;
        if (limit < kMinMatch) {
            return best;
        }
        int32_t at = head_[bucket(want)];
        for (int tries = 0; at >= 0 && tries < kTries; ++tries, at = previous_[size_t(at)]) {
            if (at >= before) {
                continue;
            }
            const qsizetype room = std::min(limit, bytes_.size() - at);
            qsizetype length = 0;
            while (length < room && bytes_[at + length] == want[length]) {
                ++length;
            }
            if (length > best.length) {
                best = {at, length};
            }
        }
        return best;
    }

private:
    static constexpr int kBucketBits = 18;
    static constexpr size_t kBuckets = size_t(1) << kBucketBits;
    static constexpr int kTries = 32;

    static size_t bucket(const char* at) {
        uint32_t word;
        std::memcpy(&word, at, 4);
        return (word * 2654435761u) >> (32 - kBucketBits);
    }

    const QByteArray& bytes_;
    std::vector<int32_t> head_;
    std::vector<int32_t> previous_;
};

class Encoder {
public:
    Encoder(const QByteArray& source, const QByteArray& target)
        : source_(source), target_(target), sourceIndex_(source), targetIndex_(target) {
        for (qsizetype at = 0; at < source.size(); ++at) {
            sourceIndex_.insert(at);
        }
    }

    QByteArray encode() {
        out_ = kMagic;
        putNumber(out_, uint64_t(source_.size()));
        putNumber(out_, uint64_t(target_.size()));
        putNumber(out_, 0);  // no metadata
        while (position_ < target_.size()) {
            step();
        }
        flushLiterals();
        putCrc(out_, Crc32(source_));
        putCrc(out_, Crc32(target_));
        putCrc(out_, Crc32(out_));
        return out_;
    }

private:
    // Chooses the action that saves most over spelling the next bytes out, or takes one byte
    // as a literal when none saves anything.
    void step() {
        const qsizetype left = target_.size() - position_;
        const char* here = target_.constData() + position_;

        qsizetype same = 0;
        const qsizetype sourceRoom = std::max<qsizetype>(0, source_.size() - position_);
        const char* there = source_.constData() + position_;
        while (same < std::min(left, sourceRoom) && here[same] == there[same]) {
            ++same;
        }
        Choice best{SourceRead, same, 0, same - 1};

        // A long unchanged stretch is the common case of an edited ROM: no need to look
        // further.
        if (same < kLongEnough) {
            consider(best, SourceCopy, sourceIndex_.longest(here, left, source_.size()),
                     sourceRelative_);
            consider(best, TargetCopy, targetIndex_.longest(here, left, position_),
                     targetRelative_);
        }
        if (best.saving < kMinSaving) {
            literalBytes_ += 1;
            advance(1);
            return;
        }
        flushLiterals();
        putNumber(out_, uint64_t(best.length - 1) << 2 | best.action);
        if (best.action == SourceCopy) {
            putNumber(out_, relative(best.from - sourceRelative_));
            sourceRelative_ = best.from + best.length;
        } else if (best.action == TargetCopy) {
            putNumber(out_, relative(best.from - targetRelative_));
            targetRelative_ = best.from + best.length;
        }
        advance(best.length);
    }

    struct Choice {
        Action action;
        qsizetype length;
        qsizetype from;
        qsizetype saving;  // bytes saved over literals, roughly
    };

    static void consider(Choice& best, Action action, MatchIndex::Match match,
                         qsizetype relativeTo) {
        if (match.at < 0) {
            return;
        }
        const qsizetype cost = 1 + numberSize(relative(match.at - relativeTo));
        const qsizetype saving = match.length - cost;
        if (saving > best.saving) {
            best = {action, match.length, match.at, saving};
        }
    }

    void advance(qsizetype count) {
        for (qsizetype k = 0; k < count; ++k) {
            targetIndex_.insert(position_ + k);
        }
        position_ += count;
    }

    void flushLiterals() {
        if (literalBytes_ == 0) {
            return;
        }
        const qsizetype from = position_ - literalBytes_;
        putNumber(out_, uint64_t(literalBytes_ - 1) << 2 | TargetRead);
        out_.append(target_.constData() + from, literalBytes_);
        literalBytes_ = 0;
    }

    // An action must save a few bytes over literals to pay for ending the run of literals.
    static constexpr qsizetype kMinSaving = 3;
    static constexpr qsizetype kLongEnough = 64;

    const QByteArray& source_;
    const QByteArray& target_;
    MatchIndex sourceIndex_;
    MatchIndex targetIndex_;
    QByteArray out_;
    qsizetype position_ = 0;
    qsizetype literalBytes_ = 0;
    qsizetype sourceRelative_ = 0;
    qsizetype targetRelative_ = 0;
};

// --- reading ---

class Reader {
public:
    Reader(const QByteArray& patch, qsizetype from, qsizetype end)
        : patch_(patch), at_(from), end_(end) {}

    bool atEnd() const { return at_ >= end_; }
    qsizetype left() const { return end_ - at_; }

    uint64_t number() {
        uint64_t value = 0;
        uint64_t shift = 1;
        for (;;) {
            if (at_ >= end_) {
                throw PatchError(
                    PatchError::Kind::CutShort,
                    QCoreApplication::translate("BpsPatch", "a number runs into the checksums"));
            }
            const uint8_t byte = uint8_t(patch_[at_++]);
            value += (byte & 0x7F) * shift;
            if (byte & 0x80) {
                return value;
            }
            shift <<= 7;
            value += shift;
            // Far past any size a patch may name; stopping here keeps the sums from wrapping.
            if (shift > (uint64_t(1) << 42)) {
                throw PatchError(
                    PatchError::Kind::Malformed,
                    QCoreApplication::translate("BpsPatch", "a number at byte %1 is too long")
                        .arg(at_));
            }
        }
    }

    const char* take(qsizetype count) {
        if (count > left()) {
            throw PatchError(PatchError::Kind::CutShort,
                             QCoreApplication::translate("BpsPatch", "%1 bytes are missing")
                                 .arg(count - left()));
        }
        const char* from = patch_.constData() + at_;
        at_ += count;
        return from;
    }

private:
    const QByteArray& patch_;
    qsizetype at_;
    qsizetype end_;
};

uint32_t crcAt(const QByteArray& patch, qsizetype at) {
    uint32_t crc = 0;
    for (int k = 0; k < 4; ++k) {
        crc |= uint32_t(uint8_t(patch[at + k])) << (8 * k);
    }
    return crc;
}

QString hex32(uint32_t value) {
    return QStringLiteral("%1").arg(value, 8, 16, QLatin1Char('0')).toUpper();
}

PatchError pastEnd(const char* what, qsizetype at) {
    return PatchError(PatchError::Kind::RecordPastEnd,
                      QCoreApplication::translate(
                          "BpsPatch", "the %1 at target offset %2 reaches outside its data")
                          .arg(QLatin1String(what))
                          .arg(at));
}
}  // namespace

QByteArray create(const QByteArray& source, const QByteArray& target) {
    if (target.size() > Patch::kMaxImageSize || source.size() > Patch::kMaxImageSize) {
        throw PatchError(PatchError::Kind::TooLarge,
                         QCoreApplication::translate(
                             "BpsPatch", "a patch is made for images of at most 16 MiB"));
    }
    return Encoder(source, target).encode();
}

QByteArray apply(const QByteArray& source, const QByteArray& patch) {
    if (!patch.startsWith(kMagic)) {
        throw PatchError(PatchError::Kind::NotAPatch,
                         QCoreApplication::translate("BpsPatch", "no \"BPS1\" at the start"));
    }
    if (patch.size() < kMagicSize + 3 + kFooterSize) {
        throw PatchError(
            PatchError::Kind::CutShort,
            QCoreApplication::translate("BpsPatch", "%1 bytes are too few for a BPS patch")
                .arg(patch.size()));
    }
    const qsizetype footer = patch.size() - kFooterSize;
    const uint32_t patchCrc = Crc32(patch.constData(), patch.size() - 4);
    if (patchCrc != crcAt(patch, footer + 8)) {
        throw PatchError(PatchError::Kind::PatchMismatch,
                         QCoreApplication::translate("BpsPatch", "recorded %1, the file gives %2")
                             .arg(hex32(crcAt(patch, footer + 8)), hex32(patchCrc)));
    }

    Reader reader(patch, kMagicSize, footer);
    const uint64_t sourceSize = reader.number();
    const uint64_t targetSize = reader.number();
    const uint64_t metadataSize = reader.number();
    const uint32_t sourceCrc = Crc32(source);
    if (sourceSize != uint64_t(source.size()) || sourceCrc != crcAt(patch, footer)) {
        throw PatchError(
            PatchError::Kind::SourceMismatch,
            QCoreApplication::translate("BpsPatch",
                                        "it expects %1 bytes with CRC32 %2, the ROM has %3 bytes "
                                        "with CRC32 %4")
                .arg(sourceSize)
                .arg(hex32(crcAt(patch, footer)))
                .arg(source.size())
                .arg(hex32(sourceCrc)));
    }
    if (targetSize > uint64_t(Patch::kMaxImageSize)) {
        throw PatchError(
            PatchError::Kind::TooLarge,
            QCoreApplication::translate("BpsPatch",
                                        "the patched file would be %1 bytes; at most 16 MiB "
                                        "is a ROM image")
                .arg(targetSize));
    }
    if (metadataSize > uint64_t(reader.left())) {
        throw PatchError(
            PatchError::Kind::CutShort,
            QCoreApplication::translate("BpsPatch", "the metadata runs into the checksums"));
    }
    reader.take(qsizetype(metadataSize));

    const qsizetype size = qsizetype(targetSize);
    QByteArray target(size, '\0');
    char* out = target.data();
    qsizetype written = 0;
    int64_t sourceRelative = 0;
    int64_t targetRelative = 0;
    auto moveBy = [&](int64_t& offset) {
        const uint64_t data = reader.number();
        offset += (data & 1) ? -int64_t(data >> 1) : int64_t(data >> 1);
    };
    while (!reader.atEnd()) {
        const uint64_t data = reader.number();
        const uint64_t length = (data >> 2) + 1;
        if (length > uint64_t(size - written)) {
            throw pastEnd("action", written);
        }
        const qsizetype count = qsizetype(length);
        switch (data & 3) {
            case SourceRead:
                if (written + count > source.size()) {
                    throw pastEnd("SourceRead", written);
                }
                std::memcpy(out + written, source.constData() + written, size_t(count));
                break;
            case TargetRead:
                std::memcpy(out + written, reader.take(count), size_t(count));
                break;
            case SourceCopy:
                moveBy(sourceRelative);
                if (sourceRelative < 0 || sourceRelative + count > source.size()) {
                    throw pastEnd("SourceCopy", written);
                }
                std::memcpy(out + written, source.constData() + sourceRelative, size_t(count));
                sourceRelative += count;
                break;
            case TargetCopy:
                moveBy(targetRelative);
                // Byte by byte: the copy may overlap what it writes, which repeats a pattern.
                if (targetRelative < 0 || targetRelative >= written) {
                    throw pastEnd("TargetCopy", written);
                }
                for (qsizetype k = 0; k < count; ++k) {
                    out[written + k] = out[targetRelative + k];
                }
                targetRelative += count;
                break;
        }
        written += count;
    }
    if (written != size) {
        throw PatchError(PatchError::Kind::Malformed,
                         QCoreApplication::translate(
                             "BpsPatch", "the actions give %1 of the %2 bytes it announces")
                             .arg(written)
                             .arg(size));
    }
    const uint32_t targetCrc = Crc32(target);
    if (targetCrc != crcAt(patch, footer + 4)) {
        throw PatchError(PatchError::Kind::TargetMismatch,
                         QCoreApplication::translate("BpsPatch", "recorded %1, the result gives %2")
                             .arg(hex32(crcAt(patch, footer + 4)), hex32(targetCrc)));
    }
    return target;
}

}  // namespace zantor::BpsPatch
