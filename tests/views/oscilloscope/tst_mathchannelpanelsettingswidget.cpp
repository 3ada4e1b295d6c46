#include "views/oscilloscope/mathchannelpanelsettingswidget.h"

#include "assets/assets.h"
#include "support/screenshotstyles.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QTest>

namespace {

DigitalOscilloscopeMathChannelParameters record(int type, int state, double offset, int sourceA,
                                                int sourceB)
{
    DigitalOscilloscopeMathChannelParameters parameters;
    parameters.type = type;
    parameters.state = state;
    parameters.offset = offset;
    parameters.sourceA = sourceA;
    parameters.sourceB = sourceB;
    return parameters;
}

struct Dialog
{
    Dialog()
    {
        QObject::connect(&dialog, &MathChannelPanelSettingsWidget::mathChannelParametersChanged,
                         [this](DigitalOscilloscopeMathChannelParameters p) { records.append(p); });
        QObject::connect(&dialog, &MathChannelPanelSettingsWidget::channelDescriptionChanged,
                         [this](const QString &text) { descriptions.append(text); });
    }
    QComboBox *combo(const char *name) { return dialog.findChild<QComboBox *>(name); }
    QDoubleSpinBox *offset() { return dialog.findChild<QDoubleSpinBox *>("offsetDoubleSpinBox"); }
    void apply()
    {
        QTest::mouseClick(dialog.findChild<QPushButton *>("acceptButton"), Qt::LeftButton);
    }

    MathChannelPanelSettingsWidget dialog {QStringLiteral("Math channel")};
    QList<DigitalOscilloscopeMathChannelParameters> records;
    QStringList descriptions;
};

} // namespace

class TestMathChannelPanelSettingsWidget : public QObject
{
    Q_OBJECT
private slots:
    void form();
    void description_data();
    void description();
    void applySendsTheRecord();
    void escapeAppliesNothing();
    void offsetIsClampedAndRounded_data();
    void offsetIsClampedAndRounded();
    void unknownIndicesNeverSendMinusOne();
    void languageChange();
    void screenshots();
};

void TestMathChannelPanelSettingsWidget::form()
{
    Dialog f;
    QCOMPARE(f.dialog.windowTitle(), QStringLiteral("Math channel"));
    QCOMPARE(f.dialog.size(), QSize(281, 183));
    QCOMPARE(f.dialog.windowModality(), Qt::ApplicationModal);
    QVERIFY(f.dialog.isHidden());
    const QStringList functions = {"A + B", "A - B", "A * B", "A / B"};
    for (int i = 0; i < functions.size(); ++i)
        QCOMPARE(f.combo("functionComboBox")->itemText(i), functions.at(i));
    QCOMPARE(f.combo("sourceBComboBox")->itemText(1), QStringLiteral("Channel 2"));
    QCOMPARE(f.offset()->decimals(), 3);
    QCOMPARE(f.offset()->singleStep(), 0.001);
}

void TestMathChannelPanelSettingsWidget::description_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");
    QTest::newRow("sum") << 0 << "  1 + 2";
    QTest::newRow("difference") << 1 << "  1 - 2";
    QTest::newRow("product") << 2 << "  1 * 2";
    QTest::newRow("quotient") << 3 << "  1 / 2";
    QTest::newRow("unknown type") << 7 << "  ";
    QTest::newRow("negative type") << -1 << "  ";
}

void TestMathChannelPanelSettingsWidget::description()
{
    QFETCH(int, type);
    QFETCH(QString, text);
    QCOMPARE(mathChannelDescription(record(type, 1, 3.0, 0, 1)), text);
}

void TestMathChannelPanelSettingsWidget::applySendsTheRecord()
{
    Dialog f;
    const auto stored = record(3, 1, 0.5, 1, 0);
    f.dialog.setDefaultParameters(stored);
    QCOMPARE(f.descriptions, QStringList {"  2 / 1"});
    f.dialog.exec();
    QVERIFY(f.dialog.isVisible());
    f.apply();
    QVERIFY(!f.dialog.isVisible());
    QCOMPARE(f.records.size(), 1);
    QVERIFY(f.records.at(0) == stored);
    QCOMPARE(f.descriptions.last(), QStringLiteral("  2 / 1"));

    f.combo("functionComboBox")->setCurrentIndex(1);
    f.combo("sourceBComboBox")->setCurrentIndex(1);
    f.offset()->setValue(-2.25);
    f.apply();
    QVERIFY(f.records.at(1) == record(1, 1, -2.25, 1, 1));
    QCOMPARE(f.descriptions.last(), QStringLiteral("  2 - 2"));
}

void TestMathChannelPanelSettingsWidget::escapeAppliesNothing()
{
    Dialog f;
    const auto stored = record(0, 0, 1.0, 0, 1);
    f.dialog.setDefaultParameters(stored);
    f.dialog.exec();
    f.combo("functionComboBox")->setCurrentIndex(2);
    f.combo("sourceAComboBox")->setCurrentIndex(1);
    QTest::keyClick(&f.dialog, Qt::Key_Escape);
    QVERIFY(!f.dialog.isVisible());
    QVERIFY(f.records.isEmpty());
    f.dialog.setDefaultParameters(stored);
    QCOMPARE(f.combo("functionComboBox")->currentIndex(), 0);
    QCOMPARE(f.combo("sourceAComboBox")->currentIndex(), 0);
}

void TestMathChannelPanelSettingsWidget::offsetIsClampedAndRounded_data()
{
    QTest::addColumn<double>("stored");
    QTest::addColumn<double>("sent");
    QTest::newRow("above the maximum") << 123.4 << 100.0;
    QTest::newRow("below the minimum") << -500.0 << -100.0;
    QTest::newRow("below a millivolt") << 0.00049 << 0.0;
}

void TestMathChannelPanelSettingsWidget::offsetIsClampedAndRounded()
{
    QFETCH(double, stored);
    QFETCH(double, sent);
    Dialog f;
    f.dialog.setDefaultParameters(record(0, 1, stored, 0, 1));
    QCOMPARE(f.offset()->value(), sent);
    f.apply();
    QCOMPARE(f.records.at(0).offset, sent);
}

void TestMathChannelPanelSettingsWidget::unknownIndicesNeverSendMinusOne()
{
    Dialog f;
    f.dialog.setDefaultParameters(record(7, 1, 0.0, 5, -1));
    QCOMPARE(f.descriptions, QStringList {"  "});
    f.apply();
    QVERIFY(f.records.at(0) == record(0, 1, 0.0, 0, 0));

    f.dialog.setDefaultParameters(record(2, 1, 0.0, 1, 1));
    f.dialog.setDefaultParameters(record(9, 1, 0.0, 3, 1));
    f.apply();
    QVERIFY(f.records.at(1) == record(2, 1, 0.0, 1, 1));
}

void TestMathChannelPanelSettingsWidget::languageChange()
{
    Dialog f;
    f.dialog.setDefaultParameters(record(3, 1, 0.0, 1, 1));
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&f.dialog, &change);
    QCOMPARE(f.dialog.windowTitle(), QStringLiteral("Math channel"));
    QCOMPARE(f.combo("functionComboBox")->currentIndex(), 0);
    QCOMPARE(f.combo("sourceAComboBox")->currentIndex(), 0);
    QCOMPARE(f.combo("functionComboBox")->count(), 4);
}

// Not a check: the window for a person to look at, in every theme and both languages.
void TestMathChannelPanelSettingsWidget::screenshots()
{
    const QString dir = screenshotDirectory();
    if (dir.isEmpty())
        QSKIP("set PRALUNE_SCREENSHOT_DIR to write the pictures");
    initPraluneAssets();
    for (const ScreenshotStyle &style : screenshotStyles()) {
        applyScreenshotStyle(style);
        Dialog f;
        f.dialog.setDefaultParameters(record(1, 1, 0.5, 0, 1));
        f.dialog.exec();
        QVERIFY(QTest::qWaitForWindowExposed(&f.dialog));
        QCoreApplication::processEvents();
        f.dialog.grab().save(QStringLiteral("%1/math-settings-%2.png").arg(dir, style.suffix()));
    }
    resetScreenshotStyle();
}

QTEST_MAIN(TestMathChannelPanelSettingsWidget)
#include "tst_mathchannelpanelsettingswidget.moc"
