#include "decoders/statuslisting.h"

#include "channel/removebarras.h"
#include "platform/ansicodepage.h"
#include "settings/tabelauf.h"
#include "settings/xmlformatter.h"

#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <utility>

const std::array<QString, 53> StatusListing::RotulosStatus {
    QStringLiteral("Número de Série"),
    QStringLiteral("Tipo de Rede"),
    QStringLiteral("IP"),
    QStringLiteral("MAC"),
    QStringLiteral("Máscara"),
    QStringLiteral("Gateway"),
    QStringLiteral("DNS Primário"),
    QStringLiteral("DNS Secundário"),
    QStringLiteral("Estado da Rede"),
    QStringLiteral("Nível Bateria"),
    QStringLiteral("Memória Total"),
    QStringLiteral("Memória Usada"),
    QStringLiteral("Horário Atual"),
    QStringLiteral("Versão do SB"),
    QStringLiteral("Versão do Layout"),
    QStringLiteral("Último CFe emitido"),
    QStringLiteral("Prim. CFe em memória"),
    QStringLiteral("Último CFe em memória"),
    QStringLiteral("Horário do última transm."),
    QStringLiteral("Horário da ùltima comunic."),
    QStringLiteral("Data de emissão do Cert."),
    QStringLiteral("Data do vecto do Cert."),
    QStringLiteral("Estado"),
    QStringLiteral("Ambiente"),
    QStringLiteral("UF"),
    QStringLiteral("Nível da Bateria Externa"),
    QStringLiteral("Alimentação"),
    QStringLiteral("Canal de Comunic. em uso"),
    QStringLiteral("Configuração da rede 1"),
    QStringLiteral("Configuração da rede 2"),
    QStringLiteral("Configuração da rede 3"),
    QStringLiteral("Configuração da rede 4"),
    QStringLiteral("Operadora do Celular"),
    QStringLiteral("Tecnologia da rede Celular"),
    QStringLiteral("Identificação do SIMCARD 1"),
    QStringLiteral("Assinante do SIMCARD 1"),
    QStringLiteral("Identificação do SIMCARD 2"),
    QStringLiteral("Assinante do SIMCARD 2"),
    QStringLiteral("Horário da Violação"),
    QStringLiteral("Horário do Impacto"),
    QStringLiteral("MAC da interface ETHERNET"),
    QStringLiteral("MAC da interface WIFI"),
    QStringLiteral("IMEI do Modem"),
    QStringLiteral("Posição obtida via GPS"),
    QStringLiteral("Horário da leitura via GPS"),
    QStringLiteral("Erro da posição (GPS)"),
    QStringLiteral("Posição obtida via LBS"),
    QStringLiteral("Horário da leitura via LBS"),
    QStringLiteral("Erro da posição (LBS)"),
    QStringLiteral("Qde de satelites de GPS"),
    QStringLiteral("Qualidade do sinal Celular"),
    QStringLiteral("Redes WIFI disponíveis"),
    QStringLiteral("Cupons pendentes de envio"),
};

const std::array<QString, 5> StatusListing::EstadosOperacao {
    QStringLiteral("DESBLOQUEADO"),
    QStringLiteral("BLOQUEIO SEFAZ"),
    QStringLiteral("BLOQUEIO CONTRIBUINTE"),
    QStringLiteral("BLOQUEIO AUTONOMO"),
    QStringLiteral("BLOQUEIO PARA DESATIVACAO"),
};

namespace {

// The state codes come from the one state table.
std::array<QString, 54> statesByCode()
{
    std::array<QString, 54> table;
    table.fill(QStringLiteral("00"));
    for (int row = 0; row < TabelaUF::count(); ++row)
        table.at(TabelaUF::code(row).toInt()) = TabelaUF::abbreviation(row);
    return table;
}

} // namespace

const std::array<QString, 54> StatusListing::UFPorCodigo = statesByCode();

namespace {

// The fields that are not shown as plain text on one page or the other.
enum Field {
    HorarioAtual = 17,
    UltimaTransmissao = 23,
    UltimaComunicacao = 24,
    EmissaoCertificado = 25,
    VencimentoCertificado = 26,
    Estado = 27,
    Ambiente = 28,
    UF = 29,
    NivelBateriaExterna = 30,
    Alimentacao = 31,
    Canal = 32,
    Rede1 = 33,
    Rede2 = 34,
    Rede3 = 35,
    Rede4 = 36,
    IdentificacaoSimCard2 = 41,
    AssinanteSimCard2 = 42,
    HorarioViolacao = 43,
    HorarioImpacto = 44,
    MacWifi = 46,
    LeituraGps = 49,
    LeituraLbs = 52,
};

constexpr int kDotsColumn = 27;
const QString kNoDateTime = QStringLiteral("00000000000000");

using Words = std::initializer_list<std::pair<QLatin1String, QString>>;

QString text(const QString &field)
{
    return AnsiCodePage::display(field);
}

// Characters counted from 1, as the module's date fields are described.
QString piece(const QString &field, int first)
{
    return field.mid(first - 1, 2);
}

// AAAAMMDD as DD/MM/AAAA.
QString date(const QString &field)
{
    return piece(field, 7) + u'/' + piece(field, 5) + u'/' + field.left(4);
}

// AAAAMMDDhhmmss as DD/MM/AAAA - hh:mm:ss.
QString dateTime(const QString &field)
{
    return date(field) + QStringLiteral(" - ") + piece(field, 9) + u':' + piece(field, 11) + u':' + piece(field, 13);
}

// The table's entry at the field's integer value; none for a field that is
// no integer or a value outside the table.
template<std::size_t N>
std::optional<QString> entryAt(const std::array<QString, N> &table, const QString &field)
{
    bool ok = false;
    const int value = field.toInt(&ok);
    if (!ok || value < 0 || value >= int(N))
        return std::nullopt;
    return table.at(std::size_t(value));
}

// A value the tables cannot convert is shown as received.
QString state(const QString &field)
{
    return entryAt(StatusListing::EstadosOperacao, field).value_or(text(field));
}

QString ufWithCode(const QString &field)
{
    const std::optional<QString> uf = entryAt(StatusListing::UFPorCodigo, field);
    return uf ? *uf + QStringLiteral(" (") + text(field.trimmed()) + u')' : text(field);
}

QString wordFor(const QString &field, Words words)
{
    for (const auto &[value, word] : words) {
        if (field == value)
            return word;
    }
    return text(field);
}

void addLine(QStringList &lines, int number, const QString &value)
{
    lines.append(StatusListing::statusLine(StatusListing::label(number), value));
}

// The unescaped document, indented; one that cannot be re-indented is shown
// as received, and the fields after it are still listed.
QString networkDocument(const QString &field)
{
    try {
        return XmlFormatter::FormatXMLString(RemoveBarras(field));
    } catch (const std::runtime_error &) {
        return field;
    }
}

// The header line, a blank line and the document; an empty field gives the
// header line alone.
void addNetworkDocument(QStringList &lines, int number, const QString &field)
{
    if (field == QLatin1String("NA"))
        return;
    addLine(lines, number, QString());
    if (field.isEmpty())
        return;
    lines.append(QStringLiteral(" "));
    lines.append(networkDocument(field));
}

void renderSat(int number, const QString &field, QStringList &lines)
{
    switch (number) {
    case HorarioAtual:
    case UltimaTransmissao:
    case UltimaComunicacao:
        return addLine(lines, number, dateTime(field));
    case EmissaoCertificado:
    case VencimentoCertificado:
        return addLine(lines, number, date(field));
    case Estado:
        return addLine(lines, number, state(field));
    default:
        return addLine(lines, number, text(field));
    }
}

// The MF-e page's own renderings; the dates and plain texts are the SAT page's.
void renderMfe(int number, const QString &field, QStringList &lines)
{
    switch (number) {
    case Estado:
        return addLine(lines, number, field == QLatin1String("10") ? QStringLiteral("VIOLADO") : state(field));
    case Ambiente:
        return addLine(lines, number,
                       wordFor(field, {{QLatin1String("1"), QStringLiteral("PRODUÇÃO")},
                                       {QLatin1String("2"), QStringLiteral("TESTES")}}));
    case UF:
        return addLine(lines, number, ufWithCode(field));
    case NivelBateriaExterna:
        return addLine(lines, number,
                       wordFor(field, {{QLatin1String("0"), QStringLiteral("REMOVIDA - FALHA")},
                                       {QLatin1String("1"), QStringLiteral("BAIXO")},
                                       {QLatin1String("2"), QStringLiteral("MÉDIO")},
                                       {QLatin1String("3"), QStringLiteral("ALTO")}}));
    case Alimentacao:
        return addLine(lines, number,
                       wordFor(field, {{QLatin1String("0"), QStringLiteral("ERRO NA LEITURA DA FONTE DE ALIMENTAÇÃO")},
                                       {QLatin1String("1"), QStringLiteral("FONTE EXTERNA")},
                                       {QLatin1String("2"), QStringLiteral("BATERIA")},
                                       {QLatin1String("3"), QStringLiteral("USB")}}));
    case Canal:
        return addLine(lines, number,
                       wordFor(field, {{QLatin1String("ETHE"), QStringLiteral("ETHERNET")},
                                       {QLatin1String("WIFI"), QStringLiteral("WIFI")}}));
    case Rede1:
    case Rede2:
    case Rede3:
    case Rede4:
        return addNetworkDocument(lines, number, field);
    case IdentificacaoSimCard2:
    case AssinanteSimCard2:
        if (field.isEmpty())
            return;
        break;
    case HorarioViolacao:
        return addLine(lines, number, dateTime(field.isEmpty() ? kNoDateTime : field));
    case HorarioImpacto:
        if (field.isEmpty() || field == kNoDateTime)
            return;
        return addLine(lines, number, dateTime(field));
    case MacWifi:
        if (field == QLatin1String("00:00:00:00:00:00"))
            return;
        break;
    case LeituraGps:
    case LeituraLbs:
        return addLine(lines, number, dateTime(field));
    default:
        break;
    }
    renderSat(number, field, lines);
}

} // namespace

QStringList StatusListing::listSat(const QStringList &fields)
{
    QStringList lines;
    for (int number = kFirstField; number < fields.size(); ++number)
        renderSat(number, fields.at(number), lines);
    return lines;
}

QStringList StatusListing::listMfe(const QString &reply)
{
    QStringList lines;
    // The first character never ends a field, even when it is a "|". Modules
    // send the last field without a "|" after it; nothing after the last "|"
    // is no field.
    qsizetype start = 0;
    for (int number = 0; start < reply.size(); ++number) {
        qsizetype end = reply.indexOf(u'|', qMax<qsizetype>(start, 1));
        if (end < 0)
            end = reply.size();
        if (number >= kFirstField)
            renderMfe(number, reply.mid(start, end - start), lines);
        start = end + 1;
    }
    return lines;
}

QString StatusListing::statusLine(const QString &label, const QString &value)
{
    return u' ' + label + u' ' + QString(qMax(0, kDotsColumn - int(label.size())), u'.') + u' ' + value;
}

QString StatusListing::label(int field)
{
    const int entry = field - kFirstField;
    if (entry >= 0 && entry < int(RotulosStatus.size()))
        return RotulosStatus.at(std::size_t(entry));
    return QStringLiteral("Campo %1").arg(field);
}
