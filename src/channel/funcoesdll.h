#pragma once

#include "channel/command.h"
#include "channel/commandtable.h"
#include "platform/callingconvention.h"

#include <QFunctionPointer>
#include <stdexcept>
#include <tuple>
#include <type_traits>
#include <utility>

// FuncoesDll: the module library's 17 exports, filled by the binding and empty
// until then. Text arguments and the result are zero-terminated ANSI strings;
// the result belongs to the library. Each entry's type follows its command's
// signature in CommandTable, so the argument check reads the same row on
// either road.
class FuncoesDll
{
public:
    using Text = const char *;

    // Hands the command's entry of table, with its own type, to visitor.
    template <typename Table, typename Visitor>
    static decltype(auto) visit(Table &table, Command command, Visitor &&visitor);

private:
    template <char Letter>
    struct Parameter {
        static_assert(Letter == 'i' || Letter == 't', "a signature letter is 'i' or 't'");
        using Type = std::conditional_t<Letter == 'i', int, Text>;
    };

    template <Command C, typename Indices = std::make_index_sequence<CommandTable::row(C).argumentCount()>>
    struct Typed;

    template <Command C, std::size_t... I>
    struct Typed<C, std::index_sequence<I...>> {
        using Entry = Text(SAT_CALL *)(int, typename Parameter<CommandTable::row(C).signature[I]>::Type...);
    };

    // ComunicarCertificadoICPBRASIL, whose arguments no operation fixes, is bound but never called.
    template <Command C>
    using Entry = std::conditional_t<CommandTable::row(C).signature == nullptr, QFunctionPointer,
                                     typename Typed<C>::Entry>;

    // One typed entry per row, in table order.
    template <std::size_t... I>
    static std::tuple<Entry<Command(I)>...> entriesOf(std::index_sequence<I...>);

    template <typename Entries, typename Visitor, std::size_t... I>
    static decltype(auto) visitAt(Entries &entries, std::size_t index, Visitor &visitor, std::index_sequence<I...>);

    decltype(entriesOf(std::make_index_sequence<kCommandCount>{})) entries_{};
};

template <typename Table, typename Visitor>
decltype(auto) FuncoesDll::visit(Table &table, Command command, Visitor &&visitor)
{
    const auto index = std::size_t(command);
    if (index >= std::size_t(kCommandCount))
        throw std::runtime_error("Comando desconhecido.");
    return visitAt(table.entries_, index, visitor, std::make_index_sequence<kCommandCount>{});
}

template <typename Entries, typename Visitor, std::size_t... I>
decltype(auto) FuncoesDll::visitAt(Entries &entries, std::size_t index, Visitor &visitor, std::index_sequence<I...>)
{
    using Result = decltype(visitor(std::get<0>(entries)));
    using Call = Result (*)(Entries &, Visitor &);
    static constexpr Call calls[] = {[](Entries &all, Visitor &v) -> Result { return v(std::get<I>(all)); }...};
    return calls[index](entries, visitor);
}
