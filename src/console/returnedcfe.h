#pragma once

#include <QByteArrayList>
#include <QString>

// The CF-e that a successful sale or cancellation reply carries in Base64,
// possibly broken over several lines, between its first five and its last
// five fields.
struct ReturnedCfe {
    QString base64;       // the joined Base64 text, empty for a short reply
    QByteArrayList lines; // the decoded CF-e's lines, bytes in the ANSI code page

    static ReturnedCfe fromReply(const QString &reply);
};
