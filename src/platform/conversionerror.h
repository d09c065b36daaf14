#pragma once

#include <QString>
#include <stdexcept>

// A failed conversion (an integer read of an empty or non-numeric text). It
// stops the operation that asked and reaches the handler's edge.
class ConversionError : public std::runtime_error
{
public:
    explicit ConversionError(const QString &message);
};
