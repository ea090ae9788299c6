// Recovery files: while a ledger has unsaved changes, the desktop program writes it every few
// minutes into a folder of the user's data (<key>.tlw with the ledger's bytes, <key>.json
// with its path, name and the time), each file atomically. The writer holds <key>.lock for as
// long as the files are its own, so that a later start tells the files a crash left behind
// from those of a program still running.
#pragma once

#include <QDateTime>
#include <QLockFile>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace shell {

// The recovery files of one open ledger.
class RecoveryFile {
public:
    // Files under a new key in the folder, written first by write().
    explicit RecoveryFile(QString folder);
    // Takes over the files under the key that a crash left (after "Wiederherstellen").
    RecoveryFile(QString folder, QString key);
    // Leaves the files: only remove() takes them away.
    ~RecoveryFile();
    RecoveryFile(const RecoveryFile&) = delete;
    RecoveryFile& operator=(const RecoveryFile&) = delete;

    // Replaces the files by the bytes of the ledger with its path (empty for a ledger never
    // saved), its name in the window titles and the time. False when they could not be
    // written; the previous files then stay.
    bool write(const std::vector<std::uint8_t>& bytes, const QString& ledgerPath,
               const QString& name, const QDateTime& time);
    // Removes the files (after saving, or closing without saving).
    void remove();
    bool exists() const;
    const QString& key() const { return key_; }

private:
    QString path(const QString& extension) const;

    QString folder_;
    QString key_;
    std::unique_ptr<QLockFile> lock_;
};

// The recovery files found in the folder that no running program holds: left by a crash.
struct FoundRecovery {
    QString key;
    QString ledgerPath; // empty for a ledger never saved
    QString name;
    QDateTime written;
    std::vector<std::uint8_t> bytes;
};

// Newest first. Files that no running program holds but that are incomplete are skipped.
std::vector<FoundRecovery> findRecoveries(const QString& folder);
// Removes the files of a found recovery ("Verwerfen").
void discardRecovery(const QString& folder, const QString& key);

// The folder of the recovery files under the user's data folder (QStandardPaths).
QString defaultRecoveryFolder();

} // namespace shell
