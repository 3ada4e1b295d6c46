#include "tests/views/support/modalanswers.h"

ModalAnswers::ModalAnswers()
{
    ModalDialogs::setMessageBoxHook([this](const ModalDialogs::MessageBoxRequest &request) {
        m_messageBoxes << request;
        if (!m_buttonAnswers.isEmpty())
            return m_buttonAnswers.takeFirst();
        return unansweredButton(request);
    });
    ModalDialogs::setFileDialogHook(
            [this](const ModalDialogs::FileDialogRequest &request, QString *selectedFilter) {
                m_fileDialogs << request;
                if (m_fileAnswers.isEmpty())
                    return QString();
                const QPair<QString, QString> answer = m_fileAnswers.takeFirst();
                if (selectedFilter && !answer.first.isEmpty())
                    *selectedFilter = answer.second;
                return answer.first;
            });
}

ModalAnswers::~ModalAnswers()
{
    ModalDialogs::setMessageBoxHook(nullptr);
    ModalDialogs::setFileDialogHook(nullptr);
}

void ModalAnswers::answerMessageBox(QMessageBox::StandardButton button)
{
    m_buttonAnswers << button;
}

void ModalAnswers::answerFileDialog(const QString &path, const QString &selectedFilter)
{
    m_fileAnswers << qMakePair(path, selectedFilter);
}

int ModalAnswers::unusedAnswers() const
{
    return m_buttonAnswers.size() + m_fileAnswers.size();
}

QMessageBox::StandardButton
ModalAnswers::unansweredButton(const ModalDialogs::MessageBoxRequest &request)
{
    if (request.defaultButton != QMessageBox::NoButton)
        return request.defaultButton;
    // What QMessageBox makes Escape press: a rejecting button, else the only one.
    for (const QMessageBox::StandardButton button :
         {QMessageBox::Cancel, QMessageBox::Abort, QMessageBox::No, QMessageBox::Close})
        if (request.buttons.testFlag(button))
            return button;
    const int raw = int(request.buttons);
    if (raw != 0 && (raw & (raw - 1)) == 0)
        return QMessageBox::StandardButton(raw);
    return QMessageBox::NoButton;
}
