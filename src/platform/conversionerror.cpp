#include "platform/conversionerror.h"

ConversionError::ConversionError(const QString &message)
    : std::runtime_error(message.toStdString())
{
}
