#include "platform/handleredge.h"

#include <exception>

bool HandlerEdge::run(const std::function<void()> &handler, const Report &report)
{
    try {
        handler();
        return true;
    } catch (const std::exception &error) {
        report(QString::fromUtf8(error.what()));
    } catch (...) {
        report(QStringLiteral("Erro inesperado na operação."));
    }
    return false;
}
