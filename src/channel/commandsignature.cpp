#include "channel/commandsignature.h"

#include "channel/commandtable.h"

#include <QString>
#include <stdexcept>
#include <utility>

namespace {

template <typename... Args, std::size_t... I>
bool matches(const CommandArguments &arguments, std::index_sequence<I...>)
{
    return arguments.size() == qsizetype(sizeof...(Args))
        && (std::holds_alternative<typename CommandArgumentOf<Args>::Held>(arguments.at(I)) && ...);
}

template <typename... Args>
bool matches(FuncoesDll::Text(SAT_CALL *)(int, Args...), const CommandArguments &arguments)
{
    return matches<Args...>(arguments, std::index_sequence_for<Args...>{});
}

// ComunicarCertificadoICPBRASIL: no operation fixes its arguments, none sends it.
bool matches(QFunctionPointer, const CommandArguments &)
{
    return false;
}

} // namespace

bool CommandSignature::accepts(Command command, const CommandArguments &arguments)
{
    const FuncoesDll signatures; // only the entries' types are read
    return FuncoesDll::visit(signatures, command,
                             [&arguments](const auto &entry) { return matches(entry, arguments); });
}

void CommandSignature::check(Command command, const CommandArguments &arguments)
{
    if (!accepts(command, arguments)) {
        // The handler's edge decodes error texts as UTF-8.
        throw std::runtime_error(
            QStringLiteral("Argumentos inválidos para o comando %1.").arg(CommandTable::quotedName(command)).toStdString());
    }
}
