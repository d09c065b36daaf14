#include "channel/librarybinding.h"

#include "channel/commandtable.h"

#include <QFileInfo>
#include <stdexcept>
#include <type_traits>
#include <utility>

namespace {

using Text = FuncoesDll::Text;

// How a CommandArgument is held for each argument type of an export.
template <typename T>
struct ArgumentOf;

template <>
struct ArgumentOf<int> {
    using Held = qint32;
    static int pass(const qint32 &value) { return value; }
};

template <>
struct ArgumentOf<Text> {
    using Held = QByteArray;
    // The QByteArray lives in the caller's argument list until the call returns.
    static Text pass(const QByteArray &value) { return value.constData(); }
};

// The handler's edge decodes error texts as UTF-8.
std::runtime_error channelError(const QString &text)
{
    return std::runtime_error(text.toStdString());
}

QString quotedExportName(Command command)
{
    return QLatin1Char('"') + QLatin1String(CommandTable::exportName(command)) + QLatin1Char('"');
}

template <typename... Args, std::size_t... I>
bool argumentsMatch(const CommandArguments &arguments, std::index_sequence<I...>)
{
    return arguments.size() == qsizetype(sizeof...(Args))
        && (std::holds_alternative<typename ArgumentOf<Args>::Held>(arguments.at(I)) && ...);
}

template <typename... Args, std::size_t... I>
Text invoke(Text(SAT_CALL *entry)(int, Args...), qint32 numeroSessao, const CommandArguments &arguments,
            std::index_sequence<I...>)
{
    return entry(numeroSessao, ArgumentOf<Args>::pass(std::get<typename ArgumentOf<Args>::Held>(arguments.at(I)))...);
}

template <typename... Args>
QByteArray callEntry(Text(SAT_CALL *entry)(int, Args...), Command command, qint32 numeroSessao,
                     const CommandArguments &arguments)
{
    if (!entry)
        throw channelError(QStringLiteral("A DLL não possui a função %1.").arg(quotedExportName(command)));
    const auto indexes = std::index_sequence_for<Args...>{};
    if (!argumentsMatch<Args...>(arguments, indexes))
        throw channelError(QStringLiteral("Argumentos inválidos para a função %1 da DLL.").arg(quotedExportName(command)));
    // The result belongs to the library: copy it at once, never free it.
    return QByteArray(invoke(entry, numeroSessao, arguments, indexes));
}

// ComunicarCertificadoICPBRASIL: bound, but no operation sends it.
QByteArray callEntry(QFunctionPointer, Command command, qint32, const CommandArguments &)
{
    throw channelError(QStringLiteral("A função %1 da DLL não é usada por este programa.").arg(quotedExportName(command)));
}

// Hands the command's FuncoesDll entry, with its own type, to the visitor.
template <typename Table, typename Visitor>
decltype(auto) visitEntry(Table &table, Command command, Visitor &&visitor)
{
    switch (command) {
    case Command::ComunicarCertificadoICPBRASIL: return visitor(table.ComunicarCertificadoICPBRASIL);
    case Command::EnviarDadosVenda: return visitor(table.EnviarDadosVenda);
    case Command::CancelarUltimaVenda: return visitor(table.CancelarUltimaVenda);
    case Command::ConsultarSAT: return visitor(table.ConsultarSAT);
    case Command::TesteFimAFim: return visitor(table.TesteFimAFim);
    case Command::ConsultarStatusOperacional: return visitor(table.ConsultarStatusOperacional);
    case Command::ConsultarNumeroSessao: return visitor(table.ConsultarNumeroSessao);
    case Command::AssociarAssinatura: return visitor(table.AssociarAssinatura);
    case Command::AtualizarSoftwareSAT: return visitor(table.AtualizarSoftwareSAT);
    case Command::ExtrairLogs: return visitor(table.ExtrairLogs);
    case Command::BloquearSAT: return visitor(table.BloquearSAT);
    case Command::DesbloquearSAT: return visitor(table.DesbloquearSAT);
    case Command::TrocarCodigoDeAtivacao: return visitor(table.TrocarCodigoDeAtivacao);
    case Command::ConfigurarInterfaceDeRede: return visitor(table.ConfigurarInterfaceDeRede);
    case Command::AtivarSAT: return visitor(table.AtivarSAT);
    case Command::ConfigurarInterfaceDeRedeMFE: return visitor(table.ConfigurarInterfaceDeRedeMFE);
    case Command::ConsultarStatusOperacionalMFE: return visitor(table.ConsultarStatusOperacionalMFE);
    }
    throw channelError(QStringLiteral("Comando desconhecido."));
}

} // namespace

LibraryBinding::Outcome LibraryBinding::bind(const QString &programFolder, const QString &name)
{
    if (!outcome_)
        outcome_ = load(programFolder + name, name);
    return *outcome_;
}

LibraryBinding::Outcome LibraryBinding::load(const QString &path, const QString &name)
{
    // A folder of that name (or an empty name) is not a library file.
    if (!QFileInfo(path).isFile())
        return Outcome::NotFound;
    if (!loader_.load(path))
        return Outcome::NotLoadable;
    resolveExports();
    arquivoDll_ = name;
    return Outcome::Loaded;
}

void LibraryBinding::resolveExports()
{
    for (int index = 0; index < kCommandCount; ++index) {
        const auto command = static_cast<Command>(index);
        visitEntry(funcoes_, command, [this, command](auto &entry) {
            // A missing export leaves its entry empty.
            entry = reinterpret_cast<std::remove_reference_t<decltype(entry)>>(
                loader_.resolve(CommandTable::exportName(command)));
        });
    }
}

QByteArray LibraryBinding::call(Command command, qint32 numeroSessao, const CommandArguments &arguments) const
{
    return visitEntry(funcoes_, command, [&](const auto &entry) {
        return callEntry(entry, command, numeroSessao, arguments);
    });
}
