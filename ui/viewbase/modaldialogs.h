#pragma once

#include <QFileDialog>
#include <QMap>
#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

// Every modal message box and file dialog of the views opens through these functions, never
// through QMessageBox or QFileDialog directly. By default they are the Qt static calls; a test
// replaces the two hooks (tests/views/support/modalanswers.h does it for the view tests), so it
// answers a question or a save dialog without a blocking exec() and sees what was asked. The
// hooks are process-wide and GUI-thread only, like the dialogs themselves.
namespace ModalDialogs {

// What a message box asks.
struct MessageBoxRequest
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QWidget *parent = nullptr;
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    // Texts shown on standard buttons in place of their own; each keeps its role.
    QMap<QMessageBox::StandardButton, QString> buttonTexts;
};

// What a file dialog asks; the answer is a path, empty when the user cancels.
struct FileDialogRequest
{
    enum Kind { OpenFile, SaveFile, ExistingDirectory };
    Kind kind = OpenFile;
    QWidget *parent = nullptr;
    QString caption;
    QString directory; // start folder, or proposed file for a save
    QString filter; // ";;"-separated name filters; empty for a folder
    QFileDialog::Options options;
};

// The button that closed the box.
using MessageBoxHook = std::function<QMessageBox::StandardButton(const MessageBoxRequest &)>;
// The chosen path, empty when cancelled; selectedFilter (may be null) receives the filter the
// user picked.
using FileDialogHook = std::function<QString(const FileDialogRequest &, QString *selectedFilter)>;

// An empty hook restores Qt's own dialogs.
void setMessageBoxHook(MessageBoxHook hook);
void setFileDialogHook(FileDialogHook hook);

QMessageBox::StandardButton
question(QWidget *parent, const QString &title, const QString &text,
         QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No,
         QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
QMessageBox::StandardButton
information(QWidget *parent, const QString &title, const QString &text,
            QMessageBox::StandardButtons buttons = QMessageBox::Ok,
            QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
QMessageBox::StandardButton
warning(QWidget *parent, const QString &title, const QString &text,
        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
QMessageBox::StandardButton
critical(QWidget *parent, const QString &title, const QString &text,
         QMessageBox::StandardButtons buttons = QMessageBox::Ok,
         QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

// A box as the request describes it, its icon (none included) and button texts as given.
QMessageBox::StandardButton message(const MessageBoxRequest &request);

QString getOpenFileName(QWidget *parent, const QString &caption,
                        const QString &directory = QString(), const QString &filter = QString(),
                        QString *selectedFilter = nullptr,
                        QFileDialog::Options options = QFileDialog::Options());
QString getSaveFileName(QWidget *parent, const QString &caption,
                        const QString &directory = QString(), const QString &filter = QString(),
                        QString *selectedFilter = nullptr,
                        QFileDialog::Options options = QFileDialog::Options());
QString getExistingDirectory(QWidget *parent, const QString &caption,
                             const QString &directory = QString(),
                             QFileDialog::Options options = QFileDialog::ShowDirsOnly);

} // namespace ModalDialogs
