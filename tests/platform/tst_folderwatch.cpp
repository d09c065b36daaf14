#include "platform/folderwatch.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
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
        if (change == QLatin1String("during") || change == QLatin1String("made later"))
            QTimer::singleShot(20, this, write);

        QElapsedTimer elapsed;
        elapsed.start();
        QCOMPARE(watch.wait(limit), woken);
        if (woken) {
            QVERIFY2(elapsed.elapsed() < 5000, qPrintable(QString::number(elapsed.elapsed())));
        } else {
            QVERIFY(elapsed.elapsed() >= limit);
        }
    }
};

QTEST_GUILESS_MAIN(TestFolderWatch)
#include "tst_folderwatch.moc"
