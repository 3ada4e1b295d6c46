#include "app/options.h"
#include "app/translationloader.h"
#include "assets/assets.h"
#include "tests/views/support/screenshotlooks.h"
#include "views/multimeter/evaluatesettingswidget.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>

namespace {

using Lists = std::vector<std::vector<EvaluationType>>;

std::vector<EvaluationType> list(std::initializer_list<int> types)
{
    std::vector<EvaluationType> result;
    for (int type : types)
        result.push_back(static_cast<EvaluationType>(type));
    return result;
}

QToolButton *buttonOf(QWidget *page, const QString &text)
{
    for (QToolButton *button : page->findChildren<QToolButton *>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

QWidget *page(EvaluateSettingsWidget &dialog, int index)
{
    return dialog.findChild<QStackedWidget *>("channelSettingsStackedWidget")->widget(index);
}

void click(EvaluateSettingsWidget &dialog, int pageIndex, const QString &text)
{
    QToolButton *button = buttonOf(page(dialog, pageIndex), text);
    QVERIFY2(button, qPrintable(text));
    QTest::mouseClick(button, Qt::LeftButton);
}

const QStringList channelNames {"Channel 1", "Channel 2", "Math channel"};

} // namespace

class TestEvaluateSettingsWidget : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        initPraluneAssets();
    }

    void clicksEditTheListInOrder()
    {
        EvaluateSettingsWidget dialog({QString()}, {AllEvaluationTypeSet});
        dialog.setDefaultSettings({list({1, 6, 3, 16})});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        click(dialog, 0, "Mean");
        QCOMPARE(dialog.getEvaluations(), Lists({list({1, 3, 16})}));
        click(dialog, 0, "Mean");
        QCOMPARE(dialog.getEvaluations(), Lists({list({1, 3, 16, 6})}));
        click(dialog, 0, "Period");
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.getEvaluations(), Lists({list({1, 3, 16, 6, 13})}));
        QVERIFY(buttonOf(page(dialog, 0), "Period")->isChecked());
    }

    void pageLayout()
    {
        EvaluateSettingsWidget single({QString()}, {AllEvaluationTypeSet});
        QVERIFY(single.findChild<QListWidget *>("channelsListWidget")->isHidden());
        QCOMPARE(single.size(), QSize(649, 464));
        QCOMPARE(single.windowTitle(), QStringLiteral("Measurement settings"));
        QVERIFY(single.property("main").toBool());
        QCOMPARE(single.getEvaluations(), Lists({DefaultEvaluations}));

        // Buttons walk the group list three to a row, each row of buttons over a row of labels.
        QToolButton *minimum = buttonOf(page(single, 0), "Minimum");
        QVERIFY(minimum);
        auto *grid = qobject_cast<QGridLayout *>(page(single, 0)->layout()->itemAt(1)->layout());
        QVERIFY(grid);
        int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(grid->indexOf(minimum), &row, &column, &rowSpan, &columnSpan);
        QCOMPARE(row, 2);
        QCOMPARE(column, 1);
        QVERIFY(qobject_cast<QLabel *>(grid->itemAtPosition(3, 1)->widget()));
        QCOMPARE(minimum->size(), QSize(150, 20));
        QCOMPARE(minimum->styleSheet(), QStringLiteral("border: 1px solid #b0b0c0;"));
        auto *group = single.findChild<QButtonGroup *>();
        QCOMPARE(group->id(minimum), int(EvaluationMinimum));
        QVERIFY(!group->exclusive());
        QCOMPARE(page(single, 0)->findChildren<QToolButton *>().size(), 22);

        EvaluateSettingsWidget three(channelNames,
                                     {AllEvaluationTypeSet,
                                      AllEvaluationTypeSet,
                                      {EvaluationPeriod, EvaluationFrequency}});
        auto *pages = three.findChild<QListWidget *>("channelsListWidget");
        QVERIFY(!pages->isHidden());
        QCOMPARE(pages->count(), 3);
        QCOMPARE(pages->currentRow(), 0);
        pages->setCurrentRow(2);
        auto *stack = three.findChild<QStackedWidget *>("channelSettingsStackedWidget");
        QCOMPARE(stack->currentIndex(), 2);
        // A page of times only still has both headers; its time buttons start at the top left.
        QCOMPARE(page(three, 2)->findChildren<QToolButton *>().size(), 2);
        QCOMPARE(page(three, 2)->findChildren<QLabel *>().size(), 2 + 2);
        auto *timeGrid = qobject_cast<QGridLayout *>(page(three, 2)->layout()->itemAt(3)->layout());
        QCOMPARE(timeGrid->itemAtPosition(0, 0)->widget(), buttonOf(page(three, 2), "Period"));
        QCOMPARE(timeGrid->itemAtPosition(0, 1)->widget(), buttonOf(page(three, 2), "Frequency"));
        // Defaults the page does not offer stay in its list.
        QCOMPARE(three.getEvaluations().at(2), DefaultEvaluations);
        QVERIFY(buttonOf(page(three, 2), "Frequency")->isChecked());
    }

    void defaultsAreCopiedVerbatim()
    {
        EvaluateSettingsWidget dialog(
                channelNames, {AllEvaluationTypeSet, AllEvaluationTypeSet, {EvaluationPeriod}});
        dialog.setDefaultSettings({list({2, 4}), list({5}), list({1})});
        dialog.setDefaultSettings({list({7}), list({8, 8, 9}), list({1, 13})});
        QCOMPARE(dialog.getEvaluations(), Lists({list({7}), list({8, 8, 9}), list({1, 13})}));
        QVERIFY(!buttonOf(page(dialog, 0), "Low")->isChecked());
        QVERIFY(buttonOf(page(dialog, 0), "High")->isChecked());
        QVERIFY(buttonOf(page(dialog, 2), "Period")->isChecked());

        // Unchecking a type listed twice removes its first entry only.
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.findChild<QListWidget *>("channelsListWidget")->setCurrentRow(1);
        click(dialog, 1, "Overshoot");
        QCOMPARE(dialog.getEvaluations().at(1), list({8, 9}));
        QVERIFY(!buttonOf(page(dialog, 1), "Overshoot")->isChecked());
    }

    void fewerListsThanPages()
    {
        EvaluateSettingsWidget dialog(
                channelNames, {AllEvaluationTypeSet, AllEvaluationTypeSet, AllEvaluationTypeSet});
        dialog.setDefaultSettings({list({3})});
        QCOMPARE(dialog.getEvaluations().size(), size_t(3));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.findChild<QListWidget *>("channelsListWidget")->setCurrentRow(2);
        QVERIFY(!buttonOf(page(dialog, 2), "Amplitude")->isChecked());
        click(dialog, 2, "Amplitude");
        QCOMPARE(dialog.getEvaluations(), Lists({list({3}), list({}), list({1})}));
    }

    // Not a check: the dialog for a person to look at.
    void screenshots()
    {
        const QString dir = screenshotDir();
        if (dir.isEmpty())
            QSKIP("set PRALUNE_SCREENSHOT_DIR to write the pictures");
        for (const ScreenshotLook &shot : screenshotLooks({0, true, "ru", "dark-large-ru"})) {
            QVERIFY(applyScreenshotLook(shot));
            EvaluateSettingsWidget single({QString()}, {AllEvaluationTypeSet});
            single.show();
            QVERIFY(QTest::qWaitForWindowExposed(&single));
            single.grab().save(dir + "/evaluation-settings-one-" + shot.name + ".png");
            EvaluateSettingsWidget three(
                    channelNames,
                    {AllEvaluationTypeSet, AllEvaluationTypeSet, AllEvaluationTypeSet});
            three.show();
            QVERIFY(QTest::qWaitForWindowExposed(&three));
            three.grab().save(dir + "/evaluation-settings-three-" + shot.name + ".png");
        }
        resetScreenshotLook();
    }
};

QTEST_MAIN(TestEvaluateSettingsWidget)
#include "tst_evaluatesettingswidget.moc"
