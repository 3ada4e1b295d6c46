#include "ui/instrumentstoolbarwidget.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTranslator>
#include <QtTest>

class TestInstrumentsToolBar : public QObject
{
    Q_OBJECT
private slots:
    void initialState();
    void caption_data();
    void caption();
    void captionAfterLanguageChange_data();
    void captionAfterLanguageChange();
    void saveButtonsTogether();
    void disabledPinEmitsNothing();
};

namespace {
// A language in which every text of the bar reads in angle quotes.
class QuotingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override
    {
        Q_UNUSED(disambiguation)
        Q_UNUSED(n)
        if (qstrcmp(context, "InstrumentsToolBarWidget") != 0)
            return QString();
        return QString::fromUtf8("«%1»").arg(QString::fromUtf8(sourceText));
    }
};

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

void TestInstrumentsToolBar::captionAfterLanguageChange_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("instrument") << "Digital Oscilloscope"
                                << QString::fromUtf8("«Pralune» - Digital Oscilloscope");
    QTest::newRow("none") << QString() << QString::fromUtf8("«Pralune - Instrument selection»");
}

// The form's texts come back in the new language; the caption must not lose the view.
void TestInstrumentsToolBar::captionAfterLanguageChange()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    InstrumentsToolBarWidget bar;
    bar.setCaption(name);
    QuotingTranslator quoting;
    QCoreApplication::installTranslator(&quoting);
    QCoreApplication::processEvents();
    const QString shown = bar.findChild<QLabel *>("caption")->text();
    QCoreApplication::removeTranslator(&quoting);
    QCoreApplication::processEvents();
    QCOMPARE(shown, expected);
    QCOMPARE(button(bar, "pinButton")->toolTip(), QString("Pin current device"));
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
