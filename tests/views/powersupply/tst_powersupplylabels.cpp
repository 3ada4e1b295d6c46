#include "assets/assets.h"
#include "support/recordingpowersupply.h"
#include "tests/views/support/screenshotlooks.h"
#include "views/powersupply/powersupplyview.h"

#include <QApplication>
#include <QLabel>
#include <QStandardPaths>
#include <QTextDocument>
#include <QtTest>

#include <memory>

namespace {

struct Line
{
    const char *unit;
    const char *mark;
    const char *reading;
    const char *readingUnit;
};

// The voltage line above the current line, in each of the two forms.
const Line panelLines[] = {
        {"voltageDimentionsViewLabel", "overVoltageViewLabel", "voltageViewLabel",
         "voltageDimentionsViewLabel_2"},
        {"currentDimentionsViewLabel", "overCurrentViewLabel", "currentViewLabel",
         "currentDimentionsViewLabel_2"},
};
const Line miniatureLines[] = {
        {"label", "overVoltageViewLabel", "voltageViewLabel", "label_4"},
        {"label_2", "overCurrentViewLabel", "currentViewLabel", "label_3"},
};

QString plainText(const QLabel *label)
{
    if (!Qt::mightBeRichText(label->text()))
        return label->text();
    QTextDocument document;
    document.setHtml(label->text());
    return document.toPlainText();
}

int textWidth(const QLabel *label)
{
    return label->fontMetrics().horizontalAdvance(plainText(label));
}

// What is wrong with a line of a form as shown, or nothing.
QString lineFault(QWidget *form, const Line &line)
{
    QString fault;
    for (const char *name : {line.unit, line.mark, line.reading, line.readingUnit}) {
        const auto *label = form->findChild<QLabel *>(QString::fromLatin1(name));
        if (label->contentsRect().width() < textWidth(label))
            fault += QStringLiteral("%1 \"%2\" is cut (%3 px for %4); ")
                             .arg(name, plainText(label))
                             .arg(label->contentsRect().width())
                             .arg(textWidth(label));
    }
    const auto *unit = form->findChild<QLabel *>(QString::fromLatin1(line.unit));
    const auto *mark = form->findChild<QLabel *>(QString::fromLatin1(line.mark));
    const int unitEnd = unit->x() + unit->contentsRect().left() + textWidth(unit);
    const int markStart = mark->x() + mark->contentsRect().left();
    const int blank = mark->fontMetrics().horizontalAdvance(QLatin1Char(' '));
    if (markStart - unitEnd < blank)
        fault += QStringLiteral("%1 runs into %2; ").arg(line.unit, line.mark);
    return fault;
}

} // namespace

// The units, readings and regulation marks of the panel and the miniature read whole under
// every sheet and in either language, and a mark keeps clear of the unit before it.
class TestPowerSupplyLabels : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        initPraluneAssets();
        qRegisterMetaType<PowerSupplyOutputOptions>();
    }

    void cleanupTestCase() { resetScreenshotLook(); }

    void wholeTexts_data()
    {
        QTest::addColumn<int>("theme");
        QTest::addColumn<bool>("large");
        QTest::addColumn<QString>("language");
        for (const char *language : {"en", "ru"}) {
            QTest::addRow("dark %s", language) << 0 << false << language;
            QTest::addRow("dark large %s", language) << 0 << true << language;
            QTest::addRow("light %s", language) << 1 << false << language;
            QTest::addRow("light large %s", language) << 1 << true << language;
        }
    }
    void wholeTexts()
    {
        QFETCH(int, theme);
        QFETCH(bool, large);
        QFETCH(QString, language);
        // Shown first without a sheet and in English: the widths must follow the change.
        resetScreenshotLook();
        auto supply = std::make_shared<RecordingPowerSupply>(1);
        PowerSupplyOutputOptions options; // 40 V and 10 A at most
        options.voltage = 39.999;
        options.current = 9.999;
        supply->hold(0, options);
        PowerSupplyView view;
        std::shared_ptr<ResourceInterface> resource = supply;
        view.setResource(resource);
        QWidget *panel = view.fullScreenUserInterface();
        QWidget *miniature = view.pinnedUserInterface();
        panel->show();
        miniature->show();
        QVERIFY(QTest::qWaitForWindowExposed(miniature));
        QVERIFY(applyScreenshotLook({theme, large, language, QString()}));

        struct Form
        {
            QWidget *widget;
            const Line *lines;
        };
        const Form forms[] = {{panel, panelLines}, {miniature, miniatureLines}};
        const auto check = [&forms](const QString &state) {
            QCoreApplication::processEvents();
            for (const Form &form : forms) {
                for (int line = 0; line < 2; ++line) {
                    const QString fault = lineFault(form.widget, form.lines[line]);
                    if (!fault.isEmpty())
                        return QStringLiteral("%1, %2: %3")
                                .arg(form.widget->metaObject()->className(), state, fault);
                }
            }
            return QString();
        };
        // The set points shown until the first reading, then the largest readings.
        QString fault = check(QStringLiteral("set points"));
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        emit supply->outputChanged(0, 40.0, 10.0);
        const struct
        {
            PowerSupplyModeType mode;
            const char *name;
        } modes[] = {{PowerSupplyConstantCurrent, "CC"},
                     {PowerSupplyConstantVoltage, "CV"},
                     {PowerSupplyOverRegulation, "OVR"}};
        for (const auto &mode : modes) {
            emit supply->modeChanged(0, mode.mode);
            fault = check(QString::fromLatin1(mode.name));
            QVERIFY2(fault.isEmpty(), qPrintable(fault));
        }
        panel->hide();
        miniature->hide();
    }
};

QTEST_MAIN(TestPowerSupplyLabels)
#include "tst_powersupplylabels.moc"
