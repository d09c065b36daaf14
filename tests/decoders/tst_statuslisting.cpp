#include "statusreplies.h"

#include "channel/replyfields.h"
#include "decoders/statuslisting.h"
#include "platform/ansicodepage.h"

#include <QTest>

enum class Page { Sat, Mfe };
Q_DECLARE_METATYPE(Page)

namespace {

// The reply as the page gets it; the SAT form lists its split fields.
QStringList list(Page page, const QByteArray &reply)
{
    const QString retorno = AnsiCodePage::toUnicode(reply);
    if (page == Page::Mfe)
        return StatusListing::listMfe(retorno);
    QStringList fields;
    ReplyFields::ExtractStrings2(QByteArrayLiteral("|"), QByteArray(), retorno, &fields);
    return StatusListing::listSat(fields);
}

// The full reply's fields up to field, which holds value; closed by a "|"
// for the MF-e form, which lists only closed fields.
QByteArray replyUpTo(Page page, int field, const QByteArray &value)
{
    QList<QByteArray> fields = StatusReplies::mfeFields("000001").mid(0, field + 1);
    while (fields.size() <= field)
        fields.append(QByteArray());
    fields[field] = value;
    return fields.join('|') + (page == Page::Mfe ? "|" : "");
}

} // namespace

class TestStatusListing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void statusLine_data();
    void statusLine();
    void UFPorCodigo();
    void fieldRendering_data();
    void fieldRendering();
    void replyEnds_data();
    void replyEnds();
    void valueShownAsReceived_data();
    void valueShownAsReceived();
    void networkDocument_data();
    void networkDocument();
    void fullReply_data();
    void fullReply();
    void mfeFieldWithoutClosingBar();
};

void TestStatusListing::statusLine_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("line");

    QTest::newRow("6 characters: 21 dots") << "Estado" << " Estado ..................... 1";
    QTest::newRow("26 characters: 1 dot") << "Horário da ùltima comunic." << " Horário da ùltima comunic. . 1";
    QTest::newRow("field 58") << StatusListing::label(58) << " Campo 58 ................... 1";
    QTest::newRow("27 characters: no dots") << "abcdefghijklmnopqrstuvwxyz0" << " abcdefghijklmnopqrstuvwxyz0  1";
    QTest::newRow("30 characters: no dots") << "abcdefghijklmnopqrstuvwxyz0123" << " abcdefghijklmnopqrstuvwxyz0123  1";
    QTest::newRow("empty: 27 dots") << "" << "  ........................... 1";
}

void TestStatusListing::statusLine()
{
    QFETCH(QString, label);
    QFETCH(QString, line);
    QCOMPARE(StatusListing::statusLine(label, QStringLiteral("1")), line);
}

void TestStatusListing::UFPorCodigo()
{
    const QStringList expected = QStringLiteral(
        "00 00 00 00 00 00 00 00 00 00 00 RO AC AM RR PA AP TO 00 00 00 MA PI CE RN PB PE AL SE BA 00 MG ES RJ 00 SP "
        "00 00 00 00 00 PR SC RS 00 00 00 00 00 00 MS MT GO DF").split(u' ');
    QCOMPARE(QStringList(StatusListing::UFPorCodigo.begin(), StatusListing::UFPorCodigo.end()), expected);
}

void TestStatusListing::fieldRendering_data()
{
    QTest::addColumn<Page>("page");
    QTest::addColumn<int>("field");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QStringList>("lastLines"); // a field left out leaves the line of the one before last

    QTest::newRow("SAT date-time empty") << Page::Sat << 23 << QByteArray("")
        << QStringList{QStringLiteral(" Horário do última transm. .. // - ::")};
    QTest::newRow("SAT date-time of 12 characters") << Page::Sat << 24 << QByteArray("201810150930")
        << QStringList{QStringLiteral(" Horário da ùltima comunic. . 15/10/2018 - 09:30:")};
    QTest::newRow("SAT date-time past 14 characters") << Page::Sat << 17 << QByteArray("2018101509300099")
        << QStringList{QStringLiteral(" Horário Atual .............. 15/10/2018 - 09:30:00")};
    QTest::newRow("SAT date past 8 characters") << Page::Sat << 26 << QByteArray("2023010199")
        << QStringList{QStringLiteral(" Data do vecto do Cert. ..... 01/01/2023")};
    QTest::newRow("SAT date empty") << Page::Sat << 26 << QByteArray("")
        << QStringList{QStringLiteral(" Data do vecto do Cert. ..... //")};
    QTest::newRow("SAT state 1") << Page::Sat << 27 << QByteArray("1")
        << QStringList{QStringLiteral(" Estado ..................... BLOQUEIO SEFAZ")};
    QTest::newRow("SAT state 2") << Page::Sat << 27 << QByteArray("2")
        << QStringList{QStringLiteral(" Estado ..................... BLOQUEIO CONTRIBUINTE")};
    QTest::newRow("SAT state 3") << Page::Sat << 27 << QByteArray("3")
        << QStringList{QStringLiteral(" Estado ..................... BLOQUEIO AUTONOMO")};
    QTest::newRow("SAT state 4") << Page::Sat << 27 << QByteArray("4")
        << QStringList{QStringLiteral(" Estado ..................... BLOQUEIO PARA DESATIVACAO")};
    QTest::newRow("SAT state 10 outside the table") << Page::Sat << 27 << QByteArray("10")
        << QStringList{QStringLiteral(" Estado ..................... 10")};
    QTest::newRow("SAT state -1 outside the table") << Page::Sat << 27 << QByteArray("-1")
        << QStringList{QStringLiteral(" Estado ..................... -1")};
    QTest::newRow("SAT field after 57") << Page::Sat << 58 << QByteArray("extra")
        << QStringList{QStringLiteral(" Campo 58 ................... extra")};
    QTest::newRow("MF-e state 10 violated") << Page::Mfe << 27 << QByteArray("10")
        << QStringList{QStringLiteral(" Estado ..................... VIOLADO")};
    QTest::newRow("MF-e state 2") << Page::Mfe << 27 << QByteArray("2")
        << QStringList{QStringLiteral(" Estado ..................... BLOQUEIO CONTRIBUINTE")};
    QTest::newRow("MF-e state 7 outside the table") << Page::Mfe << 27 << QByteArray("7")
        << QStringList{QStringLiteral(" Estado ..................... 7")};
    QTest::newRow("MF-e environment 1") << Page::Mfe << 28 << QByteArray("1")
        << QStringList{QStringLiteral(" Ambiente ................... PRODUÇÃO")};
    QTest::newRow("MF-e environment 3") << Page::Mfe << 28 << QByteArray("3")
        << QStringList{QStringLiteral(" Ambiente ................... 3")};
    QTest::newRow("MF-e UF 19 of no state") << Page::Mfe << 29 << QByteArray("19")
        << QStringList{QStringLiteral(" UF ......................... 00 (19)")};
    QTest::newRow("MF-e UF 53") << Page::Mfe << 29 << QByteArray("53")
        << QStringList{QStringLiteral(" UF ......................... DF (53)")};
    QTest::newRow("MF-e UF 0") << Page::Mfe << 29 << QByteArray("0")
        << QStringList{QStringLiteral(" UF ......................... 00 (0)")};
    QTest::newRow("MF-e UF with blanks") << Page::Mfe << 29 << QByteArray(" 35 ")
        << QStringList{QStringLiteral(" UF ......................... SP (35)")};
    QTest::newRow("MF-e UF 54 outside the table") << Page::Mfe << 29 << QByteArray("54")
        << QStringList{QStringLiteral(" UF ......................... 54")};
    QTest::newRow("MF-e level 0") << Page::Mfe << 30 << QByteArray("0")
        << QStringList{QStringLiteral(" Nível da Bateria Externa ... REMOVIDA - FALHA")};
    QTest::newRow("MF-e level 1") << Page::Mfe << 30 << QByteArray("1")
        << QStringList{QStringLiteral(" Nível da Bateria Externa ... BAIXO")};
    QTest::newRow("MF-e level 2") << Page::Mfe << 30 << QByteArray("2")
        << QStringList{QStringLiteral(" Nível da Bateria Externa ... MÉDIO")};
    QTest::newRow("MF-e level 4") << Page::Mfe << 30 << QByteArray("4")
        << QStringList{QStringLiteral(" Nível da Bateria Externa ... 4")};
    QTest::newRow("MF-e power 0") << Page::Mfe << 31 << QByteArray("0")
        << QStringList{QStringLiteral(" Alimentação ................ ERRO NA LEITURA DA FONTE DE ALIMENTAÇÃO")};
    QTest::newRow("MF-e power 2") << Page::Mfe << 31 << QByteArray("2")
        << QStringList{QStringLiteral(" Alimentação ................ BATERIA")};
    QTest::newRow("MF-e power 3") << Page::Mfe << 31 << QByteArray("3")
        << QStringList{QStringLiteral(" Alimentação ................ USB")};
    QTest::newRow("MF-e power 01") << Page::Mfe << 31 << QByteArray("01")
        << QStringList{QStringLiteral(" Alimentação ................ 01")};
    QTest::newRow("MF-e channel WIFI") << Page::Mfe << 32 << QByteArray("WIFI")
        << QStringList{QStringLiteral(" Canal de Comunic. em uso ... WIFI")};
    QTest::newRow("MF-e channel ethe") << Page::Mfe << 32 << QByteArray("ethe")
        << QStringList{QStringLiteral(" Canal de Comunic. em uso ... ethe")};
    QTest::newRow("MF-e network document with escapes") << Page::Mfe << 34 << QByteArray("<a x=\\\"1\\\"><b>\\n2</b></a>")
        << QStringList{QStringLiteral(" Configuração da rede 2 ..... "), QStringLiteral(" "), QStringLiteral("<a x=\"1\">\r\n  <b>2</b>\r\n</a>\r\n")};
    QTest::newRow("MF-e SIM card 2") << Page::Mfe << 41 << QByteArray("8955")
        << QStringList{QStringLiteral(" Identificação do SIMCARD 2 . 8955")};
    QTest::newRow("MF-e violation") << Page::Mfe << 43 << QByteArray("20181015093000")
        << QStringList{QStringLiteral(" Horário da Violação ........ 15/10/2018 - 09:30:00")};
    QTest::newRow("MF-e impact") << Page::Mfe << 44 << QByteArray("20181015093000")
        << QStringList{QStringLiteral(" Horário do Impacto ......... 15/10/2018 - 09:30:00")};
    QTest::newRow("MF-e impact empty") << Page::Mfe << 44 << QByteArray("")
        << QStringList{QStringLiteral(" Horário da Violação ........ 00/00/0000 - 00:00:00")};
    QTest::newRow("MF-e WIFI MAC") << Page::Mfe << 46 << QByteArray("AA:BB:CC:DD:EE:FF")
        << QStringList{QStringLiteral(" MAC da interface WIFI ...... AA:BB:CC:DD:EE:FF")};
    QTest::newRow("MF-e GPS reading empty") << Page::Mfe << 49 << QByteArray("")
        << QStringList{QStringLiteral(" Horário da leitura via GPS . // - ::")};
    QTest::newRow("MF-e LBS reading") << Page::Mfe << 52 << QByteArray("20181015091000")
        << QStringList{QStringLiteral(" Horário da leitura via LBS . 15/10/2018 - 09:10:00")};
    QTest::newRow("MF-e field after 57") << Page::Mfe << 58 << QByteArray("extra")
        << QStringList{QStringLiteral(" Campo 58 ................... extra")};
}

void TestStatusListing::fieldRendering()
{
    QFETCH(Page, page);
    QFETCH(int, field);
    QFETCH(QByteArray, value);
    QFETCH(QStringList, lastLines);

    const QStringList lines = list(page, replyUpTo(page, field, value));
    QCOMPARE(lines.mid(lines.size() - lastLines.size()), lastLines);
}

void TestStatusListing::replyEnds_data()
{
    QTest::addColumn<Page>("page");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("SAT ends at field 4") << Page::Sat << QByteArray("000001|10000|ok||") << QStringList();
    QTest::newRow("MF-e ends at field 4") << Page::Mfe << QByteArray("000001|10000|ok||") << QStringList();
    QTest::newRow("MF-e empty reply") << Page::Mfe << QByteArray() << QStringList();
    QTest::newRow("MF-e lone bar") << Page::Mfe << QByteArray("|") << QStringList();
    QTest::newRow("SAT closing bar after field 4") << Page::Sat << QByteArray("000001|10000|ok|||")
        << QStringList{QStringLiteral(" Número de Série ............ ")};
    QTest::newRow("MF-e closing bar after field 4") << Page::Mfe << QByteArray("000001|10000|ok|||") << QStringList();
    QTest::newRow("SAT closing bar") << Page::Sat << QByteArray("000001|10000|ok|||900004019|")
        << QStringList{QStringLiteral(" Número de Série ............ 900004019"), QStringLiteral(" Tipo de Rede ............... ")};
    QTest::newRow("MF-e last field without bar") << Page::Mfe << QByteArray("000001|10000|ok|||900004019|IPFIX")
        << QStringList{QStringLiteral(" Número de Série ............ 900004019"), QStringLiteral(" Tipo de Rede ............... IPFIX")};
    QTest::newRow("MF-e field 5 without bar") << Page::Mfe << QByteArray("000001|10000|ok|||900004019")
        << QStringList{QStringLiteral(" Número de Série ............ 900004019")};
    QTest::newRow("MF-e closing bar") << Page::Mfe << QByteArray("000001|10000|ok|||900004019|IPFIX|")
        << QStringList{QStringLiteral(" Número de Série ............ 900004019"), QStringLiteral(" Tipo de Rede ............... IPFIX")};
    QTest::newRow("MF-e leading bar is part of field 0") << Page::Mfe << QByteArray("|000001|10000|ok|||900004019|")
        << QStringList{QStringLiteral(" Número de Série ............ 900004019")};
    QTest::newRow("SAT leading bar gives an empty field 0") << Page::Sat
        << QByteArray("|000001|10000|ok|||900004019|")
        << QStringList{QStringLiteral(" Número de Série ............ "), QStringLiteral(" Tipo de Rede ............... 900004019"), QStringLiteral(" IP ......................... ")};
}

void TestStatusListing::replyEnds()
{
    QFETCH(Page, page);
    QFETCH(QByteArray, reply);
    QFETCH(QStringList, lines);

    QCOMPARE(list(page, reply), lines);
}

void TestStatusListing::valueShownAsReceived_data()
{
    QTest::addColumn<Page>("page");
    QTest::addColumn<int>("field");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("line");

    QTest::newRow("SAT state not a number") << Page::Sat << 27 << QByteArray("abc")
                                            << " Estado ..................... abc";
    QTest::newRow("SAT state empty") << Page::Sat << 27 << QByteArray() << " Estado ..................... ";
    QTest::newRow("MF-e state not a number") << Page::Mfe << 27 << QByteArray("1O")
                                             << " Estado ..................... 1O";
    QTest::newRow("MF-e state empty") << Page::Mfe << 27 << QByteArray() << " Estado ..................... ";
    QTest::newRow("MF-e UF as letters") << Page::Mfe << 29 << QByteArray("SP") << " UF ......................... SP";
    QTest::newRow("MF-e UF empty") << Page::Mfe << 29 << QByteArray() << " UF ......................... ";
    QTest::newRow("MF-e UF in UTF-8") << Page::Mfe << 29 << QByteArray("S\xc3\xa3o Paulo")
                                      << " UF ......................... São Paulo";
}

void TestStatusListing::valueShownAsReceived()
{
    QFETCH(Page, page);
    QFETCH(int, field);
    QFETCH(QByteArray, value);
    QFETCH(QString, line);

    // The full listing with that field's line: every field after it is listed.
    QList<QByteArray> fields = StatusReplies::mfeFields("000001");
    fields[field] = value;
    const QStringList full = page == Page::Sat ? StatusReplies::satListing() : StatusReplies::mfeListing();
    QCOMPARE(list(page, fields.join('|') + '|'), StatusReplies::withLine(full, line));
}

void TestStatusListing::networkDocument_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QStringList>("lines"); // the field's lines; the other fields are all listed

    QTest::newRow("empty: header line alone") << 33 << QByteArray() << QStringList{" Configuração da rede 1 ..... "};
    QTest::newRow("last one empty") << 36 << QByteArray() << QStringList{" Configuração da rede 4 ..... "};
    QTest::newRow("not XML: as received") << 34 << QByteArray("<config>")
                                          << QStringList{" Configuração da rede 2 ..... ", " ", "<config>"};
    QTest::newRow("escaped, not XML: as received, escapes kept")
        << 35 << QByteArray("<config x=\\\"1\\\">\\n") << QStringList{" Configuração da rede 3 ..... ", " ", "<config x=\\\"1\\\">\\n"};
    QTest::newRow("two documents: as received") << 33 << QByteArray("<a/><b/>")
                                                 << QStringList{" Configuração da rede 1 ..... ", " ", "<a/><b/>"};
    QTest::newRow("blanks: as received") << 34 << QByteArray("  ")
                                         << QStringList{" Configuração da rede 2 ..... ", " ", "  "};
    QTest::newRow("well-formed: indented") << 36 << QByteArray("<a><b>1</b></a>")
        << QStringList{" Configuração da rede 4 ..... ", " ", "<a>\r\n  <b>1</b>\r\n</a>\r\n"};
}

void TestStatusListing::networkDocument()
{
    QFETCH(int, field);
    QFETCH(QByteArray, value);
    QFETCH(QStringList, lines);

    // The other network fields are "NA", so the field's lines stand where
    // the first document's lines stand in the full listing.
    QList<QByteArray> fields = StatusReplies::mfeFields("000001");
    for (int network = 33; network <= 36; ++network)
        fields[network] = network == field ? value : QByteArray("NA");
    const QStringList full = StatusReplies::mfeListing();
    const qsizetype first = full.indexOf(QStringLiteral(" Configuração da rede 1 ..... "));
    const qsizetype after = full.indexOf(QStringLiteral(" Operadora do Celular ....... VIVO"));
    const QStringList expected = full.mid(0, first) + lines + full.mid(after);

    for (const QByteArray &closing : {QByteArray("|"), QByteArray()})
        QCOMPARE(list(Page::Mfe, fields.join('|') + closing), expected);
}

void TestStatusListing::fullReply_data()
{
    QTest::addColumn<Page>("page");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("SAT") << Page::Sat << StatusReplies::satListing();
    QTest::newRow("MF-e") << Page::Mfe << StatusReplies::mfeListing();
}

void TestStatusListing::fullReply()
{
    QFETCH(Page, page);
    QFETCH(QStringList, lines);
    QCOMPARE(list(page, StatusReplies::mfe("000001")), lines);
}

void TestStatusListing::mfeFieldWithoutClosingBar()
{
    // As modules send it: field 57 is listed all the same.
    QCOMPARE(list(Page::Mfe, StatusReplies::mfeFields("000001").join('|')), StatusReplies::mfeListing());
}

QTEST_GUILESS_MAIN(TestStatusListing)
#include "tst_statuslisting.moc"
