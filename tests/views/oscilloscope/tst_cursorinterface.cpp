#include "views/oscilloscope/cursors/cursorinterface.h"

#include <QTest>

#include <limits>

namespace {

// The blank shown as ␣ in the readout tables, so that spaces can be counted in the rows.
QString blanks(const char *text)
{
    return QString::fromUtf8(text).replace(QStringLiteral("␣"), QStringLiteral(" "));
}

} // namespace

class TestCursorInterface : public QObject
{
    Q_OBJECT
private slots:
    void normalizeValue_data();
    void normalizeValue();
    void defaultDescription();
    void sampleLookup_data();
    void sampleLookup();
};

void TestCursorInterface::normalizeValue_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<bool>("invalid");
    QTest::addColumn<bool>("noSignSlot");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << 0.0 << "V" << false << false << blanks("␣␣␣0.00␣V␣␣");
    QTest::newRow("invalid wins") << -1.0 << "s" << true << false << blanks("␣␣␣_.__␣s␣␣");
    QTest::newRow("milli") << 0.0015 << "s" << false << false << blanks("␣␣␣1.50␣ms␣");
    QTest::newRow("three places") << 0.25 << "V" << false << false << blanks("␣250.00␣mV␣");
    QTest::newRow("negative milli") << -0.5 << "V" << false << false << blanks("-500.00␣mV␣");
    QTest::newRow("two places") << 0.0625 << "s" << false << false << blanks("␣␣62.50␣ms␣");
    QTest::newRow("no prefix") << 3.0 << "V" << false << false << blanks("␣␣␣3.00␣V␣␣");
    QTest::newRow("negative tens") << -12.5 << "V" << false << false << blanks("␣-12.50␣V␣␣");
    QTest::newRow("hundreds") << 150.0 << "V" << false << false << blanks("␣150.00␣V␣␣");
    QTest::newRow("micro") << 0.00075 << "s" << false << false << blanks("␣750.00␣us␣");
    QTest::newRow("nano") << 2.5e-7 << "s" << false << false << blanks("␣250.00␣ns␣");
    QTest::newRow("truncated to zero") << 1e-12 << "s" << false << false << blanks("␣␣0.00␣ns␣");
    QTest::newRow("no sign slot, milli") << 0.001 << "s" << false << true << blanks("␣␣1.00␣ms␣");
    QTest::newRow("no sign slot, three places")
            << 0.5 << "V" << false << true << blanks("500.00␣mV␣");
    // Truncation, never rounding up, yet a value stored just below its decimal keeps it.
    QTest::newRow("truncated, not rounded")
            << 1.999 << "V" << false << false << blanks("␣␣␣1.99␣V␣␣");
    QTest::newRow("binary fraction keeps its digit")
            << 1.13 << "V" << false << false << blanks("␣␣␣1.13␣V␣␣");
    QTest::newRow("negative binary fraction")
            << -1.13 << "V" << false << false << blanks("␣␣-1.13␣V␣␣");
    QTest::newRow("negative truncated to zero has no minus")
            << -1e-12 << "s" << false << false << blanks("␣␣0.00␣ns␣");
}

void TestCursorInterface::normalizeValue()
{
    QFETCH(double, value);
    QFETCH(QString, unit);
    QFETCH(bool, invalid);
    QFETCH(bool, noSignSlot);
    QFETCH(QString, text);
    QCOMPARE(CursorInterface::normalizeValue(value, 2, unit, invalid, noSignSlot), text);
}

void TestCursorInterface::defaultDescription()
{
    QCOMPARE(CursorInterface::defaultDescription(),
             QStringList({blanks("Cur1␣␣␣␣_.__␣s␣␣␣(␣␣␣_.__␣V␣␣)"),
                          blanks("Cur2␣␣␣␣_.__␣s␣␣␣(␣␣␣_.__␣V␣␣)"), blanks("Δt␣␣␣␣_.__␣s␣␣"),
                          blanks("Δy␣␣␣␣_.__␣V␣␣")}));
}

void TestCursorInterface::sampleLookup_data()
{
    QTest::addColumn<double>("interval");
    QTest::addColumn<int>("source");
    QTest::addColumn<double>("time");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("sample");

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("inside") << 0.001 << 0 << 0.0025 << true << 12.0;
    QTest::newRow("within one interval before the start") << 0.001 << 0 << -0.0005 << true << 10.0;
    QTest::newRow("more than one interval before") << 0.001 << 0 << -0.0015 << false << 0.0;
    QTest::newRow("last sample") << 0.001 << 0 << 0.0035 << true << 13.0;
    QTest::newRow("past the end") << 0.001 << 0 << 0.0045 << false << 0.0;
    QTest::newRow("shorter channel") << 0.001 << 1 << 0.0025 << false << 0.0;
    QTest::newRow("no such source") << 0.001 << 3 << 0.0 << false << 0.0;
    QTest::newRow("negative source") << 0.001 << -1 << 0.0 << false << 0.0;
    QTest::newRow("interval zero") << 0.0 << 0 << 0.0025 << false << 0.0;
    QTest::newRow("negative interval") << -0.001 << 0 << -0.0025 << false << 0.0;
    QTest::newRow("time not a number") << 0.001 << 0 << nan << false << 0.0;
    QTest::newRow("time infinite") << 0.001 << 0 << inf << false << 0.0;
    QTest::newRow("index beyond int") << 1e-12 << 0 << 1e6 << false << 0.0;
}

void TestCursorInterface::sampleLookup()
{
    QFETCH(double, interval);
    QFETCH(int, source);
    QFETCH(double, time);
    QFETCH(bool, valid);
    QFETCH(double, sample);

    const QVector<QVector<double>> channels {{10.0, 11.0, 12.0, 13.0}, {20.0, 21.0}, {30.0}};
    CursorData data;
    data.sampleInterval = interval;
    data.channels = &channels;
    double read = -1.0;
    QCOMPARE(cursorSampleAt(data, source, time, &read), valid);
    QCOMPARE(read, sample);
}

QTEST_MAIN(TestCursorInterface)
#include "tst_cursorinterface.moc"
