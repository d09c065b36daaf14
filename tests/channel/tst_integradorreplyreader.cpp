#include "channel/integradorreplydocument.h"
#include "channel/integradorreplyreader.h"
#include "fakeintegrador.h"
#include "temporarywineprefix.h"
#include "testclock.h"

#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringEncoder>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

constexpr int kExpected = 4711;

const QByteArray kDeclaration = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n";

QByteArray document(const QByteArray &inner, const QByteArray &declaration = kDeclaration)
{
    return declaration + "<Integrador>" + inner + "</Integrador>\r\n";
}

QByteArray reply(const QByteArray &identificador, const QByteArray &retorno,
                 const QByteArray &declaration = kDeclaration)
{
    return document("<Identificador><Valor>" + identificador + "</Valor></Identificador><Resposta><retorno>"
                        + retorno + "</retorno></Resposta>",
                    declaration);
}

QByteArray errorReply(const QByteArray &identificador, const QByteArray &erro)
{
    return document("<Identificador><Valor>" + identificador + "</Valor></Identificador><Erro><Valor>" + erro
                    + "</Valor></Erro>");
}

QByteArray utf16(const QString &text, QStringConverter::Encoding encoding, bool bom)
{
    QStringEncoder encoder(encoding, bom ? QStringConverter::Flag::WriteBom : QStringConverter::Flag::Default);
    return encoder.encode(text);
}

// A reader over a fresh temporary Integrador folder, with 10 virtual seconds left.
struct ReaderFixture {
    TemporaryWinePrefix prefix;
    TestClock clock;
    IntegradorReplyReader reader{clock};

    ReaderFixture() { reader.setLimiteEspera(clock.now().addSecs(10)); }

    QString path(const QString &name) const { return prefix.output() + u'/' + name; }
    bool write(const QString &name, const QByteArray &bytes) const { return TestFiles::write(path(name), bytes); }
    QStringList entries() const
    {
        const QDir::Filters every = QDir::Files | QDir::Dirs | QDir::System | QDir::NoDotAndDotDot;
        return QDir(prefix.output()).entryList(every, QDir::Name);
    }
};

} // namespace

class TestIntegradorReplyReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void takingRules_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<QString>("resposta");

        QTest::newRow("identifier with leading zeros") << reply("00004711", "a|b") << true << "a|b";
        QTest::newRow("identifier without zeros") << reply("4711", "a|b") << true << "a|b";
        QTest::newRow("error of another request") << errorReply("1234", "falhou") << true << "falhou";
        QTest::newRow("error without identifier")
            << document("<Erro><Valor>falhou</Valor></Erro>") << true << "falhou";
        QTest::newRow("error text wins over retorno")
            << document("<Identificador><Valor>4711</Valor></Identificador><Erro><Valor>e</Valor></Erro>"
                        "<Resposta><retorno>r</retorno></Resposta>")
            << true << "e";
        QTest::newRow("blank error text is not trimmed") << errorReply("1", "  ") << true << "  ";
        QTest::newRow("references resolved") << reply("4711", "&lt;a&amp;b&gt;&#231;") << true
                                             << QString::fromUtf8("<a&b>ç");
        QTest::newRow("split CDATA read whole")
            << reply("4711", "<![CDATA[x]]]]><![CDATA[>y]]>") << true << "x]]>y";
        QTest::newRow("another identifier") << reply("4712", "a|b") << false << "";
        QTest::newRow("empty retorno") << reply("4711", "") << false << "";
        QTest::newRow("missing retorno")
            << document("<Identificador><Valor>4711</Valor></Identificador>") << false << "";
        QTest::newRow("empty error, other identifier") << errorReply("1", "") << false << "";
        QTest::newRow("identifier not a number") << reply("47x1", "a") << false << "";
        QTest::newRow("identifier with blanks") << reply(" 4711", "a") << false << "";
        QTest::newRow("identifier empty") << reply("", "a") << false << "";
        QTest::newRow("identifier beyond 32 bits") << reply("4294971807", "a") << false << "";
        QTest::newRow("identifier negative") << reply("-4711", "a") << false << "";
        QTest::newRow("identifier holding an element") << reply("<x>4711</x>", "a") << false << "";
        QTest::newRow("error holding an element") << errorReply("1", "<x>e</x>") << false << "";
        QTest::newRow("root other than Integrador")
            << QByteArray("<Outro><Identificador><Valor>4711</Valor></Identificador>"
                          "<Resposta><retorno>a</retorno></Resposta></Outro>")
            << false << "";
    }

    void takingRules()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, taken);
        QFETCH(QString, resposta);

        ReaderFixture f;
        QVERIFY(f.write("reply.xml", file));
        const int result = f.reader.LeRespostaIntegrador(kExpected);
        QCOMPARE(result, taken ? 1 : 0); // a file not taken is not read again
        QCOMPARE(f.clock.pauseCount(), 1);
        QCOMPARE(QFile::exists(f.path("reply.xml")), !taken);
        if (taken)
            QCOMPARE(f.reader.RespostaIntegrador(), resposta);
    }

    void encodings_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<QString>("resposta");

        const QString accented = QString::fromUtf8("ação");
        const QString text = QString::fromUtf8(
            "<?xml version=\"1.0\"?><Integrador><Identificador><Valor>4711</Valor></Identificador>"
            "<Resposta><retorno>ação</retorno></Resposta></Integrador>");
        const QByteArray ansi("a\xe7\xe3o \x80");
        const QString fromAnsi = QString::fromUtf8("ação €");
        const QString replaced = QStringLiteral("a\uFFFD\uFFFDo \uFFFD");
        const auto declaring = [](const QByteArray &declaration, const QByteArray &retorno) {
            return reply("4711", retorno, declaration);
        };
        QTest::newRow("UTF-8 declared, as the Integrador writes it") << reply("4711", accented.toUtf8()) << true
                                                                    << accented;
        QTest::newRow("UTF-8 with BOM") << QByteArray("\xef\xbb\xbf" + text.toUtf8()) << true << accented;
        QTest::newRow("UTF-8, no encoding declared") << text.toUtf8() << true << accented;
        QTest::newRow("UTF-8, no declaration") << declaring("", accented.toUtf8()) << true << accented;
        QTest::newRow("UTF-8 under an encoding not known")
            << declaring("<?xml version=\"1.0\" encoding=\"shift_jis\"?>", accented.toUtf8()) << true << accented;
        QTest::newRow("UTF-16 LE with BOM") << utf16(text, QStringConverter::Utf16LE, true) << true << accented;
        QTest::newRow("UTF-16 BE with BOM") << utf16(text, QStringConverter::Utf16BE, true) << true << accented;
        QTest::newRow("UTF-16 LE without BOM") << utf16(text, QStringConverter::Utf16LE, false) << false << "";
        QTest::newRow("UTF-16 BE without BOM") << utf16(text, QStringConverter::Utf16BE, false) << false << "";
        QTest::newRow("windows-1252 declared")
            << declaring("<?xml version=\"1.0\" encoding=\"windows-1252\"?>", ansi) << true << fromAnsi;
        QTest::newRow("ISO-8859-1 declared, read as its superset Windows-1252")
            << declaring("<?xml version='1.0' encoding='ISO-8859-1'?>", ansi) << true << fromAnsi;
        QTest::newRow("another spelling, any case")
            << declaring("<?xml version=\"1.0\" encoding = \"CP1252\" ?>", ansi) << true << fromAnsi;
        QTest::newRow("declaration after a blank line")
            << declaring("\r\n<?xml version=\"1.0\" encoding=\"Latin1\"?>", ansi) << true << fromAnsi;
        QTest::newRow("the BOM wins over the declaration")
            << declaring("\xef\xbb\xbf<?xml version=\"1.0\" encoding=\"windows-1252\"?>", accented.toUtf8())
            << true << accented;
        QTest::newRow("ANSI bytes declared UTF-8") << reply("4711", ansi) << true << replaced;
        QTest::newRow("ANSI bytes undeclared") << declaring("", ansi) << true << replaced;
        QTest::newRow("tag names differing in invalid bytes alone")
            << declaring("", "ok</retorno><x\x93></x\xa4><retorno>") << true << "ok";
    }

    void encodings()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, taken);
        QFETCH(QString, resposta);

        ReaderFixture f;
        QVERIFY(f.write("reply.xml", file));
        QCOMPARE(f.reader.LeRespostaIntegrador(kExpected), taken ? 1 : 0);
        if (taken)
            QCOMPARE(f.reader.RespostaIntegrador(), resposta);
    }

    void badFilesArePassedOver_data()
    {
        QTest::addColumn<QByteArray>("file");

        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not XML") << QByteArray("4711|08000|ok");
        QTest::newRow("truncated") << reply("4711", "a").left(60);
        QTest::newRow("binary") << QByteArray("\x00\xff\x01<Integrador>\x00\x00\x80", 16);
        QTest::newRow("two roots") << QByteArray(reply("4711", "a") + "<Integrador/>");
        QTest::newRow("text after the root") << QByteArray(reply("4711", "a") + "4711");
        QTest::newRow("one character after the root") << QByteArray(reply("4711", "a").trimmed() + "x");
        QTest::newRow("text before the root") << QByteArray("x" + reply("4711", "a"));
        QTest::newRow("only a BOM") << QByteArray("\xff\xfe");
        QTest::newRow("odd UTF-16 length") << QByteArray("\xff\xfe<\0I\0n", 7);
        QTest::newRow("UTF-16 cut in a character")
            << QByteArray(utf16(QString::fromLatin1(reply("4711", "a")), QStringConverter::Utf16LE, true) + 'x');
        QTest::newRow("invalid UTF-8 after BOM") << QByteArray("\xef\xbb\xbf\xc3\x28\xa0\xa1");
    }

    // A bad file stays and, unchanged, is passed over without being read
    // again; a good reply after it in listing order is still taken.
    void badFilesArePassedOver()
    {
        QFETCH(QByteArray, file);

        ReaderFixture f;
        QVERIFY(f.write("a.xml", file));
        QCOMPARE(f.reader.LeRespostaIntegrador(kExpected), 0);
        QCOMPARE(f.reader.LeRespostaIntegrador(kExpected), 0);
        QCOMPARE(f.clock.pauseCount(), 1);

        QVERIFY(f.write("b.xml", reply("4711", "bom")));
        QCOMPARE(f.reader.LeRespostaIntegrador(kExpected), 1);
        QCOMPARE(f.reader.RespostaIntegrador(), QStringLiteral("bom"));
        QCOMPARE(f.entries(), QStringList{"a.xml"});
    }

    void hugeFileIsRefused()
    {
        ReaderFixture f;
        QByteArray huge = reply("4711", "a");
        huge += QByteArray(IntegradorReplyDocument::kMaxFileSize + 1 - huge.size(), ' '); // well-formed if read
        QVERIFY(f.write("huge.xml", huge));
        huge.clear();
        QCOMPARE(f.reader.LeRespostaIntegrador(kExpected), 0);
        QVERIFY(QFile::exists(f.path("huge.xml")));
    }

    void largeReplyIsRead()
    {
        ReaderFixture f;
        const QByteArray log = QByteArray(8 * 1024 * 1024, 'A');
        QVERIFY(f.write("large.xml", reply("4711", "1|15000|ok|||" + log)));
        QCOMPARE(f.reader.LeRespostaIntegrador(kExpected), 1);
        QCOMPARE(f.reader.RespostaIntegrador().size(), 13 + log.size());
    }

    void hiddenFilesAreListed()
    {
        ReaderFixture f;
        QVERIFY(f.write(".hidden.xml", reply("4711", "oculto")));
        QCOMPARE(f.reader.LeRespostaIntegrador(kExpected), 1);
        QCOMPARE(f.reader.RespostaIntegrador(), QStringLiteral("oculto"));
    }

    void otherExtensionsAreNotListed()
    {
        ReaderFixture f;
        QVERIFY(f.write("reply.txt", reply("4711", "a")));
        QVERIFY(f.write("reply.xml.tmp", reply("4711", "a")));
        QCOMPARE(f.reader.LeRespostaIntegrador(kExpected), 0);
        QCOMPARE(f.clock.pauseCount(), 0);
    }

    // Taken once, and not again while it is unchanged.
    void undeletableReplyCountsAsTakenOnce()
    {
        ReaderFixture f;
        QVERIFY(f.write("reply.xml", errorReply("1234", "erro alheio")));
        QVERIFY(f.write("probe.xml", "x"));
        // Root ignores permissions: fall back to the immutable attribute.
        const QString output = f.prefix.output();
        QFile::setPermissions(output, QFile::ReadOwner | QFile::ExeOwner);
        const bool immutable = QProcess::execute("chattr", {"+i", f.path("reply.xml"), f.path("probe.xml")}) == 0;
        const auto unlock = qScopeGuard([&] {
            if (immutable)
                QProcess::execute("chattr", {"-i", f.path("reply.xml"), f.path("probe.xml")});
            QFile::setPermissions(output, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
        if (QFile::remove(f.path("probe.xml")))
            QSKIP("cannot make a file undeletable here");

        QCOMPARE(f.reader.LeRespostaIntegrador(kExpected), 1);
        QCOMPARE(f.reader.RespostaIntegrador(), QStringLiteral("erro alheio"));
        QVERIFY(QFile::exists(f.path("reply.xml")));
        const int visits = f.clock.pauseCount();
        QCOMPARE(f.reader.LeRespostaIntegrador(kExpected + 1), 0);
        QCOMPARE(f.clock.pauseCount(), visits);
    }

    void firstInListingOrderIsTaken()
    {
        ReaderFixture f;
        QVERIFY(f.write("b.xml", reply("4711", "segundo")));
        QVERIFY(f.write("a.xml", reply("04711", "primeiro")));
        QCOMPARE(f.reader.LeRespostaIntegrador(kExpected), 1);
        QCOMPARE(f.reader.RespostaIntegrador(), QStringLiteral("primeiro"));
        QCOMPARE(f.entries(), QStringList{"b.xml"});
    }

    void othersRepliesStay()
    {
        ReaderFixture f;
        QVERIFY(f.write("a.xml", reply("1", "alheio")));
        QVERIFY(f.write("b.xml", reply("4711", "nosso")));
        QVERIFY(f.write("c.xml", reply("2", "alheio")));
        QCOMPARE(f.reader.LeRespostaIntegrador(kExpected), 1);
        QCOMPARE(f.reader.RespostaIntegrador(), QStringLiteral("nosso"));
        QCOMPARE(f.entries(), (QStringList{"a.xml", "c.xml"}));
    }

    void eachVisitPauses300Milliseconds()
    {
        ReaderFixture f;
        QVERIFY(f.write("a.xml", reply("1", "x")));
        QVERIFY(f.write("b.xml", reply("2", "x")));
        QVERIFY(f.write("c.xml", reply("4711", "ok")));
        const QDateTime start = f.clock.now();
        QCOMPARE(f.reader.LeRespostaIntegrador(kExpected), 1);
        QCOMPARE(f.clock.pauseCount(), 3);
        QCOMPARE(f.clock.now(), start.addMSecs(900));
    }

    // The deadline is checked between passes only: a pass under way ends.
    void passUnderWayMayTakeAfterDeadline()
    {
        ReaderFixture f;
        f.reader.setLimiteEspera(f.clock.now().addMSecs(500));
        for (const char *name : {"a.xml", "b.xml", "c.xml"})
            QVERIFY(f.write(name, reply("1", "x")));
        QVERIFY(f.write("d.xml", reply("4711", "ok")));
        QCOMPARE(f.reader.LeRespostaIntegrador(kExpected), 1);
        QVERIFY(f.clock.now() > f.reader.LimiteEspera());
    }

    void deadlineEqualToNow()
    {
        ReaderFixture f;
        QVERIFY(f.write("a.xml", reply("4711", "ok")));
        f.reader.setLimiteEspera(f.clock.now());
        QCOMPARE(f.reader.LeRespostaIntegrador(kExpected), 2);
        QCOMPARE(f.clock.pauseCount(), 0); // before listing
        QVERIFY(QFile::exists(f.path("a.xml")));
    }

    void deadlineNeverSet()
    {
        TemporaryWinePrefix prefix;
        TestClock clock;
        IntegradorReplyReader reader(clock);
        QVERIFY(FakeIntegrador::writeOutputFile("a.xml", reply("4711", "ok")));
        QCOMPARE(reader.LeRespostaIntegrador(kExpected), 2);
    }

    void emptyFolderGivesZeroAtOnce()
    {
        ReaderFixture f;
        const QDateTime start = f.clock.now();
        QCOMPARE(f.reader.LeRespostaIntegrador(kExpected), 0);
        QCOMPARE(f.clock.pauseCount(), 0);
        QCOMPARE(f.clock.now(), start);
    }

    void missingOutputFolderGivesZero()
    {
        TemporaryWinePrefix prefix(TemporaryWinePrefix::Folders::WithoutOutput);
        TestClock clock;
        IntegradorReplyReader reader(clock);
        reader.setLimiteEspera(clock.now().addSecs(10));
        QCOMPARE(reader.LeRespostaIntegrador(kExpected), 0);
    }

    void inputFolderIsNotTouched()
    {
        ReaderFixture f;
        QFile request(f.prefix.input() + "/ConsultarMFe00004711.xml");
        QVERIFY(request.open(QIODevice::WriteOnly));
        request.write(reply("4711", "ok"));
        request.close();
        QCOMPARE(f.reader.LeRespostaIntegrador(kExpected), 0);
        QVERIFY(request.exists());
    }

    void respostaKeepsLastTakenText()
    {
        ReaderFixture f;
        QVERIFY(f.write("a.xml", reply("4711", "primeira")));
        QCOMPARE(f.reader.LeRespostaIntegrador(kExpected), 1);
        QCOMPARE(f.reader.LeRespostaIntegrador(kExpected), 0);
        QCOMPARE(f.reader.RespostaIntegrador(), QStringLiteral("primeira"));
    }
};

QTEST_GUILESS_MAIN(TestIntegradorReplyReader)
#include "tst_integradorreplyreader.moc"
