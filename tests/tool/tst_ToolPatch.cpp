// make-patch, apply-patch and the checksums in info, run as the user runs them.
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include "sample/SampleCartridge.h"
#include "support/TempRom.h"
#include "support/ToolProcess.h"

namespace {
QByteArray Edited(QByteArray rom) {
    rom[0] = char(0x31);
    rom[0x20010] = char(~rom[0x20010]);
    rom[rom.size() - 1] = char(0x99);
    return rom + QByteArray(5000, '\x42');
}
}  // namespace

class TestToolPatch : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QByteArray sample_ = zantor::BuildSampleCartridge(0);
    QString original_ = WriteFile(dir_, "original.gb", sample_);
    QString modified_ = WriteFile(dir_, "modified.gb", Edited(sample_));

private slots:
    void bothFormatsRoundTrip_data() {
        QTest::addColumn<QString>("suffix");
        QTest::newRow("bps") << "bps";
        QTest::newRow("ips") << "ips";
    }
    void bothFormatsRoundTrip() {
        QFETCH(QString, suffix);
        const QString patch = dir_.filePath("level." + suffix);
        const ToolRun made = RunToolProcess({"make-patch", original_, modified_, patch});
        QCOMPARE(made.exitCode, 0);
        const QString out = dir_.filePath("out-" + suffix + ".gb");
        QCOMPARE(RunToolProcess({"apply-patch", original_, patch, out}).exitCode, 0);
        QCOMPARE(ReadFile(out), Edited(sample_));
        QCOMPARE(ReadFile(original_), sample_);
    }

    void refusalsWriteNothing() {
        const QString bps = dir_.filePath("r.bps");
        QCOMPARE(RunToolProcess({"make-patch", original_, modified_, bps}).exitCode, 0);
        const QString out = dir_.filePath("refused.gb");
        auto refused = [&](const QString& rom, const QString& patch, const QString& expected) {
            const ToolRun run = RunToolProcess({"apply-patch", rom, patch, out});
            QVERIFY(run.clean());
            QCOMPARE(run.exitCode, 1);
            QVERIFY2(run.err.contains(expected.toUtf8()), run.err.constData());
            QVERIFY(!QFile::exists(out));
        };
        refused(modified_, bps, "was made for another file");
        QByteArray damaged = ReadFile(bps);
        damaged[damaged.size() / 2] = char(~damaged[damaged.size() / 2]);
        refused(original_, WriteFile(dir_, "damaged.bps", damaged), "damaged.bps");
        refused(original_, WriteFile(dir_, "cut.ips", QByteArray("PATCH\x00\x00\x10\x00", 9)),
                "cut short");
        refused(original_, original_, "not a BPS or IPS patch");
        refused(original_, dir_.filePath("missing.bps"), "missing.bps");

        // An OUT that cannot be written: a folder in its place.
        QVERIFY(QDir(dir_.path()).mkdir("taken.gb"));
        const ToolRun run =
            RunToolProcess({"apply-patch", original_, bps, dir_.filePath("taken.gb")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.contains("taken.gb"));

        QCOMPARE(
            RunToolProcess({"make-patch", original_, modified_, dir_.filePath("p.ups")}).exitCode,
            2);
    }

    void infoTellsWhetherTheChecksumsHold() {
        const ToolRun good = RunToolProcess({"info", original_, "--json"});
        QCOMPARE(good.exitCode, 0);
        const QJsonObject root = QJsonDocument::fromJson(good.out).object();
        QVERIFY(root["headerChecksum"].toObject()["holds"].toBool());
        QVERIFY(root["globalChecksum"].toObject()["holds"].toBool());
        QCOMPARE(root["headerChecksum"].toObject()["stored"].toInt(), uint8_t(sample_[0x14D]));

        // The edited copy's bytes changed without its checksum.
        const ToolRun bad = RunToolProcess({"info", modified_});
        QCOMPARE(bad.exitCode, 0);
        QVERIFY(bad.out.contains("header checksum (0x14D): 0x"));
        QVERIFY(bad.out.contains(", holds\nglobal checksum (0x14E): 0x"));
        QVERIFY(bad.out.contains("does not hold (the bytes give 0x"));
    }
};

QTEST_GUILESS_MAIN(TestToolPatch)
#include "tst_ToolPatch.moc"
