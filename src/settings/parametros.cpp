#include "settings/parametros.h"

#include "platform/ansicodepage.h"
#include "settings/xmlchars.h"

namespace {

using Kind = TParametros::Kind;

constexpr std::array<TParametros::Field, TParametros::kFieldCount> kFields {{
    {"tipoInter", Kind::Text, 4},
    {"SSID", Kind::Text, 32},
    {"seg", Kind::Text, 8},
    {"codigo", Kind::Text, 64},
    {"tipoLan", Kind::Text, 8},
    {"lanIP", Kind::Text, 15},
    {"lanMask", Kind::Text, 15},
    {"lanGW", Kind::Text, 15},
    {"lanDNS1", Kind::Text, 15},
    {"lanDNS2", Kind::Text, 15},
    {"usuario", Kind::Text, 64},
    {"senha", Kind::Text, 64},
    {"proxy", Kind::Text, 1},
    {"proxy_ip", Kind::Text, 15},
    {"proxy_porta", Kind::Text, 5},
    {"proxy_user", Kind::Text, 64},
    {"proxy_senha", Kind::Text, 64},
    {"CNPJContribuinte", Kind::Text, 14},
    {"uf", Kind::Text, 2},
    {"TipoCert", Kind::Integer, 0},
    {"CSR", Kind::Memo, 1024},
    {"Assinatura", Kind::WideText, 688},
    {"CNPJSH", Kind::Text, 14},
}};

// Cuts to `length` UTF-16 units without splitting a surrogate pair.
QString cutWide(const QString &value, int length)
{
    if (value.size() <= length)
        return value;
    return value.left(value.at(length - 1).isHighSurrogate() ? length - 1 : length);
}

} // namespace

const TParametros::Field &TParametros::field(int index)
{
    return kFields.at(static_cast<std::size_t>(index));
}

int TParametros::indexOf(const QString &name)
{
    for (int index = 0; index < kFieldCount; ++index) {
        if (name.compare(QLatin1String(kFields[index].name), Qt::CaseInsensitive) == 0)
            return index;
    }
    return -1;
}

QString TParametros::fitted(int index, const QString &value)
{
    // Every value goes into the settings file and on into requests and
    // documents: what XML cannot carry is dropped, a NUL included.
    const QString kept = XmlChars::withoutForbidden(value);
    const Field &definition = field(index);
    switch (definition.kind) {
    case Kind::Text:
        return AnsiCodePage::roundTrip(kept, definition.width);
    case Kind::Memo:
        return AnsiCodePage::roundTrip(kept);
    case Kind::WideText:
        return cutWide(kept, definition.width / 2);
    case Kind::Integer:
        break;
    }
    return kept;
}
