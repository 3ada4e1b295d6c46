// The oscilloscope panel's form: widget tree, sizes, the properties the theme selects on, texts
// and the state the panel takes over.
#include "views/oscilloscope/digitaloscilloscopewidget.h"

#include "app/translationloader.h"
#include "assets/assets.h"
#include "vekwidgets/vekdimensionspinbox.h"
#include "vekwidgets/vekdoubleswitch.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>

namespace {

template<typename T>
T *child(QWidget &panel, const char *name)
{
    return panel.findChild<T *>(QLatin1String(name));
}

} // namespace

class TestDigitalOscilloscopeForm : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        initPraluneAssets();
    }

    void widgetClasses_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");
        const QList<QPair<const char *, const char *>> widgets = {
                {"topWidget", "QWidget"},
                {"functionsFrame", "QFrame"},
                {"acquisitionFrame_3", "QFrame"},
                {"acquisitionFrame", "QFrame"},
                {"centerFrame", "QFrame"},
                {"sideWidget", "QWidget"},
                {"measurementsFrame", "QFrame"},
                {"measurementsGridWidget", "QWidget"},
                {"cursorSettingsToolButton", "QToolButton"},
                {"timeDivLabel", "QLabel"},
                {"stopModeButton", "QToolButton"},
                {"startSingleModeButton", "QToolButton"},
                {"triggerSourceDoubleSwitch", "VekDoubleSwitch"},
                {"prehistorySpinBox", "VekDimensionSpinBox"},
                {"triggerToolBarButton", "QToolButton"},
                {"forceTriggerPushButton", "QPushButton"},
                {"mathChannelCheckBox", "QCheckBox"},
                {"channel2VDivIncreaseButton", "QToolButton"},
                {"mathChannelSettingsButton", "QToolButton"},
                {"showMeasurementsSettingsToolButton", "QToolButton"},
        };
        for (const auto &[name, className] : widgets)
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(className);
    }
    void widgetClasses()
    {
        QFETCH(QString, name);
        QFETCH(QString, className);
        DigitalOscilloscopeWidget panel;
        QWidget *widget = panel.findChild<QWidget *>(name);
        QVERIFY(widget);
        QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), className);
    }

    void sizes_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("minimum") << QSize(1024, 600);
        QTest::newRow("larger") << QSize(1500, 950);
    }
    void sizes()
    {
        QFETCH(QSize, size);
        DigitalOscilloscopeWidget panel;
        QCOMPARE(panel.minimumSize(), QSize(1024, 600));
        panel.resize(size);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QCOMPARE(panel.size(), size);
        auto *side = child<QWidget>(panel, "sideWidget");
        auto *top = child<QWidget>(panel, "topWidget");
        auto *strip = child<QWidget>(panel, "measurementsFrame");
        auto *center = child<QWidget>(panel, "centerFrame");
        QVERIFY(side->width() >= 242);
        QVERIFY(top->height() <= 74);
        QVERIFY(strip->height() >= 50);
        // Everything beyond the minimum goes to the centre; the groups stay packed at the top.
        const QSize extra = size - QSize(1024, 600);
        DigitalOscilloscopeWidget smallest;
        smallest.resize(1024, 600);
        smallest.show();
        QVERIFY(QTest::qWaitForWindowExposed(&smallest));
        QCOMPARE(center->size(), child<QWidget>(smallest, "centerFrame")->size() + extra);
        QCOMPARE(child<QWidget>(panel, "measurementsFrame_6")->geometry(),
                 child<QWidget>(smallest, "measurementsFrame_6")->geometry());
    }

    void properties_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("form main")
                << "DigitalOscilloscopeWidget" << QByteArray("main") << QVariant(true);
        QTest::newRow("centre main") << "centerFrame" << QByteArray("main") << QVariant(true);
        for (const char *name :
             {"functionsFrame", "acquisitionFrame_3", "acquisitionFrame", "functionsFrame_2",
              "measurementsFrame_4", "measurementsFrame_5", "measurementsFrame_6"})
            QTest::newRow(name) << QString::fromLatin1(name) << QByteArray("group")
                                << QVariant(true);
        QTest::newRow("strip no group")
                << "measurementsFrame" << QByteArray("group") << QVariant(false);
        QTest::newRow("trigger header") << "label_4" << QByteArray("header") << QVariant(true);
        QTest::newRow("cursor button")
                << "cursorSettingsToolButton" << QByteArray("measurementsButton") << QVariant(true);
        QTest::newRow("measurement settings button")
                << "showMeasurementsSettingsToolButton" << QByteArray("measurementsButton")
                << QVariant(true);
        const char *boxes[] = {"channel1CheckBox", "channel2CheckBox", "mathChannelCheckBox"};
        for (uint i = 0; i < 3; ++i) {
            const QString name = QString::fromLatin1(boxes[i]);
            QTest::newRow(qPrintable(name + " header"))
                    << name << QByteArray("header") << QVariant(true);
            QTest::newRow(qPrintable(name + " channel"))
                    << name << QByteArray("channel") << QVariant(true);
            QTest::newRow(qPrintable(name + " index"))
                    << name << QByteArray("channelIndex") << QVariant(i);
        }
        QTest::newRow("channel 1 no darkTheme")
                << "channel1CheckBox" << QByteArray("darkTheme") << QVariant();
        QTest::newRow("channel 2 darkTheme")
                << "channel2CheckBox" << QByteArray("darkTheme") << QVariant(false);
        QTest::newRow("math darkTheme")
                << "mathChannelCheckBox" << QByteArray("darkTheme") << QVariant(false);
    }
    void properties()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, property);
        QFETCH(QVariant, value);
        DigitalOscilloscopeWidget panel;
        QWidget *widget = name == panel.objectName() ? &panel : panel.findChild<QWidget *>(name);
        QVERIFY(widget);
        QCOMPARE(widget->property(property.constData()), value);
    }

    void tips_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("tip");
        QTest::newRow("cursors") << "cursorSettingsToolButton"
                                 << "Cursors settings";
        QTest::newRow("stop") << "stopModeButton"
                              << "Stop<hr>Stop data reading";
        QTest::newRow("auto") << "startAutoModeButton"
                              << "Auto<hr>Start data reading";
        QTest::newRow("normal") << "startNormalModeButton"
                                << "Normal<hr>Start data reading after trigger condition occurring";
        QTest::newRow("single") << "startSingleModeButton"
                                << "Single<hr>Read one data package immediately";
        QTest::newRow("trigger") << "triggerToolBarButton"
                                 << "Trigger condition<hr>Select a trigger condition";
        QTest::newRow("force")
                << "forceTriggerPushButton"
                << "Force<hr>Force a trigger acquisition regardless of the trigger condition";
        QTest::newRow("channel 1") << "channel1CheckBox"
                                   << "Enable or disable channels";
        QTest::newRow("math scale") << "mathChannelVDivLabel"
                                    << "Vertical scale";
        QTest::newRow("math container") << "widget_18"
                                        << "<b>Offset</b>";
        QTest::newRow("channel 1 container") << "widget_16"
                                             << "";
        QTest::newRow("measurements") << "showMeasurementsSettingsToolButton"
                                      << "Measurement settings";
    }
    void tips()
    {
        QFETCH(QString, name);
        QFETCH(QString, tip);
        DigitalOscilloscopeWidget panel;
        QWidget *widget = panel.findChild<QWidget *>(name);
        QVERIFY(widget);
        QCOMPARE(widget->toolTip(), tip);
        QCOMPARE(widget->statusTip(), tip);
        QCOMPARE(widget->whatsThis(), tip);
    }

    void stateAfterSetup()
    {
        DigitalOscilloscopeWidget panel;
        QVERIFY(child<QCheckBox>(panel, "channel1CheckBox")->isChecked());
        QVERIFY(child<QCheckBox>(panel, "channel2CheckBox")->isChecked());
        QVERIFY(!child<QCheckBox>(panel, "mathChannelCheckBox")->isChecked());
        for (const char *name :
             {"startSingleModeButton", "startAutoModeButton", "startNormalModeButton"}) {
            QVERIFY(child<QToolButton>(panel, name)->isCheckable());
            QVERIFY(!child<QToolButton>(panel, name)->isChecked());
        }
        QVERIFY(!child<QToolButton>(panel, "stopModeButton")->isCheckable());
        // The reversed switch sits on its second position, which names channel 2.
        auto *source = child<VekDoubleSwitch>(panel, "triggerSourceDoubleSwitch");
        QVERIFY(source->reverseSwitch());
        QVERIFY(source->checked());
        QCOMPARE(source->switchLabels(), QStringList({"Channel 1", "Channel 2"}));
        QCOMPARE(child<QWidget>(panel, "centerFrame")->layout()->count(), 1);
        QVERIFY(child<QWidget>(panel, "measurementsGridWidget")->layout()->isEmpty());
    }

    void languageChangeSetsTextsAgain()
    {
        DigitalOscilloscopeWidget panel;
        auto *trigger = child<QToolButton>(panel, "triggerToolBarButton");
        auto *cursors = child<QToolButton>(panel, "cursorSettingsToolButton");
        QVERIFY(!trigger->icon().isNull());
        QCOMPARE(cursors->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        trigger->setText(QStringLiteral("Edge"));
        cursors->setShortcut(QKeySequence());
        child<QLabel>(panel, "label_48")->clear();
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(&panel, &change);
        // The form empties the trigger text; the trigger dialog, translated after the panel,
        // announces its description again.
        QVERIFY(trigger->text() != QStringLiteral("Edge"));
        QVERIFY(!trigger->icon().isNull());
        QCOMPARE(cursors->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        QCOMPARE(cursors->text(), QStringLiteral("Cursors settings"));
        QCOMPARE(child<QLabel>(panel, "label_48")->text(), QStringLiteral("Time/Div"));
        QCOMPARE(child<QCheckBox>(panel, "mathChannelCheckBox")->text(),
                 QStringLiteral("Math channel"));
    }

    // The scale texts and the channels' descriptions are written by the panel, not by the
    // form: a language change with the panel open says them again in the new language, at
    // the values they show.
    void languageChangeSaysScalesAgain()
    {
        DigitalOscilloscopeWidget panel;
        panel.setSupportedRanges({1.0, 5.0});
        DigitalOscilloscopeChannelParameters channel;
        channel.channel = 0;
        channel.state = 1;
        channel.range = 1;
        panel.setDefaultChannels({channel});
        panel.setDefaultDivisions();
        panel.setHDivision(10);
        auto *time = child<QLabel>(panel, "timeDivLabel");
        auto *volts = child<QLabel>(panel, "channel1VDivLabel");
        auto *description = child<QToolButton>(panel, "channel1SettingsButton");
        const QString englishTime = time->text();
        const QString englishVolts = volts->text();
        const QString englishDescription = description->text();
        QVERIFY(englishTime.trimmed().endsWith(QStringLiteral("s")));
        QVERIFY(englishVolts.trimmed().endsWith(QStringLiteral("V")));
        QVERIFY(englishDescription.contains(QStringLiteral("5 V")));

        // As in the program: every window hears of the new language, the channel's settings
        // window (hidden) too.
        const auto switchTo = [](const QString &language) {
            TranslationLoader::instance()->load(language);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        };
        switchTo(QStringLiteral("ru"));
        const QString russianTime = time->text();
        const QString russianVolts = volts->text();
        const QString russianDescription = description->text();
        switchTo(QStringLiteral("en"));
        QVERIFY2(russianTime.trimmed().endsWith(QString::fromUtf8("с")), qPrintable(russianTime));
        QVERIFY2(russianVolts.trimmed().endsWith(QString::fromUtf8("В")), qPrintable(russianVolts));
        QVERIFY2(russianDescription.contains(QString::fromUtf8("5 В")),
                 qPrintable(russianDescription));
        QCOMPARE(time->text(), englishTime);
        QCOMPARE(volts->text(), englishVolts);
        QCOMPARE(description->text(), englishDescription);
    }
};

QTEST_MAIN(TestDigitalOscilloscopeForm)
#include "tst_digitaloscilloscopeform.moc"
