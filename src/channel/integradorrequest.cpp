#include "channel/integradorrequest.h"

#include "channel/xmldocumenttext.h"
#include "platform/ansicodepage.h"

namespace {

struct Indents {
    int parametros;
    int sessaoComment;
    int sessaoValor;
    int codigoNome;
    int fimComponente;
};

constexpr Indents kStandardIndents{6, 10, 10, 10, 2};
// The two status routines write these five lines one blank off.
constexpr Indents kOtherIndents{5, 9, 9, 9, 3};

class Lines
{
public:
    void add(int indent, const QByteArray &text)
    {
        bytes_ += QByteArray(indent, ' ');
        bytes_ += text;
        bytes_ += "\r\n";
    }
    const QByteArray &bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};

QByteArray tagged(const char *tag, const QByteArray &content)
{
    return QByteArray("<") + tag + '>' + content + "</" + tag + '>';
}

// The document declares UTF-8: a text argument is written as the characters
// that the module reads from the same bytes (ASCII stays as it is). A plain
// text is ANSI, as for the module library; a CDATA argument is an XML
// document, which the module reads as XML does (a network document is UTF-8).
QByteArray argumentText(const CommandArguments &arguments, const IntegradorParameter &parameter)
{
    const CommandArgument &argument = arguments.at(parameter.argument);
    if (const auto *number = std::get_if<qint32>(&argument))
        return QByteArray::number(*number);
    // Text arguments are C strings, as for the module library: they end at a NUL.
    const QByteArray text(std::get<QByteArray>(argument).constData());
    if (parameter.form == IntegradorParameter::Form::CData)
        return XmlDocumentText::utf8(text);
    return AnsiCodePage::toUnicode(text).toUtf8();
}

QByteArray valueLine(const IntegradorParameter &parameter, const CommandArguments &arguments)
{
    switch (parameter.form) {
    case IntegradorParameter::Form::FixedDocumento:
        return tagged("Valor", "01");
    case IntegradorParameter::Form::CData:
        return "<Valor><![CDATA[" + IntegradorRequest::escapeCData(argumentText(arguments, parameter)) + "]]></Valor>";
    case IntegradorParameter::Form::Plain:
        break;
    }
    return tagged("Valor", IntegradorRequest::escapeText(argumentText(arguments, parameter)));
}

void addParameter(Lines &lines, const char *name, const char *comment, const QByteArray &value,
                  const Indents &indents, bool sessionBlock)
{
    const bool codigoBlock = qstrcmp(name, "codigoDeAtivacao") == 0;
    lines.add(8, "<Parametro>");
    lines.add(codigoBlock ? indents.codigoNome : 10, tagged("Nome", name));
    lines.add(sessionBlock ? indents.sessaoComment : 10, comment);
    lines.add(sessionBlock ? indents.sessaoValor : 10, value);
    lines.add(8, "</Parametro>");
}

} // namespace

IntegradorRequest::IntegradorRequest(const IntegradorMethod &method, const QString &identificador)
    : method_(method)
    , identificador_(identificador)
{
}

QString IntegradorRequest::fileName() const
{
    return QString::fromLatin1(method_.filePrefix) + identificador_ + QStringLiteral(".xml");
}

QByteArray IntegradorRequest::document(qint32 numeroSessao, const CommandArguments &arguments) const
{
    const Indents &indents = method_.otherIndent ? kOtherIndents : kStandardIndents;
    Lines lines;
    lines.add(0, "<?xml version=\"1.0\" encoding=\"utf-8\" ?>");
    lines.add(0, "<Integrador>");
    lines.add(2, "<Identificador>");
    lines.add(4, tagged("Valor", identificador_.toLatin1()));
    lines.add(2, "</Identificador>");
    lines.add(2, "<Componente Nome=\"MF-e\">");
    lines.add(4, QByteArray("<Metodo Nome=\"") + method_.metodoNome + "\">");
    lines.add(indents.parametros, "<Parametros>");
    addParameter(lines, "numeroSessao", "<!--int-->", tagged("Valor", QByteArray::number(numeroSessao)), indents,
                 true);
    for (int i = 0; i < method_.parameterCount(); ++i) {
        const IntegradorParameter &parameter = method_.parameters[std::size_t(i)];
        const char *comment = parameter.type == IntegradorParameter::Type::Int ? "<!--int-->" : "<!--string-->";
        addParameter(lines, parameter.name, comment, valueLine(parameter, arguments), indents, false);
    }
    lines.add(6, "</Parametros>");
    lines.add(4, "</Metodo>");
    lines.add(indents.fimComponente, "</Componente>");
    lines.add(0, "</Integrador>");
    return lines.bytes();
}

QByteArray IntegradorRequest::escapeText(const QByteArray &value)
{
    QByteArray escaped;
    escaped.reserve(value.size());
    for (const char c : value) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

QByteArray IntegradorRequest::escapeCData(const QByteArray &value)
{
    QByteArray escaped = value;
    return escaped.replace("]]>", "]]]]><![CDATA[>");
}
