// Where the vehicle-file dialogs start: the examples and the user's own
// folder on the first run, then the folder last used, across runs.
#include "gui/app/vehiclefolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace tarvik::gui;

class TestVehicleFolders : public QObject
{
    Q_OBJECT

private slots:
    void firstRunThenLastUsedAcrossRuns()
    {
        QTemporaryDir root;
        const QString config = root.filePath(QStringLiteral("config"));
        const QString examples = root.filePath(QStringLiteral("examples"));
        const QString documents = root.filePath(QStringLiteral("Documents"));
        QDir().mkpath(examples);
        const QString own = QDir(documents).filePath(QStringLiteral("Tarvik"));

        VehicleFolders first(config, examples, documents);
        QCOMPARE(first.openFolder(), examples);
        QVERIFY(!QFileInfo::exists(own)); // made only when it is needed
        QCOMPARE(first.saveFolder(), own);
        QVERIFY(QFileInfo(own).isDir());
        QCOMPARE(first.sidebar(), QStringList({ examples, own }));

        // A file saved elsewhere: both dialogs start there, in this run and the next.
        const QString elsewhere = root.filePath(QStringLiteral("cars"));
        QDir().mkpath(elsewhere);
        first.remember(QDir(elsewhere).filePath(QStringLiteral("CAR7.TK")));
        QCOMPARE(first.openFolder(), elsewhere);
        VehicleFolders next(config, examples, documents);
        QCOMPARE(next.openFolder(), elsewhere);
        QCOMPARE(next.saveFolder(), elsewhere);

        // The recent files, newest first, at most eight, existing ones only.
        for (int i = 0; i < 10; ++i) {
            const QString car = QDir(elsewhere).filePath(QStringLiteral("CAR%1.TK").arg(i));
            QFile file(car);
            QVERIFY(file.open(QIODevice::WriteOnly));
            next.remember(car);
        }
        QVERIFY(QFile::remove(QDir(elsewhere).filePath(QStringLiteral("CAR8.TK"))));
        const QStringList recent = VehicleFolders(config, examples, documents).recentFiles();
        QCOMPARE(recent.size(), VehicleFolders::kRecentFiles - 1);
        QVERIFY(recent.constFirst().endsWith(QStringLiteral("CAR9.TK")));
        QVERIFY(recent.constLast().endsWith(QStringLiteral("CAR2.TK")));

        // A remembered folder that has gone is forgotten.
        QVERIFY(QDir(elsewhere).removeRecursively());
        VehicleFolders later(config, examples, documents);
        QCOMPARE(later.openFolder(), examples);
        QCOMPARE(later.saveFolder(), own);
    }
};

QTEST_MAIN(TestVehicleFolders)
#include "tst_vehiclefolders.moc"
