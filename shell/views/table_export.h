// "Kopieren in &Zwischenablage..." and "Kopieren in Te&xtdatei...": the two dialogs that
// put the active table view on the clipboard (as Unicode, with the Windows-1252 bytes beside)
// or into a text file (Windows-1252 unless the user chooses UTF-8).
#pragma once

#include "bookings/textdatei_form.h"

#include <QDialog>

class QButtonGroup;
class QComboBox;
class QLineEdit;

namespace shell {

// The MIME type under which the clipboard also carries the text's Windows-1252 bytes.
inline constexpr char kCp1252Mime[] = "text/plain;charset=windows-1252";

// Puts the table on the clipboard (LF lines); a table without rows only empties it.
void copyTableToClipboard(const reports::ReportTable& table, reports::TextFormat format);

// The format choice shared by both dialogs.
class FormatChoice {
public:
    explicit FormatChoice(QDialog* dialog);
    QWidget* widget() const { return box_; }
    reports::TextFormat format() const;

private:
    QWidget* box_;
    QButtonGroup* group_;
};

class CZwischenablageDlg : public QDialog {
    Q_OBJECT
public:
    explicit CZwischenablageDlg(QWidget* parent = nullptr);
    reports::TextFormat format() const { return format_.format(); }

    // Asks for the format and copies the table.
    static void run(const reports::ReportTable& table, QWidget* parent);

private:
    FormatChoice format_;
};

class CTextdateiDlg : public QDialog {
    Q_OBJECT
public:
    CTextdateiDlg(const reports::ReportTable& table, QWidget* parent = nullptr);

    void setFileName(const QString& path);
    void accept() override;

    // Asks for the format and the file, and writes the table.
    static void run(const reports::ReportTable& table, QWidget* parent);

private:
    void chooseFile();

    const reports::ReportTable& table_;
    FormatChoice format_;
    QLineEdit* fileName_;
    QComboBox* zeichensatz_;
};

} // namespace shell
