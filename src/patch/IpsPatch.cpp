#include "IpsPatch.h"

#include <QCoreApplication>
#include <algorithm>

#include "Patch.h"
#include "PatchError.h"

namespace zantor::IpsPatch {

namespace {
constexpr qsizetype kMaxRecord = 0xFFFF;
constexpr qsizetype kMaxOffset = 0xFFFFFF;
constexpr char kEnd[] = "EOF";
// A new record costs its 5 header bytes, so unchanged gaps up to that long are cheaper to
// carry inside the record.
constexpr qsizetype kGapToBridge = 5;
// A run record costs 8 bytes, and one inside a change costs a further 5 for the record that
// resumes after it.
constexpr qsizetype kRunAtEdge = 9;
constexpr qsizetype kRunInside = 14;

void put24(QByteArray& out, qsizetype value) {
    out += char(value >> 16);
    out += char(value >> 8);
    out += char(value);
}

void put16(QByteArray& out, qsizetype value) {
    out += char(value >> 8);
    out += char(value);
}

class Writer {
public:
    explicit Writer(const QByteArray& target) : target_(target), out_(kMagic) {}

    void literal(qsizetype at, qsizetype length) {
        while (length > 0) {
            if (at == kEofOffset) {
                // Start a byte early: its target value is written again, harmlessly.
                --at;
                ++length;
            }
            const qsizetype count = std::min(length, kMaxRecord);
            put24(out_, at);
            put16(out_, count);
            out_.append(target_.constData() + at, count);
            at += count;
            length -= count;
        }
    }

    void run(qsizetype at, qsizetype length) {
        const char value = target_[at];
        while (length > 0) {
            if (at == kEofOffset) {
                literal(at - 1, 2);
                ++at;
                --length;
                continue;
            }
            const qsizetype count = std::min(length, kMaxRecord);
            put24(out_, at);
            put16(out_, 0);
            put16(out_, count);
            out_ += value;
            at += count;
            length -= count;
        }
    }

    QByteArray finish(qsizetype sourceSize) {
        out_ += kEnd;
        if (target_.size() < sourceSize) {
            put24(out_, target_.size());
        }
        return out_;
    }

private:
    const QByteArray& target_;
    QByteArray out_;
};

qsizetype runLength(const QByteArray& bytes, qsizetype at, qsizetype end) {
    qsizetype length = 1;
    while (at + length < end && bytes[at + length] == bytes[at]) {
        ++length;
    }
    return length;
}

// One changed stretch [from, end): runs long enough become run records, the rest literals.
void writeChange(Writer& writer, const QByteArray& target, qsizetype from, qsizetype end) {
    qsizetype literalFrom = from;
    qsizetype at = from;
    while (at < end) {
        const qsizetype length = runLength(target, at, end);
        const bool atEdge = at == from || at + length == end;
        if (length >= (atEdge ? kRunAtEdge : kRunInside)) {
            writer.literal(literalFrom, at - literalFrom);
            writer.run(at, length);
            literalFrom = at + length;
        }
        at += length;
    }
    writer.literal(literalFrom, end - literalFrom);
}
}  // namespace

QByteArray create(const QByteArray& source, const QByteArray& target) {
    if (target.size() > kMaxOffset + 1) {
        throw PatchError(
            PatchError::Kind::TooLarge,
            QCoreApplication::translate("IpsPatch",
                                        "IPS reaches offsets below 16 MiB only; the modified "
                                        "file is %1 bytes")
                .arg(target.size()));
    }
    // Bytes past the source's end are new, whatever their value.
    auto changed = [&](qsizetype at) { return at >= source.size() || source[at] != target[at]; };
    Writer writer(target);
    qsizetype at = 0;
    while (at < target.size()) {
        if (!changed(at)) {
            ++at;
            continue;
        }
        const qsizetype from = at;
        qsizetype end = at + 1;
        for (;;) {
            while (end < target.size() && changed(end)) {
                ++end;
            }
            qsizetype next = end;
            while (next < target.size() && next - end <= kGapToBridge && !changed(next)) {
                ++next;
            }
            if (next < target.size() && next - end <= kGapToBridge) {
                end = next;
                continue;
            }
            break;
        }
        writeChange(writer, target, from, end);
        at = end;
    }
    return writer.finish(source.size());
}

QByteArray apply(const QByteArray& source, const QByteArray& patch) {
    if (!patch.startsWith(kMagic)) {
        throw PatchError(PatchError::Kind::NotAPatch,
                         QCoreApplication::translate("IpsPatch", "no \"PATCH\" at the start"));
    }
    QByteArray target = source;
    qsizetype at = sizeof(kMagic) - 1;
    auto need = [&](qsizetype count, const char* what) {
        if (patch.size() - at < count) {
            throw PatchError(PatchError::Kind::CutShort,
                             QCoreApplication::translate(
                                 "IpsPatch", "it ends inside %1 at byte %2, with no \"EOF\"")
                                 .arg(QCoreApplication::translate("IpsPatch", what))
                                 .arg(at));
        }
    };
    auto read = [&](int count) {
        qsizetype value = 0;
        for (int k = 0; k < count; ++k) {
            value = value << 8 | uint8_t(patch[at++]);
        }
        return value;
    };
    for (;;) {
        need(3, QT_TRANSLATE_NOOP("IpsPatch", "a record's offset"));
        if (patch.mid(at, 3) == kEnd) {
            at += 3;
            break;
        }
        const qsizetype recordAt = at;
        const qsizetype offset = read(3);
        need(2, QT_TRANSLATE_NOOP("IpsPatch", "a record's length"));
        qsizetype length = read(2);
        const char* bytes = nullptr;
        char value = 0;
        if (length == 0) {
            need(3, QT_TRANSLATE_NOOP("IpsPatch", "a run record"));
            length = read(2);
            value = patch[at++];
        } else {
            need(length, QT_TRANSLATE_NOOP("IpsPatch", "a record's bytes"));
            bytes = patch.constData() + at;
            at += length;
        }
        if (offset + length > Patch::kMaxImageSize) {
            throw PatchError(
                PatchError::Kind::RecordPastEnd,
                QCoreApplication::translate("IpsPatch",
                                            "the record at byte %1 writes up to offset %2, past "
                                            "the 16 MiB a ROM image may have")
                    .arg(recordAt)
                    .arg(offset + length));
        }
        if (offset + length > target.size()) {
            target.resize(offset + length, '\0');
        }
        if (bytes) {
            std::copy(bytes, bytes + length, target.begin() + offset);
        } else {
            std::fill(target.begin() + offset, target.begin() + offset + length, value);
        }
    }
    const qsizetype trailing = patch.size() - at;
    if (trailing == 3) {
        const qsizetype size = read(3);
        if (size > target.size()) {
            throw PatchError(
                PatchError::Kind::Malformed,
                QCoreApplication::translate("IpsPatch",
                                            "the size after \"EOF\" (%1) is larger than the "
                                            "patched file (%2)")
                    .arg(size)
                    .arg(target.size()));
        }
        target.truncate(size);
    } else if (trailing != 0) {
        throw PatchError(
            PatchError::Kind::Malformed,
            QCoreApplication::translate("IpsPatch", "%1 bytes follow \"EOF\"").arg(trailing));
    }
    return target;
}

}  // namespace zantor::IpsPatch
