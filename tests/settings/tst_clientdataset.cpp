#include "settings/clientdataset.h"

#include "platform/conversionerror.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kFile = QStringLiteral("Parametros.xml");

QByteArray defaultFile()
{
    return TestFiles::read(QStringLiteral(TEST_DATA_DIR "/Parametros.default.xml"));
}

} // namespace

// Every test runs in a fresh working directory, as the dataset names its
// file relative to it.
class TestClientDataSet : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void readsTheDefaultFile();
    void startsWithoutRecordWhenNoFile();
    void integerReads_data();
    void integerReads();
    void valuesAreCutToTheirWidth_data();
    void valuesAreCutToTheirWidth();
    void eightBitFieldKeepsOnlyAnsi();
    void integerFieldTakesOnlyIntegers();
    void misuseThrows();
    void writtenValuesReadBackTheSame();
    void writesOnlyWhenChangedOrMissing_data();
    void writesOnlyWhenChangedOrMissing();
    void writesIntoTheWorkingDirectoryOfClose();
    void damagedFileIsPreserved_data();
    void damagedFileIsPreserved();
    void damagedFileUnchangedIsLeftAlone();
    void writeFailureIsReported();
    void damagedFileThatCannotBeCopiedIsNotReplaced();
    void postWritesAtOnce();
    void damagedFileIsCopiedOnlyOnce();
    void postFailureIsReportedAndRetried();

private:
    QString previousDirectory_;
    std::unique_ptr<QTemporaryDir> dir_;
};

void TestClientDataSet::init()
{
    previousDirectory_ = QDir::currentPath();
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir::setCurrent(dir_->path()));
}

void TestClientDataSet::cleanup()
{
    QDir::setCurrent(previousDirectory_);
    dir_.reset();
}

void TestClientDataSet::readsTheDefaultFile()
{
    QVERIFY(TestFiles::write(kFile, defaultFile()));
    ClientDataSet cds;
    QCOMPARE(cds.Open(), ClientDataSet::OpenResult::Loaded);
    QVERIFY(cds.Active());
    cds.First();
    QCOMPARE(cds.fieldAsString(QStringLiteral("UF")), QStringLiteral("35"));
    QCOMPARE(cds.fieldAsInteger(QStringLiteral("uf")), 35);
    QCOMPARE(cds.fieldAsString(QStringLiteral("TIPOINTER")), QStringLiteral("ETHE"));
    QVERIFY(cds.isNull(QStringLiteral("seg")));
    QCOMPARE(cds.fieldAsString(QStringLiteral("seg")), QString());
    QVERIFY(!cds.isNull(QStringLiteral("SSID")));
}

void TestClientDataSet::startsWithoutRecordWhenNoFile()
{
    ClientDataSet cds;
    QCOMPARE(cds.Open(), ClientDataSet::OpenResult::NoFile);
    QCOMPARE(cds.fieldAsString(QStringLiteral("tipoInter")), QString());
    QVERIFY_THROWS_EXCEPTION(ConversionError, cds.fieldAsInteger(QStringLiteral("uf")));

    cds.Edit();
    for (int index = 0; index < TParametros::kFieldCount; ++index)
        QVERIFY(cds.isNull(QLatin1String(TParametros::field(index).name)));
    cds.setFieldAsString(QStringLiteral("UF"), QStringLiteral("7"));
    QVERIFY(cds.Post());
    QCOMPARE(cds.fieldAsString(QStringLiteral("uf")), QStringLiteral("7"));
}

void TestClientDataSet::integerReads_data()
{
    QTest::addColumn<QString>("stored"); // a null QString leaves the field null
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("expected");
    QTest::newRow("first row") << QStringLiteral("0") << true << 0;
    QTest::newRow("last row") << QStringLiteral("26") << true << 26;
    QTest::newRow("negative") << QStringLiteral("-3") << true << -3;
    QTest::newRow("null") << QString() << false << 0;
    QTest::newRow("empty") << QStringLiteral("") << false << 0;
    QTest::newRow("letters") << QStringLiteral("SP") << false << 0;
    QTest::newRow("trailing letter") << QStringLiteral("2a") << false << 0;
    QTest::newRow("blank") << QStringLiteral(" 5") << false << 0;
    QTest::newRow("hexadecimal") << QStringLiteral("$A") << false << 0;
}

void TestClientDataSet::integerReads()
{
    QFETCH(QString, stored);
    QFETCH(bool, valid);
    QFETCH(int, expected);
    ClientDataSet cds;
    cds.Open();
    cds.Edit();
    if (!stored.isNull())
        cds.setFieldAsString(QStringLiteral("uf"), stored);
    if (valid)
        QCOMPARE(cds.fieldAsInteger(QStringLiteral("uf")), expected);
    else
        QVERIFY_THROWS_EXCEPTION(ConversionError, cds.fieldAsInteger(QStringLiteral("uf")));
    QCOMPARE(cds.fieldAsOptionalInteger(QStringLiteral("uf")), valid ? std::optional<int>(expected) : std::nullopt);
}

void TestClientDataSet::valuesAreCutToTheirWidth_data()
{
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("kept");
    const QString signature = QString(343, QLatin1Char('a'));
    QTest::newRow("16 characters into lanIP") << "lanIP" << "192.168.100.1234" << "192.168.100.123";
    QTest::newRow("proxy keeps one digit") << "proxy" << "12" << "1";
    QTest::newRow("fits exactly") << "CNPJSH" << "12345678000195" << "12345678000195";
    QTest::newRow("signature of 400") << "Assinatura" << QString(400, QLatin1Char('x')) << QString(344, QLatin1Char('x'));
    QTest::newRow("pair not split") << "Assinatura" << signature + QStringLiteral("\U0001F600") << signature;
    // 8-bit fields count characters of the code page: a pair is one, and one "?".
    QTest::newRow("pairs counted as characters") << "tipoInter" << QStringLiteral("\U0001F600\U0001F600\U0001F600\U0001F600x")
                                                 << "????";
    QTest::newRow("pair at the width") << "proxy_porta" << QStringLiteral("8080\U0001F600") << "8080?";
    // Characters XML cannot carry are dropped, before the cut.
    QTest::newRow("zero dropped") << "usuario" << QString::fromLatin1("abc\0def", 7) << "abcdef";
    QTest::newRow("zero dropped from the signature")
        << "Assinatura" << QString::fromLatin1("abc\0def", 7) << "abcdef";
    QTest::newRow("lone surrogate dropped from the signature")
        << "Assinatura" << QStringLiteral("a") + QChar(0xD800) + QStringLiteral("b") << "ab";
    QTest::newRow("control character dropped before the cut") << "proxy" << QStringLiteral("\x01" "2") << "2";
    QTest::newRow("SSID with an emoji") << "SSID" << QStringLiteral("caf\u00e9 \u2764\ufe0f") << QStringLiteral("caf\u00e9 ??");
}

void TestClientDataSet::valuesAreCutToTheirWidth()
{
    QFETCH(QString, fieldName);
    QFETCH(QString, value);
    QFETCH(QString, kept);
    ClientDataSet cds;
    cds.Open();
    cds.setFieldAsString(fieldName, value);
    QCOMPARE(cds.fieldAsString(fieldName), kept);
}

void TestClientDataSet::eightBitFieldKeepsOnlyAnsi()
{
    ClientDataSet cds;
    cds.Open();
    cds.setFieldAsString(QStringLiteral("usuario"), QStringLiteral("joão Ω"));
    const QString kept = cds.fieldAsString(QStringLiteral("usuario"));
    QCOMPARE(kept.left(5), QStringLiteral("joão "));
    QCOMPARE(kept.size(), 6);
    QVERIFY(!kept.contains(QChar(0x03A9)));
}

void TestClientDataSet::integerFieldTakesOnlyIntegers()
{
    ClientDataSet cds;
    cds.Open();
    cds.setFieldAsInteger(QStringLiteral("TipoCert"), -5);
    QCOMPARE(cds.fieldAsInteger(QStringLiteral("TipoCert")), -5);
    QVERIFY_THROWS_EXCEPTION(ConversionError, cds.setFieldAsString(QStringLiteral("TipoCert"), QStringLiteral("abc")));
    QCOMPARE(cds.fieldAsString(QStringLiteral("TipoCert")), QStringLiteral("-5"));
    cds.setFieldAsInteger(QStringLiteral("uf"), 123);
    QCOMPARE(cds.fieldAsString(QStringLiteral("uf")), QStringLiteral("12"));
}

void TestClientDataSet::misuseThrows()
{
    ClientDataSet cds;
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, cds.fieldAsString(QStringLiteral("uf")));
    cds.Open();
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, cds.setFieldAsString(QStringLiteral("estado"), QStringLiteral("SP")));
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, cds.isNull(QStringLiteral("estado")));
    QCOMPARE(cds.Close(), ClientDataSet::CloseResult::Written);
    QCOMPARE(DataPacket::read(TestFiles::read(kFile)).rows.size(), std::size_t(0)); // the bad set created no record
}

void TestClientDataSet::writtenValuesReadBackTheSame()
{
    const QString signature = QStringLiteral("ÁÉÍ ação Ω \U0001F600 ") + QString(300, QLatin1Char('z'));
    {
        ClientDataSet cds;
        cds.Open();
        cds.Edit();
        cds.setFieldAsString(QStringLiteral("usuario"), QStringLiteral("ação"));
        cds.setFieldAsString(QStringLiteral("Assinatura"), signature);
        cds.setFieldAsInteger(QStringLiteral("uf"), 0);
        QVERIFY(cds.Post());
        QCOMPARE(cds.Close(), ClientDataSet::CloseResult::NotWritten); // the post wrote it
    }
    ClientDataSet cds;
    QCOMPARE(cds.Open(), ClientDataSet::OpenResult::Loaded);
    QCOMPARE(cds.fieldAsString(QStringLiteral("usuario")), QStringLiteral("ação"));
    QCOMPARE(cds.fieldAsString(QStringLiteral("Assinatura")), signature.left(344));
    QCOMPARE(cds.fieldAsInteger(QStringLiteral("uf")), 0);
    QVERIFY(cds.isNull(QStringLiteral("CNPJSH")));
}

void TestClientDataSet::writesOnlyWhenChangedOrMissing_data()
{
    QTest::addColumn<bool>("filePresent");
    QTest::addColumn<QString>("newUf"); // null: no edit
    QTest::addColumn<ClientDataSet::CloseResult>("result");
    QTest::newRow("present, unchanged") << true << QString() << ClientDataSet::CloseResult::NotWritten;
    QTest::newRow("present, same value set") << true << QStringLiteral("35") << ClientDataSet::CloseResult::NotWritten;
    QTest::newRow("present, changed") << true << QStringLiteral("26") << ClientDataSet::CloseResult::Written;
    QTest::newRow("missing, unchanged") << false << QString() << ClientDataSet::CloseResult::Written;
    QTest::newRow("missing, changed") << false << QStringLiteral("26") << ClientDataSet::CloseResult::Written;
}

void TestClientDataSet::writesOnlyWhenChangedOrMissing()
{
    QFETCH(bool, filePresent);
    QFETCH(QString, newUf);
    QFETCH(ClientDataSet::CloseResult, result);
    if (filePresent)
        QVERIFY(TestFiles::write(kFile, defaultFile()));
    ClientDataSet cds;
    cds.Open();
    if (!newUf.isNull())
        cds.setFieldAsString(QStringLiteral("uf"), newUf);

    QCOMPARE(cds.Close(), result);
    QVERIFY(!cds.Active());
    const DataPacket::ReadResult written = DataPacket::read(TestFiles::read(kFile));
    QVERIFY(written.ok);
    if (result == ClientDataSet::CloseResult::NotWritten)
        QCOMPARE(TestFiles::read(kFile), defaultFile());
    else if (!newUf.isNull())
        QCOMPARE(written.rows.front()[TParametros::indexOf(QStringLiteral("uf"))], newUf);
}

void TestClientDataSet::writesIntoTheWorkingDirectoryOfClose()
{
    QVERIFY(TestFiles::write(kFile, defaultFile()));
    ClientDataSet cds;
    cds.Open();
    QTemporaryDir later;
    QVERIFY(QDir::setCurrent(later.path()));

    QCOMPARE(cds.Close(), ClientDataSet::CloseResult::Written);
    const DataPacket::ReadResult written = DataPacket::read(TestFiles::read(later.filePath(kFile)));
    QVERIFY(written.ok);
    QCOMPARE(written.rows.front()[TParametros::indexOf(QStringLiteral("uf"))], QStringLiteral("35"));
    QCOMPARE(TestFiles::read(dir_->filePath(kFile)), defaultFile());
}

void TestClientDataSet::damagedFileIsPreserved_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray valid = defaultFile();
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("not XML") << QByteArrayLiteral("[Parametros]\r\nuf=35\r\n");
    QTest::newRow("binary junk") << QByteArray("\x7F" "ELF\x00\x01\xFE\xFF", 8);
    QTest::newRow("wrong root") << QByteArray(valid).replace("DATAPACKET", "PACOTE");
    QTest::newRow("fewer fields") << QByteArray(valid).replace("<FIELD attrname=\"CNPJSH\" fieldtype=\"string\" WIDTH=\"14\"/>", "");
}

void TestClientDataSet::damagedFileIsPreserved()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(TestFiles::write(kFile, bytes));
    ClientDataSet cds;
    QCOMPARE(cds.Open(), ClientDataSet::OpenResult::Damaged);
    QVERIFY(cds.errorText().contains(kFile));
    QVERIFY(cds.Active());
    QVERIFY(cds.isNull(QStringLiteral("uf")));

    cds.setFieldAsString(QStringLiteral("uf"), QStringLiteral("25"));
    QCOMPARE(cds.Close(), ClientDataSet::CloseResult::Written);
    QCOMPARE(TestFiles::read(kFile + QStringLiteral(".bak")), bytes);
    ClientDataSet reopened;
    QCOMPARE(reopened.Open(), ClientDataSet::OpenResult::Loaded);
    QCOMPARE(reopened.fieldAsString(QStringLiteral("uf")), QStringLiteral("25"));
}

void TestClientDataSet::damagedFileUnchangedIsLeftAlone()
{
    QVERIFY(TestFiles::write(kFile, "damaged"));
    QVERIFY(TestFiles::write(kFile + QStringLiteral(".bak"), "older copy"));
    ClientDataSet cds;
    QCOMPARE(cds.Open(), ClientDataSet::OpenResult::Damaged);
    QCOMPARE(cds.Close(), ClientDataSet::CloseResult::NotWritten);
    QCOMPARE(TestFiles::read(kFile), QByteArray("damaged"));

    QCOMPARE(cds.Open(), ClientDataSet::OpenResult::Damaged);
    cds.setFieldAsString(QStringLiteral("lanIP"), QStringLiteral("10.0.0.2"));
    QCOMPARE(cds.Close(), ClientDataSet::CloseResult::Written);
    QCOMPARE(TestFiles::read(kFile + QStringLiteral(".bak")), QByteArray("older copy"));
    QCOMPARE(TestFiles::read(kFile + QStringLiteral(".bak2")), QByteArray("damaged"));
}

void TestClientDataSet::writeFailureIsReported()
{
    ClientDataSet cds(QStringLiteral("missing-folder/Parametros.xml"));
    QCOMPARE(cds.Open(), ClientDataSet::OpenResult::NoFile);
    cds.setFieldAsString(QStringLiteral("uf"), QStringLiteral("1"));
    QCOMPARE(cds.Close(), ClientDataSet::CloseResult::Failed);
    QVERIFY(cds.errorText().startsWith(QStringLiteral("Não foi possível gravar o arquivo de configuração")));
}

void TestClientDataSet::damagedFileThatCannotBeCopiedIsNotReplaced()
{
    QVERIFY(QDir().mkdir(kFile)); // a folder where the file should be
    ClientDataSet cds;
    QCOMPARE(cds.Open(), ClientDataSet::OpenResult::Damaged);
    cds.setFieldAsString(QStringLiteral("uf"), QStringLiteral("1"));
    QCOMPARE(cds.Close(), ClientDataSet::CloseResult::Failed);
    QVERIFY(!cds.errorText().isEmpty());
    QVERIFY(QFileInfo(kFile).isDir());
}

void TestClientDataSet::postWritesAtOnce()
{
    QVERIFY(TestFiles::write(kFile, defaultFile()));
    ClientDataSet cds;
    cds.Open();
    cds.Edit();
    cds.setFieldAsString(QStringLiteral("lanIP"), QStringLiteral("10.0.0.7"));
    QVERIFY(cds.Post());

    // Read while the dataset is still open, as after a kill.
    const DataPacket::ReadResult written = DataPacket::read(TestFiles::read(kFile));
    QVERIFY(written.ok);
    QCOMPARE(written.rows.front()[TParametros::indexOf(QStringLiteral("lanIP"))], QStringLiteral("10.0.0.7"));
    QCOMPARE(written.rows.front()[TParametros::indexOf(QStringLiteral("uf"))], QStringLiteral("35"));
}

void TestClientDataSet::damagedFileIsCopiedOnlyOnce()
{
    QVERIFY(TestFiles::write(kFile, "damaged"));
    ClientDataSet cds;
    QCOMPARE(cds.Open(), ClientDataSet::OpenResult::Damaged);
    cds.setFieldAsString(QStringLiteral("uf"), QStringLiteral("1"));
    QVERIFY(cds.Post());
    cds.setFieldAsString(QStringLiteral("uf"), QStringLiteral("2"));
    QVERIFY(cds.Post());
    QCOMPARE(cds.Close(), ClientDataSet::CloseResult::NotWritten);

    QCOMPARE(TestFiles::read(kFile + QStringLiteral(".bak")), QByteArray("damaged"));
    QVERIFY(!QFileInfo::exists(kFile + QStringLiteral(".bak2")));
    ClientDataSet reopened;
    QCOMPARE(reopened.Open(), ClientDataSet::OpenResult::Loaded);
    QCOMPARE(reopened.fieldAsString(QStringLiteral("uf")), QStringLiteral("2"));
}

void TestClientDataSet::postFailureIsReportedAndRetried()
{
    // A link into a folder that does not exist: not even root writes through it.
    QVERIFY(QFile::link(QStringLiteral("/nonexistent-folder/Parametros.xml"), kFile));
    ClientDataSet cds;
    QCOMPARE(cds.Open(), ClientDataSet::OpenResult::NoFile);
    cds.setFieldAsString(QStringLiteral("uf"), QStringLiteral("1"));
    QVERIFY(!cds.Post());
    QVERIFY2(cds.errorText().startsWith(QStringLiteral("Não foi possível gravar o arquivo de configuração \"%1\" (")
                                            .arg(QDir::current().absoluteFilePath(kFile))),
             qPrintable(cds.errorText()));
    QVERIFY(cds.errorText().endsWith(QStringLiteral("). As alterações das configurações foram perdidas.")));

    // The change stays in memory, and the next write takes it.
    QVERIFY(QFile::remove(kFile));
    QCOMPARE(cds.Close(), ClientDataSet::CloseResult::Written);
    const DataPacket::ReadResult written = DataPacket::read(TestFiles::read(kFile));
    QVERIFY(written.ok);
    QCOMPARE(written.rows.front()[TParametros::indexOf(QStringLiteral("uf"))], QStringLiteral("1"));
}

QTEST_GUILESS_MAIN(TestClientDataSet)
#include "tst_clientdataset.moc"
