#include "console/pages/networkinterface.h"

#include "decoders/networkchoices.h"
#include "settings/clientdataset.h"
#include "settings/texttrim.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

const QString kTipoLan = QStringLiteral("tipoLan");
const QString kProxy = QStringLiteral("proxy");

template<std::size_t N>
void fillEdits(const ClientDataSet &cds, const std::array<const char *, N> &fields,
               const std::array<QLineEdit *, N> &edits)
{
    for (std::size_t i = 0; i < N; ++i)
        edits[i]->setText(cds.fieldAsString(QLatin1String(fields[i])));
}

template<std::size_t N>
void storeEdits(ClientDataSet &cds, const std::array<const char *, N> &fields,
                const std::array<QLineEdit *, N> &edits)
{
    for (std::size_t i = 0; i < N; ++i)
        cds.setFieldAsString(QLatin1String(fields[i]), TextTrim::withoutControls(edits[i]->text()));
}

template<std::size_t N>
std::array<QString, N> texts(const std::array<QLineEdit *, N> &edits)
{
    std::array<QString, N> values;
    for (std::size_t i = 0; i < N; ++i)
        values[i] = edits[i]->text();
    return values;
}

template<std::size_t N>
void applyRule(const QComboBox &list, const std::array<QLineEdit *, N> &edits)
{
    const std::optional<bool> enabled = NetworkChoices::enablesEdits(list.currentIndex());
    if (!enabled)
        return;
    for (QLineEdit *edit : edits)
        edit->setEnabled(*enabled);
}

} // namespace

NetworkInterface::NetworkInterface(QComboBox *rede, const AddressEdits &address, QComboBox *proxy,
                                   const ProxyEdits &proxyDetails)
    : rede_(rede)
    , address_(address)
    , proxy_(proxy)
    , proxyDetails_(proxyDetails)
{
}

void NetworkInterface::open(ClientDataSet &cds)
{
    if (!cds.Active())
        cds.Open();
}

void NetworkInterface::editRecord(ClientDataSet &cds)
{
    open(cds);
    cds.First();
    cds.Edit();
}

void NetworkInterface::fill(const ClientDataSet &cds) const
{
    rede_->setCurrentIndex(NetworkChoices::redeItem(cds.fieldAsString(kTipoLan), rede_->currentIndex()));
    fillEdits(cds, TConfRede::kAddressFields, address_);
    proxy_->setCurrentIndex(NetworkChoices::proxyItem(cds.fieldAsOptionalInteger(kProxy)));
    fillEdits(cds, TConfRede::kProxyFields, proxyDetails_);
}

void NetworkInterface::store(ClientDataSet &cds) const
{
    cds.setFieldAsString(kTipoLan, NetworkChoices::redeValue(rede_->currentIndex(), cds.fieldAsString(kTipoLan)));
    storeEdits(cds, TConfRede::kAddressFields, address_);
    cds.setFieldAsInteger(kProxy, proxy_->currentIndex());
    storeEdits(cds, TConfRede::kProxyFields, proxyDetails_);
}

TConfRede::Interface2 NetworkInterface::values() const
{
    TConfRede::Interface2 values;
    values.rede = rede_->currentIndex();
    values.proxy = proxy_->currentIndex();
    values.address = texts(address_);
    values.proxyDetails = texts(proxyDetails_);
    return values;
}

void NetworkInterface::applyRedeRule() const
{
    applyRule(*rede_, address_);
}

void NetworkInterface::applyProxyRule() const
{
    applyRule(*proxy_, proxyDetails_);
}
