#include "app/options.h"
#include "app/translationloader.h"
#include "assets/assets.h"
#include "hardware/modules/rv31/rv31module.h"
#include "resources/resourcedependence.h"
#include "resources/resourcerv38.h"
#include "simbench/simcontrol.h"
#include "tests/resources/support/simulatedcalls.h"
#include "tests/views/support/screenshotlooks.h"
#include "ui/instrumentscontentwidget.h"
#include "ui/pinnedcollectionwidget.h"
#include "ui/pinnedviewminiaturebutton.h"
#include "ui/viewselectionwidget.h"
#include "views/multimeter/digitalmultimeterpinnedwidget.h"
#include "views/multimeter/digitalmultimeterview.h"
#include "views/multimeter/digitalmultimeterwidget.h"
#include "views/multimeter/evaluatesettingswidget.h"
#include "zqtavrin.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>
#include <QVBoxLayout>

#include <memory>

namespace {

const char *const Carrier = "VXI0::3::INSTR";
// A carrier with an RV31 in slot 1.
const char *const Bench = "[VXI0::3::INSTR]\n"
                          "manufacturer = 0xE76\n"
                          "model = 0x155\n"
                          "slot = 3\n"
                          "slot1 = 0x20\n";

using Record = DigitalGeneratorMainParameters;

// A resource over no modules that names the multimeter's view type but is no multimeter.
class ForeignResource : public ResourceInterface
{
public:
    QString type() const override { return QStringLiteral("ForeignResource"); }
    QString viewType() const override { return DigitalMultimeterView::staticViewType(); }
    QString uniqueId() const override { return QStringLiteral("dmm-1"); }
    bool create() override { return true; }
};

int registeredTimers(QObject *object)
{
    return QAbstractEventDispatcher::instance()->registeredTimers(object).size();
}

// The records a view emits, in order.
struct Records
{
    explicit Records(DigitalMultimeterView &view)
    {
        QObject::connect(&view, &DigitalMultimeterView::mainParametersChanged, &view,
                         [this](const Record &record) { main << record; });
    }
    QList<Record> main;
};

void invoke(DigitalMultimeterView &view, const char *slot)
{
    QVERIFY(QMetaObject::invokeMethod(&view, slot));
}

void setFunction(DigitalMultimeterView &view, FunctionsMode mode)
{
    QVERIFY(QMetaObject::invokeMethod(&view, "setFunctionMode", Q_ARG(FunctionsMode, mode)));
}

void setRange(DigitalMultimeterView &view, double range)
{
    QVERIFY(QMetaObject::invokeMethod(&view, "setRange", Q_ARG(double, range)));
}

void setPowerFrequency(DigitalMultimeterView &view, int hertz)
{
    QVERIFY(QMetaObject::invokeMethod(&view, "setPowerFrequency", Q_ARG(int, hertz)));
}

template<typename T>
T *child(QWidget *parent, const char *name)
{
    return parent->findChild<T *>(QString::fromLatin1(name));
}

QString text(QWidget *parent, const char *name)
{
    return child<QLabel>(parent, name)->text();
}

} // namespace

class TestDigitalMultimeterView : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        initPraluneAssets();
    }

    void init()
    {
        std::string error;
        QVERIFY2(simbench::loadBenchText(Bench, &error), error.c_str());
        ViSession carrier = 0;
        QCOMPARE(zqtavrin_init(Carrier, 1, 1, &carrier), VI_SUCCESS);
        m_module = std::make_unique<RV31Module>();
        m_module->setMainHandle(carrier);
        m_module->setPath(QString::fromLatin1(Carrier));
        m_module->setPosition(1);
        QCOMPARE(m_module->init(), 0);
    }

    void cleanup() { m_module.reset(); }

    void freshView()
    {
        DigitalMultimeterView view;
        QVERIFY(view.isError());
        Records records(view);
        QVERIFY(QMetaObject::invokeMethod(&view, "setDelay", Q_ARG(double, 0.002)));
        QCOMPARE(records.main.size(), 1);
        const Record record = records.main.first();
        QCOMPARE(record.function, FunctionDcVoltage);
        QCOMPARE(record.range, 0.0);
        QCOMPARE(record.ranges, voltageRanges);
        QCOMPARE(record.point_count, 256);
        QCOMPARE(record.power_frequency, 50);
        QCOMPARE(record.integration_time, hz50IntegrationTime.first());
        QCOMPARE(record.delay_time, 0.002);
        QCOMPARE(view.type(), DigitalMultimeterView::staticViewType());
        QWidget *settings = view.settingsUserInterface();
        QVERIFY(settings && settings->children().isEmpty());
        QCOMPARE(view.settingsUserInterface(), settings);
    }

    void pointCount_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("slot");
        QTest::addColumn<QList<int>>("emitted");
        QTest::newRow("8192 up to the top") << 8192 << "upPointCount" << QList<int>({8224});
        QTest::newRow("8224 stays") << 8224 << "upPointCount" << QList<int>();
        QTest::newRow("64 down to 32") << 64 << "downPointCount" << QList<int>({32});
        QTest::newRow("32 stays") << 32 << "downPointCount" << QList<int>();
        QTest::newRow("a remainder kept up") << 300 << "upPointCount" << QList<int>({332});
        QTest::newRow("a remainder kept down") << 300 << "downPointCount" << QList<int>({268});
    }
    void pointCount()
    {
        QFETCH(int, start);
        QFETCH(QString, slot);
        QFETCH(QList<int>, emitted);
        // The point count reaches the view only from a resource's record.
        auto resource = bound();
        Record record = resource->mainParameters();
        record.point_count = start;
        resource->configureMainParameters(record);
        DigitalMultimeterView view;
        std::shared_ptr<ResourceInterface> any = resource;
        view.setResource(any);
        Records records(view);
        invoke(view, qPrintable(slot));
        QList<int> counts;
        for (const Record &r : records.main)
            counts << r.point_count;
        QCOMPARE(counts, emitted);
    }

    void integrationTime()
    {
        DigitalMultimeterView view;
        Records records(view);
        for (int i = 0; i < 7; ++i)
            invoke(view, "upIntegrationTime");
        QCOMPARE(records.main.last().integration_time, 0.02);
        setPowerFrequency(view, 60);
        QCOMPARE(records.main.last().integration_time, hz60IntegrationTime.at(0));
        invoke(view, "upIntegrationTime");
        QCOMPARE(records.main.last().integration_time, hz60IntegrationTime.at(1));
        setPowerFrequency(view, 50);
        QCOMPARE(records.main.last().integration_time, 0.02);
        // Frequency and period have their own table, at either power frequency.
        setFunction(view, FunctionPeriod);
        QCOMPARE(records.main.last().integration_time, frequencyIntegrationTime.at(0));
        for (int i = 0; i < 5; ++i)
            invoke(view, "upIntegrationTime");
        const int before = records.main.size();
        invoke(view, "upIntegrationTime"); // at the last entry: the unchanged record again
        QCOMPARE(records.main.size(), before + 1);
        QCOMPARE(records.main.last().integration_time, frequencyIntegrationTime.last());
        setPowerFrequency(view, 60);
        QCOMPARE(records.main.last().integration_time, frequencyIntegrationTime.last());
        setFunction(view, FunctionDcVoltage);
        QCOMPARE(records.main.last().integration_time, hz60IntegrationTime.at(1));
    }

    void integrationTimeOutsideTheTables()
    {
        auto resource = bound();
        Record record = resource->mainParameters();
        record.integration_time = 0.05;
        record.power_frequency = 50;
        resource->configureMainParameters(record);
        DigitalMultimeterView view;
        std::shared_ptr<ResourceInterface> any = resource;
        view.setResource(any);
        Records records(view);
        invoke(view, "upIntegrationTime");
        QCOMPARE(records.main.last().integration_time, hz50IntegrationTime.at(1));
    }

    void rangeMemory()
    {
        DigitalMultimeterView view;
        Records records(view);
        setRange(view, 10.0);
        setFunction(view, FunctionFourWireResistance);
        QCOMPARE(records.main.last().range, 0.0);
        QCOMPARE(records.main.last().ranges, wireResistanceRanges);
        setRange(view, 10000.0);
        setFunction(view, FunctionDcVoltage);
        QCOMPARE(records.main.last().range, 10.0);
        setFunction(view, FunctionFourWireResistance);
        QCOMPARE(records.main.last().range, 10000.0);
    }

    // A range the resource brought back from its stored state is the function's memory too.
    void restoredRangeMemory()
    {
        auto resource = bound();
        Record stored = resource->mainParameters();
        stored.function = FunctionDcVoltage;
        stored.ranges = voltageRanges;
        stored.range = 10.0;
        resource->configureMainParameters(stored);
        DigitalMultimeterView view;
        std::shared_ptr<ResourceInterface> any = resource;
        view.setResource(any);
        Records records(view);
        setFunction(view, FunctionTwoWireResistance);
        QCOMPARE(records.main.last().range, 0.0);
        setFunction(view, FunctionDcVoltage);
        QCOMPARE(records.main.last().range, 10.0);
    }

    // Either creation order, and a second binding: one Auto press reaches the driver once and
    // starts one miniature timer; Stop ends it.
    void wiredOnce_data()
    {
        QTest::addColumn<bool>("widgetsFirst");
        QTest::addColumn<bool>("bindTwice");
        QTest::newRow("widgets first") << true << false;
        QTest::newRow("resource first") << false << false;
        QTest::newRow("widgets first, bound twice") << true << true;
        QTest::newRow("resource first, bound twice") << false << true;
    }
    void wiredOnce()
    {
        QFETCH(bool, widgetsFirst);
        QFETCH(bool, bindTwice);
        auto resource = bound();
        std::shared_ptr<ResourceInterface> any = resource;
        DigitalMultimeterView view;
        if (widgetsFirst) {
            view.fullScreenUserInterface();
            view.pinnedUserInterface();
            view.setResource(any);
        } else {
            view.setResource(any);
            view.pinnedUserInterface();
            view.fullScreenUserInterface();
        }
        if (bindTwice)
            view.resourceApplied(any);
        QWidget *form = view.fullScreenUserInterface();
        QWidget *pinned = view.pinnedUserInterface();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QSignalSpy values(&view, &DigitalMultimeterView::evaluationValuesChanged);
        QSignalSpy records(&view, &DigitalMultimeterView::mainParametersChanged);
        simbench::clearCallLog();

        QTest::mouseClick(child<QToolButton>(form, "autoStartModeToolButton"), Qt::LeftButton);
        QCOMPARE(simulatedcalls::count("zqrv31_initImm"), 1);
        QCOMPARE(registeredTimers(pinned), 1);
        resource->changeData(1.0, {1.0, 2.0, 3.0});
        QCOMPARE(values.count(), 1);
        QTest::mouseClick(child<QToolButton>(form, "countUpAcquisitionToolButton"), Qt::LeftButton);
        QCOMPARE(records.count(), 1);
        QTest::mouseClick(child<QToolButton>(form, "stopStartModeToolButton"), Qt::LeftButton);
        QCOMPARE(registeredTimers(pinned), 0);
        QVERIFY(!view.isError());
    }

    void miniature()
    {
        DigitalMultimeterPinnedWidget pinned;
        Record record;
        record.function = FunctionDcVoltage;
        record.ranges = voltageRanges;
        record.range = 10.0;
        pinned.setMainParameters(record);
        QSignalSpy ranges(&pinned, &DigitalMultimeterPinnedWidget::rangeChanged);
        pinned.setDigitalMultimeterData(0.0, {1.0, 5.0});
        QTimerEvent tick(0);
        QCoreApplication::sendEvent(&pinned, &tick);
        QCOMPARE(text(&pinned, "currentValueViewLabel"), QStringLiteral(" 05.00000"));
        QCOMPARE(text(&pinned, "dimensionViewLabel"), QStringLiteral("V"));
        // The view's record selects an item without a request going back.
        QCOMPARE(ranges.count(), 0);
        auto *combo = child<QComboBox>(&pinned, "rangeComboBox");
        QCOMPARE(combo->currentIndex(), 3);
        combo->setCurrentIndex(0);
        QCOMPARE(ranges.count(), 1);
        QCOMPARE(ranges.at(0).at(0).toDouble(), -1.0);

        pinned.setOverData();
        QCoreApplication::sendEvent(&pinned, &tick);
        QCOMPARE(text(&pinned, "currentValueViewLabel"), QStringLiteral("    OVER"));
        QCOMPARE(text(&pinned, "dimensionViewLabel"), QString());
        auto *value = child<QLabel>(&pinned, "currentValueViewLabel");
        QVERIFY(value->styleSheet().endsWith("transparent; font-size: 32px; }"));
        record.function = FunctionContinuity;
        record.ranges = wireResistanceRanges;
        record.range = 0.0;
        pinned.setMainParameters(record);
        pinned.setOverData();
        QVERIFY(value->styleSheet().endsWith(
                ".QLabel { border: 5px solid #90CAF9; font-size: 32px; }"));

        QTranslator russian;
        QVERIFY(russian.load(QStringLiteral(MULTIMETER_FIXTURE_DIR "/multimeter_ru.qm")));
        record.function = FunctionPeriod;
        pinned.setMainParameters(record);
        // A package ends the over-range display; no reading is drawn before the next tick.
        pinned.setDigitalMultimeterData(0.0, {});
        QCoreApplication::installTranslator(&russian);
        QCoreApplication::processEvents();
        const QString unit = text(&pinned, "dimensionViewLabel");
        auto *rangeBox = child<QComboBox>(&pinned, "rangeComboBox");
        const QString automatic = rangeBox->itemText(0);
        QCoreApplication::removeTranslator(&russian);
        QCoreApplication::processEvents();
        QCOMPARE(unit, QString::fromUtf8("с"));
        // The automatic range follows the language too, not only the next record.
        QCOMPARE(automatic, QString::fromUtf8("Авто"));
        QCOMPARE(rangeBox->itemText(0), QStringLiteral("Auto"));
    }

    // Made in English and switched to Russian, the miniature's range list is the one a
    // miniature made in Russian has, on the range chosen before; and back again.
    void miniatureRangeListFollowsLanguage()
    {
        Record record;
        record.function = FunctionDcVoltage;
        record.ranges = voltageRanges;
        record.range = 0.1;
        auto items = [](QComboBox *box) {
            QStringList texts;
            for (int i = 0; i < box->count(); ++i)
                texts << box->itemText(i);
            return texts;
        };
        auto listMadeIn = [&](const QString &language) {
            TranslationLoader::instance()->load(language);
            DigitalMultimeterPinnedWidget made;
            made.setMainParameters(record);
            return items(child<QComboBox>(&made, "rangeComboBox"));
        };
        const QStringList russian = listMadeIn(QStringLiteral("ru"));
        const QStringList english = listMadeIn(QStringLiteral("en"));
        QVERIFY(russian != english);

        DigitalMultimeterPinnedWidget pinned;
        pinned.setMainParameters(record);
        auto *box = child<QComboBox>(&pinned, "rangeComboBox");
        const int chosen = box->currentIndex();
        QCOMPARE(box->itemText(chosen), english.value(1));
        QSignalSpy ranges(&pinned, &DigitalMultimeterPinnedWidget::rangeChanged);
        TranslationLoader::instance()->load(QStringLiteral("ru"));
        QCoreApplication::processEvents();
        const QStringList shownInRussian = items(box);
        TranslationLoader::instance()->load(QStringLiteral("en"));
        QCoreApplication::processEvents();
        QCOMPARE(shownInRussian, russian);
        QCOMPARE(items(box), english);
        QCOMPARE(box->currentIndex(), chosen);
        QCOMPARE(ranges.count(), 0);
    }

    // The miniature's unit, with the prefix of its range, and its over-range word follow the
    // language as its range list does.
    void miniatureReadingFollowsLanguage_data()
    {
        QTest::addColumn<QString>("shown"); // none, reading or over
        QTest::addColumn<double>("range");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("englishUnit");
        const QString volt = QString::fromUtf8("В");
        QTest::newRow("no reading yet") << "none" << 10.0 << "___.____" << volt << "V";
        QTest::newRow("reading, 10 V") << "reading" << 10.0 << " 04.00000" << volt << "V";
        QTest::newRow("reading, 100 mV")
                << "reading" << 0.1 << " 040.0000" << QString::fromUtf8("мВ") << "mV";
        QTest::newRow("over range") << "over" << 10.0 << QString::fromUtf8("    ПЕРЕГР") << ""
                                    << "";
    }
    void miniatureReadingFollowsLanguage()
    {
        QFETCH(QString, shown);
        QFETCH(double, range);
        QFETCH(QString, value);
        QFETCH(QString, unit);
        QFETCH(QString, englishUnit);
        DigitalMultimeterPinnedWidget pinned;
        Record record;
        record.function = FunctionDcVoltage;
        record.ranges = voltageRanges;
        record.range = range;
        pinned.setMainParameters(record);
        if (shown == QLatin1String("reading")) {
            pinned.setDigitalMultimeterData(0.0, {range * 0.4});
            QTimerEvent tick(0);
            QCoreApplication::sendEvent(&pinned, &tick);
        } else if (shown == QLatin1String("over")) {
            pinned.setOverData();
        }
        const QString englishValue = text(&pinned, "currentValueViewLabel");
        TranslationLoader::instance()->load(QStringLiteral("ru"));
        QCoreApplication::processEvents();
        const QString russianValue = text(&pinned, "currentValueViewLabel");
        const QString russianUnit = text(&pinned, "dimensionViewLabel");
        TranslationLoader::instance()->load(QStringLiteral("en"));
        QCoreApplication::processEvents();
        QCOMPARE(russianValue, value);
        QCOMPARE(russianUnit, unit);
        QCOMPARE(text(&pinned, "currentValueViewLabel"), englishValue);
        QCOMPARE(text(&pinned, "dimensionViewLabel"), englishUnit);
    }

    // Squeezed to its least width (a full row of miniatures), the miniature still shows its
    // widest reading and unit whole, in either language and font.
    void miniatureReadingWhole_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("large");
        QTest::addColumn<int>("function");
        QTest::addColumn<double>("range");
        QTest::addColumn<double>("reading");
        const int ohms = FunctionTwoWireResistance;
        const int volts = FunctionDcVoltage;
        const int amperes = FunctionDcCurrent;
        QTest::newRow("en") << "en" << false << ohms << 100.0 << -99.0;
        QTest::newRow("ru") << "ru" << false << ohms << 100.0 << -99.0;
        QTest::newRow("ru, large font") << "ru" << true << ohms << 100.0 << -99.0;
        QTest::newRow("full scale, 100 mV") << "en" << false << volts << 0.1 << -0.1;
        QTest::newRow("full scale, 400 V") << "en" << false << volts << 400.0 << -400.0;
        // Past the range's full scale, as the demonstration gives: four integer places.
        QTest::newRow("past full scale, 100 mV") << "en" << false << volts << 0.1 << -1.5047709;
        QTest::newRow("past full scale, 10 mA, large font")
                << "en" << true << amperes << 0.01 << -2.0491234;
    }
    void miniatureReadingWhole()
    {
        QFETCH(QString, language);
        QFETCH(bool, large);
        QFETCH(int, function);
        QFETCH(double, range);
        QFETCH(double, reading);
        QVERIFY(applyScreenshotLook({0, large, language, QString()}));
        DigitalMultimeterPinnedWidget pinned;
        Record record;
        record.function = FunctionsMode(function);
        record.ranges = rangeSettings.value(record.function);
        record.range = range;
        pinned.setMainParameters(record);
        pinned.setDigitalMultimeterData(0.0, {reading});
        QTimerEvent tick(0);
        QCoreApplication::sendEvent(&pinned, &tick);
        pinned.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pinned));
        pinned.resize(pinned.minimumSizeHint().width(), pinned.height());
        QCoreApplication::processEvents();
        for (const char *name : {"currentValueViewLabel", "dimensionViewLabel"}) {
            auto *label = child<QLabel>(&pinned, name);
            QVERIFY2(label->contentsRect().width()
                             >= label->fontMetrics().horizontalAdvance(label->text()),
                     qPrintable(label->text()));
        }
        // The widest value and unit of the function, not only the one shown.
        pinned.setOverData();
        QCoreApplication::processEvents();
        auto *value = child<QLabel>(&pinned, "currentValueViewLabel");
        QVERIFY(value->contentsRect().width()
                >= value->fontMetrics().horizontalAdvance(value->text()));
        if (record.function == FunctionTwoWireResistance) {
            auto *unit = child<QLabel>(&pinned, "dimensionViewLabel");
            const QString widest = QCoreApplication::translate("dimension prefix", "M")
                    + QCoreApplication::translate("QObject", "Ω");
            QVERIFY2(unit->minimumSizeHint().width()
                             >= unit->fontMetrics().horizontalAdvance(widest),
                     qPrintable(widest));
        }
        resetScreenshotLook();
    }

    // The miniature shares a row with two others: at its least width its reading, unit and
    // range box stand side by side with less than one reading character of room besides them.
    void miniatureLeavesNoRoomUnused()
    {
        QVERIFY(applyScreenshotLook({0, false, QStringLiteral("en"), QString()}));
        DigitalMultimeterPinnedWidget pinned;
        Record record;
        record.function = FunctionDcVoltage;
        record.ranges = voltageRanges;
        record.range = voltageRanges.first();
        pinned.setMainParameters(record);
        pinned.setDigitalMultimeterData(0.0, {-voltageRanges.first()});
        QTimerEvent tick(0);
        QCoreApplication::sendEvent(&pinned, &tick);
        pinned.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pinned));
        auto *value = child<QLabel>(&pinned, "currentValueViewLabel");
        auto *unit = child<QLabel>(&pinned, "dimensionViewLabel");
        auto *box = child<QComboBox>(&pinned, "rangeComboBox");
        const int parts = value->minimumSizeHint().width() + unit->minimumSizeHint().width()
                + std::max(box->minimumSizeHint().width(),
                           child<QLabel>(&pinned, "rangeLabel")->minimumSizeHint().width());
        const int room = pinned.minimumSizeHint().width() - parts;
        const int character = value->fontMetrics().horizontalAdvance(QLatin1Char('0'));
        resetScreenshotLook();
        QVERIFY2(room < character, qPrintable(QStringLiteral("%1 px of room").arg(room)));
    }

    // The dialog of a form made before the resource offers the resource's list.
    void formBeforeResourcePreselects()
    {
        auto resource = bound();
        resource->configureEvaluationTypes({EvaluationRms, EvaluationMinimum});
        DigitalMultimeterView view;
        QWidget *form = view.fullScreenUserInterface();
        std::shared_ptr<ResourceInterface> any = resource;
        view.setResource(any);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QStringList checked;
        QTimer::singleShot(0, this, [&checked] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (!dialog)
                return;
            for (QToolButton *button : dialog->findChildren<QToolButton *>()) {
                if (button->isChecked())
                    checked << button->text();
            }
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QTest::mouseClick(child<QToolButton>(form, "showSettingsToolButton"), Qt::LeftButton);
        checked.sort();
        QCOMPARE(checked, QStringList({"Minimum", "RMS"}));
    }

    void foreignResourceAndErrors()
    {
        DigitalMultimeterView view;
        std::shared_ptr<ResourceInterface> foreign = std::make_shared<ForeignResource>();
        view.setResource(foreign);
        QVERIFY(view.isError());
        view.close();
        QVERIFY(view.fullScreenUserInterface()->isEnabled());

        auto resource = bound();
        std::shared_ptr<ResourceInterface> any = resource;
        view.setResource(any);
        QVERIFY(!view.isError());
        resource->setError();
        QVERIFY(view.isError());
        QVERIFY(!view.fullScreenUserInterface()->isEnabled());
        QVERIFY(!view.pinnedUserInterface()->isEnabled());
    }

    // The hosts give the widgets back before they die; the view then frees them.
    void hostsGoFirst()
    {
        auto maximized = std::make_shared<DigitalMultimeterView>();
        auto pinned = std::make_shared<DigitalMultimeterView>();
        {
            InstrumentsContentWidget page;
            page.show();
            emit page.findChild<ViewSelectionWidget *>()->selected(pinned);
            emit page.findChild<ViewSelectionWidget *>()->selected(maximized);
            QVERIFY(maximized->fullScreenUserInterface()->parent());
            QVERIFY(pinned->pinnedUserInterface()->parent());
        }
        {
            PinnedCollectionWidget collection;
            QVERIFY(collection.pin(pinned));
            QVERIFY(pinned->pinnedUserInterface()->parent());
        }
        maximized.reset();
        pinned.reset();
    }

    // Not a check: the view's widgets for a person to look at, the largest point count in
    // the form, the miniature also on its card and pinned in the Instruments page's row.
    void screenshots()
    {
        const QString dir = screenshotDir();
        if (dir.isEmpty())
            QSKIP("set PRALUNE_SCREENSHOT_DIR to write the pictures");
        QList<ScreenshotLook> looks = screenshotLooks({0, true, "en", "dark-large"});
        looks << ScreenshotLook {1, true, "en", "light-large"}
              << ScreenshotLook {0, true, "ru", "dark-large-ru"}
              << ScreenshotLook {1, true, "ru", "light-large-ru"};
        for (const ScreenshotLook &shot : looks) {
            QVERIFY(applyScreenshotLook(shot));
            auto unbound = std::make_shared<DigitalMultimeterView>();
            {
                QWidget *empty = unbound->pinnedUserInterface();
                // The selection page's buttons are about this size.
                empty->resize(260, 70);
                empty->show();
                QVERIFY(QTest::qWaitForWindowExposed(empty));
                empty->grab().save(dir + "/multimeter-pinned-unbound-" + shot.name + ".png");
                empty->hide();
                QWidget page;
                page.setProperty("main", true);
                auto *layout = new QVBoxLayout(&page);
                auto *card =
                        new PinnedViewMiniatureButton(unbound, QStringLiteral("RV31 SIM"), &page);
                card->setAutoRaise(true);
                layout->addWidget(card);
                layout->addStretch();
                page.show();
                QVERIFY(QTest::qWaitForWindowExposed(&page));
                page.grab().save(dir + "/multimeter-card-" + shot.name + ".png");
            }

            auto resource = bound();
            Record record = resource->mainParameters();
            record.point_count = 8192;
            record.integration_time = 0.0005;
            resource->configureMainParameters(record);
            std::shared_ptr<ResourceInterface> any = resource;
            auto view = std::make_shared<DigitalMultimeterView>();
            view->setResource(any);
            QWidget *form = view->fullScreenUserInterface();
            QWidget *pinned = view->pinnedUserInterface();
            QEvent styleChange(QEvent::StyleChange);
            QCoreApplication::sendEvent(form, &styleChange);
            form->show();
            pinned->resize(330, 60);
            pinned->show();
            QVERIFY(QTest::qWaitForWindowExposed(form));
            QTest::mousePress(child<QToolButton>(form, "singleStartModeToolButton"),
                              Qt::LeftButton);
            QVector<double> readings(256);
            for (int i = 0; i < readings.size(); ++i)
                readings[i] = 1.0 + 0.001 * std::sin(i / 9.0);
            resource->changeData(0.0, readings);
            QTimerEvent tick(0);
            QCoreApplication::sendEvent(pinned, &tick);
            QTest::qWait(50);
            form->grab().save(dir + "/multimeter-view-" + shot.name + ".png");
            pinned->grab().save(dir + "/multimeter-pinned-" + shot.name + ".png");
            {
                QWidget page;
                page.setProperty("main", true);
                auto *layout = new QVBoxLayout(&page);
                auto *row = new PinnedCollectionWidget(&page);
                layout->addWidget(row);
                row->pin(view);
                page.resize(600, 140);
                page.show();
                QVERIFY(QTest::qWaitForWindowExposed(&page));
                page.grab().save(dir + "/multimeter-pinned-row-" + shot.name + ".png");
            }
            {
                // Beside two more miniatures, in a window of the smallest supported width.
                QWidget page;
                page.setProperty("main", true);
                auto *layout = new QVBoxLayout(&page);
                auto *row = new PinnedCollectionWidget(&page);
                layout->addWidget(row);
                row->pin(view);
                row->pin(std::make_shared<DigitalMultimeterView>());
                row->pin(std::make_shared<DigitalMultimeterView>());
                page.resize(1024, 160);
                page.show();
                QVERIFY(QTest::qWaitForWindowExposed(&page));
                page.grab().save(dir + "/multimeter-pinned-row3-" + shot.name + ".png");
            }
            resource->stop();
        }
        resetScreenshotLook();
    }

private:
    // A multimeter resource over the RV31 of the simulated bench.
    std::shared_ptr<ResourceRV38> bound()
    {
        auto resource = std::make_shared<ResourceRV38>();
        resource->getDependencies()->first();
        resource->getDependencies()->setModule(m_module.get());
        if (!resource->create())
            qWarning("the simulated multimeter did not bind");
        return resource;
    }

    std::unique_ptr<RV31Module> m_module;
};

QTEST_MAIN(TestDigitalMultimeterView)
#include "tst_digitalmultimeterview.moc"
