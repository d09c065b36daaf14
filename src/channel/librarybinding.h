#pragma once

#include "channel/command.h"
#include "channel/funcoesdll.h"
#include "platform/libraryloader.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Binds FuncoesDll to the module library named on the command line and calls
// its exports. Binds at most once; the library is never unloaded.
class LibraryBinding
{
public:
    enum class Outcome { Loaded, NotFound, NotLoadable };

    // Looks for programFolder + name (the name appended unchanged) and loads
    // it. On success ArquivoDll() is the name; otherwise it stays empty.
    // Only the first call binds: later calls change nothing and return the
    // first call's outcome.
    [[nodiscard]] Outcome bind(const QString &programFolder, const QString &name);

    // Empty: no library bound, commands take the Integrador road.
    const QString &ArquivoDll() const { return arquivoDll_; }

    // Calls the command's export with numeroSessao and the arguments in table
    // order; returns the library's reply bytes (empty for a null result).
    // The arguments match the command's row (CommandChannel::call checks
    // them). Throws std::runtime_error when the export is missing.
    QByteArray call(Command command, qint32 numeroSessao, const CommandArguments &arguments) const;

private:
    Outcome load(const QString &path, const QString &name);
    void resolveExports();

    LibraryLoader loader_;
    FuncoesDll funcoes_;
    QString arquivoDll_;
    std::optional<Outcome> outcome_;
};
