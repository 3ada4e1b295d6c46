#include "vekwidgets/vekpalette.h"

#include <QSignalSpy>
#include <QtTest>

class TestVekPalette : public QObject
{
    Q_OBJECT
private slots:
    void defaultRoles_data();
    void defaultRoles();
    void roleOutsideRangeIsBlack();
    void backgroundRoles_data();
    void backgroundRoles();
    void textByLuma_data();
    void textByLuma();
    void settersRefillTheirRolesAndEmitOnce();
    void greyAccentHasNoAccentHues();
    void outOfRangeBaseGivesWhite();
    void globalIsShared();
};

void TestVekPalette::defaultRoles_data()
{
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("color");
    QTest::newRow("Primary") << int(VekPalette::Primary) << "#2196f3";
    QTest::newRow("PrimaryLight") << int(VekPalette::PrimaryLight) << "#bbdefb";
    QTest::newRow("PrimaryDark") << int(VekPalette::PrimaryDark) << "#1976d2";
    QTest::newRow("Accent") << int(VekPalette::Accent) << "#448aff";
    QTest::newRow("AccentFallback") << int(VekPalette::AccentFallback) << "#ffffff";
    QTest::newRow("AccentLight") << int(VekPalette::AccentLight) << "#82b1ff";
    QTest::newRow("AccentDark") << int(VekPalette::AccentDark) << "#2979ff";
}

void TestVekPalette::defaultRoles()
{
    QFETCH(int, role);
    QFETCH(QString, color);
    VekPalette palette;
    const QColor c = palette.color(static_cast<VekPalette::PaletteRole>(role));
    QCOMPARE(c.name(), color);
    QCOMPARE(c.alpha(), 255);
    QCOMPARE(VekPalette::global()->color(static_cast<VekPalette::PaletteRole>(role)).name(), color);
}

void TestVekPalette::roleOutsideRangeIsBlack()
{
    VekPalette palette;
    const QColor c = palette.color(static_cast<VekPalette::PaletteRole>(7));
    QCOMPARE(c, QColor(0, 0, 0, 255));
    QCOMPARE(palette.color(static_cast<VekPalette::PaletteRole>(-1)), QColor(0, 0, 0, 255));
}

void TestVekPalette::backgroundRoles_data()
{
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("color");
    QTest::newRow("StatusBar") << int(VekPalette::StatusBar) << "#e0e0e0";
    QTest::newRow("ApplicationBar") << int(VekPalette::ApplicationBar) << "#f5f5f5";
    QTest::newRow("Background") << int(VekPalette::Background) << "#fafafa";
    QTest::newRow("Card") << int(VekPalette::Card) << "#ffffff";
    QTest::newRow("Divider") << int(VekPalette::Divider) << "#dbdbdb";
    QTest::newRow("unknown") << 9 << "#fafafa";
}

void TestVekPalette::backgroundRoles()
{
    QFETCH(int, role);
    QFETCH(QString, color);
    QCOMPARE(VekPalette::color(static_cast<VekPalette::BackgroundRole>(role)).name(), color);
}

void TestVekPalette::textByLuma_data()
{
    QTest::addColumn<int>("role");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QString>("color");
    const QColor white(Qt::white);
    const QColor blue(0x21, 0x96, 0xf3);
    const QColor grey186(186, 186, 186);
    const QColor grey187(187, 187, 187);
    QTest::newRow("Text on white") << int(VekPalette::Text) << white << "#212121";
    QTest::newRow("Text on blue 500") << int(VekPalette::Text) << blue << "#ffffff";
    QTest::newRow("Text on luma 186") << int(VekPalette::Text) << grey186 << "#ffffff";
    QTest::newRow("Text on luma 187") << int(VekPalette::Text) << grey187 << "#212121";
    QTest::newRow("SecondaryText light") << int(VekPalette::SecondaryText) << white << "#737373";
    QTest::newRow("SecondaryText dark") << int(VekPalette::SecondaryText) << blue << "#bcbcbc";
    QTest::newRow("HintText light") << int(VekPalette::HintText) << white << "#9b9b9b";
    QTest::newRow("HintText dark") << int(VekPalette::HintText) << blue << "#646464";
    QTest::newRow("DisabledText light") << int(VekPalette::DisabledText) << white << "#9b9b9b";
    QTest::newRow("DisabledText dark") << int(VekPalette::DisabledText) << blue << "#646464";
    QTest::newRow("unknown role as Text") << 8 << white << "#212121";
}

void TestVekPalette::textByLuma()
{
    QFETCH(int, role);
    QFETCH(QColor, background);
    QFETCH(QString, color);
    QCOMPARE(VekPalette::color(static_cast<VekPalette::TextRole>(role), background).name(), color);
}

void TestVekPalette::settersRefillTheirRolesAndEmitOnce()
{
    VekPalette palette;
    QSignalSpy changed(&palette, &VekPalette::changed);
    palette.setPrimaryBaseColor(VekPalette::Teal);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(palette.color(VekPalette::Primary).name(), QString("#009688"));
    QCOMPARE(palette.color(VekPalette::PrimaryLight).name(), QString("#b2dfdb"));
    QCOMPARE(palette.color(VekPalette::PrimaryDark).name(), QString("#00796b"));
    QCOMPARE(palette.color(VekPalette::Accent).name(), QString("#448aff"));

    palette.setAccentBaseColor(VekPalette::DeepOrange);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(palette.color(VekPalette::Accent).name(), QString("#ff6e40"));
    QCOMPARE(palette.color(VekPalette::AccentLight).name(), QString("#ff9e80"));
    QCOMPARE(palette.color(VekPalette::AccentDark).name(), QString("#ff3d00"));
    QCOMPARE(palette.color(VekPalette::Primary).name(), QString("#009688"));

    // The fills are for construction: they change the colours without telling anyone.
    palette.fillPaletteFromPrimaryBaseColor(VekPalette::Red);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(palette.color(VekPalette::Primary).name(), QString("#f44336"));
}

void TestVekPalette::greyAccentHasNoAccentHues()
{
    const auto palette = VekPalette::create(VekPalette::Blue, VekPalette::Blue);
    QSignalSpy changed(palette.data(), &VekPalette::changed);
    palette->setAccentBaseColor(VekPalette::Grey);
    QCOMPARE(changed.count(), 1);
    for (auto role : {VekPalette::Accent, VekPalette::AccentLight, VekPalette::AccentDark,
                      VekPalette::AccentFallback})
        QCOMPARE(palette->color(role).name(), QString("#ffffff"));
}

void TestVekPalette::outOfRangeBaseGivesWhite()
{
    VekPalette palette(static_cast<VekPalette::BaseColor>(19),
                       static_cast<VekPalette::BaseColor>(-1));
    for (int role = VekPalette::Primary; role <= VekPalette::AccentDark; ++role)
        QCOMPARE(palette.color(static_cast<VekPalette::PaletteRole>(role)).name(),
                 QString("#ffffff"));
}

void TestVekPalette::globalIsShared()
{
    const auto first = VekPalette::global();
    const auto second = VekPalette::global();
    QVERIFY(first);
    QCOMPARE(first.data(), second.data());
    QVERIFY(!first->parent());
    const auto own = VekPalette::create(VekPalette::Red, VekPalette::Pink);
    QVERIFY(own.data() != first.data());
    QCOMPARE(own->color(VekPalette::Primary).name(), QString("#f44336"));
    QCOMPARE(own->color(VekPalette::Accent).name(), QString("#ff4081"));
}

QTEST_APPLESS_MAIN(TestVekPalette)
#include "tst_vekpalette.moc"
