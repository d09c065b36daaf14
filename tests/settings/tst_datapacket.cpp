#include "settings/datapacket.h"

#include "testfiles.h"

#include <QTest>

namespace {

QByteArray defaultFile()
{
    return TestFiles::read(QStringLiteral(TEST_DATA_DIR "/Parametros.default.xml"));
}

int field(const char *name)
{
    return TParametros::indexOf(QLatin1String(name));
}

// "Ω" and the emoji are outside Windows-1252; "ç", "ã" and "€" are in it.
const QString kSignature = QStringLiteral("Assinatura ação Ω€ \U0001F600 <&\"'> fim");

} // namespace

class TestDataPacket : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsTheDefaultText();
    void writesAnsiAndReferencesForTheRest();
    void missingCharactersAreQuestionMarks();
    void escapesAlikeWithOrWithoutReferences_data();
    void escapesAlikeWithOrWithoutReferences();
    void writtenRecordsReadBackTheSame_data();
    void writtenRecordsReadBackTheSame();
    void fitsValuesReadFromTheFile();
    void fieldNamesIgnoreLetterCase_data();
    void fieldNamesIgnoreLetterCase();
    void rejectsWhatIsNotASettingsDatapacket_data();
    void rejectsWhatIsNotASettingsDatapacket();
};

void TestDataPacket::readsTheDefaultText()
{
    const DataPacket::ReadResult result = DataPacket::read(defaultFile());
    QVERIFY(result.ok);
    QCOMPARE(result.rows.size(), std::size_t(1));
    const TParametros::Record &record = result.rows.front();
    QCOMPARE(record[field("tipoInter")], QStringLiteral("ETHE"));
    QCOMPARE(record[field("tipoLan")], QStringLiteral("DHCP"));
    QCOMPARE(record[field("proxy")], QStringLiteral("0"));
    QCOMPARE(record[field("uf")], QStringLiteral("35"));
    QCOMPARE(record[field("SSID")], QString());
    QVERIFY(record[field("SSID")].has_value());
    for (const char *null : {"seg", "CNPJContribuinte", "TipoCert", "CSR", "Assinatura", "CNPJSH"})
        QVERIFY2(!record[field(null)].has_value(), null);
}

void TestDataPacket::writesAnsiAndReferencesForTheRest()
{
    TParametros::Record record;
    record[field("usuario")] = QStringLiteral("ação");
    record[field("Assinatura")] = kSignature;
    const QByteArray bytes = DataPacket::write({record});

    QVERIFY(bytes.startsWith("<?xml version=\"1.0\" standalone=\"yes\"?>  <DATAPACKET Version=\"2.0\">"));
    QVERIFY(bytes.endsWith("</ROWDATA></DATAPACKET>\r\n"));
    QVERIFY(bytes.contains("usuario=\"a\xE7\xE3o\""));
    QVERIFY(bytes.contains("&#937;\x80 &#128512;"));
    QVERIFY(!bytes.contains("\xC3\xA7")); // no UTF-8
}

// Characters the code page lacks are "?" in 8-bit fields: nothing that is not XML 1.0.
void TestDataPacket::missingCharactersAreQuestionMarks()
{
    TParametros::Record record;
    record[field("SSID")] = TParametros::fitted(field("SSID"), QStringLiteral("caf\u00e9 \u2764\ufe0f\u200b"));
    const QByteArray bytes = DataPacket::write({record});
    QVERIFY(bytes.contains("SSID=\"caf\xe9 ???\""));
    QVERIFY(!bytes.contains('\x1a'));
    QVERIFY(!bytes.contains("&#26;"));
}

// A wide value outside the code page takes the file through UTF-8; the 8-bit
// values come out the same either way.
void TestDataPacket::escapesAlikeWithOrWithoutReferences_data()
{
    QTest::addColumn<QString>("signature");
    QTest::newRow("all in the code page") << QStringLiteral("ação €");
    QTest::newRow("a character outside it") << QStringLiteral("ação \u03a9");
}

void TestDataPacket::escapesAlikeWithOrWithoutReferences()
{
    QFETCH(QString, signature);
    TParametros::Record record;
    record[field("senha")] = QStringLiteral("<a href=\"x\">&'\tç€\r\n</a>");
    record[field("Assinatura")] = signature;
    const QByteArray bytes = DataPacket::write({record});
    QVERIFY(bytes.contains("senha=\"&lt;a href=&quot;x&quot;>&amp;'&#09;\xe7\x80&#13;&#10;&lt;/a>\""));
}

void TestDataPacket::writtenRecordsReadBackTheSame_data()
{
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("value");
    QTest::newRow("8-bit accents") << "usuario" << QStringLiteral("ação ÇÉÍÕÚ €");
    QTest::newRow("markup characters") << "senha" << QStringLiteral("<a href=\"x\">&amp;'</a>");
    QTest::newRow("line breaks and tabs") << "codigo" << QStringLiteral("a\r\nb\tc\nd");
    QTest::newRow("outer blanks") << "SSID" << QStringLiteral("  rede  ");
    QTest::newRow("empty") << "CNPJSH" << QString();
    QTest::newRow("wide text outside Windows-1252") << "Assinatura" << kSignature;
    QTest::newRow("wide text opening with U+FEFF") << "Assinatura" << QStringLiteral("\ufeffabc");
    QTest::newRow("memo") << "CSR" << QStringLiteral("-----BEGIN-----\r\nÁÉ\r\n-----END-----");
    QTest::newRow("integer") << "TipoCert" << QStringLiteral("-42");
}

void TestDataPacket::writtenRecordsReadBackTheSame()
{
    QFETCH(QString, fieldName);
    QFETCH(QString, value);
    TParametros::Record first;
    first[TParametros::indexOf(fieldName)] = value;
    first[field("uf")] = QStringLiteral("26");
    TParametros::Record second;
    second[field("lanIP")] = QStringLiteral("10.0.0.1");
    const DataPacket::Rows rows {first, second};

    const DataPacket::ReadResult result = DataPacket::read(DataPacket::write(rows));
    QVERIFY2(result.ok, qPrintable(result.problem));
    QVERIFY(result.rows == rows);
}

void TestDataPacket::fitsValuesReadFromTheFile()
{
    QByteArray bytes = defaultFile();
    bytes.replace("lanIP=\"\"", "lanIP=\"192.168.100.1234\"");
    const DataPacket::ReadResult result = DataPacket::read(bytes);
    QVERIFY(result.ok);
    QCOMPARE(result.rows.front()[field("lanIP")], QStringLiteral("192.168.100.123"));
}

void TestDataPacket::fieldNamesIgnoreLetterCase_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray valid = defaultFile();
    const QByteArray fieldList = QByteArray(valid)
                                     .replace("attrname=\"tipoInter\"", "attrname=\"TIPOINTER\"")
                                     .replace("attrname=\"uf\"", "attrname=\"Uf\"")
                                     .replace("attrname=\"CNPJSH\"", "attrname=\"cnpjsh\"");
    const auto respellRow = [](QByteArray bytes) {
        return bytes.replace(" tipoInter=\"ETHE\"", " TipoInter=\"ETHE\"").replace(" uf=\"35\"", " UF=\"35\"");
    };
    QTest::newRow("field list") << fieldList;
    QTest::newRow("row attributes") << respellRow(valid);
    QTest::newRow("both") << respellRow(fieldList);
}

void TestDataPacket::fieldNamesIgnoreLetterCase()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(bytes != defaultFile());
    const DataPacket::ReadResult result = DataPacket::read(bytes);
    QVERIFY2(result.ok, qPrintable(result.problem));
    QCOMPARE(result.rows.size(), std::size_t(1));
    QCOMPARE(result.rows.front()[field("tipoInter")], QStringLiteral("ETHE"));
    QCOMPARE(result.rows.front()[field("uf")], QStringLiteral("35"));
    QCOMPARE(result.rows.front()[field("tipoLan")], QStringLiteral("DHCP"));
}

void TestDataPacket::rejectsWhatIsNotASettingsDatapacket_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray valid = defaultFile();
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("plain text") << QByteArrayLiteral("tipoInter=ETHE\r\n");
    QTest::newRow("binary junk") << QByteArray("\x00\xFF\x81\x8D<\x01\x02", 7);
    QTest::newRow("cut in half") << valid.left(valid.size() / 2);
    QTest::newRow("wrong root") << QByteArray(valid).replace("DATAPACKET", "CONFIG");
    QTest::newRow("no field list") << QByteArray(valid).replace("FIELDS>", "CAMPOS>");
    QTest::newRow("field missing") << QByteArray(valid).replace("attrname=\"CNPJSH\"", "attrname=\"outro\"");
    QTest::newRow("network document") << QByteArrayLiteral("<?xml version=\"1.0\"?><config><tipoInter>ETHE</tipoInter></config>");
}

void TestDataPacket::rejectsWhatIsNotASettingsDatapacket()
{
    QFETCH(QByteArray, bytes);
    const DataPacket::ReadResult result = DataPacket::read(bytes);
    QVERIFY(!result.ok);
    QVERIFY(!result.problem.isEmpty());
    QVERIFY(result.rows.empty());
}

QTEST_GUILESS_MAIN(TestDataPacket)
#include "tst_datapacket.moc"
