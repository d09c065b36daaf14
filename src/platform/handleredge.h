#pragma once

#include <QString>
#include <functional>

// The edge of an event handler: an error that escapes the handler (a failed
// conversion, an index past the end of a field list, a failure inside the
// module library call) is caught here and handed to the report, so nothing
// reaches the event loop. Error texts are UTF-8.
class HandlerEdge
{
public:
    using Report = std::function<void(const QString &errorText)>;

    // Returns true when the handler ran to its end.
    static bool run(const std::function<void()> &handler, const Report &report);
};
