#include "vekwidgets/vekdimensionspinbox.h"
#include "vekwidgets/vekdoubleswitch.h"
#include "vekwidgets/vekperiodspinbox.h"

#include <QComboBox>
#include <QLabel>
#include <QTranslator>
#include <QtTest>

// The kit's Russian texts, loaded the way the program loads them, and re-translation on the
// language-change event.
class TestVekTranslation : public QObject
{
    Q_OBJECT
private slots:
    void russianLabels();
};

void TestVekTranslation::russianLabels()
{
    VekDimensionSpinBox frequency;
    frequency.setType(VekDimensionSpinBox::Frequency);
    frequency.setSingleStep(1);
    frequency.setRange(1, 2e6);
    frequency.setValue(5000);
    VekPeriodSpinBox period;

    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral("vekwidgets_ru"),
                            QCoreApplication::applicationDirPath() + "/translations"));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QCoreApplication::processEvents();

    auto *units = frequency.findChild<QComboBox *>();
    QStringList labels;
    for (int i = 0; i < units->count(); ++i)
        labels << units->itemText(i);
    QCOMPARE(labels, (QStringList {"Гц", "кГц", "МГц"}));
    QCOMPARE(units->currentText(), QString("кГц"));
    QCOMPARE(frequency.value(), 5000.0);
    QCOMPARE(period.findChild<QLabel *>()->text(), QString("с"));

    VekDoubleSwitch sw;
    QCOMPARE(sw.switchLabels(), (QStringList {"Вкл", "Выкл"}));

    QCoreApplication::removeTranslator(&translator);
    QCoreApplication::processEvents();
    QCOMPARE(units->currentText(), QString("kHz"));
    QCOMPARE(period.findChild<QLabel *>()->text(), QString("sec"));
}

QTEST_MAIN(TestVekTranslation)
#include "tst_vektranslation.moc"
