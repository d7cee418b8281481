// The names users give object types: per level group, kept as JSON, refused whole when damaged.
#include <QTemporaryDir>
#include <QtTest>

#include "services/ObjectNames.h"
#include "support/TempRom.h"

using namespace zantor;

class TestObjectNames : public QObject {
    Q_OBJECT

private slots:
    void namesPerGroupSurviveAFileAndDamagedFilesChangeNothing() {
        ObjectNames names;
        names.setName(0, 0x1D, "  Goombo ");
        names.setName(1, 0x1D, "Spiky");
        QCOMPARE(names.name(9, 0x1D), QString("Goombo"));
        QCOMPARE(names.name(10, 0x1D), QString("Spiky"));
        QVERIFY(names.name(3, 0x1E).isEmpty());

        QTemporaryDir dir;
        const QString path = dir.filePath("shared/names.json");
        QVERIFY(names.save(path));
        ObjectNames read;
        QVERIFY(read.load(path));
        QCOMPARE(read, names);
        // A name emptied is gone.
        read.setName(1, 0x1D, "");
        QVERIFY(read.name(31, 0x1D).isEmpty());

        for (const QByteArray& damaged :
             {QByteArray("[1, 2]"), QByteArray(R"({"levels0to9": {"80": "x"}})"),
              QByteArray(R"({"levels10to31": {"1D": 5}})"), QByteArray("{")}) {
            ObjectNames kept = names;
            QString error;
            QVERIFY2(!kept.load(WriteFile(dir, "damaged.json", damaged), &error), damaged);
            QVERIFY(!error.isEmpty());
            QCOMPARE(kept, names);
        }
        // No file: no names.
        QVERIFY(read.load(dir.filePath("absent.json")));
        QVERIFY(read.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestObjectNames)
#include "tst_ObjectNames.moc"
