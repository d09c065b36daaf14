#pragma once

#include "settings/parametros.h"

#include <QByteArray>
#include <QString>
#include <vector>

// The settings file format: a client-dataset XML datapacket in the ANSI code
// page, with the field list of TParametros and one ROW per record.
class DataPacket
{
public:
    using Rows = std::vector<TParametros::Record>;

    struct ReadResult {
        bool ok = false;
        QString problem; // why the bytes are not a settings datapacket
        Rows rows;
    };

    // Accepts any datapacket whose field list holds the 23 fields; values are
    // fitted to their fields, attributes that name no field are ignored.
    static ReadResult read(const QByteArray &bytes);
    // One line ending in CR LF. Characters the ANSI code page cannot hold are
    // written as character references.
    static QByteArray write(const Rows &rows);
};
