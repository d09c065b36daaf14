#pragma once

#include <QString>

// A read-only probe of the registry for the module's USB serial interface.
class UsbSerialProbe
{
public:
    // 0 when the module's USB instances carry port names and the serial-port
    // map lists USB serial devices, else 5. Off Windows there is no registry
    // and the result is 5.
    static int IdentInterface();

    // A serial-port map value name, upper-cased in its first 14 characters,
    // equals "\DEVICE\USBSER".
    static bool isUsbSerialValueName(const QString &valueName);
};
