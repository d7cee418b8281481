// BPS and IPS: round trips over random edits and the shapes that stress each format, a BPS
// assembled here by hand, and every kind of bad patch refused with its own error.
#include <zlib.h>

#include <QRandomGenerator>
#include <QtTest>
#include <functional>

#include "patch/BpsPatch.h"
#include "patch/IpsPatch.h"
#include "patch/Patch.h"
#include "patch/PatchError.h"

using namespace zantor;

namespace {
QByteArray Random(qsizetype size, quint32 seed) {
    QRandomGenerator random(seed);
    QByteArray bytes(size, '\0');
    for (char& byte : bytes)
        byte = char(random.bounded(256));
    return bytes;
}

// The source and target of one round trip.
struct Edit {
    const char* name;
    std::function<QByteArray(const QByteArray& source)> make;
    qsizetype sourceSize = 256 * 1024;
};

QList<Edit> Edits() {
    return {
        {"random bytes, the first and the last",
         [](QByteArray t) {
             QRandomGenerator random(7);
             for (int k = 0; k < 300; ++k)
                 t[random.bounded(int(t.size()))] = char(random.bounded(256));
             t[0] = char(~t[0]);
             t[t.size() - 1] = char(~t[t.size() - 1]);
             return t;
         }},
        {"a longer target",
         [](QByteArray t) { return t + Random(70000, 9) + QByteArray(100000, '\xFF'); }},
        {"a shorter target", [](QByteArray t) { return t.first(t.size() - 12345); }},
        {"bytes inserted and blocks moved",
         [](const QByteArray& s) {
             return s.first(1000) + "inserted" + s.sliced(1000, 50000) + s.sliced(120000) +
                    s.sliced(60000, 60000);
         }},
        {"long runs and a change longer than a record",
         [](QByteArray t) {
             t.replace(5000, 70000, QByteArray(70000, 'r'));
             t.replace(100000, 140000, Random(140000, 11));
             return t;
         }},
        {"everything around the offset that reads \"EOF\"",
         [](QByteArray t) {
             // A literal starting there, a run starting there, and a run across it.
             t[IpsPatch::kEofOffset] = char(~t[IpsPatch::kEofOffset]);
             t.replace(IpsPatch::kEofOffset + 100, 1, "x");
             return t;
         },
         IpsPatch::kEofOffset + 200},
        {"a run starting at the offset that reads \"EOF\"",
         [](QByteArray t) {
             t.replace(IpsPatch::kEofOffset, 40, QByteArray(40, '\x5A'));
             return t;
         },
         IpsPatch::kEofOffset + 200},
        {"a change ending at the offset that reads \"EOF\"",
         [](QByteArray t) {
             t.replace(IpsPatch::kEofOffset - 65535 + 1, 65535, Random(65535, 3));
             t[IpsPatch::kEofOffset] = char(~t[IpsPatch::kEofOffset]);
             return t;
         },
         IpsPatch::kEofOffset + 1},
    };
}

void PutCrc(QByteArray& out, const QByteArray& of) {
    const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(of.constData()), uInt(of.size()));
    for (int k = 0; k < 4; ++k)
        out += char(crc >> (8 * k));
}

// A BPS with the given body (sizes, metadata, actions), the CRC32s worked out by zlib here.
QByteArray HandMadeBps(const QByteArray& body, const QByteArray& source, const QByteArray& target) {
    QByteArray patch = "BPS1" + body;
    PutCrc(patch, source);
    PutCrc(patch, target);
    PutCrc(patch, patch);
    return patch;
}

PatchError::Kind RefusalOf(const QByteArray& source, const QByteArray& patch) {
    try {
        Patch::apply(source, patch);
    } catch (const PatchError& error) {
        return error.kind();
    }
    qFatal("the patch was applied");
}
}  // namespace

class TestPatch : public QObject {
    Q_OBJECT

private slots:
    void roundTrips_data() {
        QTest::addColumn<int>("edit");
        QTest::addColumn<int>("format");
        const QList<Edit> edits = Edits();
        for (int i = 0; i < edits.size(); ++i) {
            QTest::addRow("BPS: %s", edits[i].name) << i << int(PatchFormat::Bps);
            QTest::addRow("IPS: %s", edits[i].name) << i << int(PatchFormat::Ips);
        }
    }
    void roundTrips() {
        QFETCH(int, edit);
        QFETCH(int, format);
        const QList<Edit> edits = Edits();
        const Edit& e = edits[edit];
        const QByteArray source = Random(e.sourceSize, 5);
        const QByteArray target = e.make(source);
        QVERIFY(target != source);
        const QByteArray patch = Patch::create(source, target, PatchFormat(format));
        QCOMPARE(Patch::detect(patch), PatchFormat(format));
        QVERIFY(Patch::apply(source, patch) == target);
    }

    void bpsUsesCopiesWhereTheyAreShorter() {
        const QByteArray source = Random(64 * 1024, 21);
        // Everything moves by eight bytes: only SourceCopy avoids spelling it all out.
        const QByteArray shifted = "12345678" + source;
        QVERIFY(Patch::create(source, shifted, PatchFormat::Bps).size() < 100);
        // A long run is one byte and one TargetCopy.
        QByteArray run = source;
        run.replace(1000, 20000, QByteArray(20000, '\x33'));
        QVERIFY(Patch::create(source, run, PatchFormat::Bps).size() < 100);
        // A block repeated from earlier in the target.
        const QByteArray twice = source + Random(4096, 22) + source.first(30000);
        QVERIFY(Patch::create(source, twice, PatchFormat::Bps).size() < 4096 + 100);
        // Nothing changed: a few bytes of numbers, one action and the checksums.
        QVERIFY(Patch::create(source, source, PatchFormat::Bps).size() < 30);
    }

    void aBpsMadeByHandIsApplied() {
        const QByteArray source = "ABCDEFGHIJKLMNOP";
        const QByteArray target = "ABCDxyzzzzzzKLMNLMN";
        // Sizes 16 and 19, no metadata; then SourceRead 4 ("ABCD"), TargetRead "xyz",
        // TargetCopy 5 from target offset 6 (+6; overlapping its own output, a run of "z"),
        // SourceCopy 4 from 10 (+10, "KLMN"), SourceCopy 3 from 11 (14 - 3, "LMN").
        QByteArray body;
        body += char(0x90);
        body += char(0x93);
        body += char(0x80);
        body += char(0x8C);  // (4 - 1) << 2 | SourceRead
        body += char(0x89);  // (3 - 1) << 2 | TargetRead
        body += "xyz";
        body += char(0x93);  // (5 - 1) << 2 | TargetCopy
        body += char(0x8C);  // +6
        body += char(0x8E);  // (4 - 1) << 2 | SourceCopy
        body += char(0x94);  // +10
        body += char(0x8A);  // (3 - 1) << 2 | SourceCopy
        body += char(0x87);  // -3
        QCOMPARE(Patch::apply(source, HandMadeBps(body, source, target)), target);
    }

    void bpsRefusesAWrongSourceAndEveryDamage() {
        const QByteArray source = Random(20000, 31);
        QByteArray target = source;
        target.replace(100, 3000, Random(3000, 32));
        const QByteArray patch = Patch::create(source, target, PatchFormat::Bps);

        QByteArray other = source;
        other[19999] = char(~other[19999]);
        QCOMPARE(RefusalOf(other, patch), PatchError::Kind::SourceMismatch);
        QCOMPARE(RefusalOf(source.first(19999), patch), PatchError::Kind::SourceMismatch);

        QByteArray flipped = patch;
        flipped[patch.size() / 2] = char(~flipped[patch.size() / 2]);
        QCOMPARE(RefusalOf(source, flipped), PatchError::Kind::PatchMismatch);
        QCOMPARE(RefusalOf(source, patch.first(patch.size() - 1)), PatchError::Kind::PatchMismatch);
        QCOMPARE(RefusalOf(source, patch.first(10)), PatchError::Kind::CutShort);
        QCOMPARE(RefusalOf(source, "BPS"), PatchError::Kind::NotAPatch);
        QCOMPARE(RefusalOf(source,
                           "\x7F"
                           "ELF and so on"),
                 PatchError::Kind::NotAPatch);

        // Damage behind intact checksums, as a broken patch maker would write it.
        const QByteArray small = "0123456789";
        auto refusal = [&](const QByteArray& actions, const QByteArray& result, int size) {
            QByteArray body;
            body += char(0x80 | 10);
            body += char(0x80 | size);
            body += char(0x80);
            return RefusalOf(small, HandMadeBps(body + actions, small, result));
        };
        QCOMPARE(refusal("\x8C", "9876", 4), PatchError::Kind::TargetMismatch);
        QCOMPARE(refusal("\xA8", "01234567890", 11),
                 PatchError::Kind::RecordPastEnd);  // SourceRead of 11 from a source of 10
        QCOMPARE(refusal("\xAC", small, 10),
                 PatchError::Kind::RecordPastEnd);  // 12 bytes into a target of 10
        QCOMPARE(refusal("\x81"
                         "0"
                         "\x8F\x83",
                         "00000", 5),
                 PatchError::Kind::RecordPastEnd);  // TargetCopy from before the start
        QCOMPARE(refusal("\x86\x92", "9?", 2),
                 PatchError::Kind::RecordPastEnd);  // SourceCopy from 9 of 2 bytes
        QCOMPARE(refusal("\x91"
                         "ab",
                         "ab", 5),
                 PatchError::Kind::CutShort);  // TargetRead running into the checksums
        QCOMPARE(refusal("\x8C", "0123", 10),
                 PatchError::Kind::Malformed);  // ends before the target is full
    }

    void ipsRefusesWhatItCanTell() {
        const QByteArray source(1000, 'a');
        QByteArray target = source;
        target[500] = 'b';
        const QByteArray patch = Patch::create(source, target, PatchFormat::Ips);
        QCOMPARE(Patch::apply(source, patch), target);
        for (int cut = 5; cut < patch.size(); ++cut)
            QCOMPARE(RefusalOf(source, patch.first(cut)), PatchError::Kind::CutShort);
        QCOMPARE(RefusalOf(source, patch + "XY"), PatchError::Kind::Malformed);
        QCOMPARE(RefusalOf(source, "PATC"), PatchError::Kind::NotAPatch);
        // A record reaching past 16 MiB.
        QCOMPARE(RefusalOf(source, QByteArray("PATCH\xFF\xFF\xF0\x00\x20", 10) +
                                       QByteArray(32, 'x') + "EOF"),
                 PatchError::Kind::RecordPastEnd);
        // A truncation to more than there is.
        QCOMPARE(RefusalOf(source, QByteArray("PATCHEOF\x00\x10\x00", 11)),
                 PatchError::Kind::Malformed);
    }

    void ipsCannotAddressPast16MiB() {
        QVERIFY_THROWS_EXCEPTION(
            PatchError,
            Patch::create(QByteArray(), QByteArray(16 * 1024 * 1024 + 1, 'x'), PatchFormat::Ips));
    }

    void theSuffixChoosesTheFormat() {
        QCOMPARE(Patch::formatForFileName("level.BPS"), PatchFormat::Bps);
        QCOMPARE(Patch::formatForFileName("dir.bps/level.ips"), PatchFormat::Ips);
        QCOMPARE(Patch::formatForFileName("level.ups"), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestPatch)
#include "tst_Patch.moc"
