#pragma once

#include <QString>
#include <QStringList>

// A read-only probe of the registry for the module's USB serial interface.
class UsbSerialProbe
{
public:
    // 0 when the module's USB instances carry port names and the serial-port
    // map lists USB serial devices, else 5. Off Windows there is no registry
    // and the result is 5.
    static int IdentInterface();
    // The probe's verdict on the two registry lists: 0 when both hold
    // something, else 5. The lists are not compared with each other.
    static int interfaceFor(const QStringList &portNames, const QStringList &usbSerialDevices);

    // A serial-port map value name, upper-cased in its first 14 characters,
    // equals "\DEVICE\USBSER".
    static bool isUsbSerialValueName(const QString &valueName);
};
