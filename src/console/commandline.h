#pragma once

#include <QString>
#include <QStringList>

// The console reads only its first argument: "/ADMIN" (any case) gives the
// administrator layout of the test page, "/DLL=name" names the module library,
// anything else is ignored.
class CommandLine
{
public:
    enum class TestPageLayout { User, Administrator, Designed };

    explicit CommandLine(const QStringList &arguments);

    TestPageLayout layout() const { return layout_; }
    // Empty when no library was named; the name keeps its case, untrimmed.
    const QString &libraryName() const { return libraryName_; }

private:
    TestPageLayout layout_ = TestPageLayout::User;
    QString libraryName_;
};
