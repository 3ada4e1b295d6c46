#include "tests/views/support/screenshotlooks.h"
#include "views/functiongenerator/functiongeneratorview.h"

#include "app/options.h"
#include "app/translationloader.h"
#include "assets/assets.h"
#include "hardware/modules/kw7/kw7module.h"
#include "orvexplotwidget/orvexplotwidget.h"
#include "resources/functiongeneratorawgfilescollection.h"
#include "resources/kw7functiongeneratorresource.h"
#include "resources/resourcedependence.h"
#include "resources/resourcestate.h"
#include "simbench/simcontrol.h"
#include "support/generatortesthelpers.h"
#include "tests/resources/support/standarderror.h"
#include "tests/views/support/modalanswers.h"
#include "ui/viewfactory.h"
#include "views/functiongenerator/functiongeneratorimpedancelistmodel.h"
#include "views/functiongenerator/functiongeneratorsettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <qwt_plot_curve.h>
#include <qwt_scale_div.h>

#include <cmath>
#include <memory>

namespace {

// Names the generator's view but is no generator.
class ImpostorResource : public ResourceInterface
{
public:
    QString type() const override { return QStringLiteral("Impostor"); }
    QString viewType() const override { return FunctionGeneratorView::staticViewType(); }
    bool create() override { return true; }
};

} // namespace

class TestFunctionGeneratorView : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<KW7Module> m_module;
    std::shared_ptr<KW7FunctionGeneratorResource> m_generator;

    std::shared_ptr<ResourceInterface> generator()
    {
        simbench::reset();
        m_generator.reset();
        m_module = std::make_unique<KW7Module>();
        m_generator = std::make_shared<KW7FunctionGeneratorResource>();
        if (!m_generator->getDependencies()->first())
            qFatal("no dependencies");
        m_generator->getDependencies()->setModule(m_module.get());
        if (!m_generator->create())
            qFatal("generator not created");
        return m_generator;
    }

    static std::unique_ptr<ViewInterface> makeView()
    {
        ViewFactory factory;
        return std::unique_ptr<ViewInterface>(qobject_cast<ViewInterface *>(
                factory.create(FunctionGeneratorView::staticViewType())));
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        initPraluneAssets();
    }

    void cleanup()
    {
        m_generator.reset();
        m_module.reset();
    }

    void unboundViews()
    {
        auto view = makeView();
        QVERIFY(view);
        QVERIFY(view->isError());
        std::shared_ptr<ResourceInterface> impostor = std::make_shared<ImpostorResource>();
        view->setResource(impostor);
        QVERIFY(view->isError());
        QSignalSpy errors(view.get(), &ViewInterface::errorOccured);
        emit impostor->errorOccured();
        QCOMPARE(errors.count(), 0);
        std::shared_ptr<ResourceInterface> none;
        view->setResource(none);
        QVERIFY(view->fullScreenUserInterface());
        QCOMPARE(view->fullScreenUserInterface(), view->fullScreenUserInterface());
    }

    // Widgets built before and after binding, and a second binding, end the same way.
    void runningStateAndMirroring_data()
    {
        QTest::addColumn<bool>("widgetsFirst");
        QTest::addColumn<bool>("bindTwice");
        QTest::newRow("bound first") << false << false;
        QTest::newRow("widgets first") << true << false;
        QTest::newRow("bound twice") << false << true;
    }

    void runningStateAndMirroring()
    {
        QFETCH(bool, widgetsFirst);
        QFETCH(bool, bindTwice);
        auto view = makeView();
        std::shared_ptr<ResourceInterface> resource = generator();
        m_generator->start(FunctionGeneratorStartType::Delayed);
        if (widgetsFirst) {
            view->fullScreenUserInterface();
            view->pinnedUserInterface();
        }
        view->setResource(resource);
        if (bindTwice)
            view->setResource(resource);
        QWidget *panel = view->fullScreenUserInterface();
        QWidget *pinned = view->pinnedUserInterface();
        QVERIFY(!view->isError());
        QVERIFY(child<QToolButton>(panel, "delayedStartButton")->isChecked());
        auto *power = child<QToolButton>(pinned, "controlToolButton");
        QVERIFY(power->isChecked());

        // The miniature's power button stops the generator once; the panel follows.
        simbench::clearCallLog();
        power->click();
        QCOMPARE(m_generator->state(), FunctionGeneratorStartType::Stopped);
        QCOMPARE(simbench::callLog("zqkw7_stop").size(), size_t(1));
        QVERIFY(!child<QToolButton>(panel, "delayedStartButton")->isChecked());

        // A start on the panel starts it once; the miniature follows.
        simbench::clearCallLog();
        panel->show();
        QTest::mouseClick(child<QToolButton>(panel, "immediateStartButton"), Qt::LeftButton);
        QCOMPARE(m_generator->state(), FunctionGeneratorStartType::Immediate);
        QCOMPARE(simbench::callLog("zqkw7_config_start").size(), size_t(1));
        QVERIFY(power->isChecked());

        // A frequency typed on the miniature reaches the generator and the panel.
        child<QDoubleSpinBox>(pinned, "frequencyChannel1DoubleSpinBox")->setValue(3000);
        QCOMPARE(m_generator->standardFunctionOptions(0).sineOptions.frequency, 3000.0);
        QCOMPARE(child<QDoubleSpinBox>(panel, "frequencyDoubleSpinBox")->value(), 3000.0);
        panel->hide();
    }

    void errorsDisableBothWidgets()
    {
        auto view = makeView();
        std::shared_ptr<ResourceInterface> resource = generator();
        view->setResource(resource);
        QSignalSpy errors(view.get(), &ViewInterface::errorOccured);
        emit resource->errorOccured();
        QCOMPARE(errors.count(), 1);
        QVERIFY(!view->fullScreenUserInterface()->isEnabled());
        QVERIFY(!view->pinnedUserInterface()->isEnabled());
    }

    // An impedance added on the settings page reaches an open panel when the page is hidden.
    void settingsReachTheOpenPanel()
    {
        auto view = makeView();
        std::shared_ptr<ResourceInterface> resource = generator();
        view->setResource(resource);
        QWidget *panel = view->fullScreenUserInterface();
        auto second = makeView();
        QWidget *page = second->settingsUserInterface();
        page->show();
        child<QComboBox>(page, "impedansUnitsComboBox")->setCurrentIndex(1);
        child<QDoubleSpinBox>(page, "impedanceDoubleSpinBox")->setValue(100);
        child<QPushButton>(page, "addImpedanceButton")->click();
        page->hide();
        auto *impedances = panel->findChild<FunctionGeneratorImpedanceListModel *>();
        QVERIFY(impedances);
        QVERIFY(impedances->rowByValue(100000) >= 0);
        second.reset(); // the page's end stores the list
        FunctionGeneratorSettings reread;
        reread.restore();
        QCOMPARE(reread.customImpedanceValues(), std::vector<double>({100000.0}));
    }

    // A value the panel's lists do not hold shows as none, and the user's next edit of another
    // output value leaves the generator with the value it holds.
    void unlistedValuesStay_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("edit");
        for (const char *value : {"impedance removed on the page", "impedance not listed",
                                  "sample rate 0", "sample rate not listed"})
            for (const char *edit : {"offset edit", "range step", "rate step"})
                QTest::addRow("%s, %s", value, edit) << value << edit;
    }

    void unlistedValuesStay()
    {
        QFETCH(QString, value);
        QFETCH(QString, edit);
        const bool impedance = value.startsWith(QLatin1String("impedance"));
        const bool removed = value == QLatin1String("impedance removed on the page");
        auto view = makeView();
        std::shared_ptr<ResourceInterface> resource = generator();
        FunctionGeneratorOutputOptions output = m_generator->outputOptions(0);
        if (impedance)
            output.impedance = 600;
        else
            output.sampling_frequency = value == QLatin1String("sample rate 0") ? 0 : 100;
        m_generator->setOutputOptions(0, output);

        // 600 Ω is added on a settings page before the panel shows the generator.
        auto pageView = makeView();
        QWidget *page = pageView->settingsUserInterface();
        if (removed) {
            page->show();
            child<QDoubleSpinBox>(page, "impedanceDoubleSpinBox")->setValue(600);
            child<QPushButton>(page, "addImpedanceButton")->click();
            page->hide();
        }
        view->setResource(resource);
        QWidget *panel = view->fullScreenUserInterface();
        auto *label =
                child<QLabel>(panel, impedance ? "impedanceValueLabel" : "samplingValueLabel");
        if (removed) {
            QCOMPARE(label->text(), QStringLiteral("600 \u2126"));
            page->show();
            child<QPushButton>(page, "removeImpedanceButton")->click(); // 600 Ω is current
            page->hide();
        }
        QCOMPARE(label->text(), QString());

        if (edit == QLatin1String("offset edit")) {
            child<QDoubleSpinBox>(panel, "dcOffsetDoubleSpinBox")->setValue(1.5);
            QCOMPARE(m_generator->outputOptions(0).offset, 1.5);
        } else if (edit == QLatin1String("range step")) {
            child<QToolButton>(panel, "rangeLeftArrow")->click();
            QCOMPARE(m_generator->outputOptions(0).range, 1u);
        } else {
            child<QToolButton>(panel, "samplingLeftArrow")->click();
        }
        if (impedance)
            QCOMPARE(m_generator->outputOptions(0).impedance, 600.0);
        else
            QCOMPARE(m_generator->outputOptions(0).sampling_frequency, output.sampling_frequency);
    }

    // A stored frequency that is no usable number, on the current or the other channel: the
    // generator takes its own value back, and the panel draws both channels on a finite axis.
    void unusableStoredFrequency_data()
    {
        QTest::addColumn<unsigned>("channel");
        QTest::addColumn<QString>("stored");
        for (unsigned channel : {0u, 1u})
            for (const char *stored : {"nan", "inf", "-1000"})
                QTest::addRow("channel %u, %s", channel + 1, stored) << channel << stored;
    }

    void unusableStoredFrequency()
    {
        QFETCH(unsigned, channel);
        QFETCH(QString, stored);
        auto view = makeView();
        std::shared_ptr<ResourceInterface> resource = generator();
        ResourceState state;
        for (const auto &[key, value] : m_generator->storeState())
            state[key] = value.toString();
        state[QStringLiteral("standardFunctionOptions.sineOptions.frequency_%1").arg(channel)] =
                stored;
        standardErrorOf([&] { m_generator->restoreState(state); });
        QCOMPARE(m_generator->standardFunctionOptions(channel).sineOptions.frequency, 2000.0);

        QWidget *panel = view->fullScreenUserInterface();
        panel->resize(1288, 733);
        view->setResource(resource);
        auto *plot = panel->findChild<OrvexPlotWidget *>(QStringLiteral("plotWidget"));
        QVERIFY(plot);
        QCOMPARE(plot->axisScaleDiv(QwtPlot::xBottom).upperBound(), 2.5 / 2000);
        for (int i = 0; i < 2; ++i) {
            const QwtPlotCurve *curve = plot->curve(i);
            QVERIFY(curve->dataSize() > 0);
            for (size_t k = 0; k < curve->dataSize(); ++k)
                QVERIFY(std::isfinite(curve->sample(int(k)).x())
                        && std::isfinite(curve->sample(int(k)).y()));
        }
    }

    // Stored signals the panel would refuse (a NaN in the played column, a column of names) are
    // refused by the generator's restore already: the panel shows no file for either channel and
    // has nothing to complain of, and what it shows is what the generator holds.
    void refusedStoredSignalsAgree()
    {
        QTemporaryDir dir;
        auto source = [&](const char *name, const QByteArray &bytes) {
            QFile file(dir.filePath(QString::fromLatin1(name)));
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
                qFatal("cannot write %s", name);
            return file.fileName();
        };
        FunctionGeneratorAwgFilesCollection &files =
                FunctionGeneratorAwgFilesCollection::instance();
        while (files.count() > 0)
            files.remove(0);
        const int nan = files.addCopy(source("nan.csv", "a;b\n1;5\nnan;6\n3;7\n"));
        const int text = files.addCopy(source("text.csv", "name;value\nfoo;1.0\nbar;2.0\n"));
        QVERIFY(nan >= 0 && text >= 0);

        auto view = makeView();
        std::shared_ptr<ResourceInterface> resource = generator();
        ResourceState state;
        for (const auto &[key, value] : m_generator->storeState())
            state[key] = value.toString();
        state[QStringLiteral("mode")] = QStringLiteral("1");
        state[QStringLiteral("channelsEnable_0")] = QStringLiteral("true");
        state[QStringLiteral("channelsEnable_1")] = QStringLiteral("true");
        state[QStringLiteral("awgOptions.file_0")] = files.file(nan);
        state[QStringLiteral("awgOptions.channel_0")] = QStringLiteral("0");
        state[QStringLiteral("awgOptions.file_1")] = files.file(text);
        state[QStringLiteral("awgOptions.channel_1")] = QStringLiteral("0");
        standardErrorOf([&] { m_generator->restoreState(state); });

        ModalAnswers modal;
        QWidget *panel = view->fullScreenUserInterface();
        view->setResource(resource);
        QCOMPARE(modal.messageBoxes().size(), 0);
        QCOMPARE(child<QComboBox>(panel, "awgDataFileComboBox")->currentIndex(), -1);
        for (unsigned ch = 0; ch < 2; ++ch)
            QCOMPARE(m_generator->AWGOptiuons(ch), FunctionGeneratorAWGOptions());
        for (const char *name : {"channel1CheckBox", "channel2CheckBox"}) {
            const QCheckBox *box = child<QCheckBox>(panel, name);
            QVERIFY(!box->isChecked());
            QVERIFY(!box->isEnabled());
        }
        // Both files stay listed: each has a signal that plays.
        QCOMPARE(files.count(), 2);
        view.reset();
        while (files.count() > 0)
            files.remove(0);
    }

    // Not a check: the bound panel and miniature, an unbound miniature and the settings page
    // for a person to look at.
    void screenshots()
    {
        const QString dir = screenshotDir();
        if (dir.isEmpty())
            QSKIP("set PRALUNE_SCREENSHOT_DIR to write the pictures");
        for (const ScreenshotLook &shot : screenshotLooks({0, true, "en", "dark-large"})) {
            QVERIFY(applyScreenshotLook(shot));
            auto unbound = makeView();
            auto view = makeView();
            std::shared_ptr<ResourceInterface> resource = generator();
            view->setResource(resource);
            const QList<QPair<QString, QWidget *>> widgets = {
                    {"panel", view->fullScreenUserInterface()},
                    {"miniature", view->pinnedUserInterface()},
                    {"miniature-unbound", unbound->pinnedUserInterface()},
                    {"settings", view->settingsUserInterface()}};
            for (const auto &[name, widget] : widgets) {
                if (name == QLatin1String("panel"))
                    widget->resize(1288, 733);
                widget->show();
                QEvent styleChange(QEvent::StyleChange);
                QApplication::sendEvent(widget, &styleChange);
                QTest::qWait(50);
                widget->grab().save(dir + "/generator-view-" + name + "-" + shot.name + ".png");
                widget->hide();
            }
        }
        resetScreenshotLook();
    }
};

QTEST_MAIN(TestFunctionGeneratorView)
#include "tst_functiongeneratorview.moc"
