#include "channel/librarybinding.h"

#include "channel/commandsignature.h"
#include "channel/commandtable.h"

#include <QFileInfo>
#include <stdexcept>
#include <type_traits>
#include <utility>

namespace {

using Text = FuncoesDll::Text;

// The handler's edge decodes error texts as UTF-8.
std::runtime_error channelError(const QString &text)
{
    return std::runtime_error(text.toStdString());
}

template <typename... Args, std::size_t... I>
Text invoke(Text(SAT_CALL *entry)(int, Args...), qint32 numeroSessao, const CommandArguments &arguments,
            std::index_sequence<I...>)
{
    return entry(numeroSessao,
                 CommandArgumentOf<Args>::pass(std::get<typename CommandArgumentOf<Args>::Held>(arguments.at(I)))...);
}

template <typename... Args>
QByteArray callEntry(Text(SAT_CALL *entry)(int, Args...), Command command, qint32 numeroSessao,
                     const CommandArguments &arguments)
{
    if (!entry)
        throw channelError(QStringLiteral("A DLL não possui a função %1.").arg(CommandTable::quotedName(command)));
    Q_ASSERT(CommandSignature::accepts(command, arguments));
    // The result belongs to the library: copy it at once, never free it.
    return QByteArray(invoke(entry, numeroSessao, arguments, std::index_sequence_for<Args...>{}));
}

// ComunicarCertificadoICPBRASIL: bound, but no operation sends it.
QByteArray callEntry(QFunctionPointer, Command command, qint32, const CommandArguments &)
{
    throw channelError(QStringLiteral("A função %1 da DLL não é usada por este programa.").arg(CommandTable::quotedName(command)));
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
        FuncoesDll::visit(funcoes_, command, [this, command](auto &entry) {
            // A missing export leaves its entry empty.
            entry = reinterpret_cast<std::remove_reference_t<decltype(entry)>>(
                loader_.resolve(CommandTable::exportName(command)));
        });
    }
}

QByteArray LibraryBinding::call(Command command, qint32 numeroSessao, const CommandArguments &arguments) const
{
    return FuncoesDll::visit(funcoes_, command, [&](const auto &entry) {
        return callEntry(entry, command, numeroSessao, arguments);
    });
}
