#include "views/oscilloscope/valuemarker.h"

#include "assets/assets.h"

#include <QBoxLayout>
#include <QFrame>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <limits>

namespace {

const QString iconPath = QStringLiteral(":/icons/control/trigger_label.svg");

QLabel *valueLabel(const ValueMarker &marker)
{
    for (QLabel *label : marker.frame()->findChildren<QLabel *>()) {
        if (label->alignment() == (Qt::AlignRight | Qt::AlignVCenter))
            return label;
    }
    return nullptr;
}

QLabel *iconLabel(const ValueMarker &marker)
{
    for (QLabel *label : marker.frame()->findChildren<QLabel *>()) {
        if (label->alignment() == Qt::AlignCenter)
            return label;
    }
    return nullptr;
}

} // namespace

class TestValueMarker : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void newMarker();
    void text_data();
    void text();
    void iconOnlyKeepsLabelEmpty();
    void iconPlace_data();
    void iconPlace();
    void setValueClampsAndSignalsChanges();
    void setValueIgnoresValuesThatAreNotNumbers_data();
    void setValueIgnoresValuesThatAreNotNumbers();
    void setRange();
    void setScaleSignalsOnlyChanges();
    void position_data();
    void position();
    void iconSize();
};

void TestValueMarker::initTestCase()
{
    initPraluneAssets();
}

void TestValueMarker::newMarker()
{
    ValueMarker marker(Qt::Vertical, Qt::AlignLeft, iconPath);
    QCOMPARE(marker.value(), 0.0);
    QCOMPARE(marker.scale(), qMakePair(-1.0, 1.0));
    QCOMPARE(marker.eps(), 0.05);
    QVERIFY(!marker.iconOnly());
    QCOMPARE(marker.iconAlign(), Qt::Alignment(Qt::AlignLeft));
    QVERIFY(marker.parent() == nullptr);
    QVERIFY(valueLabel(marker)->text().isEmpty());
    QCOMPARE(iconLabel(marker)->size(), QSize(18, 18));
    QVERIFY(!iconLabel(marker)->pixmap(Qt::ReturnByValue).isNull());
}

void TestValueMarker::text_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("small positive in milli") << 0.05 << " 50.000 mV";
    QTest::newRow("0.1 still in milli") << 0.1 << " 100.000 mV";
    QTest::newRow("just above 0.1 in units") << 0.1001 << " 0.100 V";
    QTest::newRow("negative, no blank") << -2.5 << "-2.500 V";
    QTest::newRow("positive, one blank") << 3.0 << " 3.000 V";
    QTest::newRow("zero, no blank") << 0.0 << "0.000 mV";
    QTest::newRow("small negative") << -0.02 << "-20.000 mV";
    QTest::newRow("a microsecond stays in milli") << 0.000001 << " 0.001 mV";
}

void TestValueMarker::text()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    ValueMarker marker(Qt::Horizontal, Qt::AlignBottom, iconPath);
    marker.setValue(value);
    QCOMPARE(valueLabel(marker)->text(), text);
    QCOMPARE(valueMarkerText(value, QStringLiteral("V")), text);
}

void TestValueMarker::iconOnlyKeepsLabelEmpty()
{
    ValueMarker marker(Qt::Horizontal, Qt::AlignTop, iconPath);
    marker.setValue(0.5);
    QCOMPARE(valueLabel(marker)->text(), QStringLiteral(" 0.500 V"));
    marker.setIconOnly(true);
    QVERIFY(valueLabel(marker)->text().isEmpty());
    marker.setValue(0.7);
    marker.setRange(-0.6, 0.6);
    QCOMPARE(marker.value(), 0.6);
    QVERIFY(valueLabel(marker)->text().isEmpty());
    // Switching back changes no text until the next value.
    marker.setIconOnly(false);
    QVERIFY(valueLabel(marker)->text().isEmpty());
    marker.setDimension(QStringLiteral("s"));
    marker.setValue(0.6);
    QCOMPARE(valueLabel(marker)->text(), QStringLiteral(" 0.600 s"));
}

void TestValueMarker::iconPlace_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<Qt::Alignment>("alignment");
    QTest::addColumn<bool>("iconFirst");
    QTest::newRow("horizontal, top") << Qt::Horizontal << Qt::Alignment(Qt::AlignTop) << true;
    QTest::newRow("horizontal, bottom")
            << Qt::Horizontal << Qt::Alignment(Qt::AlignBottom) << false;
    QTest::newRow("horizontal, left") << Qt::Horizontal << Qt::Alignment(Qt::AlignLeft) << false;
    QTest::newRow("vertical, left") << Qt::Vertical << Qt::Alignment(Qt::AlignLeft) << true;
    QTest::newRow("vertical, right") << Qt::Vertical << Qt::Alignment(Qt::AlignRight) << false;
    QTest::newRow("vertical, top") << Qt::Vertical << Qt::Alignment(Qt::AlignTop) << false;
}

void TestValueMarker::iconPlace()
{
    QFETCH(Qt::Orientation, orientation);
    QFETCH(Qt::Alignment, alignment);
    QFETCH(bool, iconFirst);
    ValueMarker marker(orientation, alignment, iconPath);
    auto *layout = qobject_cast<QBoxLayout *>(marker.frame()->layout());
    QVERIFY(layout);
    QCOMPARE(layout->direction() == QBoxLayout::TopToBottom, orientation == Qt::Horizontal);
    QCOMPARE(layout->indexOf(iconLabel(marker)), iconFirst ? 0 : 1);
    QCOMPARE(layout->indexOf(valueLabel(marker)), iconFirst ? 1 : 0);
}

void TestValueMarker::setValueClampsAndSignalsChanges()
{
    ValueMarker marker(Qt::Vertical, Qt::AlignLeft, iconPath);
    QSignalSpy changed(&marker, &ValueMarker::valueChanged);
    marker.setValue(250.0);
    QCOMPARE(marker.value(), 100.0);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toDouble(), 100.0);

    // The same value again only rewrites the text.
    valueLabel(marker)->clear();
    marker.setValue(100.0);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(valueLabel(marker)->text(), QStringLiteral(" 100.000 V"));

    marker.setValue(-1000.0);
    QCOMPARE(marker.value(), -100.0);
    QCOMPARE(changed.count(), 2);
}

void TestValueMarker::setValueIgnoresValuesThatAreNotNumbers_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("+inf") << std::numeric_limits<double>::infinity();
    QTest::newRow("-inf") << -std::numeric_limits<double>::infinity();
}

void TestValueMarker::setValueIgnoresValuesThatAreNotNumbers()
{
    QFETCH(double, value);
    ValueMarker marker(Qt::Vertical, Qt::AlignLeft, iconPath);
    marker.setValue(0.5);
    QSignalSpy changed(&marker, &ValueMarker::valueChanged);
    marker.setValue(value);
    QCOMPARE(marker.value(), 0.5);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(valueLabel(marker)->text(), QStringLiteral(" 0.500 V"));
}

void TestValueMarker::setRange()
{
    ValueMarker marker(Qt::Vertical, Qt::AlignLeft, iconPath);
    marker.setValue(50.0);
    QSignalSpy changed(&marker, &ValueMarker::valueChanged);

    marker.setRange(5.0, 1.0); // reversed: refused
    marker.setValue(-50.0);
    QCOMPARE(marker.value(), -50.0);
    marker.setValue(50.0);
    changed.clear();

    marker.setRange(-1.0, 1.0);
    QCOMPARE(marker.value(), 1.0);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toDouble(), 1.0);

    // A value already inside keeps quiet, but its text is written anew.
    valueLabel(marker)->clear();
    marker.setRange(-2.0, 2.0);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(valueLabel(marker)->text(), QStringLiteral(" 1.000 V"));
    marker.setValue(3.0);
    QCOMPARE(marker.value(), 2.0);
}

void TestValueMarker::setScaleSignalsOnlyChanges()
{
    ValueMarker marker(Qt::Horizontal, Qt::AlignBottom, iconPath);
    QSignalSpy scaleChanged(&marker, &ValueMarker::scaleChanged);
    marker.setScale(-1.0, 1.0);
    QCOMPARE(scaleChanged.count(), 0);
    marker.setScale(-1.0, 2.0);
    QCOMPARE(scaleChanged.count(), 1);
    QCOMPARE(marker.scale(), qMakePair(-1.0, 2.0));
    marker.setScale(0.0, 2.0);
    QCOMPARE(scaleChanged.count(), 2);
}

void TestValueMarker::position_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("position");
    QTest::newRow("beyond upper end") << 0.96 << 1;
    QTest::newRow("beyond lower end") << -0.96 << 2;
    QTest::newRow("inside, near top") << 0.9 << 0;
    QTest::newRow("inside, near bottom") << -0.9 << 0;
    QTest::newRow("at scale maximum") << 1.0 << 1;
    QTest::newRow("far beyond lower end") << -5.0 << 2;
}

void TestValueMarker::position()
{
    QFETCH(double, value);
    QFETCH(int, position);
    ValueMarker marker(Qt::Vertical, Qt::AlignLeft, iconPath);
    marker.setValue(value);
    QCOMPARE(marker.position(), position);
}

void TestValueMarker::iconSize()
{
    ValueMarker marker(Qt::Vertical, Qt::AlignRight, iconPath);
    marker.setIconSize(QSize(30, 24));
    QCOMPARE(iconLabel(marker)->size(), QSize(24, 24));
    marker.setIconPath(QStringLiteral(":/icons/control/time_label.svg"));
    QCOMPARE(iconLabel(marker)->size(), QSize(24, 24));
    QVERIFY(!iconLabel(marker)->pixmap(Qt::ReturnByValue).isNull());
    marker.setBackgroundColor(QStringLiteral("#ff0000"));
    QCOMPARE(iconLabel(marker)->styleSheet(),
             QStringLiteral("QLabel { background-color : #ff0000;}"));
}

QTEST_MAIN(TestValueMarker)
#include "tst_valuemarker.moc"
