#include "assets/assets.h"
#include "hardware/modulecollection.h"
#include "hardware/modules/kt220/kt220module.h"
#include "resources/kt220resource.h"
#include "resources/resourcecollection.h"
#include "resources/resourcedependence.h"
#include "resources/resourcerv38.h"
#include "support/recordingpowersupply.h"
#include "ui/activeviewcollection.h"
#include "ui/instrumentscontentwidget.h"
#include "ui/pinnedviewminiaturebutton.h"
#include "ui/viewfactory.h"
#include "ui/viewselectionwidget.h"
#include "views/powersupply/powersupplypinnedwidget.h"
#include "views/powersupply/powersupplyview.h"
#include "views/powersupply/powersupplywidget.h"

#include "simbench/simcontrol.h"
#include "vekwidgets/vekdoublespinbox.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {
const QString SupplyType = PowerSupplyView::staticViewType();

template<typename T>
T *child(QWidget *widget, const char *name)
{
    return widget->findChild<T *>(QString::fromLatin1(name));
}

QString text(QWidget *widget, const char *label)
{
    return child<QLabel>(widget, label)->text();
}

int blockCount(QWidget *panel)
{
    return panel->findChildren<QLabel *>(QStringLiteral("channelNameLabel")).size();
}

void typeInto(QWidget *widget, const char *box, const char *value)
{
    auto *spin = child<VekDoubleSpinBox>(widget, box);
    spin->selectAll();
    QTest::keyClicks(spin, QString::fromLatin1(value));
    // The set point goes when the edit is committed.
    QTest::keyClick(spin, Qt::Key_Return);
}

// Makes the widgets before or after the binding, as the workspace may.
void build(PowerSupplyView &view, std::shared_ptr<ResourceInterface> resource, bool widgetsFirst)
{
    if (widgetsFirst) {
        view.fullScreenUserInterface();
        view.pinnedUserInterface();
    }
    view.setResource(resource);
    view.fullScreenUserInterface();
    view.pinnedUserInterface();
}

// What a person sees of the road: requests to the resource and the two widgets' boxes.
struct Road
{
    int requests;
    double panelVoltage;
    double miniatureVoltage;
};

Road road(PowerSupplyView &view, const RecordingPowerSupply &supply)
{
    return {supply.requests.size(),
            child<VekDoubleSpinBox>(view.fullScreenUserInterface(), "voltageVekDoubleSpinBox")
                    ->value(),
            child<VekDoubleSpinBox>(view.pinnedUserInterface(), "voltageVekDoubleSpinBox")
                    ->value()};
}
} // namespace

// The view as the binder between one power-supply resource and its two widgets.
class TestPowerSupplyView : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        initPraluneAssets();
        qRegisterMetaType<std::shared_ptr<ViewInterface>>();
    }

    void cleanup()
    {
        ResourceCollection::instance()->removeAll();
        ModuleCollection::instance().reset();
        simbench::reset();
    }

    void factoryPrototypeBuildsNothing()
    {
        ViewFactory factory; // the other views' prototypes may build their widgets
        const int widgets = QApplication::allWidgets().size();
        std::unique_ptr<QObject> made(factory.create(SupplyType));
        auto *view = qobject_cast<PowerSupplyView *>(made.get());
        QVERIFY(view);
        QCOMPARE(QApplication::allWidgets().size(), widgets);
        QCOMPARE(view->type(), SupplyType);
        QCOMPARE(view->displayType(), SupplyType);
        QVERIFY(view->isError());
        QWidget *settings = view->settingsUserInterface();
        QVERIFY(settings && !settings->parent() && settings->children().isEmpty());
        QCOMPARE(view->settingsUserInterface(), settings);
        view->close();
    }

    // A panel made before the binding has no block; the binding builds it from the resource.
    void bindingBuildsAnEarlierPanel()
    {
        PowerSupplyView view;
        QWidget *panel = view.fullScreenUserInterface();
        QCOMPARE(blockCount(panel), 0);
        auto supply = std::make_shared<RecordingPowerSupply>();
        PowerSupplyOutputOptions held;
        held.voltage = 12.5;
        held.current = 14.0; // above the 10 A maximum
        supply->hold(0, held);
        std::shared_ptr<ResourceInterface> resource = supply;
        view.setResource(resource);
        QCOMPARE(blockCount(panel), 1);
        QCOMPARE(text(panel, "channelNameLabel"), QStringLiteral("Channel 1"));
        QCOMPARE(child<VekDoubleSpinBox>(panel, "voltageVekDoubleSpinBox")->value(), 12.5);
        QCOMPARE(child<VekDoubleSpinBox>(panel, "currentVekDoubleSpinBox")->value(), 10.0);
        QCOMPARE(text(panel, "voltageViewLabel"), QStringLiteral("12.5"));
        QCOMPARE(supply->requests.size(), 0);
        QVERIFY(!view.isError());
        QCOMPARE(text(view.pinnedUserInterface(), "currentChannelLabel"), QStringLiteral("1"));
    }

    void editsReachTheResourceAndTheOtherWidgetOnce_data()
    {
        QTest::addColumn<bool>("widgetsFirst");
        QTest::newRow("widgets, then resource") << true;
        QTest::newRow("resource, then widgets") << false;
    }

    void editsReachTheResourceAndTheOtherWidgetOnce()
    {
        QFETCH(bool, widgetsFirst);
        PowerSupplyView view;
        auto supply = std::make_shared<RecordingPowerSupply>();
        std::shared_ptr<ResourceInterface> resource = supply;
        build(view, resource, widgetsFirst);
        QWidget *panel = view.fullScreenUserInterface();
        QWidget *mini = view.pinnedUserInterface();

        for (int binding = 0; binding < 2; ++binding) {
            supply->requests.clear();
            const double base = binding;
            typeInto(panel, "voltageVekDoubleSpinBox", binding == 0 ? "7" : "8");
            Road after = road(view, *supply);
            QCOMPARE(after.requests, 1);
            QCOMPARE(supply->requests.last().second.voltage, base + 7.0);
            QCOMPARE(after.miniatureVoltage, base + 7.0);

            typeInto(mini, "voltageVekDoubleSpinBox", binding == 0 ? "3" : "4");
            after = road(view, *supply);
            QCOMPARE(after.requests, 2);
            QCOMPARE(after.panelVoltage, base + 3.0);

            QTest::mouseClick(child<QToolButton>(mini, "stopStartModeToolButton"), Qt::LeftButton);
            QCOMPARE(supply->requests.size(), 3);
            QCOMPARE(child<QToolButton>(panel, "stopStartModeToolButton")->isChecked(),
                     supply->requests.last().second.enabled);

            emit supply->outputChanged(0, 5.0, 0.25);
            emit supply->modeChanged(0, PowerSupplyConstantVoltage);
            for (QWidget *widget : {panel, mini}) {
                QCOMPARE(text(widget, "voltageViewLabel"), QStringLiteral("5.00"));
                QCOMPARE(text(widget, "currentViewLabel"), QStringLiteral("0.25"));
                QVERIFY(text(widget, "overVoltageViewLabel").contains(QStringLiteral("CV")));
            }
            // The workspace binds once; a second binding must still make nothing twice.
            view.setResource(resource);
            QCOMPARE(blockCount(panel), 1);
            QCOMPARE(supply->requests.size(), 3);
        }
    }

    void unboundResources_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("empty pointer") << "none";
        QTest::newRow("multimeter") << "multimeter";
        QTest::newRow("other class typed Power Supply") << "impostor";
    }

    // Binds nothing, connects nothing and stays in error.
    void unboundResources()
    {
        QFETCH(QString, kind);
        std::shared_ptr<ResourceInterface> resource;
        if (kind == "multimeter")
            resource = std::make_shared<ResourceRV38>();
        else if (kind == "impostor")
            resource = std::make_shared<NotAPowerSupply>(SupplyType);
        PowerSupplyView view;
        QSignalSpy errors(&view, &ViewInterface::errorOccured);
        QWidget *panel = view.fullScreenUserInterface();
        view.setResource(resource);
        QVERIFY(view.isError());
        QCOMPARE(blockCount(panel), 0);
        QCOMPARE(text(view.pinnedUserInterface(), "currentChannelLabel"), QStringLiteral("0"));
        if (resource) {
            resource->setError();
            QCOMPARE(errors.count(), 0);
            QVERIFY(panel->isEnabled());
        }
    }

    void resourceErrorDisablesBothWidgetsOnce()
    {
        PowerSupplyView view;
        auto supply = std::make_shared<RecordingPowerSupply>();
        std::shared_ptr<ResourceInterface> resource = supply;
        view.setResource(resource);
        view.setResource(resource);
        QSignalSpy errors(&view, &ViewInterface::errorOccured);
        QVERIFY(!view.isError());
        supply->setError();
        QCOMPARE(errors.count(), 1);
        QVERIFY(view.isError());
        QVERIFY(!view.fullScreenUserInterface()->isEnabled());
        QVERIFY(!view.pinnedUserInterface()->isEnabled());
    }

    // The hosts hand the widgets back before they go; the view then deletes them itself.
    void hostsGoFirstThenTheView()
    {
        auto first = std::make_shared<PowerSupplyView>();
        auto second = std::make_shared<PowerSupplyView>();
        std::shared_ptr<ResourceInterface> supply = std::make_shared<RecordingPowerSupply>(3);
        first->setResource(supply);
        QPointer<QWidget> panel = first->fullScreenUserInterface();
        QPointer<QWidget> mini = first->pinnedUserInterface();
        QPointer<QWidget> secondPanel = second->fullScreenUserInterface();
        {
            InstrumentsContentWidget page;
            page.show();
            auto *selection = page.findChild<ViewSelectionWidget *>();
            emit selection->selected(first);
            QVERIFY(panel->parent());
            emit selection->selected(second); // the first is pinned now
            QVERIFY(!panel->parent());
            QVERIFY(mini->parent());
            QVERIFY(secondPanel->parent());
        }
        QVERIFY(panel && mini && secondPanel);
        QVERIFY(!mini->parent() && !secondPanel->parent());
        first.reset();
        QVERIFY(!panel && !mini);
        second.reset();
        QVERIFY(!secondPanel);
    }

    // As a new user: demonstration mode, the Instruments page, the power supply's card.
    void opensFromTheInstrumentsPageInDemonstrationMode()
    {
        auto *module = new KT220Module(nullptr);
        ModuleCollection::instance().add(module);
        module->setPath(QStringLiteral("SIM::4::INSTR"));
        module->setState(ModuleInterface::Initialized);
        module->setDemoMode(true);

        InstrumentsContentWidget page;
        page.resize(1280, 800);
        page.show();
        page.reset();
        const auto cards = page.findChildren<PinnedViewMiniatureButton *>();
        QCOMPARE(cards.size(), 1);
        QTest::mouseClick(cards.first(), Qt::LeftButton);
        const std::shared_ptr<ViewInterface> view = page.activeViews()->getMaximizedView();
        QVERIFY(view);
        QCOMPARE(view->type(), SupplyType);
        QVERIFY(!view->isError());
        QWidget *panel = view->fullScreenUserInterface();
        QVERIFY(panel->isVisible());
        QCOMPARE(blockCount(panel), 1);
        QCOMPARE(child<VekDoubleSpinBox>(panel, "voltageVekDoubleSpinBox")->value(), 0.1);

        auto supply = std::dynamic_pointer_cast<KT220Resource>(view->resource());
        QVERIFY(supply);
        QTest::mouseClick(child<QToolButton>(panel, "stopStartModeToolButton"), Qt::LeftButton);
        QVERIFY(supply->outputOptions(0).enabled);
        supply->read(); // as its polling timer would
        QCOMPARE(text(panel, "voltageViewLabel"), QStringLiteral("0.00"));
        QCOMPARE(text(panel, "currentViewLabel"), QStringLiteral("0.00"));
    }

    // The simulated bench's supply drives a 10 ohm load: switched on at 12 V with a 2 A
    // limit it reads 12 V and 1.2 A in both widgets.
    void simulatedBenchReadingsReachBothWidgets()
    {
        const char *const path = "TCPIP0::192.168.1.20::INSTR";
        const std::string bench = std::string("[") + path
                + "]\n"
                  "interface = TCPIP\n"
                  "manufacturer = 0xE76\n"
                  "model = 0x10D\n"
                  "idn = ZQVOLTA,KT220,00001,1.0\n"
                  "lock = grant\n"
                  "kind = powersupply\n"
                  "load = 10\n";
        std::string error;
        QVERIFY2(simbench::loadBenchText(bench, &error), error.c_str());
        auto module = std::make_unique<KT220Module>(nullptr);
        module->setPath(QString::fromLatin1(path));
        QCOMPARE(module->init(), 0);
        auto supply = std::make_shared<KT220Resource>();
        QVERIFY(supply->getDependencies()->first());
        supply->getDependencies()->setModule(module.get());
        QVERIFY(supply->create());

        auto view = std::make_unique<PowerSupplyView>();
        std::shared_ptr<ResourceInterface> resource = supply;
        view->setResource(resource);
        QWidget *panel = view->fullScreenUserInterface();
        QWidget *mini = view->pinnedUserInterface();
        typeInto(panel, "voltageVekDoubleSpinBox", "12");
        typeInto(mini, "currentVekDoubleSpinBox", "2");
        QTest::mouseClick(child<QToolButton>(panel, "stopStartModeToolButton"), Qt::LeftButton);
        QVERIFY(child<QToolButton>(mini, "stopStartModeToolButton")->isChecked());
        supply->read();
        for (QWidget *widget : {panel, mini}) {
            QCOMPARE(text(widget, "voltageViewLabel"), QStringLiteral("12.00"));
            QCOMPARE(text(widget, "currentViewLabel"), QStringLiteral("1.20"));
        }
        // The resource goes with the view, before its module.
        resource.reset();
        supply.reset();
        view.reset();
        module->close();
    }
};

QTEST_MAIN(TestPowerSupplyView)
#include "tst_powersupplyview.moc"
