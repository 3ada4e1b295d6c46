#include "vekwidgets/vekdoublespinbox.h"

#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Enter reports the value again even when it stays: what matters is every value reported.
QList<double> reported(const QSignalSpy &spy)
{
    QList<double> values;
    for (const QList<QVariant> &call : spy)
        values << call.at(0).toDouble();
    return values;
}

QLocale localeNamed(const QString &name)
{
    return name == QLatin1String("ru") ? QLocale(QLocale::Russian, QLocale::Russia)
                                       : QLocale(QLocale::English, QLocale::AnyCountry);
}

// A box as the panels have them: three decimals, a range wide enough that grouping would fit.
void setUp(VekDoubleSpinBox &box, const QString &language)
{
    box.setLocale(localeNamed(language));
    box.setDecimals(3);
    box.setRange(0.1, 10000);
    box.setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    box.setValue(5);
}

QLineEdit *editOf(VekDoubleSpinBox &box)
{
    return box.findChild<QLineEdit *>();
}

void retype(VekDoubleSpinBox &box, const QString &text)
{
    box.selectAll();
    QTest::keyClicks(&box, text);
    QTest::keyClick(&box, Qt::Key_Return);
}

} // namespace

class TestVekDoubleSpinBox : public QObject
{
    Q_OBJECT
private slots:
    void eitherMarkIsTheDecimalMark_data();
    void eitherMarkIsTheDecimalMark();
    void groupedTextIsRefused_data();
    void groupedTextIsRefused();
    void emptiedBoxKeepsItsValue_data();
    void emptiedBoxKeepsItsValue();
    void groupingIsShownOnlyOutsideAnEdit();
};

void TestVekDoubleSpinBox::eitherMarkIsTheDecimalMark_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");
    for (const char *code : {"en", "ru"}) {
        const QString language = QString::fromLatin1(code);
        const QString one =
                language == QLatin1String("ru") ? QStringLiteral("1,000") : QStringLiteral("1.000");
        const QString three =
                language == QLatin1String("ru") ? QStringLiteral("3,700") : QStringLiteral("3.700");
        QTest::addRow("%s 1,000", qPrintable(language)) << language << "1,000" << 1.0 << one;
        QTest::addRow("%s 1.000", qPrintable(language)) << language << "1.000" << 1.0 << one;
        QTest::addRow("%s 3.7", qPrintable(language)) << language << "3.7" << 3.7 << three;
        QTest::addRow("%s 3,7", qPrintable(language)) << language << "3,7" << 3.7 << three;
        // A second mark has no meaning: the key is refused, the rest still typed.
        QTest::addRow("%s 1.2,5", qPrintable(language))
                << language << "1.2,5" << 1.25 << one.left(2) + QStringLiteral("250");
        // A space inside the number would be grouping: refused key by key.
        QTest::addRow("%s 1 000", qPrintable(language))
                << language << "1 000" << 1000.0
                << (language == QLatin1String("ru") ? "1000,000" : "1000.000");
    }
}

void TestVekDoubleSpinBox::eitherMarkIsTheDecimalMark()
{
    QFETCH(QString, language);
    QFETCH(QString, typed);
    QFETCH(double, value);
    QFETCH(QString, shown);
    VekDoubleSpinBox box;
    setUp(box, language);
    QSignalSpy changes(&box, qOverload<double>(&QDoubleSpinBox::valueChanged));
    retype(box, typed);
    QCOMPARE(box.value(), value);
    QCOMPARE(box.text(), shown);
    QVERIFY(!changes.isEmpty());
    QCOMPARE(changes.last().at(0).toDouble(), value);
}

void TestVekDoubleSpinBox::groupedTextIsRefused_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("pasted");
    QTest::newRow("en 1,000.5") << "en"
                                << "1,000.5";
    QTest::newRow("en 1,000,0") << "en"
                                << "1,000,0";
    QTest::newRow("ru 1 000,5 with the locale's separator")
            << "ru" << QStringLiteral("1\u00a0000,5");
    QTest::newRow("ru 1.000,5") << "ru"
                                << "1.000,5";
}

// A whole text pasted at once meets the same rule as one typed key by key.
void TestVekDoubleSpinBox::groupedTextIsRefused()
{
    QFETCH(QString, language);
    QFETCH(QString, pasted);
    VekDoubleSpinBox box;
    setUp(box, language);
    const QString before = box.text();
    QSignalSpy changes(&box, qOverload<double>(&QDoubleSpinBox::valueChanged));
    box.selectAll();
    editOf(box)->insert(pasted);
    QCOMPARE(box.text(), before);
    QTest::keyClick(&box, Qt::Key_Return);
    QCOMPARE(box.value(), 5.0);
    QCOMPARE(reported(changes), QList<double>({5.0}));
}

void TestVekDoubleSpinBox::emptiedBoxKeepsItsValue_data()
{
    QTest::addColumn<QString>("left");
    QTest::newRow("empty") << QString();
    QTest::newRow("a lone sign") << "-";
    QTest::newRow("a lone mark") << ",";
}

// Read as a number, an emptied box is zero brought into the range: its minimum here.
void TestVekDoubleSpinBox::emptiedBoxKeepsItsValue()
{
    QFETCH(QString, left);
    VekDoubleSpinBox box;
    setUp(box, QStringLiteral("en"));
    box.setRange(-10, 10000);
    box.setMinimum(0.1);
    box.setValue(1000);
    QSignalSpy changes(&box, qOverload<double>(&QDoubleSpinBox::valueChanged));
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&box, Qt::Key_Delete);
    QTest::keyClicks(&box, left);
    QTest::keyClick(&box, Qt::Key_Return);
    QCOMPARE(box.value(), 1000.0);
    QCOMPARE(box.text(), QStringLiteral("1000.000"));
    QCOMPARE(reported(changes), QList<double>({1000.0}));
}

// Grouping shown in an edited text would be read as decimal marks.
void TestVekDoubleSpinBox::groupingIsShownOnlyOutsideAnEdit()
{
    QWidget window;
    auto *box = new VekDoubleSpinBox(&window);
    auto *other = new VekDoubleSpinBox(&window);
    other->move(0, 40);
    setUp(*box, QStringLiteral("en"));
    box->setGroupSeparatorShown(true);
    box->setValue(1234.5);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    QTRY_VERIFY(other->hasFocus());
    QCOMPARE(box->text(), QStringLiteral("1,234.500"));

    QSignalSpy changes(box, qOverload<double>(&QDoubleSpinBox::valueChanged));
    box->setFocus();
    QTRY_VERIFY(box->hasFocus());
    QCOMPARE(box->text(), QStringLiteral("1234.500"));
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, "1");
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(box->value(), 1234.501);
    other->setFocus();
    QTRY_VERIFY(other->hasFocus());
    QCOMPARE(box->text(), QStringLiteral("1,234.501"));
    QCOMPARE(reported(changes), QList<double>({1234.501, 1234.501}));
}

QTEST_MAIN(TestVekDoubleSpinBox)
#include "tst_vekdoublespinbox.moc"
