#include "views/oscilloscope/cursors/cursorssettingswidget.h"

#include "support/screenshotstyles.h"

#include "assets/assets.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

struct Dialog
{
    Dialog() { dialog.setSources({"Channel 1", "Channel 2", "Math channel"}); }

    QComboBox *combo(const char *name) { return dialog.findChild<QComboBox *>(name); }
    QStringList items(const char *name)
    {
        QStringList list;
        for (int i = 0; i < combo(name)->count(); ++i)
            list << combo(name)->itemText(i);
        return list;
    }
    bool sourcesEnabled()
    {
        return combo("source1ComboBox")->isEnabled() && combo("source2ComboBox")->isEnabled();
    }

    CursorsSettingsWidget dialog;
};

} // namespace

class TestCursorsSettingsWidget : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void form();
    void typeEnablesSources_data();
    void typeEnablesSources();
    void applyEmitsAndHides();
    void escapeEmitsNothing();
    void setSourcesReplacesNames();
    void languageChangeRefillsTypes();
    void screenshots();
};

void TestCursorsSettingsWidget::initTestCase()
{
    qRegisterMetaType<CursorsSettings>();
    initPraluneAssets();
}

void TestCursorsSettingsWidget::form()
{
    Dialog f;
    QCOMPARE(f.dialog.windowTitle(), QStringLiteral("Cursors settings"));
    QCOMPARE(f.dialog.size(), QSize(329, 242));
    QCOMPARE(f.dialog.windowModality(), Qt::ApplicationModal);
    QVERIFY(f.dialog.isWindow());
    QCOMPARE(f.items("typeComboBox"),
             QStringList({"Disabled", "Time", "Track", "Voltage", "Manual"}));
    QCOMPARE(f.combo("typeComboBox")->currentIndex(), 0);
    QVERIFY(!f.sourcesEnabled());
    auto *form = f.dialog.findChild<QFormLayout *>("formLayout");
    const QStringList labels {"rangeLabel", "couplingLabel", "bandwithLabel"};
    const QStringList texts {"Type", "Source 1", "Source 2"};
    const QStringList fields {"typeComboBox", "source1ComboBox", "source2ComboBox"};
    for (int row = 0; row < 3; ++row) {
        QCOMPARE(form->itemAt(row, QFormLayout::LabelRole)->widget()->objectName(), labels.at(row));
        QCOMPARE(
                qobject_cast<QLabel *>(form->itemAt(row, QFormLayout::LabelRole)->widget())->text(),
                texts.at(row));
        QCOMPARE(form->itemAt(row, QFormLayout::FieldRole)->widget()->objectName(), fields.at(row));
    }
}

void TestCursorsSettingsWidget::typeEnablesSources_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("Disabled") << 0 << false;
    QTest::newRow("Time") << 1 << true;
    QTest::newRow("Manual") << 4 << true;
}

void TestCursorsSettingsWidget::typeEnablesSources()
{
    QFETCH(int, type);
    QFETCH(bool, enabled);
    Dialog f;
    f.dialog.setDefaultSettings({3, 1, 1});
    QVERIFY(f.sourcesEnabled());
    f.combo("typeComboBox")->setCurrentIndex(type);
    QCOMPARE(f.sourcesEnabled(), enabled);
}

void TestCursorsSettingsWidget::applyEmitsAndHides()
{
    Dialog f;
    QSignalSpy spy(&f.dialog, &CursorsSettingsWidget::cursorsSettingsChanged);
    f.dialog.setDefaultSettings({0, 0, 0});
    f.dialog.exec();
    QVERIFY(f.dialog.isVisible());
    f.combo("typeComboBox")->setCurrentIndex(4);
    QVERIFY(f.sourcesEnabled());
    f.combo("source1ComboBox")->setCurrentIndex(1);
    f.combo("source2ComboBox")->setCurrentIndex(2);
    QTest::mouseClick(f.dialog.findChild<QPushButton *>("acceptButton"), Qt::LeftButton);
    QVERIFY(!f.dialog.isVisible());
    QCOMPARE(spy.count(), 1);
    const auto settings = spy.at(0).at(0).value<CursorsSettings>();
    QCOMPARE(settings.type, 4);
    QCOMPARE(settings.source1, 1);
    QCOMPARE(settings.source2, 2);
}

void TestCursorsSettingsWidget::escapeEmitsNothing()
{
    Dialog f;
    QSignalSpy spy(&f.dialog, &CursorsSettingsWidget::cursorsSettingsChanged);
    f.dialog.setDefaultSettings({1, 0, 1});
    f.dialog.exec();
    f.combo("typeComboBox")->setCurrentIndex(3);
    QTest::keyClick(&f.dialog, Qt::Key_Escape);
    QVERIFY(!f.dialog.isVisible());
    QVERIFY(spy.isEmpty());
    f.dialog.setDefaultSettings({1, 0, 1});
    QCOMPARE(f.combo("typeComboBox")->currentIndex(), 1);
    QCOMPARE(f.combo("source2ComboBox")->currentIndex(), 1);
}

void TestCursorsSettingsWidget::setSourcesReplacesNames()
{
    Dialog f;
    f.dialog.setDefaultSettings({2, 2, 1});
    f.dialog.setSources({"A", "B"});
    QCOMPARE(f.items("source1ComboBox"), QStringList({"A", "B"}));
    QCOMPARE(f.items("source2ComboBox"), QStringList({"A", "B"}));
    QCOMPARE(f.combo("source1ComboBox")->currentIndex(), 0);
}

void TestCursorsSettingsWidget::languageChangeRefillsTypes()
{
    Dialog f;
    f.dialog.setDefaultSettings({4, 1, 2});
    QEvent languageChange(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&f.dialog, &languageChange);
    QCOMPARE(f.combo("typeComboBox")->count(), 5);
    QCOMPARE(f.combo("typeComboBox")->currentText(), QStringLiteral("Disabled"));
    QVERIFY(!f.sourcesEnabled());
    QCOMPARE(f.dialog.windowTitle(), QStringLiteral("Cursors settings"));
    // The sources are the owner's: they stay until it gives them again.
    QCOMPARE(f.combo("source2ComboBox")->currentIndex(), 2);
}

// Not a check: the window for a person to look at, in every theme and both languages.
void TestCursorsSettingsWidget::screenshots()
{
    const QString dir = screenshotDirectory();
    if (dir.isEmpty())
        QSKIP("set PRALUNE_SCREENSHOT_DIR to write the pictures");
    for (const ScreenshotStyle &style : screenshotStyles()) {
        applyScreenshotStyle(style);
        Dialog f;
        f.dialog.setSources({QCoreApplication::translate("PlotArea", "Channel %1").arg(1),
                             QCoreApplication::translate("PlotArea", "Channel %1").arg(2),
                             QCoreApplication::translate("PlotArea", "Math channel")});
        f.dialog.setDefaultSettings({4, 0, 2});
        f.dialog.exec();
        QVERIFY(QTest::qWaitForWindowExposed(&f.dialog));
        QCoreApplication::processEvents();
        f.dialog.grab().save(QStringLiteral("%1/cursor-settings-%2.png").arg(dir, style.suffix()));
    }
    resetScreenshotStyle();
}

QTEST_MAIN(TestCursorsSettingsWidget)
#include "tst_cursorssettingswidget.moc"
