#pragma once

#include "settings/datapacket.h"

#include <QString>
#include <optional>

// The settings dataset: the records of the settings file, kept in memory
// while the console runs. Every operation works on the first record; Post
// and Close write the file, so what an operation stored survives a kill.
//
// The file name is relative to the process's working directory at the
// moment of Open, Post and Close. A file that exists but is not a settings
// datapacket is never written over without a copy: at the first write it is
// copied to "<name>.bak" (or "<name>.bak2", "<name>.bak3", ... when taken).
//
// Nothing is written unless the owner calls Post or Close (the destructor
// does not), so a failed write always reaches someone who can report it.
//
// Using the dataset while it is closed, or naming an unknown field, is a
// programming error and throws std::runtime_error.
class ClientDataSet
{
public:
    enum class OpenResult { Loaded, NoFile, Damaged };
    enum class CloseResult { NotWritten, Written, Failed };

    explicit ClientDataSet(const QString &fileName = QStringLiteral("Parametros.xml"));

    bool Active() const;
    // Reads the file if it exists. NoFile and Damaged open the 23 fields with
    // no record. Calling it while open changes nothing.
    OpenResult Open();
    void First();
    // With no record, creates one with every field null.
    void Edit();
    // Changes are kept as they are set; Post writes them to the file as Close
    // does. False when the file could not be written (errorText says why);
    // the changes stay in memory and Close tries again.
    [[nodiscard]] bool Post();
    // A set acts as an edit when none was started. Values are cut to the
    // field's width.
    void setFieldAsString(const QString &name, const QString &value);
    void setFieldAsInteger(const QString &name, int value);
    // Null, or no record: the empty text.
    QString fieldAsString(const QString &name) const;
    // The whole text as a decimal integer; throws ConversionError otherwise.
    int fieldAsInteger(const QString &name) const;
    // The same read without the error: nullopt where fieldAsInteger throws.
    std::optional<int> fieldAsOptionalInteger(const QString &name) const;
    bool isNull(const QString &name) const;
    // Writes when the data changed since Open or the last write, or when the
    // file is missing.
    CloseResult Close();
    // The last problem of Open, Post or Close, as a sentence for the technician.
    QString errorText() const;

private:
    CloseResult save();
    QString currentPath() const;
    OpenResult damaged(const QString &path, const QString &problem);
    bool preserveDamaged(const QString &path);
    void requireActive() const;
    int fieldIndex(const QString &name) const;
    const std::optional<QString> &value(const QString &name) const;
    void store(int index, const QString &value);

    QString fileName_;
    bool active_ = false;
    OpenResult openResult_ = OpenResult::NoFile;
    DataPacket::Rows rows_;
    bool changed_ = false;
    QString damagedPath_;
    QString errorText_;
};
