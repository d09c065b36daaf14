#include "console/commandline.h"

#include <QTest>

class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstArgumentOnly_data();
    void firstArgumentOnly();
};

void TestCommandLine::firstArgumentOnly_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("library");

    const int user = int(CommandLine::TestPageLayout::User);
    const int admin = int(CommandLine::TestPageLayout::Administrator);
    const int designed = int(CommandLine::TestPageLayout::Designed);
    QTest::newRow("none") << QStringList() << user << QString();
    QTest::newRow("/ADMIN") << QStringList{"/ADMIN"} << admin << QString();
    QTest::newRow("/admin") << QStringList{"/admin"} << admin << QString();
    QTest::newRow("/ADMIN trailing blank") << QStringList{"/ADMIN "} << designed << QString();
    QTest::newRow("empty argument") << QStringList{""} << designed << QString();
    QTest::newRow("/dll= mixed case name") << QStringList{"/dll=MeuMFE.dll"} << designed << "MeuMFE.dll";
    QTest::newRow("/DLL= name untrimmed") << QStringList{"/DLL= a b "} << designed << " a b ";
    QTest::newRow("/DLL= empty") << QStringList{"/DLL="} << designed << QString();
    QTest::newRow("/DLL without =") << QStringList{"/DLLx.dll"} << designed << QString();
    QTest::newRow("/ADMIN first") << QStringList{"/ADMIN", "/DLL=x.dll"} << admin << QString();
    QTest::newRow("/DLL= first") << QStringList{"/DLL=x.dll", "/ADMIN"} << designed << "x.dll";
}

void TestCommandLine::firstArgumentOnly()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, layout);
    QFETCH(QString, library);
    const CommandLine commandLine(arguments);
    QCOMPARE(int(commandLine.layout()), layout);
    QCOMPARE(commandLine.libraryName(), library);
}

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
