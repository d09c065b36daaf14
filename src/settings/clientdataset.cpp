#include "settings/clientdataset.h"

#include "platform/conversionerror.h"
#include "platform/atomicfile.h"
#include "platform/boundedfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

namespace {

// Far above any real settings file; a larger one is not read into memory.
constexpr qint64 kMaxFileSize = 4 * 1024 * 1024;

const std::optional<QString> kNull;

QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// The whole text as a decimal integer, as the settings fields hold them.
std::optional<int> asInteger(const QString &text)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok || text != text.trimmed())
        return std::nullopt;
    return number;
}

int toInteger(const QString &text, const QString &fieldName)
{
    const std::optional<int> number = asInteger(text);
    if (!number)
        throw ConversionError(QStringLiteral("\"%1\" não é um valor inteiro válido para o campo \"%2\".")
                                  .arg(text, fieldName));
    return *number;
}

QString freeBackupName(const QString &path)
{
    QString backup = path + QStringLiteral(".bak");
    for (int number = 2; QFileInfo::exists(backup); ++number)
        backup = path + QStringLiteral(".bak%1").arg(number);
    return backup;
}

// Copying would block on a pipe: a special file is moved aside instead. A
// folder of that name stays where it is, and the settings are not written.
bool keepCopy(const QString &path, const QString &backup)
{
    const QFileInfo original(path);
    if (original.isDir())
        return false;
    return original.isFile() ? QFile::copy(path, backup) : QFile::rename(path, backup);
}

} // namespace

ClientDataSet::ClientDataSet(const QString &fileName)
    : fileName_(fileName)
{
}

bool ClientDataSet::Active() const
{
    return active_;
}

ClientDataSet::OpenResult ClientDataSet::Open()
{
    if (active_)
        return openResult_;
    active_ = true;
    rows_.clear();
    changed_ = false;
    damagedPath_.clear();
    errorText_.clear();

    const QString path = currentPath();
    openResult_ = OpenResult::NoFile;
    if (!QFileInfo::exists(path))
        return openResult_;
    const BoundedFile::Result file = BoundedFile::read(path, kMaxFileSize);
    switch (file.status) {
    case BoundedFile::Status::NotAFile:
        return damaged(path, QStringLiteral("não é um arquivo comum"));
    case BoundedFile::Status::Unreadable:
        return damaged(path, QStringLiteral("não pôde ser lido (%1)").arg(file.error));
    case BoundedFile::Status::TooLarge:
        return damaged(path, QStringLiteral("é grande demais para um arquivo de configuração"));
    case BoundedFile::Status::Read:
        break;
    }
    DataPacket::ReadResult packet = DataPacket::read(file.bytes);
    if (!packet.ok)
        return damaged(path, packet.problem);
    rows_ = std::move(packet.rows);
    openResult_ = OpenResult::Loaded;
    return openResult_;
}

void ClientDataSet::First()
{
    requireActive();
}

void ClientDataSet::Edit()
{
    requireActive();
    if (rows_.empty()) {
        rows_.emplace_back();
        changed_ = true;
    }
}

bool ClientDataSet::Post()
{
    requireActive();
    return save() != CloseResult::Failed;
}

void ClientDataSet::setFieldAsString(const QString &name, const QString &value)
{
    const int index = fieldIndex(name);
    if (TParametros::field(index).kind == TParametros::Kind::Integer)
        store(index, QString::number(toInteger(value, name)));
    else
        store(index, value);
}

void ClientDataSet::setFieldAsInteger(const QString &name, int value)
{
    store(fieldIndex(name), QString::number(value));
}

QString ClientDataSet::fieldAsString(const QString &name) const
{
    return value(name).value_or(QString());
}

int ClientDataSet::fieldAsInteger(const QString &name) const
{
    return toInteger(fieldAsString(name), name);
}

std::optional<int> ClientDataSet::fieldAsOptionalInteger(const QString &name) const
{
    return asInteger(fieldAsString(name));
}

bool ClientDataSet::isNull(const QString &name) const
{
    return !value(name).has_value();
}

ClientDataSet::CloseResult ClientDataSet::Close()
{
    if (!active_)
        return CloseResult::NotWritten;
    active_ = false;
    return save();
}

QString ClientDataSet::errorText() const
{
    return errorText_;
}

ClientDataSet::CloseResult ClientDataSet::save()
{
    const QString path = currentPath();
    const bool exists = QFileInfo::exists(path);
    if (!changed_ && exists)
        return CloseResult::NotWritten;
    if (exists && path == damagedPath_ && !preserveDamaged(path))
        return CloseResult::Failed;
    const QString problem = AtomicFile::write(path, DataPacket::write(rows_));
    if (!problem.isEmpty()) {
        errorText_ = QStringLiteral("Não foi possível gravar o arquivo de configuração \"%1\" (%2). "
                                    "As alterações das configurações foram perdidas.")
                         .arg(nativePath(path), problem);
        return CloseResult::Failed;
    }
    // The file now holds the record: no copy of it is taken again.
    changed_ = false;
    damagedPath_.clear();
    return CloseResult::Written;
}

QString ClientDataSet::currentPath() const
{
    return QDir::current().absoluteFilePath(fileName_);
}

ClientDataSet::OpenResult ClientDataSet::damaged(const QString &path, const QString &problem)
{
    damagedPath_ = path;
    errorText_ = QStringLiteral("O arquivo de configuração \"%1\" %2 e não foi carregado. "
                                "As configurações começam vazias; ao gravar, uma cópia do arquivo "
                                "original é guardada com a extensão \".bak\".")
                     .arg(nativePath(path), problem);
    openResult_ = OpenResult::Damaged;
    return openResult_;
}

bool ClientDataSet::preserveDamaged(const QString &path)
{
    const QString backup = freeBackupName(path);
    if (keepCopy(path, backup))
        return true;
    errorText_ = QStringLiteral("Não foi possível guardar uma cópia do arquivo de configuração danificado "
                                "\"%1\" em \"%2\"; ele não foi substituído e as alterações das "
                                "configurações foram perdidas.")
                     .arg(nativePath(path), nativePath(backup));
    return false;
}

void ClientDataSet::requireActive() const
{
    if (!active_)
        throw std::runtime_error("O conjunto de configurações não está aberto.");
}

int ClientDataSet::fieldIndex(const QString &name) const
{
    requireActive();
    const int index = TParametros::indexOf(name);
    if (index < 0)
        throw std::runtime_error(QStringLiteral("O campo \"%1\" não existe nas configurações.").arg(name).toStdString());
    return index;
}

const std::optional<QString> &ClientDataSet::value(const QString &name) const
{
    const int index = fieldIndex(name);
    return rows_.empty() ? kNull : rows_.front()[index];
}

void ClientDataSet::store(int index, const QString &value)
{
    Edit();
    std::optional<QString> &stored = rows_.front()[index];
    const QString fitted = TParametros::fitted(index, value);
    if (stored == fitted)
        return;
    stored = fitted;
    changed_ = true;
}
