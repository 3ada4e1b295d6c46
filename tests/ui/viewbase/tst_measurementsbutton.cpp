#include "ui/viewbase/measurementsbutton.h"

#include <QPainter>
#include <QPixmap>
#include <QTest>

#include <cmath>

namespace {

class PaintCounter : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

QIcon solidIcon(const QColor &colour)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

} // namespace

class TestMeasurementsButton : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_button = std::make_unique<MeasurementsButton>();
        m_button->resize(220, 30);
        m_button->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_button.get()));
        QCoreApplication::processEvents();
        m_button->installEventFilter(&m_paints);
        m_paints.count = 0;
    }
    void cleanup() { m_button.reset(); }

    void newButtonShowsNoValue()
    {
        QVERIFY(m_button->valueText().isEmpty());
        m_button->setValue(0.0);
        QVERIFY(m_button->valueText().isEmpty());
        QCOMPARE(m_paints.count, 0);
        QVERIFY(m_button->text().isEmpty());
        QVERIFY(m_button->icon().isNull());
    }

    void valueText_data()
    {
        QTest::addColumn<QString>("units");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("volts") << "V" << 1.5 << "   1.50  V";
        QTest::newRow("millivolts") << "V" << 0.005 << "   5.00 mV";
        QTest::newRow("negative") << "V" << -0.5 << "  -0.50  V";
        QTest::newRow("kilohertz") << "Hz" << 1234.5 << "   1.23 kHz";
        QTest::newRow("microseconds") << "s" << 2.5e-6 << "   2.50 mks";
        QTest::newRow("no units") << "" << 42.0 << "  42.00   ";
    }
    void valueText()
    {
        QFETCH(QString, units);
        QFETCH(double, value);
        QFETCH(QString, text);
        m_button->setUnits(units);
        m_button->setValue(value);
        QCOMPARE(m_button->valueText(), text);
        QCOMPARE(m_button->createValueFormatString(value), text);
    }

    void valueRepaintsAtOnce()
    {
        m_button->setUnits(QStringLiteral("V"));
        m_paints.count = 0;
        m_button->setValue(1.5);
        QCOMPARE(m_paints.count, 1);
        m_button->setValue(1.5);
        QCOMPARE(m_paints.count, 1);
    }

    // A new value that shows the same text (it rounds to it) paints nothing; the next that
    // reads differently does.
    void valueThatReadsTheSamePaintsNothing()
    {
        m_button->setUnits(QStringLiteral("V"));
        m_button->setValue(1.5);
        m_paints.count = 0;
        m_button->setValue(1.501);
        QCOMPARE(m_button->valueText(), QStringLiteral("   1.50  V"));
        QCOMPARE(m_paints.count, 0);
        m_button->setValue(1.52);
        QCOMPARE(m_button->valueText(), QStringLiteral("   1.52  V"));
        QCOMPARE(m_paints.count, 1);
    }

    void unitsReformatTheStoredValue()
    {
        m_button->setUnits(QStringLiteral("V"));
        m_button->setValue(1.5);
        m_paints.count = 0;
        m_button->setUnits(QStringLiteral("A"));
        QCOMPARE(m_button->valueText(), QStringLiteral("   1.50  A"));
        QCOMPARE(m_paints.count, 1);
        m_button->setUnits(QStringLiteral("A"));
        QCOMPARE(m_paints.count, 1);
    }

    void nameAndUnitsRenewTheSizeHint()
    {
        m_button->setMeasurementName(QStringLiteral("Max"));
        const QSize first = m_button->sizeHint();
        m_paints.count = 0;
        m_button->setMeasurementName(QStringLiteral("Max"));
        QCOMPARE(m_paints.count, 0);
        m_button->setValue(123.0);
        QCOMPARE(m_button->sizeHint(), first);

        m_button->setMeasurementName(QStringLiteral("Maximum amplitude"));
        QCOMPARE(m_paints.count, 2);
        const QSize longer = m_button->sizeHint();
        QVERIFY(longer.width() > first.width());
        QCOMPARE(longer.height(), first.height());

        m_button->setUnits(QStringLiteral("Ohm"));
        QVERIFY(m_button->sizeHint().width() > longer.width());
    }

    // At its size hint the button shows every value below 1000 of its largest prefix uncut:
    // the smallest prefix of a zero, a sign, a rounding up to four places, the widest
    // prefixes; in a larger font too.
    void sizeHintHoldsEveryValue_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("units");
        QTest::addColumn<int>("pointSize");
        QTest::newRow("Freq, Hz") << QStringLiteral("Freq") << QStringLiteral("Hz") << 0;
        QTest::newRow("Mean, V") << QStringLiteral("Mean") << QStringLiteral("V") << 0;
        QTest::newRow("+Duty, %") << QStringLiteral("+Duty") << QStringLiteral("%") << 0;
        QTest::newRow("Period, s, large") << QStringLiteral("Period") << QStringLiteral("s") << 16;
    }
    void sizeHintHoldsEveryValue()
    {
        QFETCH(QString, name);
        QFETCH(QString, units);
        QFETCH(int, pointSize);
        m_button->setIcon(solidIcon(Qt::red));
        m_button->setIconSize(QSize(5, 5));
        m_button->setMeasurementName(name);
        m_button->setUnits(units);
        if (pointSize > 0) {
            const QSize before = m_button->sizeHint();
            QFont font = m_button->font();
            font.setPointSize(pointSize);
            m_button->setFont(font);
            QVERIFY(m_button->sizeHint().width() > before.width());
        }
        m_button->resize(m_button->sizeHint());
        const QFontMetrics metrics = m_button->fontMetrics();
        // What paintEvent leaves for the value: margins, icon, spacing and name taken away.
        const int room = m_button->contentsRect().width() - 2 * 6 - 5 - 3
                - metrics.size(Qt::TextShowMnemonic, name).width();
        for (int exponent = -15; exponent <= 12; ++exponent) {
            for (const double mantissa : {0.0, 1.0, -1.0, 999.996, -999.996, -555.55}) {
                const QString text =
                        m_button->createValueFormatString(mantissa * std::pow(10.0, exponent));
                QVERIFY2(metrics.size(Qt::TextShowMnemonic, text).width() <= room,
                         qPrintable(QStringLiteral("\"%1\" in %2 pixels").arg(text).arg(room)));
            }
        }
    }

    void iconRepaintsOnlyWhenItLooksDifferent()
    {
        m_button->setIcon(solidIcon(Qt::red));
        QCOMPARE(m_paints.count, 1);
        m_button->setIcon(solidIcon(Qt::red));
        QCOMPARE(m_paints.count, 1);
        m_button->setIcon(solidIcon(Qt::blue));
        QCOMPARE(m_paints.count, 2);
        // The record's icon is drawn, not the button's own.
        QVERIFY(m_button->icon().isNull());
    }

    void paintsIconNameAndValue()
    {
        m_button->setIcon(solidIcon(Qt::red));
        m_button->setMeasurementName(QStringLiteral("Max"));
        m_button->setUnits(QStringLiteral("V"));
        m_button->setValue(1.5);
        const QImage image = m_button->grab().toImage();
        // The icon at the left, vertically centred in the margins.
        const int iconLeft = m_button->contentsRect().left() + 6;
        QCOMPARE(image.pixelColor(iconLeft + 8, image.height() / 2), QColor(Qt::red));
    }

    void secondConstructorStoresItsParts()
    {
        MeasurementsButton button(solidIcon(Qt::green), QStringLiteral("Min"), QStringLiteral("V"));
        QVERIFY(button.valueText().isEmpty());
        MeasurementsButton plain;
        plain.setMeasurementName(QStringLiteral("Min"));
        plain.setUnits(QStringLiteral("V"));
        QCOMPARE(button.sizeHint(), plain.sizeHint());
    }

private:
    std::unique_ptr<MeasurementsButton> m_button;
    PaintCounter m_paints;
};

QTEST_MAIN(TestMeasurementsButton)
#include "tst_measurementsbutton.moc"
