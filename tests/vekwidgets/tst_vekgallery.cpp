#include "vekwidgets/vekaccentpushbutton.h"
#include "vekwidgets/vekcolortoolbutton.h"
#include "vekwidgets/vekdimensionlistbox.h"
#include "vekwidgets/vekdimensionspinbox.h"
#include "vekwidgets/vekdoublespinbox.h"
#include "vekwidgets/vekdoubleswitch.h"
#include "vekwidgets/vekflatbutton.h"
#include "vekwidgets/veklineedit.h"
#include "vekwidgets/vekmultiswitch.h"
#include "vekwidgets/vekpalette.h"
#include "vekwidgets/vekperiodspinbox.h"
#include "vekwidgets/vekpushbutton.h"
#include "vekwidgets/vekstylesheet.h"
#include "vekwidgets/vektoggleswitch.h"
#include "vekwidgets/vektoolbarbutton.h"

#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QtTest>

// Every kit widget on one card, in a given palette: a picture writer for a person to look at,
// into the folder PRALUNE_SCREENSHOT_DIR names, as every screenshot test of the program does.
// Without the variable it skips; what the widgets decide is checked by their own tests.
class TestVekGallery : public QObject
{
    Q_OBJECT
private slots:
    void gallery_data();
    void gallery();
};

namespace {

QWidget *row(QWidget *parent, std::initializer_list<QWidget *> widgets)
{
    auto *holder = new QWidget(parent);
    auto *layout = new QHBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget *widget : widgets) {
        widget->setParent(holder);
        layout->addWidget(widget);
    }
    return holder;
}

} // namespace

void TestVekGallery::gallery_data()
{
    QTest::addColumn<int>("primary");
    QTest::addColumn<int>("accent");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("styled");
    QTest::newRow("blue") << int(VekPalette::Blue) << int(VekPalette::Blue) << "vek_gallery_blue"
                          << true;
    QTest::newRow("teal") << int(VekPalette::Teal) << int(VekPalette::DeepOrange)
                          << "vek_gallery_teal" << true;
    QTest::newRow("blue without the generated sheet")
            << int(VekPalette::Blue) << int(VekPalette::Blue) << "vek_gallery_plain" << false;
}

void TestVekGallery::gallery()
{
    QFETCH(int, primary);
    QFETCH(int, accent);
    QFETCH(QString, file);
    QFETCH(bool, styled);
    const QString folder = qEnvironmentVariable("PRALUNE_SCREENSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("set PRALUNE_SCREENSHOT_DIR to write the pictures");
    const auto palette = VekPalette::create(static_cast<VekPalette::BaseColor>(primary),
                                            static_cast<VekPalette::BaseColor>(accent));

    QWidget window;
    window.setObjectName("gallery");
    window.setStyleSheet((styled ? styleSheetFromPalette(palette) : QString())
                         + "#gallery { background-color: #ffffff; font-family: \"Roboto\"; }");
    auto *form = new QFormLayout(&window);

    auto *multi = new VekMultiSwitch(4, {"DC", "AC", "GND", "50 Ω"});
    multi->setVekPalette(palette);
    multi->setState(1);
    auto *dbl = new VekDoubleSwitch;
    dbl->setVekPalette(palette);
    auto *reversed = new VekDoubleSwitch({"Run", "Stop"}, false);
    reversed->setVekPalette(palette);
    reversed->setChecked(false);
    form->addRow("VekMultiSwitch", multi);
    form->addRow("VekDoubleSwitch", row(&window, {dbl, reversed}));

    auto *spin = new VekDimensionSpinBox;
    spin->setType(VekDimensionSpinBox::Frequency);
    spin->setSingleStep(1);
    spin->setRange(1, 2e7);
    spin->setValue(12500);
    auto *time = new VekDimensionSpinBox;
    time->setType(VekDimensionSpinBox::Time);
    time->setSingleStep(1e-9);
    time->setRange(0, 10);
    time->setValue(0.0025);
    form->addRow("VekDimensionSpinBox", row(&window, {spin, time}));

    auto *list = new VekDimensionListBox;
    list->setSupportedList({1e-6, 1e-3, 0.01, 1});
    list->setType(VekDimensionListBox::Time);
    list->setValue(0.01);
    form->addRow("VekDimensionListBox", list);

    auto *period = new VekPeriodSpinBox;
    period->setDecimals(3);
    period->setRange(0.001, 10);
    period->setSingleStep(0.001);
    period->setPeriod(0.25);
    auto *doubleSpin = new VekDoubleSpinBox;
    doubleSpin->setValue(3.3);
    form->addRow("VekPeriodSpinBox", period);
    form->addRow("VekDoubleSpinBox", doubleSpin);

    auto *push = new VekPushButton("Push");
    push->setVekPalette(palette);
    auto *pushOff = new VekPushButton("Disabled");
    pushOff->setVekPalette(palette);
    pushOff->setEnabled(false);
    auto *pushOn = new VekPushButton("Checked");
    pushOn->setVekPalette(palette);
    pushOn->setCheckable(true);
    pushOn->setChecked(true);
    form->addRow("VekPushButton", row(&window, {push, pushOn, pushOff}));

    auto *accentButton = new VekAccentPushButton("Accent");
    accentButton->setVekPalette(palette);
    auto *accentOff = new VekAccentPushButton("Disabled");
    accentOff->setVekPalette(palette);
    accentOff->setEnabled(false);
    form->addRow("VekAccentPushButton", row(&window, {accentButton, accentOff}));

    auto *flat = new VekFlatButton("Flat");
    flat->setVekPalette(palette);
    auto *flatOff = new VekFlatButton("Disabled");
    flatOff->setVekPalette(palette);
    flatOff->setEnabled(false);
    form->addRow("VekFlatButton", row(&window, {flat, flatOff}));

    auto *darkBar = new QWidget;
    darkBar->setObjectName("bar");
    darkBar->setStyleSheet("#bar { background-color: " + palette->color(VekPalette::Primary).name()
                           + "; }");
    auto *barLayout = new QHBoxLayout(darkBar);
    // Glyphs of the icon font: menu, settings, play, and a checked and a disabled one.
    const QChar glyphs[] = {QChar(0xe5d2), QChar(0xe8b8), QChar(0xe037), QChar(0xe047),
                            QChar(0xe3b0)};
    for (int i = 0; i < 5; ++i) {
        auto *tool = new VekToolBarButton(QString(glyphs[i]), darkBar);
        tool->setCheckable(true);
        tool->setChecked(i == 3);
        tool->setEnabled(i != 4);
        barLayout->addWidget(tool);
    }
    auto *lightBar = new QWidget;
    auto *lightLayout = new QHBoxLayout(lightBar);
    for (int i = 0; i < 5; ++i) {
        auto *tool = new VekToolBarButton(QString(glyphs[i]), lightBar);
        tool->setTheme(VekToolBarButton::Dark);
        tool->setCheckable(true);
        tool->setChecked(i == 3);
        tool->setEnabled(i != 4);
        lightLayout->addWidget(tool);
    }
    form->addRow("VekToolBarButton", row(&window, {darkBar, lightBar}));

    auto *colour = new VekColorToolButton;
    colour->setColor(palette->color(VekPalette::Accent));
    form->addRow("VekColorToolButton", colour);

    auto *edit = new VekLineEdit;
    edit->setText("Channel 1");
    form->addRow("VekLineEdit", edit);
    form->addRow("VekToggleSwitch", new VekToggleSwitch);

    window.resize(640, window.sizeHint().height());
    const QImage picture = window.grab().toImage();
    QVERIFY(!picture.isNull());
    QVERIFY(picture.save(QDir(folder).filePath(file + ".png")));
}

QTEST_MAIN(TestVekGallery)
#include "tst_vekgallery.moc"
