#pragma once

#include "ui/viewbase/modaldialogs.h"

#include <QList>
#include <QPair>
#include <QString>

// The view tests' side of the modal seam (ui/viewbase/modaldialogs.h). While one lives, every
// message box and file dialog the views open returns at once: the next queued answer if the test
// gave one, else unansweredButton() for a box and a cancelled file dialog. Each request is
// recorded, answered or not, so the test can check what the user would have been asked. Destroying
// it restores Qt's dialogs.
//
//     ModalAnswers modal;
//     modal.answerFileDialog(dir.filePath("frame.png"));
//     view.savePicture();
//     QCOMPARE(modal.fileDialogs().size(), 1);
//     QCOMPARE(modal.fileDialogs().first().kind, ModalDialogs::FileDialogRequest::SaveFile);
//
// One at a time: a second while the first lives would steal its hooks.
class ModalAnswers
{
public:
    ModalAnswers();
    ~ModalAnswers();
    ModalAnswers(const ModalAnswers &) = delete;
    ModalAnswers &operator=(const ModalAnswers &) = delete;

    // Queued answers, used in order.
    void answerMessageBox(QMessageBox::StandardButton button);
    // An empty path answers as a cancelled dialog.
    void answerFileDialog(const QString &path, const QString &selectedFilter = QString());

    const QList<ModalDialogs::MessageBoxRequest> &messageBoxes() const { return m_messageBoxes; }
    const QList<ModalDialogs::FileDialogRequest> &fileDialogs() const { return m_fileDialogs; }
    // Queued answers nobody asked for; a test usually expects none left.
    int unusedAnswers() const;

    // The answer a box gets without a queued one: its default button (as if Enter were pressed),
    // else the button Escape would press (Cancel, Abort, No, Close), else its only button.
    static QMessageBox::StandardButton
    unansweredButton(const ModalDialogs::MessageBoxRequest &request);

private:
    QList<ModalDialogs::MessageBoxRequest> m_messageBoxes;
    QList<ModalDialogs::FileDialogRequest> m_fileDialogs;
    QList<QMessageBox::StandardButton> m_buttonAnswers;
    QList<QPair<QString, QString>> m_fileAnswers;
};
