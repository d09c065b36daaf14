#pragma once

#include <QString>

// Unescapes the network-configuration fields of the MF-e status reply: a
// backslash before a double quote is dropped, a backslash with any other
// following character drops both, and a final backslash is dropped.
QString RemoveBarras(const QString &text);
