#include "ui/instrumentstoolbarwidget.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

class TestInstrumentsToolBar : public QObject
{
    Q_OBJECT
private slots:
    void initialState();
    void caption_data();
    void caption();
    void saveButtonsTogether();
    void disabledPinEmitsNothing();
};

namespace {
QPushButton *button(QWidget &bar, const char *name)
{
    return bar.findChild<QPushButton *>(QLatin1String(name));
}
} // namespace

void TestInstrumentsToolBar::initialState()
{
    InstrumentsToolBarWidget bar;
    bar.show();
    QVERIFY(button(bar, "settingsButton")->isVisible());
    QVERIFY(!button(bar, "pinButton")->isEnabled());
    QVERIFY(!button(bar, "pictureButton")->isVisible());
    QVERIFY(!button(bar, "dataButton")->isVisible());
    QCOMPARE(bar.findChild<QLabel *>("caption")->text(), QString("Pralune"));
    QCOMPARE(button(bar, "pinButton")->text(), QString(QChar(0xE06B)));
    QCOMPARE(button(bar, "pinButton")->toolTip(), QString("Pin current device"));
}

void TestInstrumentsToolBar::caption_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("instrument") << "Digital Oscilloscope"
                                << "Pralune - Digital Oscilloscope";
    QTest::newRow("none") << QString() << "Pralune - Instrument selection";
}

void TestInstrumentsToolBar::caption()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    InstrumentsToolBarWidget bar;
    bar.setCaption(name);
    QCOMPARE(bar.findChild<QLabel *>("caption")->text(), expected);
}

void TestInstrumentsToolBar::saveButtonsTogether()
{
    InstrumentsToolBarWidget bar;
    bar.show();
    bar.enableSave(true);
    QVERIFY(button(bar, "pictureButton")->isVisible());
    QVERIFY(button(bar, "dataButton")->isVisible());
    bar.enableSave(false);
    QVERIFY(!button(bar, "pictureButton")->isVisible());
    QVERIFY(!button(bar, "dataButton")->isVisible());
}

void TestInstrumentsToolBar::disabledPinEmitsNothing()
{
    InstrumentsToolBarWidget bar;
    bar.show();
    QSignalSpy pin(&bar, &InstrumentsToolBarWidget::pinRequested);
    QSignalSpy settings(&bar, &InstrumentsToolBarWidget::applicationSettingsRequested);
    QTest::mouseClick(button(bar, "pinButton"), Qt::LeftButton);
    QTest::mouseClick(button(bar, "settingsButton"), Qt::LeftButton);
    QCOMPARE(pin.count(), 0);
    QCOMPARE(settings.count(), 1);
    bar.enablePin(true);
    QTest::mouseClick(button(bar, "pinButton"), Qt::LeftButton);
    QCOMPARE(pin.count(), 1);
}

QTEST_MAIN(TestInstrumentsToolBar)
#include "tst_instrumentstoolbar.moc"
