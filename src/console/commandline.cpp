#include "console/commandline.h"

namespace {
const QString kAdmin = QStringLiteral("/ADMIN");
const QString kDll = QStringLiteral("/DLL=");
}

CommandLine::CommandLine(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return;
    const QString &first = arguments.first();
    const QString upper = first.toUpper();
    if (upper == kAdmin) {
        layout_ = TestPageLayout::Administrator;
        return;
    }
    layout_ = TestPageLayout::Designed;
    if (upper.startsWith(kDll))
        libraryName_ = first.mid(kDll.size());
}
