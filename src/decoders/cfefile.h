#pragma once

#include <QByteArrayList>
#include <QString>

// "CFe.xml" in the program's folder: the CF-e of the test page's last
// successful operation.
class CfeFile
{
public:
    // programFolder ends with a separator.
    explicit CfeFile(const QString &programFolder);

    QString path() const;
    bool exists() const;

    // Replaces the file with the lines' bytes as they are (a returned CF-e
    // stays in its own UTF-8), each line followed by CR LF; empty on success,
    // otherwise the reason it could not be written.
    [[nodiscard]] QString write(const QByteArrayList &lines) const;
    // Deletes the file when it is there; its absence is no error.
    void remove() const;

private:
    QString path_;
};
