#include "platform/folderwatch.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "testfiles.h"
#include <QTimer>

// Real time, kept short: a wait that is woken ends well before its limit of
// 10 s; one that is not lasts its 60 ms limit.
class TestFolderWatch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wakesOnChange_data()
    {
        QTest::addColumn<QString>("change"); // "before", "during", "none", "missing", "made later"
        QTest::addColumn<int>("limit");
        QTest::addColumn<bool>("woken");

        QTest::newRow("file written during the wait") << "during" << 10000 << true;
        QTest::newRow("file written before the first wait") << "before" << 10000 << true;
        QTest::newRow("folder made before the wait, file during") << "made later" << 10000 << true;
        QTest::newRow("no change lasts the limit") << "none" << 60 << false;
        QTest::newRow("missing folder lasts the limit") << "missing" << 60 << false;
    }

    void wakesOnChange()
    {
        QFETCH(QString, change);
        QFETCH(int, limit);
        QFETCH(bool, woken);

        QTemporaryDir root;
        const QString folder = root.path() + QStringLiteral("/Output");
        if (change != QLatin1String("missing") && change != QLatin1String("made later"))
            QVERIFY(QDir().mkpath(folder));
        FolderWatch watch(folder);
        const auto write = [folder] {
            QFile file(folder + QStringLiteral("/reply.xml"));
            QVERIFY(file.open(QIODevice::WriteOnly));
        };
        if (change == QLatin1String("before"))
            write();
        if (change == QLatin1String("made later"))
            QVERIFY(QDir().mkpath(folder));
        QObject row; // a write not yet done when the row ends is dropped with it
        if (change == QLatin1String("during") || change == QLatin1String("made later"))
            QTimer::singleShot(20, &row, write);

        QElapsedTimer elapsed;
        elapsed.start();
        QCOMPARE(watch.wait(limit), woken);
        if (woken) {
            QVERIFY2(elapsed.elapsed() < 5000, qPrintable(QString::number(elapsed.elapsed())));
        } else {
            QVERIFY(elapsed.elapsed() >= limit);
        }
    }

    // Each change names its entry, a write in place included; the folder
    // itself going away is a change the watch cannot name.
    void namesTheEntriesChanged()
    {
#ifndef Q_OS_LINUX
        QSKIP("the watch names changes on Linux only");
#endif
        QTemporaryDir root;
        const QString folder = root.path() + QStringLiteral("/Output");
        QVERIFY(QDir().mkpath(folder) && TestFiles::write(folder + "/old.xml", "a"));
        FolderWatch watch(folder);
        QVERIFY(watch.namesChanges());
        QVERIFY(watch.takeChanges().isEmpty());
        const auto named = [&watch](const QStringList &names) {
            const FolderWatch::Changes changes = watch.takeChanges();
            return !changes.unnamed && changes.names == QSet<QString>(names.cbegin(), names.cend());
        };

        QFile file(folder + "/old.xml");
        QVERIFY(file.open(QIODevice::ReadWrite) && file.write("b") == 1);
        file.close();
        QVERIFY(named({"old.xml"}));
        QVERIFY(QFile::rename(folder + "/old.xml", folder + "/new.xml"));
        QVERIFY(named({"old.xml", "new.xml"}));
        QVERIFY(QFile::remove(folder + "/new.xml"));
        QVERIFY(named({"new.xml"}));

        QVERIFY(QDir(folder).removeRecursively());
        QVERIFY(watch.takeChanges().unnamed);
        QVERIFY(!watch.namesChanges());
    }
};

QTEST_GUILESS_MAIN(TestFolderWatch)
#include "tst_folderwatch.moc"
