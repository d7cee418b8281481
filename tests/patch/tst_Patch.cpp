// BPS and IPS: round trips over random edits and the shapes that stress each format, a BPS
// assembled here by hand, and every kind of bad patch refused with its own error.
#include <zlib.h>

#include <QtTest>
#include <functional>
#include <utility>

#include "patch/BpsPatch.h"
#include "patch/IpsPatch.h"
#include "patch/Patch.h"
#include "patch/PatchError.h"
#include "support/Bytes.h"

using namespace zantor;

namespace {
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
         [](QByteArray t) { return t + RandomBytes(70000, 9) + QByteArray(100000, '\xFF'); }},
        {"a shorter target", [](QByteArray t) { return t.first(t.size() - 12345); }},
        {"bytes inserted and blocks moved",
         [](const QByteArray& s) {
             return s.first(1000) + "inserted" + s.sliced(1000, 50000) + s.sliced(120000) +
                    s.sliced(60000, 60000);
         }},
        {"long runs and a change longer than a record",
         [](QByteArray t) {
             t.replace(5000, 70000, QByteArray(70000, 'r'));
             t.replace(100000, 140000, RandomBytes(140000, 11));
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
             t.replace(IpsPatch::kEofOffset - 65535 + 1, 65535, RandomBytes(65535, 3));
             t[IpsPatch::kEofOffset] = char(~t[IpsPatch::kEofOffset]);
             return t;
         },
         IpsPatch::kEofOffset + 1},
    };
}

// A BPS with the given body (sizes, metadata, actions), the CRC32s worked out by zlib here.
QByteArray HandMadeBps(const QByteArray& body, const QByteArray& source, const QByteArray& target) {
    QByteArray patch = "BPS1" + body;
    for (const QByteArray* of : {&source, &target, &std::as_const(patch)}) {
        const uLong crc =
            crc32(0, reinterpret_cast<const Bytef*>(of->constData()), uInt(of->size()));
        for (int k = 0; k < 4; ++k)
            patch += char(crc >> (8 * k));
    }
    return patch;
}
}  // namespace

Q_DECLARE_METATYPE(zantor::PatchError::Kind)

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
        const QByteArray source = RandomBytes(Edits()[edit].sourceSize, 5);
        const QByteArray target = Edits()[edit].make(source);
        QVERIFY(target != source);
        const QByteArray patch = Patch::create(source, target, PatchFormat(format));
        QCOMPARE(Patch::detect(patch), PatchFormat(format));
        QVERIFY(Patch::apply(source, patch) == target);
    }

    void bpsUsesCopiesWhereTheyAreShorter() {
        const QByteArray source = RandomBytes(64 * 1024, 21);
        // Everything moves by eight bytes: only SourceCopy avoids spelling it all out.
        const QByteArray shifted = "12345678" + source;
        QVERIFY(Patch::create(source, shifted, PatchFormat::Bps).size() < 100);
        // A long run is one byte and one TargetCopy.
        QByteArray run = source;
        run.replace(1000, 20000, QByteArray(20000, '\x33'));
        QVERIFY(Patch::create(source, run, PatchFormat::Bps).size() < 100);
        // Nothing changed: a few bytes of numbers, one action and the checksums.
        QVERIFY(Patch::create(source, source, PatchFormat::Bps).size() < 30);
    }

    void aBpsMadeByHandIsApplied() {
        const QByteArray source = "ABCDEFGHIJKLMNOP";
        const QByteArray target = "ABCDxyzzzzzzKLMNLMN";
        // Sizes 16 and 19, no metadata; SourceRead 4 ("ABCD"); TargetRead 3 "xyz"; TargetCopy
        // 5 from +6 (overlapping its own output, a run of "z"); SourceCopy 4 from +10 ("KLMN");
        // SourceCopy 3 from -3 ("LMN").
        const QByteArray body =
            QByteArray::fromHex("9093808C89") + "xyz" + QByteArray::fromHex("938C8E948A87");
        QCOMPARE(Patch::apply(source, HandMadeBps(body, source, target)), target);
    }

    void badPatchesAreRefusedByKind_data() {
        using Kind = PatchError::Kind;
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QByteArray>("patch");
        QTest::addColumn<Kind>("kind");
        const QByteArray source = RandomBytes(20000, 31);
        QByteArray target = source;
        target.replace(100, 3000, RandomBytes(3000, 32));
        const QByteArray bps = Patch::create(source, target, PatchFormat::Bps);
        QByteArray other = source, flipped = bps;
        other[19999] = char(~other[19999]);
        flipped[bps.size() / 2] = char(~flipped[bps.size() / 2]);
        QTest::newRow("BPS, another source") << other << bps << Kind::SourceMismatch;
        QTest::newRow("BPS, a shorter source")
            << source.first(19999) << bps << Kind::SourceMismatch;
        QTest::newRow("BPS, a flipped byte") << source << flipped << Kind::PatchMismatch;
        QTest::newRow("BPS, cut short") << source << bps.first(10) << Kind::CutShort;
        QTest::newRow("BPS, magic alone") << source << QByteArray("BPS") << Kind::NotAPatch;
        QTest::newRow("no patch") << source << QByteArray::fromHex("7F454C46") << Kind::NotAPatch;
        // Damage behind intact checksums, as a broken patch maker would write it: sizes 10 and
        // `size`, no metadata, then the actions in hex.
        const QByteArray small = "0123456789";
        const std::tuple<const char*, const char*, QByteArray, int, Kind> damaged[]{
            {"a wrong target", "8C", "9876", 4, Kind::TargetMismatch},
            {"SourceRead past the source", "A8", "01234567890", 11, Kind::RecordPastEnd},
            {"SourceRead past the target", "AC", small, 10, Kind::RecordPastEnd},
            {"TargetCopy from before the start", "81308F83", "00000", 5, Kind::RecordPastEnd},
            {"SourceCopy past the source", "8692", "9?", 2, Kind::RecordPastEnd},
            {"TargetRead into the checksums", "916162", "ab", 5, Kind::CutShort},
            {"ends before the target is full", "8C", "0123", 10, Kind::Malformed}};
        for (const auto& [name, actions, result, size, kind] : damaged) {
            const QByteArray body = QByteArray::fromHex("8A") + char(0x80 | size) + char(0x80) +
                                    QByteArray::fromHex(actions);
            QTest::addRow("BPS, %s", name) << small << HandMadeBps(body, small, result) << kind;
        }

        const QByteArray a(1000, 'a');
        QByteArray b = a;
        b[500] = 'b';
        const QByteArray ips = Patch::create(a, b, PatchFormat::Ips);
        QTest::newRow("IPS, cut inside a record") << a << ips.first(9) << Kind::CutShort;
        QTest::newRow("IPS, cut in \"EOF\"") << a << ips.first(ips.size() - 1) << Kind::CutShort;
        QTest::newRow("IPS, bytes after the end") << a << ips + "XY" << Kind::Malformed;
        QTest::newRow("IPS, magic cut short") << a << QByteArray("PATC") << Kind::NotAPatch;
        QTest::newRow("IPS, a record past 16 MiB")
            << a << QByteArray("PATCH\xFF\xFF\xF0\x00\x20", 10) + QByteArray(32, 'x') + "EOF"
            << Kind::RecordPastEnd;
        QTest::newRow("IPS, truncation to more than there is")
            << a << QByteArray("PATCHEOF\x00\x10\x00", 11) << Kind::Malformed;
    }
    void badPatchesAreRefusedByKind() {
        QFETCH(QByteArray, source);
        QFETCH(QByteArray, patch);
        QFETCH(PatchError::Kind, kind);
        try {
            Patch::apply(source, patch);
            QFAIL("the patch was applied");
        } catch (const PatchError& error) {
            QCOMPARE(error.kind(), kind);
        }
    }

    void ipsCannotWriteATargetBeyond16MiB() {
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
