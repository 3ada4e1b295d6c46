#include "tests/views/support/modalanswers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <QtTest>

using ModalDialogs::FileDialogRequest;
using ModalDialogs::MessageBoxRequest;

Q_DECLARE_METATYPE(QMessageBox::StandardButtons)
Q_DECLARE_METATYPE(QMessageBox::StandardButton)

namespace {

// What a view does on "save": asks for a file, then whether to replace it.
QString saveWithConfirmation(QWidget *parent)
{
    QString filter;
    const QString path = ModalDialogs::getSaveFileName(
            parent, QStringLiteral("Save picture"), QStringLiteral("frame.png"),
            QStringLiteral("PNG (*.png);;BMP (*.bmp)"), &filter);
    if (path.isEmpty())
        return QStringLiteral("cancelled");
    const auto answer = ModalDialogs::question(parent, QStringLiteral("Save picture"),
                                               QStringLiteral("Replace %1?").arg(path));
    if (answer != QMessageBox::Yes)
        return QStringLiteral("kept");
    return path + QLatin1Char('|') + filter;
}

} // namespace

// The seam through which view tests answer modal dialogs: answers in order, what was asked
// recorded, nothing blocks, and Qt's own dialogs come back afterwards.
class TestModalAnswers : public QObject
{
    Q_OBJECT
private slots:
    void answersInOrderAndRecordsQuestions();
    void cancelledFileDialogAsksNothingMore();
    void unansweredBox_data();
    void unansweredBox();
    void everyKindOfRequest();
    void realDialogsComeBack();
};

void TestModalAnswers::answersInOrderAndRecordsQuestions()
{
    QWidget parent;
    ModalAnswers modal;
    modal.answerFileDialog(QStringLiteral("/tmp/a.bmp"), QStringLiteral("BMP (*.bmp)"));
    modal.answerMessageBox(QMessageBox::Yes);
    modal.answerFileDialog(QStringLiteral("/tmp/b.png"), QStringLiteral("PNG (*.png)"));
    modal.answerMessageBox(QMessageBox::No);

    QCOMPARE(saveWithConfirmation(&parent), QStringLiteral("/tmp/a.bmp|BMP (*.bmp)"));
    QCOMPARE(saveWithConfirmation(&parent), QStringLiteral("kept"));
    QCOMPARE(modal.unusedAnswers(), 0);

    QCOMPARE(modal.fileDialogs().size(), 2);
    const FileDialogRequest &file = modal.fileDialogs().first();
    QCOMPARE(file.kind, FileDialogRequest::SaveFile);
    QCOMPARE(file.parent, &parent);
    QCOMPARE(file.caption, QStringLiteral("Save picture"));
    QCOMPARE(file.directory, QStringLiteral("frame.png"));
    QCOMPARE(file.filter, QStringLiteral("PNG (*.png);;BMP (*.bmp)"));

    QCOMPARE(modal.messageBoxes().size(), 2);
    const MessageBoxRequest &box = modal.messageBoxes().last();
    QCOMPARE(box.icon, QMessageBox::Question);
    QCOMPARE(box.text, QStringLiteral("Replace /tmp/b.png?"));
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Yes | QMessageBox::No));
}

void TestModalAnswers::cancelledFileDialogAsksNothingMore()
{
    ModalAnswers modal;
    modal.answerFileDialog(QString(), QStringLiteral("BMP (*.bmp)"));
    QCOMPARE(saveWithConfirmation(nullptr), QStringLiteral("cancelled"));
    QCOMPARE(saveWithConfirmation(nullptr), QStringLiteral("cancelled")); // nothing queued
    QCOMPARE(modal.fileDialogs().size(), 2);
    QVERIFY(modal.messageBoxes().isEmpty());
}

void TestModalAnswers::unansweredBox_data()
{
    QTest::addColumn<QMessageBox::StandardButtons>("buttons");
    QTest::addColumn<QMessageBox::StandardButton>("defaultButton");
    QTest::addColumn<QMessageBox::StandardButton>("expected");
    using B = QMessageBox;
    QTest::newRow("default button") << B::StandardButtons(B::Yes | B::No) << B::Yes << B::Yes;
    QTest::newRow("no default: No") << B::StandardButtons(B::Yes | B::No) << B::NoButton << B::No;
    QTest::newRow("no default: Cancel")
            << B::StandardButtons(B::Save | B::Discard | B::Cancel) << B::NoButton << B::Cancel;
    QTest::newRow("only button") << B::StandardButtons(B::Ok) << B::NoButton << B::Ok;
    QTest::newRow("nothing to press")
            << B::StandardButtons(B::Yes | B::Save) << B::NoButton << B::NoButton;
}

void TestModalAnswers::unansweredBox()
{
    QFETCH(QMessageBox::StandardButtons, buttons);
    QFETCH(QMessageBox::StandardButton, defaultButton);
    QFETCH(QMessageBox::StandardButton, expected);
    ModalAnswers modal;
    QCOMPARE(ModalDialogs::warning(nullptr, "t", "x", buttons, defaultButton), expected);
    QCOMPARE(modal.messageBoxes().size(), 1);
    QCOMPARE(modal.messageBoxes().first().icon, QMessageBox::Warning);
    QCOMPARE(modal.messageBoxes().first().defaultButton, defaultButton);
}

void TestModalAnswers::everyKindOfRequest()
{
    ModalAnswers modal;
    modal.answerFileDialog(QStringLiteral("/data/wave.csv"));
    modal.answerFileDialog(QStringLiteral("/data"));
    QString filter = QStringLiteral("untouched");
    QCOMPARE(ModalDialogs::getOpenFileName(nullptr, "Open", "/data", "CSV (*.csv)", &filter),
             QStringLiteral("/data/wave.csv"));
    QCOMPARE(filter, QString()); // the answer's filter, here none
    QCOMPARE(ModalDialogs::getExistingDirectory(nullptr, "Folder"), QStringLiteral("/data"));
    ModalDialogs::information(nullptr, "i", "x");
    ModalDialogs::critical(nullptr, "c", "x");
    QCOMPARE(modal.fileDialogs().at(0).kind, FileDialogRequest::OpenFile);
    QCOMPARE(modal.fileDialogs().at(1).kind, FileDialogRequest::ExistingDirectory);
    QCOMPARE(modal.messageBoxes().at(0).icon, QMessageBox::Information);
    QCOMPARE(modal.messageBoxes().at(1).icon, QMessageBox::Critical);
}

void TestModalAnswers::realDialogsComeBack()
{
    {
        ModalAnswers modal;
    }
    // Qt's own box again: it runs its modal loop until the user answers, here a posted
    // click on its No button.
    QString shownText;
    QTimer closer;
    closer.setInterval(0);
    connect(&closer, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        closer.stop();
        shownText = box->text();
        box->button(QMessageBox::No)->click();
    });
    closer.start();
    QCOMPARE(ModalDialogs::question(nullptr, "real", "Really?"), QMessageBox::No);
    QCOMPARE(shownText, QStringLiteral("Really?"));
}

QTEST_MAIN(TestModalAnswers)
#include "tst_modalanswers.moc"
