#pragma once

#include <QString>
#include <QStringList>
#include <array>

// Turns an operational status reply into the status memo's lines, one
// labelled line per field from field 5 on. The SAT form reads the split
// field list; the MF-e form scans the reply itself and renders more fields
// in words. A value that its table cannot convert (a state or UF that is no
// number, or one outside the table) is shown as received, and the listing
// goes on: every field is listed. The result holds the memo's entries; a
// network document is one entry of CR LF lines.
class StatusListing
{
public:
    // Fields 5 to the last of fields (the reply split at every "|").
    [[nodiscard]] static QStringList listSat(const QStringList &fields);
    // Every field of reply from 5 on, the last one with or without a "|"
    // after it.
    [[nodiscard]] static QStringList listMfe(const QString &reply);

    // One blank, the label, one blank, 27 minus the label's length dots, one
    // blank and the value.
    static QString statusLine(const QString &label, const QString &value);
    // The label of a field: its RotulosStatus entry, "Campo N" after field 57.
    static QString label(int field);

    static constexpr int kFirstField = 5;
    static const std::array<QString, 53> RotulosStatus; // fields 5 to 57
    static const std::array<QString, 5> EstadosOperacao;
    static const std::array<QString, 54> UFPorCodigo;   // by IBGE code; "00" where no state has it
};
