#include "vekwidgets/vekdoubleswitch.h"
#include "vekwidgets/vekmultiswitch.h"
#include "vekwidgets/vekpalette.h"

#include <QApplication>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

QList<QPushButton *> buttonsOf(const QWidget &widget)
{
    return widget.findChildren<QPushButton *>(QString(), Qt::FindDirectChildrenOnly);
}

int checkedIndex(const VekMultiSwitch &sw)
{
    const auto buttons = buttonsOf(sw);
    int index = -1;
    for (int i = 0; i < buttons.size(); ++i) {
        if (buttons.at(i)->isChecked()) {
            if (index != -1)
                return -2;
            index = i;
        }
    }
    return index;
}

} // namespace

class TestVekMultiSwitch : public QObject
{
    Q_OBJECT
private slots:
    void defaults();
    void setState_data();
    void setState();
    void pressingAButtonSelectsIt();
    void countChangeAddsAndRemovesButtons();
    void labelsOfWrongLengthAreIgnored();
    void noPositions();
    void backgroundColourRegeneratesStyleSheets();
    void followsItsPalette();
    void themeSheetSetsColours();

    void doubleSwitchDefaults();
    void labelPaddingKeepsLabelsApart();
    void doubleSwitchSetChecked();
    void doubleSwitchReverse();
};

void TestVekMultiSwitch::defaults()
{
    VekMultiSwitch sw;
    QCOMPARE(sw.switchCount(), 3);
    QCOMPARE(sw.switchLabels(), (QStringList {"Label0", "Label1", "Label2"}));
    QCOMPARE(sw.state(), 0);
    QCOMPARE(checkedIndex(sw), 0);
    QCOMPARE(sw.focusPolicy(), Qt::NoFocus);
    QCOMPARE(sw.normalBackgroundColor().name(), QString("#ffffff"));
    QCOMPARE(sw.focusedBackgroundColor().name(), QString("#bbdefb"));
    QCOMPARE(sw.pressedBackgroundColor().name(), QString("#2196f3"));
    QCOMPARE(sw.disabledBackgroundColor().name(), QString("#ffffff"));
    QCOMPARE(sw.property("switchCount").toInt(), 3);
}

void TestVekMultiSwitch::setState_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("emitted");
    QTest::newRow("same index is silent") << 0 << 0 << 0;
    QTest::newRow("middle") << 1 << 1 << 1;
    QTest::newRow("last") << 2 << 2 << 1;
    QTest::newRow("past the end is refused") << 3 << 0 << 0;
    QTest::newRow("negative is refused") << -1 << 0 << 0;
}

void TestVekMultiSwitch::setState()
{
    QFETCH(int, index);
    QFETCH(int, state);
    QFETCH(int, emitted);
    VekMultiSwitch sw(3, {"a", "b", "c"});
    QSignalSpy spy(&sw, &VekMultiSwitch::stateChanged);
    sw.setState(index);
    QCOMPARE(sw.state(), state);
    QCOMPARE(checkedIndex(sw), state);
    QCOMPARE(spy.count(), emitted);
    if (emitted)
        QCOMPARE(spy.first().first().toInt(), index);
}

void TestVekMultiSwitch::pressingAButtonSelectsIt()
{
    VekMultiSwitch sw(3, {"a", "b", "c"});
    sw.resize(300, 30);
    QSignalSpy spy(&sw, &VekMultiSwitch::stateChanged);
    QPushButton *third = buttonsOf(sw).at(2);
    QTest::mouseClick(third, Qt::LeftButton);
    QCOMPARE(sw.state(), 2);
    QCOMPARE(checkedIndex(sw), 2);
    QCOMPARE(spy.count(), 1);
    // A second click on the checked position changes nothing and cannot uncheck it.
    QTest::mouseClick(third, Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(checkedIndex(sw), 2);
}

void TestVekMultiSwitch::countChangeAddsAndRemovesButtons()
{
    VekMultiSwitch sw;
    sw.setState(1);
    sw.setSwitchCount(5);
    QCOMPARE(sw.switchCount(), 5);
    QCOMPARE(sw.switchLabels(), (QStringList {"Label0", "Label1", "Label2", "Label3", "Label4"}));
    auto *group = sw.findChild<QButtonGroup *>();
    QVERIFY(group);
    QCOMPARE(group->button(3)->text(), QString("Label3"));
    QCOMPARE(group->button(4)->text(), QString("Label4"));
    QCOMPARE(sw.state(), 1);
    QVERIFY(!group->button(3)->styleSheet().isEmpty());

    QSignalSpy spy(&sw, &VekMultiSwitch::stateChanged);
    sw.setState(4);
    QCOMPARE(spy.count(), 1);

    sw.setSwitchCount(2);
    QCOMPARE(sw.switchLabels(), (QStringList {"Label0", "Label1"}));
    QCOMPARE(buttonsOf(sw).size(), 2);
    QCOMPARE(group->buttons().size(), 2);
}

void TestVekMultiSwitch::labelsOfWrongLengthAreIgnored()
{
    VekMultiSwitch sw(2, {"x", "y"});
    QCOMPARE(sw.switchLabels(), (QStringList {"x", "y"}));
    sw.setSwitchLabels({"only one"});
    QCOMPARE(sw.switchLabels(), (QStringList {"x", "y"}));
    sw.setSwitchLabels({"p", "q", "r"});
    QCOMPARE(sw.switchLabels(), (QStringList {"x", "y"}));
}

void TestVekMultiSwitch::noPositions()
{
    VekMultiSwitch sw(0, {});
    QCOMPARE(sw.switchCount(), 0);
    QSignalSpy spy(&sw, &VekMultiSwitch::stateChanged);
    sw.setState(0);
    sw.setState(1);
    sw.setSwitchLabels({});
    QCOMPARE(spy.count(), 0);
    QVERIFY(sw.switchLabels().isEmpty());
    sw.resize(50, 20);
    QVERIFY(!sw.grab().isNull());

    VekMultiSwitch shrunk;
    shrunk.setSwitchCount(0);
    shrunk.setSwitchCount(-3);
    QCOMPARE(shrunk.switchCount(), 0);
    QVERIFY(buttonsOf(shrunk).isEmpty());
}

void TestVekMultiSwitch::backgroundColourRegeneratesStyleSheets()
{
    VekMultiSwitch sw;
    sw.setPressedBackgroundColor(Qt::white);
    sw.setNormalBackgroundColor(QColor("#0d47a1"));
    const auto buttons = buttonsOf(sw);
    for (QPushButton *button : buttons) {
        const QString sheet = button->styleSheet();
        QVERIFY(sheet.contains("QPushButton { border: none; background-color: #0d47a1; "
                               "color: #ffffff;"));
        QVERIFY(sheet.contains(
                "QPushButton:checked { background-color: #ffffff; color: #212121; }"));
        QVERIFY(sheet.contains("QPushButton:hover { background-color: #bbdefb; color: #212121; }"));
        QVERIFY(sheet.contains(
                "QPushButton:disabled { background-color: #ffffff; color: #9b9b9b; }"));
    }
    sw.setProperty("focusedBackgroundColor", QColor("#123456"));
    QCOMPARE(sw.focusedBackgroundColor(), QColor("#123456"));
    QVERIFY(buttons.first()->styleSheet().contains("background-color: #123456; color: #ffffff;"));
}

void TestVekMultiSwitch::followsItsPalette()
{
    VekMultiSwitch sw;
    const auto palette = VekPalette::create(VekPalette::Teal, VekPalette::Teal);
    sw.setVekPalette(palette);
    QCOMPARE(sw.pressedBackgroundColor().name(), QString("#009688"));
    palette->setPrimaryBaseColor(VekPalette::Red);
    QCOMPARE(sw.pressedBackgroundColor().name(), QString("#f44336"));
    QVERIFY(buttonsOf(sw).first()->styleSheet().contains("#f44336"));
    // The global palette is no longer followed.
    sw.setVekPalette(nullptr);
    QCOMPARE(sw.pressedBackgroundColor().name(), QString("#f44336"));
}

void TestVekMultiSwitch::themeSheetSetsColours()
{
    // The program's themes colour the switches through these properties by class name.
    QWidget window;
    window.setStyleSheet("VekMultiSwitch { qproperty-pressedBackgroundColor: #ff0000; "
                         "qproperty-normalBackgroundColor: #303030; }");
    auto *sw = new VekDoubleSwitch(&window);
    window.ensurePolished();
    sw->ensurePolished();
    QCOMPARE(sw->pressedBackgroundColor(), QColor("#ff0000"));
    const QString sheet = buttonsOf(*sw).first()->styleSheet();
    QVERIFY(sheet.contains("QPushButton:checked { background-color: #ff0000; color: #ffffff; }"));
    QVERIFY(sheet.contains("background-color: #303030; color: #ffffff;"));
}

// Room on both sides of each label in the text and font it has now, however narrow the
// layout: for labels that would run together where the switch is squeezed.
void TestVekMultiSwitch::labelPaddingKeepsLabelsApart()
{
    QWidget window;
    auto *layout = new QHBoxLayout(&window);
    auto *sw = new VekDoubleSwitch({QStringLiteral("Channel 1"), QStringLiteral("Channel 2")},
                                   false, &window);
    layout->addWidget(sw);
    QCOMPARE(sw->labelPadding(), 0);
    sw->setLabelPadding(8);
    QCOMPARE(sw->labelPadding(), 8);
    window.resize(40, 30);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const auto roomy = [sw](int padding) {
        for (QPushButton *half : buttonsOf(*sw)) {
            const int text = half->fontMetrics().horizontalAdvance(half->text());
            if (half->minimumWidth() != text + 2 * padding || half->width() < text + 2 * padding)
                return false;
        }
        return true;
    };
    QTRY_VERIFY(roomy(8));

    // Longer labels, as another language gives.
    sw->setSwitchLabels({QStringLiteral("Канал номер 1"), QStringLiteral("Канал номер 2")});
    QTRY_VERIFY(roomy(8));

    // A larger font on one half only, as a style sheet may give after the switch's own.
    QFont large = buttonsOf(*sw).first()->font();
    large.setPointSize(large.pointSize() * 2);
    buttonsOf(*sw).first()->setFont(large);
    QTRY_VERIFY(roomy(8));

    // No padding leaves the halves to the style again.
    sw->setLabelPadding(0);
    for (QPushButton *half : buttonsOf(*sw))
        QCOMPARE(half->minimumWidth(), 0);
}

void TestVekMultiSwitch::doubleSwitchDefaults()
{
    VekDoubleSwitch sw;
    QCOMPARE(sw.switchCount(), 2);
    QCOMPARE(sw.switchLabels(), (QStringList {"On", "Off"}));
    QCOMPARE(sw.state(), 0);
    QVERIFY(sw.checked());
    QVERIFY(!sw.reverseSwitch());
    QCOMPARE(buttonsOf(sw).size(), 2);
}

void TestVekMultiSwitch::doubleSwitchSetChecked()
{
    VekDoubleSwitch sw;
    QSignalSpy states(&sw, &VekMultiSwitch::stateChanged);
    QSignalSpy toggled(&sw, &VekDoubleSwitch::toggled);
    sw.setChecked(false);
    QCOMPARE(sw.state(), 1);
    QVERIFY(!sw.checked());
    QCOMPARE(states.count(), 1);
    QCOMPARE(states.first().first().toInt(), 1);
    QCOMPARE(toggled.count(), 1);
    QCOMPARE(toggled.first().first().toBool(), false);
    sw.setChecked(false);
    QCOMPARE(toggled.count(), 1);
    sw.setChecked(true);
    QCOMPARE(toggled.count(), 2);
    QCOMPARE(toggled.last().first().toBool(), true);
}

void TestVekMultiSwitch::doubleSwitchReverse()
{
    VekDoubleSwitch sw;
    QSignalSpy toggled(&sw, &VekDoubleSwitch::toggled);
    QSignalSpy reversed(&sw, &VekDoubleSwitch::reverseStateChanged);
    sw.setReverseSwitch(true);
    QCOMPARE(reversed.count(), 1);
    QCOMPARE(sw.switchLabels(), (QStringList {"Off", "On"}));
    QCOMPARE(sw.state(), 1);
    QVERIFY(sw.checked());
    QCOMPARE(toggled.count(), 1);
    QCOMPARE(toggled.first().first().toBool(), true);

    sw.setReverseSwitch(true);
    QCOMPARE(reversed.count(), 1);

    sw.setChecked(false);
    QCOMPARE(sw.state(), 0);
    QVERIFY(!sw.checked());
    QCOMPARE(toggled.last().first().toBool(), false);

    VekDoubleSwitch given({"Yes", "No"}, true);
    QCOMPARE(given.switchLabels(), (QStringList {"Yes", "No"}));
    QCOMPARE(given.state(), 0);
    QVERIFY(!given.checked());
}

QTEST_MAIN(TestVekMultiSwitch)
#include "tst_vekmultiswitch.moc"
