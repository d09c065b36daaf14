#include "platform/usbserialprobe.h"

#include <QStringList>

#ifdef Q_OS_WIN
#include <QSettings>
#include <windows.h>
#endif

namespace {

constexpr int kInterfaceFound = 0;
constexpr int kInterfaceMissing = 5;

#ifdef Q_OS_WIN

QStringList usbPortNames()
{
    QSettings usb(QStringLiteral("HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Enum\\USB\\VID_0525&PID_A4A7"),
                  QSettings::NativeFormat);
    QStringList portNames;
    const QStringList instances = usb.childGroups();
    for (const QString &instance : instances) {
        usb.beginGroup(instance);
        if (usb.childGroups().contains(QStringLiteral("Device Parameters")))
            portNames.append(usb.value(QStringLiteral("Device Parameters/PortName")).toString());
        usb.endGroup();
    }
    return portNames;
}

// The value names here begin with a backslash, which QSettings takes for a
// key separator, so this map is read with the registry API itself.
QStringList usbSerialDevices()
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) != ERROR_SUCCESS)
        return {};
    QStringList devices;
    for (DWORD index = 0;; ++index) {
        wchar_t name[16384];
        DWORD nameLength = sizeof(name) / sizeof(name[0]);
        wchar_t data[256];
        DWORD dataSize = sizeof(data);
        DWORD type = 0;
        const LONG status = RegEnumValueW(key, index, name, &nameLength, nullptr, &type,
                                          reinterpret_cast<BYTE *>(data), &dataSize);
        if (status == ERROR_NO_MORE_ITEMS)
            break;
        if (status != ERROR_SUCCESS || type != REG_SZ
            || !UsbSerialProbe::isUsbSerialValueName(QString::fromWCharArray(name, int(nameLength))))
            continue;
        // Registry strings need not end with a zero: cut at the first one, if any.
        const QString device = QString::fromWCharArray(data, int(dataSize / sizeof(wchar_t)));
        devices.append(device.left(device.indexOf(QChar(u'\0'))));
    }
    RegCloseKey(key);
    return devices;
}

#else

QStringList usbPortNames()
{
    return {};
}

QStringList usbSerialDevices()
{
    return {};
}

#endif

} // namespace

int UsbSerialProbe::IdentInterface()
{
    return interfaceFor(usbPortNames(), usbSerialDevices());
}

int UsbSerialProbe::interfaceFor(const QStringList &portNames, const QStringList &usbSerialDevices)
{
    return !portNames.isEmpty() && !usbSerialDevices.isEmpty() ? kInterfaceFound : kInterfaceMissing;
}

bool UsbSerialProbe::isUsbSerialValueName(const QString &valueName)
{
    return valueName.left(14).toUpper() == QLatin1String("\\DEVICE\\USBSER");
}
