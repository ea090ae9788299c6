#include "shell/app/recovery.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUuid>
#include <algorithm>

namespace shell {

namespace {

const QString kLedger = u".tlw"_qs;
const QString kInfo = u".json"_qs;
const QString kLock = u".lock"_qs;

// The lock is held until the files are removed or the program ends; only a lock whose
// program is gone counts as stale, however old it is.
std::unique_ptr<QLockFile> lockFor(const QString& path) {
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0);
    return lock->tryLock(0) ? std::move(lock) : nullptr;
}

constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// The unsaved ledger is as private as the file it came from, whatever that file's mode: only
// its owner may read it.
bool writeAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.setPermissions(kOwnerOnly) &&
           file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

RecoveryFile::RecoveryFile(QString folder)
    : folder_(std::move(folder)), key_(QUuid::createUuid().toString(QUuid::WithoutBraces)) {}

RecoveryFile::RecoveryFile(QString folder, QString key)
    : folder_(std::move(folder)), key_(std::move(key)), lock_(lockFor(path(kLock))) {}

RecoveryFile::~RecoveryFile() = default;

QString RecoveryFile::path(const QString& extension) const {
    return QDir(folder_).filePath(key_ + extension);
}

bool RecoveryFile::write(const std::vector<std::uint8_t>& bytes, const QString& ledgerPath,
                         const QString& name, const QDateTime& time) {
    if (!lock_) {
        if (!QDir().mkpath(folder_))
            return false;
        QFile::setPermissions(folder_, kOwnerOnly | QFileDevice::ExeOwner);
        lock_ = lockFor(path(kLock));
        if (!lock_)
            return false;
    }
    const QJsonObject info{
        {u"path"_qs, ledgerPath}, {u"name"_qs, name}, {u"written"_qs, time.toString(Qt::ISODate)}};
    // The ledger first: the description names a complete ledger at every moment.
    return writeAtomically(path(kLedger), QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                                     static_cast<qsizetype>(bytes.size()))) &&
           writeAtomically(path(kInfo), QJsonDocument(info).toJson());
}

void RecoveryFile::remove() {
    QFile::remove(path(kInfo));
    QFile::remove(path(kLedger));
    lock_.reset(); // removes the lock file
}

bool RecoveryFile::exists() const {
    return QFile::exists(path(kInfo));
}

std::vector<FoundRecovery> findRecoveries(const QString& folder) {
    std::vector<FoundRecovery> found;
    const QDir dir(folder);
    for (const QString& entry : dir.entryList({u"*"_qs + kInfo}, QDir::Files)) {
        const QString key = entry.chopped(kInfo.size());
        if (!lockFor(dir.filePath(key + kLock)))
            continue; // a running program's files
        QFile info(dir.filePath(entry));
        QFile ledger(dir.filePath(key + kLedger));
        if (!info.open(QIODevice::ReadOnly) || !ledger.open(QIODevice::ReadOnly))
            continue;
        const QJsonObject object = QJsonDocument::fromJson(info.readAll()).object();
        const QByteArray bytes = ledger.readAll();
        FoundRecovery r{key, object.value(u"path"_qs).toString(),
                        object.value(u"name"_qs).toString(),
                        QDateTime::fromString(object.value(u"written"_qs).toString(), Qt::ISODate),
                        std::vector<std::uint8_t>(bytes.begin(), bytes.end())};
        if (r.name.isEmpty() || !r.written.isValid() || r.bytes.empty())
            continue;
        found.push_back(std::move(r));
    }
    std::sort(found.begin(), found.end(),
              [](const FoundRecovery& a, const FoundRecovery& b) { return a.written > b.written; });
    return found;
}

void discardRecovery(const QString& folder, const QString& key) {
    RecoveryFile(folder, key).remove();
}

QString defaultRecoveryFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(u"Wiederherstellung"_qs);
}

} // namespace shell
