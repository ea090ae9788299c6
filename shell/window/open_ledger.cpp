#include "shell/window/open_ledger.h"

#include "ledger/dokument.h"
#include "ledger/file_write.h"
#include "ledger/ledger_file.h"
#include "ledger/ledger_session.h"
#include "platform/clock.h"
#include "shell/accounts/neue_datei_dlg.h"
#include "shell/app/application.h"
#include "shell/app/recovery.h"
#include "shell/qt/cp1252.h"
#include "shell/qt/qt_prompter.h"
#include "shell/window/ledger_history.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHash>
#include <QMessageBox>
#include <QPushButton>
#include <cmath>

namespace shell {

namespace {

// Every open ledger by its document, for the actions of dialogs that know only the ledger.
QHash<const ledger::CTalwerkDoc*, OpenLedger*>& openLedgers() {
    static QHash<const ledger::CTalwerkDoc*, OpenLedger*> ledgers;
    return ledgers;
}

std::filesystem::path toPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

} // namespace

OpenLedger::OpenLedger(std::unique_ptr<ledger::CTalwerkDoc> ledger,
                       std::unique_ptr<ledger::LedgerSession> session, QString path,
                       QString untitledName)
    : ledger_(std::move(ledger)), history_(std::make_unique<LedgerHistory>(*ledger_)),
      session_(std::move(session)), path_(std::move(path)), untitledName_(std::move(untitledName)) {
    // A new ledger, never saved, differs from every file.
    if (ledger_->isModified())
        history_->resetClean();
    shownModified_ = isModified();
    openLedgers().insert(ledger_.get(), this);
}

OpenLedger::~OpenLedger() {
    // Closed without saving, or saved: nothing to recover.
    dropRecovery();
    openLedgers().remove(ledger_.get());
    // The history's steps point into the ledger: they go first.
    history_.reset();
}

OpenLedger* OpenLedger::of(const ledger::CTalwerkDoc& ledger) {
    return openLedgers().value(&ledger, nullptr);
}

std::unique_ptr<OpenLedger> OpenLedger::open(const QString& path, QWidget* parent) {
    QtPrompter prompter(parent);
    QtPasswordSource passwords(parent);
    ledger::LedgerSession::Opened opened = ledger::LedgerSession::open(
        toPath(path), prompter, passwords, theApp().clock(),
        theApp().opensFilesReadOnly() ? ledger::LedgerSession::Access::LookOnly
                                      : ledger::LedgerSession::Access::Edit);
    if (!opened.document) {
        if (!opened.message.empty())
            prompter.warning(opened.message, "Talerwerk");
        return nullptr;
    }
    return std::make_unique<OpenLedger>(std::move(opened.document), std::move(opened.session),
                                        QFileInfo(path).absoluteFilePath(), QString());
}

std::unique_ptr<OpenLedger> OpenLedger::openRecovered(const FoundRecovery& found,
                                                      const QString& folder, QWidget* parent) {
    QtPrompter prompter(parent);
    QtPasswordSource passwords(parent);
    ledger::LoadedLedger loaded = ledger::loadLedgerBytes(found.bytes, toCp1252(found.name),
                                                          prompter, passwords, theApp().clock());
    if (!loaded.document) {
        prompter.warning(loaded.message, "Talerwerk");
        return nullptr;
    }
    // Unsaved from the start: no state of the history is the file's.
    loaded.document->setModified(true);
    auto session = found.ledgerPath.isEmpty()
                       ? std::make_unique<ledger::LedgerSession>()
                       : ledger::LedgerSession::bind(toPath(found.ledgerPath));
    auto document = std::make_unique<OpenLedger>(
        std::move(loaded.document), std::move(session), found.ledgerPath,
        found.ledgerPath.isEmpty() ? found.name : QString());
    document->adoptRecovery(std::make_unique<RecoveryFile>(folder, found.key));
    return document;
}

std::unique_ptr<OpenLedger> OpenLedger::openBackup(const QString& path, const QString& ledgerPath,
                                                   QWidget* parent) {
    QtPrompter prompter(parent);
    QtPasswordSource passwords(parent);
    ledger::LedgerSession::Opened opened =
        ledger::LedgerSession::open(toPath(path), prompter, passwords, theApp().clock(),
                                    ledger::LedgerSession::Access::ReadOnly);
    if (!opened.document) {
        if (!opened.message.empty())
            prompter.warning(opened.message, "Talerwerk");
        return nullptr;
    }
    auto document =
        std::make_unique<OpenLedger>(std::move(opened.document), std::move(opened.session),
                                     QFileInfo(path).absoluteFilePath(), QString());
    document->saveAsSuggestion_ = ledgerPath;
    return document;
}

std::unique_ptr<OpenLedger> OpenLedger::createNew(QWidget* parent, int number) {
    CNeueDateiDlg dialog(theApp().nationalCurrencies(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    auto ledger = std::make_unique<ledger::CTalwerkDoc>();
    dialog.legeDateiAn(*ledger, theApp().today());
    return std::make_unique<OpenLedger>(std::move(ledger),
                                        std::make_unique<ledger::LedgerSession>(), QString(),
                                        u"Unbenannt%1"_qs.arg(number));
}

QString OpenLedger::displayName() const {
    return path_.isEmpty() ? untitledName_ : QFileInfo(path_).fileName();
}

bool OpenLedger::isModified() const {
    return !history_->isClean();
}

QStringList OpenLedger::currencySymbols() const {
    const ledger::CTWEinstellungen& settings = ledger_->settings();
    QStringList symbols{toQString(settings.firstCurrencySymbol)};
    if (settings.dualCurrency)
        symbols.append(toQString(settings.secondCurrencySymbol));
    return symbols;
}

double OpenLedger::screenScale() const {
    return ledger_->screenScale();
}

void OpenLedger::undo() {
    if (openAction_ || !history_->canUndo())
        return;
    history_->undo();
    historyMoved();
    updateAllViews();
}

void OpenLedger::redo() {
    if (openAction_ || !history_->canRedo())
        return;
    history_->redo();
    historyMoved();
    updateAllViews();
}

void OpenLedger::commitStep(const QString& name) {
    ledger::Aenderung change = ledger_->commitAenderung();
    if (change.empty())
        return;
    history_->push(std::move(change), name);
    historyMoved();
}

bool OpenLedger::writeRecovery(const QString& folder, const QDateTime& now) {
    if (!isModified()) {
        dropRecovery();
        return true;
    }
    if (recovery_ && recoveredGeneration_ == generation_ && recovery_->exists())
        return true;
    if (!recovery_)
        recovery_ = std::make_unique<RecoveryFile>(folder);
    std::vector<std::uint8_t> bytes;
    try {
        bytes = ledger::writeLedgerFile(*ledger_);
    } catch (...) {
        return false;
    }
    // A read-only ledger (a backup, or a file another program edits) is restored without a
    // path, so that its restored changes never replace that file unasked.
    if (!recovery_->write(bytes, isReadOnly() ? QString() : path_, displayName(), now))
        return false;
    recoveredGeneration_ = generation_;
    return true;
}

void OpenLedger::adoptRecovery(std::unique_ptr<RecoveryFile> recovery) {
    dropRecovery();
    recovery_ = std::move(recovery);
    recoveredGeneration_ = generation_;
}

void OpenLedger::armBackups() {
    session_->setSicherung(theApp().settings().backupRule(), theApp().clock());
}

void OpenLedger::markSaved() {
    history_->setClean();
    historyMoved();
    if (!session_->backupMessage().empty())
        emit backupFailed(toQString(session_->backupMessage()));
    saveAsSuggestion_.clear();
    // Nothing unsaved is left to recover.
    dropRecovery();
}

void OpenLedger::dropRecovery() {
    if (recovery_)
        recovery_->remove();
    recovery_.reset();
}

void OpenLedger::historyMoved() {
    ++generation_;
    const bool modified = isModified();
    ledger_->setModified(modified);
    if (modified != shownModified_) {
        shownModified_ = modified;
        emit modificationChanged(modified);
    }
    emit historyChanged();
}

void OpenLedger::releaseFile() {
    session_ = std::make_unique<ledger::LedgerSession>();
    // Saved or given up by the user: nothing is left to recover.
    dropRecovery();
}

bool OpenLedger::isReadOnly() const {
    return session_->isReadOnly();
}

bool OpenLedger::save(QWidget* parent) {
    if (!session_->hasFile())
        return saveAs(parent);
    QtPrompter prompter(parent);
    armBackups();
    switch (session_->save(*ledger_, prompter)) {
    case ledger::LedgerSession::Saved::Yes:
        markSaved();
        return true;
    case ledger::LedgerSession::Saved::ChooseOtherName:
        return saveAs(parent);
    case ledger::LedgerSession::Saved::No:
        break;
    }
    return false;
}

bool OpenLedger::saveAs(QWidget* parent) {
    // A ledger restored without its path keeps its file name as its name.
    const QString name =
        displayName().endsWith(u".tlw"_qs) ? displayName() : displayName() + u".tlw"_qs;
    QFileDialog dialog(parent, u"Speichern unter"_qs,
                       !saveAsSuggestion_.isEmpty() ? saveAsSuggestion_
                       : path_.isEmpty()            ? name
                                                    : path_,
                       u"Talerwerk-Dateien (*.tlw)"_qs);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(u"tlw"_qs);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    return saveTo(dialog.selectedFiles().constFirst(), parent);
}

bool OpenLedger::saveTo(const QString& path, QWidget* parent) {
    QtPrompter prompter(parent);
    armBackups();
    switch (session_->saveAs(*ledger_, toPath(path), prompter)) {
    case ledger::LedgerSession::Saved::Yes:
        break;
    case ledger::LedgerSession::Saved::ChooseOtherName:
        return saveAs(parent);
    case ledger::LedgerSession::Saved::No:
        return false;
    }
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const bool renamed = absolute != path_;
    path_ = absolute;
    markSaved();
    if (renamed)
        emit pathChanged();
    return true;
}

bool OpenLedger::maybeSave(QWidget* parent) {
    if (!isModified())
        return true;
    QMessageBox box(QMessageBox::Warning, u"Talerwerk"_qs,
                    u"Die Datei \u201E%1\u201C wurde geändert.\n"
                    u"Möchten Sie die Änderungen speichern?"_qs.arg(displayName()),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.button(QMessageBox::Yes)->setText(u"&Ja"_qs);
    box.button(QMessageBox::No)->setText(u"&Nein"_qs);
    box.button(QMessageBox::Cancel)->setText(u"Abbrechen"_qs);
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return save(parent);
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

void OpenLedger::setScreenScale(double scale) {
    if (std::abs(ledger_->screenScale() - scale) < 1e-9)
        return;
    {
        LedgerAction action(*this, u"Bildschirmschriftgröße ändern"_qs);
        ledger_->setScreenScale(scale);
    }
    updateAllViews();
}

void OpenLedger::updateAllViews(QObject* sender, int hint) {
    emit viewsOutdated(sender, hint);
}

void OpenLedger::attachWindow(QWidget* window) {
    windows_.append(window);
    emit windowsChanged();
}

void OpenLedger::detachWindow(QWidget* window) {
    windows_.removeOne(window);
    if (windows_.isEmpty())
        deleteLater();
    else
        emit windowsChanged();
}

bool OpenLedger::closeWindows(QWidget* parent) {
    if (!maybeSave(parent))
        return false;
    closing_ = true;
    emit closeRequested();
    return true;
}

LedgerAction::LedgerAction(OpenLedger& document, QString name)
    : document_(&document), name_(std::move(name)) {
    open();
}

LedgerAction::LedgerAction(ledger::CTalwerkDoc& ledger, QString name)
    : document_(OpenLedger::of(ledger)), name_(std::move(name)) {
    open();
}

void LedgerAction::open() {
    if (!document_)
        return;
    outer_ = document_->openAction_;
    if (outer_)
        document_->commitStep(outer_->name_);
    document_->ledger().beginAenderung();
    document_->openAction_ = this;
}

LedgerAction::~LedgerAction() {
    if (!document_)
        return;
    document_->commitStep(name_);
    document_->openAction_ = outer_;
    if (outer_)
        document_->ledger().beginAenderung();
}

} // namespace shell
