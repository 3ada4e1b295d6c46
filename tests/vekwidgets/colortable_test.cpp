#include "vekwidgets/vekpaletteprivate.h"

#include <QtTest>

class TestVekColorTable : public QObject
{
    Q_OBJECT
private slots:
    void cell_data();
    void cell();
};

void TestVekColorTable::cell_data()
{
    QTest::addColumn<int>("base");
    QTest::addColumn<int>("hue");
    QTest::addColumn<uint>("rgb");

    using P = VekPalette;
    struct Row
    {
        const char *name;
        P::BaseColor base;
        uint hue50, hue500, hue900, hueA200;
    };
    const Row rows[] = {
            {"Red", P::Red, 0xffebee, 0xf44336, 0xb71c1c, 0xff5252},
            {"Blue", P::Blue, 0xe3f2fd, 0x2196f3, 0x0d47a1, 0x448aff},
            {"Teal", P::Teal, 0xe0f2f1, 0x009688, 0x004d40, 0x64ffda},
            {"DeepOrange", P::DeepOrange, 0xfbe9e7, 0xff5722, 0xbf360c, 0xff6e40},
            {"Grey", P::Grey, 0xfafafa, 0x9e9e9e, 0x212121, 0xffffff},
    };
    for (const Row &row : rows) {
        QTest::addRow("%s/50", row.name) << int(row.base) << int(P::Hue50) << row.hue50;
        QTest::addRow("%s/500", row.name) << int(row.base) << int(P::Hue500) << row.hue500;
        QTest::addRow("%s/900", row.name) << int(row.base) << int(P::Hue900) << row.hue900;
        QTest::addRow("%s/A200", row.name) << int(row.base) << int(P::HueA200) << row.hueA200;
    }
    QTest::newRow("Pink/A700, last accent") << int(P::Pink) << int(P::HueA700) << 0xc51162u;
    QTest::newRow("Amber/300") << int(P::Amber) << int(P::Hue300) << 0xffd54fu;
    QTest::newRow("BlueGrey/900, last cell") << int(P::BlueGrey) << int(P::Hue900) << 0x263238u;
    QTest::newRow("Brown/A100 has no accent") << int(P::Brown) << int(P::HueA100) << 0xffffffu;
    QTest::newRow("BlueGrey/A700 has no accent")
            << int(P::BlueGrey) << int(P::HueA700) << 0xffffffu;
    QTest::newRow("base 19") << 19 << int(P::Hue500) << 0xffffffu;
    QTest::newRow("base -1") << -1 << int(P::Hue50) << 0xffffffu;
    QTest::newRow("hue 14") << int(P::Red) << 14 << 0xffffffu;
    QTest::newRow("hue -1") << int(P::Red) << -1 << 0xffffffu;
}

void TestVekColorTable::cell()
{
    QFETCH(int, base);
    QFETCH(int, hue);
    QFETCH(uint, rgb);
    QCOMPARE(VekPalettePrivate::rgbColorFromPalette(static_cast<VekPalette::BaseColor>(base),
                                                    static_cast<VekPalette::ColorHue>(hue)),
             rgb);
}

QTEST_APPLESS_MAIN(TestVekColorTable)
#include "colortable_test.moc"
