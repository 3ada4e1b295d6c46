#include "ui/viewbase/modaldialogs.h"

#include <QAbstractButton>

namespace ModalDialogs {

namespace {

MessageBoxHook &messageBoxHook()
{
    static MessageBoxHook hook;
    return hook;
}

FileDialogHook &fileDialogHook()
{
    static FileDialogHook hook;
    return hook;
}

QMessageBox::StandardButton customMessageBox(const MessageBoxRequest &request)
{
    QMessageBox box(request.icon, request.title, request.text, request.buttons, request.parent);
    for (auto it = request.buttonTexts.cbegin(); it != request.buttonTexts.cend(); ++it)
        if (QAbstractButton *button = box.button(it.key()))
            button->setText(it.value());
    if (request.defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(request.defaultButton);
    box.exec();
    return box.standardButton(box.clickedButton());
}

QMessageBox::StandardButton showMessageBox(const MessageBoxRequest &request)
{
    if (const MessageBoxHook &hook = messageBoxHook())
        return hook(request);
    switch (request.icon) {
    case QMessageBox::Question:
        return QMessageBox::question(request.parent, request.title, request.text, request.buttons,
                                     request.defaultButton);
    case QMessageBox::Warning:
        return QMessageBox::warning(request.parent, request.title, request.text, request.buttons,
                                    request.defaultButton);
    case QMessageBox::Critical:
        return QMessageBox::critical(request.parent, request.title, request.text, request.buttons,
                                     request.defaultButton);
    case QMessageBox::Information:
        break;
    case QMessageBox::NoIcon:
        return customMessageBox(request);
    }
    if (!request.buttonTexts.isEmpty())
        return customMessageBox(request);
    return QMessageBox::information(request.parent, request.title, request.text, request.buttons,
                                    request.defaultButton);
}

QMessageBox::StandardButton messageBox(QMessageBox::Icon icon, QWidget *parent,
                                       const QString &title, const QString &text,
                                       QMessageBox::StandardButtons buttons,
                                       QMessageBox::StandardButton defaultButton)
{
    MessageBoxRequest request;
    request.icon = icon;
    request.parent = parent;
    request.title = title;
    request.text = text;
    request.buttons = buttons;
    request.defaultButton = defaultButton;
    return showMessageBox(request);
}

QString showFileDialog(const FileDialogRequest &request, QString *selectedFilter)
{
    if (const FileDialogHook &hook = fileDialogHook())
        return hook(request, selectedFilter);
    switch (request.kind) {
    case FileDialogRequest::SaveFile:
        return QFileDialog::getSaveFileName(request.parent, request.caption, request.directory,
                                            request.filter, selectedFilter, request.options);
    case FileDialogRequest::ExistingDirectory:
        return QFileDialog::getExistingDirectory(request.parent, request.caption, request.directory,
                                                 request.options);
    case FileDialogRequest::OpenFile:
        break;
    }
    return QFileDialog::getOpenFileName(request.parent, request.caption, request.directory,
                                        request.filter, selectedFilter, request.options);
}

QString fileDialog(FileDialogRequest::Kind kind, QWidget *parent, const QString &caption,
                   const QString &directory, const QString &filter, QString *selectedFilter,
                   QFileDialog::Options options)
{
    FileDialogRequest request;
    request.kind = kind;
    request.parent = parent;
    request.caption = caption;
    request.directory = directory;
    request.filter = filter;
    request.options = options;
    return showFileDialog(request, selectedFilter);
}

} // namespace

QMessageBox::StandardButton message(const MessageBoxRequest &request)
{
    return showMessageBox(request);
}

void setMessageBoxHook(MessageBoxHook hook)
{
    messageBoxHook() = std::move(hook);
}

void setFileDialogHook(FileDialogHook hook)
{
    fileDialogHook() = std::move(hook);
}

QMessageBox::StandardButton question(QWidget *parent, const QString &title, const QString &text,
                                     QMessageBox::StandardButtons buttons,
                                     QMessageBox::StandardButton defaultButton)
{
    return messageBox(QMessageBox::Question, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton information(QWidget *parent, const QString &title, const QString &text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton)
{
    return messageBox(QMessageBox::Information, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton warning(QWidget *parent, const QString &title, const QString &text,
                                    QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton)
{
    return messageBox(QMessageBox::Warning, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton critical(QWidget *parent, const QString &title, const QString &text,
                                     QMessageBox::StandardButtons buttons,
                                     QMessageBox::StandardButton defaultButton)
{
    return messageBox(QMessageBox::Critical, parent, title, text, buttons, defaultButton);
}

QString getOpenFileName(QWidget *parent, const QString &caption, const QString &directory,
                        const QString &filter, QString *selectedFilter,
                        QFileDialog::Options options)
{
    return fileDialog(FileDialogRequest::OpenFile, parent, caption, directory, filter,
                      selectedFilter, options);
}

QString getSaveFileName(QWidget *parent, const QString &caption, const QString &directory,
                        const QString &filter, QString *selectedFilter,
                        QFileDialog::Options options)
{
    return fileDialog(FileDialogRequest::SaveFile, parent, caption, directory, filter,
                      selectedFilter, options);
}

QString getExistingDirectory(QWidget *parent, const QString &caption, const QString &directory,
                             QFileDialog::Options options)
{
    return fileDialog(FileDialogRequest::ExistingDirectory, parent, caption, directory, QString(),
                      nullptr, options);
}

} // namespace ModalDialogs
