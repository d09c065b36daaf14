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
#include <fcntl.h>
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

// One write into the Output folder, at a time after the request.
struct Write {
    qint64 atMs;
    QString name;
    QByteArray bytes;
    qint64 modifiedMs; // the file's modification time after the request
};
using Writes = QList<Write>;

Write writeAt(qint64 atMs, const QString &name, const QByteArray &bytes)
{
    return {atMs, name, bytes, atMs};
}

// A reader over a fresh temporary Integrador folder, for a request written
// at the clock's start over the empty folder, with 10 virtual seconds left.
struct ReaderFixture {
    TemporaryWinePrefix prefix;
    TestClock clock;
    IntegradorReplyReader reader{clock};
    QDateTime requestTime;
    qint64 requestElapsed = 0;

    ReaderFixture() { request(); }

    // A request written now, over what Output holds.
    void request()
    {
        requestTime = clock.now();
        requestElapsed = clock.elapsed();
        QVERIFY(reader.noteOutput());
        reader.setLimiteEspera(requestElapsed + 10000);
    }
    QString path(const QString &name) const { return prefix.output() + u'/' + name; }
    // Written now, ageMs before now by its modification time; unseen by the folder watch.
    bool writeUnwatched(const QString &name, const QByteArray &bytes, qint64 ageMs = 0) const
    {
        return TestFiles::write(path(name), bytes) && clock.date(path(name), ageMs);
    }
    // The same, and the folder watch reports it.
    bool write(const QString &name, const QByteArray &bytes, qint64 ageMs = 0)
    {
        reader.outputChanged({{}, true});
        return writeUnwatched(name, bytes, ageMs);
    }
    bool write(const Write &w)
    {
        clock.setNow(requestTime.addMSecs(w.atMs));
        return write(w.name, w.bytes, w.atMs - w.modifiedMs);
    }
    // Calls the reader as the exchange does: again when a settling file is due.
    int read()
    {
        int result = reader.LeRespostaIntegrador(kExpected);
        while (result == IntegradorReplyReader::NoEntry && reader.nextVisit()) {
            clock.advanceTo(*reader.nextVisit());
            result = reader.LeRespostaIntegrador(kExpected);
        }
        return result;
    }
    // As the exchange calls it where the folder cannot be watched: again when
    // a settling file is due, or after its 250 ms poll.
    int poll()
    {
        int result = reader.LeRespostaIntegrador(kExpected);
        while (result == IntegradorReplyReader::NoEntry) {
            clock.advanceTo(reader.nextVisit() ? *reader.nextVisit() : clock.elapsed() + 250);
            result = reader.LeRespostaIntegrador(kExpected);
        }
        return result;
    }
    // Its last modification an hour back: any change to its entries gives it a new time.
    bool ageFolder() const
    {
#ifdef Q_OS_UNIX
        const timespec hourAgo{::time(nullptr) - 3600, 0};
        const timespec times[2] = {hourAgo, hourAgo};
        return ::utimensat(AT_FDCWD, QFile::encodeName(prefix.output()).constData(), times, 0) == 0;
#else
        return false;
#endif
    }
    // The same while the writes happen, each at its time; false when one fails.
    bool play(const Writes &writes, int &result)
    {
        result = IntegradorReplyReader::NoEntry;
        for (qsizetype next = 0; result == IntegradorReplyReader::NoEntry;) {
            const std::optional<qint64> visit = reader.nextVisit();
            const bool writeFirst
                = next < writes.size() && (!visit || requestElapsed + writes[next].atMs <= *visit);
            if (writeFirst) {
                for (const qint64 at = writes[next].atMs; next < writes.size() && writes[next].atMs == at; ++next) {
                    if (!write(writes[next]))
                        return false;
                }
            } else if (visit) {
                clock.advanceTo(*visit);
            } else {
                return true;
            }
            result = reader.LeRespostaIntegrador(kExpected);
        }
        return true;
    }
    QStringList entries() const
    {
        const QDir::Filters every = QDir::Files | QDir::Dirs | QDir::System | QDir::NoDotAndDotDot;
        return QDir(prefix.output()).entryList(every, QDir::Name);
    }
};

// Keeps the Output folder's files from being deleted while it lives.
class Undeletable
{
public:
    explicit Undeletable(const ReaderFixture &f)
        : output_(f.prefix.output())
    {
        const QStringList names = QDir(output_).entryList(QDir::Files);
        QVERIFY(TestFiles::write(output_ + "/probe", "x"));
        for (const QString &name : names + QStringList{"probe"})
            files_ << output_ + u'/' + name;
        // Root ignores permissions: fall back to the immutable attribute.
        QFile::setPermissions(output_, QFile::ReadOwner | QFile::ExeOwner);
        immutable_ = QProcess::execute("chattr", QStringList{"+i"} + files_) == 0;
        works_ = !QFile::remove(output_ + "/probe");
    }
    ~Undeletable()
    {
        if (immutable_)
            QProcess::execute("chattr", QStringList{"-i"} + files_);
        QFile::setPermissions(output_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    Undeletable(const Undeletable &) = delete;
    Undeletable &operator=(const Undeletable &) = delete;

    bool works() const { return works_; }

private:
    QString output_;
    QStringList files_;
    bool immutable_ = false;
    bool works_ = false;
};

} // namespace

Q_DECLARE_METATYPE(Writes)

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
        QTest::newRow("our error") << errorReply("00004711", "falhou") << true << "falhou";
        QTest::newRow("error without identifier")
            << document("<Erro><Valor>falhou</Valor></Erro>") << true << "falhou";
        QTest::newRow("error with an empty identifier") << errorReply("", "falhou") << true << "falhou";
        QTest::newRow("error of another program")
            << errorReply("1234", "EnviarDadosVenda do PDV 2 rejeitado") << false << "";
        QTest::newRow("error, identifier not a number") << errorReply("PDV2", "falhou") << false << "";
        QTest::newRow("error text wins over retorno")
            << document("<Identificador><Valor>4711</Valor></Identificador><Erro><Valor>e</Valor></Erro>"
                        "<Resposta><retorno>r</retorno></Resposta>")
            << true << "e";
        QTest::newRow("blank error text is not trimmed") << errorReply("4711", "  ") << true << "  ";
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
        QTest::newRow("identifier between blanks") << reply(" 4711 ", "a") << true << "a";
        QTest::newRow("identifier indented") << reply("\r\n      4711\r\n    ", "a") << true << "a";
        QTest::newRow("identifier between tabs") << reply("\t4711\t", "a") << true << "a";
        QTest::newRow("our error, identifier indented") << errorReply("\r\n  4711\r\n", "falhou") << true << "falhou";
        QTest::newRow("error with a blank identifier") << errorReply(" \r\n\t", "falhou") << true << "falhou";
        QTest::newRow("identifier with a blank inside") << reply("47 11", "a") << false << "";
        QTest::newRow("identifier after a no-break space") << reply("\xc2\xa0" "4711", "a") << false << "";
        QTest::newRow("identifier empty") << reply("", "a") << false << "";
        QTest::newRow("identifier beyond 32 bits") << reply("4294971807", "a") << false << "";
        QTest::newRow("identifier negative") << reply("-4711", "a") << false << "";
        QTest::newRow("identifier holding an element") << reply("<x>4711</x>", "a") << false << "";
        QTest::newRow("error holding an element") << errorReply("4711", "<x>e</x>") << false << "";
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
        QCOMPARE(f.read(), taken ? 1 : 0);
        QCOMPARE(QFile::exists(f.path("reply.xml")), !taken);
        if (taken)
            QCOMPARE(f.reader.RespostaIntegrador(), resposta);
        QCOMPARE(f.reader.LeRespostaIntegrador(kExpected), 0); // a file not taken is not waited for again
        QVERIFY(!f.reader.nextVisit());
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
        QTest::newRow("UTF-16 LE without BOM") << utf16(text, QStringConverter::Utf16LE, false) << true << accented;
        QTest::newRow("UTF-16 BE without BOM") << utf16(text, QStringConverter::Utf16BE, false) << true << accented;
        QTest::newRow("UTF-16 without BOM nor declaration")
            << utf16(text.mid(text.indexOf("?>") + 2), QStringConverter::Utf16LE, false) << false << "";
        QTest::newRow("windows-1252 declared")
            << declaring("<?xml version=\"1.0\" encoding=\"windows-1252\"?>", ansi) << true << fromAnsi;
        QTest::newRow("ISO-8859-1 declared, read as its superset Windows-1252")
            << declaring("<?xml version='1.0' encoding='ISO-8859-1'?>", ansi) << true << fromAnsi;
        QTest::newRow("another spelling, any case")
            << declaring("<?xml version=\"1.0\" encoding = \"CP1252\" ?>", ansi) << true << fromAnsi;
        for (const char *name : {"ISO_8859-1:1987", "iso-ir-100", "IBM819", "cp819", "CSISOLATIN1", "L1",
                                 "csWindows1252"}) {
            QTest::addRow("declared %s", name)
                << declaring("<?xml version=\"1.0\" encoding=\"" + QByteArray(name) + "\"?>", ansi) << true << fromAnsi;
        }
        QTest::newRow("declaration after a blank line")
            << declaring("\r\n<?xml version=\"1.0\" encoding=\"Latin1\"?>", ansi) << true << fromAnsi;
        QTest::newRow("the BOM wins over the declaration")
            << declaring("\xef\xbb\xbf<?xml version=\"1.0\" encoding=\"windows-1252\"?>", accented.toUtf8())
            << true << accented;
        QTest::newRow("ANSI bytes declared UTF-8") << reply("4711", ansi) << true << fromAnsi;
        QTest::newRow("ANSI bytes undeclared") << declaring("", ansi) << true << fromAnsi;
        for (const char *name : {"US-ASCII", "ascii", "ANSI_X3.4-1968", "csASCII"}) {
            QTest::addRow("ANSI bytes declared %s", name)
                << declaring("<?xml version=\"1.0\" encoding=\"" + QByteArray(name) + "\"?>", ansi) << true << fromAnsi;
        }
        QTest::newRow("UTF-8 declared US-ASCII")
            << declaring("<?xml version=\"1.0\" encoding=\"US-ASCII\"?>", accented.toUtf8()) << true << accented;
        QTest::newRow("ANSI bytes after a UTF-8 BOM") << "\xef\xbb\xbf" + reply("4711", ansi) << true << replaced;
        QTest::newRow("tag names differing in invalid bytes alone")
            << "\xef\xbb\xbf" + declaring("", "ok</retorno><x\x93></x\xa4><retorno>") << true << "ok";
        QTest::newRow("tag names differing in ANSI characters")
            << declaring("", "ok</retorno><x\x93></x\xa4><retorno>") << false << "";
    }

    void encodings()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, taken);
        QFETCH(QString, resposta);

        ReaderFixture f;
        QVERIFY(f.write("reply.xml", file));
        QCOMPARE(f.read(), taken ? 1 : 0);
        if (taken)
            QCOMPARE(f.reader.RespostaIntegrador(), resposta);
    }

    // What Output held when the request was written decides, not the clock:
    // a file noted then and unchanged since is never opened, whatever its
    // date; a new or changed one is read 300 ms after the reader first saw it.
    void notedFilesAreNotRead_data()
    {
        QTest::addColumn<QByteArray>("before"); // a.xml when the request is written; empty: none
        QTest::addColumn<QByteArray>("after"); // a.xml rewritten 1 s later; empty: unchanged
        QTest::addColumn<qint64>("aheadMs"); // its time against the clock at each write
        QTest::addColumn<QString>("resposta"); // empty: not taken, and the file stays

        const QByteArray ours = reply("4711", "nosso");
        const QByteArray anonymous = document("<Erro><Valor>erro</Valor></Erro>");
        const QByteArray none;
        QTest::newRow("our reply, 10 s behind") << none << ours << qint64(-10000) << "nosso";
        QTest::newRow("our reply, a day behind (clock stepped back)") << none << ours << qint64(-86400000) << "nosso";
        QTest::newRow("our reply, a minute ahead") << none << ours << qint64(60000) << "nosso";
        QTest::newRow("error without identifier, 10 s ahead") << none << anonymous << qint64(10000) << "erro";
        QTest::newRow("error of another program, 10 s behind")
            << none << errorReply("1234", "erro alheio") << qint64(-10000) << "";
        QTest::newRow("noted error without identifier, 10 s ahead") << anonymous << none << qint64(10000) << "";
        QTest::newRow("noted error without identifier, a minute behind") << anonymous << none << qint64(-60000) << "";
        QTest::newRow("noted reply with our identifier, 10 s ahead") << ours << none << qint64(10000) << "";
        QTest::newRow("noted, rewritten with our reply an hour behind")
            << reply("1", "alheio") << ours << qint64(-3600000) << "nosso";
        QTest::newRow("noted, only its time changed") << anonymous << anonymous << qint64(-60000) << "erro";
    }

    void notedFilesAreNotRead()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QFETCH(qint64, aheadMs);
        QFETCH(QString, resposta);

        ReaderFixture f;
        if (!before.isEmpty()) {
            QVERIFY(f.write("a.xml", before, -aheadMs));
            f.request();
        }
        QCOMPARE(f.reader.LeRespostaIntegrador(kExpected), 0);
        f.clock.advance(1000);
        if (!after.isEmpty())
            QVERIFY(f.write("a.xml", after, -aheadMs));
        QCOMPARE(f.read(), resposta.isEmpty() ? 0 : 1);
        QCOMPARE(f.reader.RespostaIntegrador(), resposta);
        QCOMPARE(f.clock.now(), f.requestTime.addMSecs(after.isEmpty() ? 1000 : 1300));
        QCOMPARE(QFile::exists(f.path("a.xml")), resposta.isEmpty());
    }

    // Where the folder cannot be watched (a folder shared from another
    // machine): a new file shows in the folder's own time at the next poll; a
    // noted file rewritten in place, at the whole listing five seconds after
    // the last. Where the watch names it, at once.
    void changesTheWatchMisses_data()
    {
        QTest::addColumn<bool>("noted");
        QTest::addColumn<bool>("named");
        QTest::addColumn<qint64>("takenAtMs");

        QTest::newRow("new file") << false << false << qint64(300);
        QTest::newRow("noted file rewritten in place") << true << false << qint64(5000 + 300);
        QTest::newRow("noted file rewritten in place, named by the watch") << true << true << qint64(300);
    }

    void changesTheWatchMisses()
    {
        QFETCH(bool, noted);
        QFETCH(bool, named);
        QFETCH(qint64, takenAtMs);

        ReaderFixture f;
        if (noted)
            QVERIFY(f.writeUnwatched("a.xml", reply("1", "alheio"), 60000));
        if (!f.ageFolder())
            QSKIP("cannot date a folder here");
        f.request();
        QVERIFY(f.reader.noteOutput(named));
        QCOMPARE(f.reader.LeRespostaIntegrador(kExpected), 0);
        QVERIFY(f.writeUnwatched("a.xml", reply("4711", "nosso")));
        if (named)
            f.reader.outputChanged({{"a.xml"}, false});
        QCOMPARE(f.poll(), 1);
        QCOMPARE(f.requestTime.msecsTo(f.clock.now()), takenAtMs);
    }

    // Each file is read once it has kept its size and modification time for
    // 300 ms, on its own time; one that changes starts its 300 ms again.
    void settlingTime_data()
    {
        QTest::addColumn<Writes>("writes");
        QTest::addColumn<qint64>("takenAtMs");
        QTest::addColumn<QString>("resposta");

        const QByteArray ours = reply("4711", "nosso");
        QTest::newRow("alone") << Writes{writeAt(0, "z.xml", ours)} << qint64(300) << "nosso";
        Writes crowd;
        for (int index = 0; index < 50; ++index)
            crowd << writeAt(0, QStringLiteral("a%1.xml").arg(index), reply("1", "alheio"));
        QTest::newRow("with 50 others written with it") << (crowd << writeAt(0, "z.xml", ours)) << qint64(300)
                                                        << "nosso";
        QTest::newRow("after another written before it")
            << Writes{writeAt(0, "a.xml", reply("1", "alheio")), writeAt(200, "z.xml", ours)} << qint64(500)
            << "nosso";
        QTest::newRow("others written after it do not delay it")
            << Writes{writeAt(0, "z.xml", ours), writeAt(100, "a.xml", reply("1", "x")),
                      writeAt(200, "b.xml", reply("2", "x")), writeAt(299, "c.xml", reply("3", "x"))}
            << qint64(300) << "nosso";
        QTest::newRow("growing")
            << Writes{writeAt(0, "z.xml", reply("4711", "a")), writeAt(200, "z.xml", reply("4711", "ab")),
                      writeAt(400, "z.xml", reply("4711", "abc"))}
            << qint64(700) << "abc";
        QTest::newRow("rewritten at the same size")
            << Writes{writeAt(0, "z.xml", reply("4711", "v1")), writeAt(250, "z.xml", reply("4711", "v2"))}
            << qint64(550) << "v2";
        QTest::newRow("grown, its time unchanged (coarse clock)")
            << Writes{writeAt(0, "z.xml", reply("4711", "a")), Write{250, "z.xml", reply("4711", "ab"), 0}}
            << qint64(550) << "ab";
        QTest::newRow("an error written half-way, completed")
            << Writes{writeAt(0, "z.xml", errorReply("4711", "erro").left(60)),
                      writeAt(299, "z.xml", errorReply("4711", "erro"))}
            << qint64(599) << "erro";
    }

    void settlingTime()
    {
        QFETCH(Writes, writes);
        QFETCH(qint64, takenAtMs);
        QFETCH(QString, resposta);

        ReaderFixture f;
        int result = 0;
        QVERIFY(f.play(writes, result));
        QCOMPARE(result, 1);
        QCOMPARE(f.requestTime.msecsTo(f.clock.now()), takenAtMs);
        QCOMPARE(f.reader.RespostaIntegrador(), resposta);
    }

    // A file read and not taken is read again when rewritten, even at the
    // same size with its old modification time put back.
    void rewriteKeepingSizeAndTimeIsRead()
    {
        ReaderFixture f;
        const QByteArray other = reply("4712", "alheio");
        const QByteArray ours = reply("4711", "nosso!");
        QCOMPARE(ours.size(), other.size());
        QVERIFY(f.write("a.xml", other));
        QCOMPARE(f.read(), 0);

        const QDateTime modified = QFileInfo(f.path("a.xml")).lastModified();
        QVERIFY(TestFiles::write(f.path("a.xml"), ours));
        QFile file(f.path("a.xml"));
        QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(modified, QFileDevice::FileModificationTime));
        file.close();
        QCOMPARE(f.read(), 1);
        QCOMPARE(f.reader.RespostaIntegrador(), QStringLiteral("nosso!"));
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

    // A bad file stays and, unchanged, is not waited for again; a good reply
    // after it in listing order is still taken.
    void badFilesArePassedOver()
    {
        QFETCH(QByteArray, file);

        ReaderFixture f;
        QVERIFY(f.write("a.xml", file));
        QCOMPARE(f.read(), 0);
        QCOMPARE(f.reader.LeRespostaIntegrador(kExpected), 0);
        QVERIFY(!f.reader.nextVisit());

        QVERIFY(f.write("b.xml", reply("4711", "bom")));
        QCOMPARE(f.read(), 1);
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
        QCOMPARE(f.read(), 0);
        QVERIFY(QFile::exists(f.path("huge.xml")));
    }

    void largeReplyIsRead()
    {
        ReaderFixture f;
        const QByteArray log = QByteArray(8 * 1024 * 1024, 'A');
        QVERIFY(f.write("large.xml", reply("4711", "1|15000|ok|||" + log)));
        QCOMPARE(f.read(), 1);
        QCOMPARE(f.reader.RespostaIntegrador().size(), 13 + log.size());
    }

    // Names matching "*.xml" in any letter case, hidden ones too.
    void namesListed_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("listed");

        QTest::newRow("hidden") << ".hidden.xml" << true;
        QTest::newRow("upper-case extension") << "REPLY.XML" << true;
        QTest::newRow("other extension") << "reply.txt" << false;
        QTest::newRow("extension after .xml") << "reply.xml.tmp" << false;
    }

    void namesListed()
    {
        QFETCH(QString, name);
        QFETCH(bool, listed);

        ReaderFixture f;
        QVERIFY(f.write(name, reply("4711", "a")));
        QCOMPARE(f.read(), listed ? 1 : 0);
        QCOMPARE(QFile::exists(f.path(name)), !listed);
    }

    // An error without identifier that cannot be deleted, dated 10 s ahead of
    // the clock: noted before a request, it does not answer it and our reply
    // is taken; written during one, it is taken once. No later request takes
    // either file again.
    void undeletableError_data()
    {
        QTest::addColumn<bool>("noted");
        QTest::addColumn<QString>("resposta");

        QTest::newRow("noted before the request") << true << "nosso";
        QTest::newRow("written during the request") << false << "erro";
    }

    void undeletableError()
    {
        QFETCH(bool, noted);
        QFETCH(QString, resposta);

        ReaderFixture f;
        QVERIFY(f.write("a.xml", document("<Erro><Valor>erro</Valor></Erro>"), -10000));
        const Undeletable undeletable(f); // before the note: making it so changes the file
        if (!undeletable.works())
            QSKIP("cannot make a file undeletable here");
        if (noted) {
            f.request();
            if (!f.write("b.xml", reply("4711", "nosso")))
                QSKIP("cannot write beside an undeletable file here");
        }

        QCOMPARE(f.read(), 1);
        QCOMPARE(f.reader.RespostaIntegrador(), resposta);
        QVERIFY(QFile::exists(f.path("a.xml")));
        f.clock.advance(1000);
        f.request();
        QCOMPARE(f.read(), 0);
    }

    // Reading files takes time: the deadline is checked before each one, so
    // many files due at once do not carry the reader past it.
    void deadlineIsCheckedBetweenEntries()
    {
        ReaderFixture f;
        f.reader.setLimiteEspera(f.requestElapsed + 600);
        for (int index = 0; index < 20; ++index)
            QVERIFY(f.write(QStringLiteral("a%1.xml").arg(index, 2, 10, QLatin1Char('0')), reply("1", "alheio")));
        QVERIFY(f.write("z.xml", reply("4711", "nosso")));
        f.clock.setStepPerReading(50); // each reading of the time: one file read

        QCOMPARE(f.read(), 2);
        f.clock.setStepPerReading(0);
        QVERIFY(f.clock.elapsed() <= *f.reader.LimiteEspera() + 50);
        QVERIFY(QFile::exists(f.path("z.xml")));
    }

    void firstInListingOrderIsTaken()
    {
        ReaderFixture f;
        QVERIFY(f.write("b.xml", reply("4711", "segundo")));
        QVERIFY(f.write("a.xml", reply("04711", "primeiro")));
        QCOMPARE(f.read(), 1);
        QCOMPARE(f.reader.RespostaIntegrador(), QStringLiteral("primeiro"));
        QCOMPARE(f.entries(), QStringList{"b.xml"});
    }

    void othersRepliesStay()
    {
        ReaderFixture f;
        QVERIFY(f.write("a.xml", reply("1", "alheio")));
        QVERIFY(f.write("b.xml", reply("4711", "nosso")));
        QVERIFY(f.write("c.xml", reply("2", "alheio")));
        QCOMPARE(f.read(), 1);
        QCOMPARE(f.reader.RespostaIntegrador(), QStringLiteral("nosso"));
        QCOMPARE(f.entries(), (QStringList{"a.xml", "c.xml"}));
    }

    void deadlineEqualToNow()
    {
        ReaderFixture f;
        QVERIFY(f.write("a.xml", reply("4711", "ok")));
        f.reader.setLimiteEspera(f.clock.elapsed());
        QCOMPARE(f.reader.LeRespostaIntegrador(kExpected), 2);
        QVERIFY(!f.reader.nextVisit()); // before listing
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
        QCOMPARE(f.reader.LeRespostaIntegrador(kExpected), 0);
        QVERIFY(!f.reader.nextVisit());
    }

    void missingOutputFolderGivesZero()
    {
        TemporaryWinePrefix prefix(TemporaryWinePrefix::Folders::WithoutOutput);
        TestClock clock;
        IntegradorReplyReader reader(clock);
        QVERIFY(!reader.noteOutput()); // not an empty folder
        reader.setLimiteEspera(clock.elapsed() + 10000);
        QCOMPARE(reader.LeRespostaIntegrador(kExpected), 0);
    }

    void inputFolderIsNotTouched()
    {
        ReaderFixture f;
        const QString request = f.prefix.input() + "/ConsultarMFe00004711.xml";
        QVERIFY(TestFiles::write(request, reply("4711", "ok")) && f.clock.date(request));
        QCOMPARE(f.read(), 0);
        QVERIFY(QFile::exists(request));
    }

    void respostaKeepsLastTakenText()
    {
        ReaderFixture f;
        QVERIFY(f.write("a.xml", reply("4711", "primeira")));
        QCOMPARE(f.read(), 1);
        QCOMPARE(f.read(), 0);
        QCOMPARE(f.reader.RespostaIntegrador(), QStringLiteral("primeira"));
    }
};

QTEST_GUILESS_MAIN(TestIntegradorReplyReader)
#include "tst_integradorreplyreader.moc"
