#include "ui/initializationcontentwidget.h"

#include "ui_initializationcontentwidget.h"

#include "app/options.h"
#include "hardware/autosearch.h"
#include "hardware/autosearchsimulator.h"
#include "hardware/hardware.h"
#include "hardware/modulecollection.h"
#include "hardware/modulefactory.h"
#include "hardware/moduleinterface.h"
#include "ui/initializationindicatorwidget.h"
#include "ui/viewbase/tableheader.h"

#include <QEvent>
#include <QMovie>
#include <QTableWidgetItem>

namespace {

QString modelName(ModuleTypes type)
{
    switch (type) {
    case ModuleTypeRV31:
        return QObject::tr("RV31");
    case ModuleTypeHX9:
        return QObject::tr("HX9");
    case ModuleTypeKW7:
        return QObject::tr("KW7");
    case ModuleTypeKT220:
        return QObject::tr("KT220");
    case ModuleTypeHX2:
        return QObject::tr("HX2");
    case ModuleTypeNone:
    case ModuleTypeTavrin:
        break;
    }
    return QString();
}

// The simulated bench of demonstration mode: generator, HX9 oscilloscope, multimeter, supply.
const QList<ModuleTypes> demonstrationModules = {ModuleTypeKW7, ModuleTypeHX9, ModuleTypeRV31,
                                                 ModuleTypeKT220};

// A bench file named in the environment is what the instrument stand-ins answer from: the
// page then searches and initializes for real, so the program can be tried on that bench.
// The switch stays hidden either way; this is the only road out of demonstration mode.
bool simulatedBenchNamed()
{
    return !qEnvironmentVariableIsEmpty("PRALUNE_SIM_BENCH");
}

} // namespace

InitializationContentWidget::InitializationContentWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::InitializationContentWidget)
{
    ui->setupUi(this);
    m_hardware = new Hardware(nullptr);

    const Options options = load_from_cache();
    ui->autoInitializeDoubleSwitch->setChecked(options.auto_initialization);
    m_autoInitialization = options.auto_initialization;
    connect(ui->autoInitializeDoubleSwitch, &VekDoubleSwitch::toggled, this,
            &InitializationContentWidget::autoInitializationChanged);

    m_demoMode = !simulatedBenchNamed();
    ui->demoModeDoubleSwitch->setChecked(m_demoMode);
    ui->demoModeDoubleSwitch->hide();
    ui->demoModeLabel->setText(m_demoMode ? tr("Demo mode on") : tr("Turn demo mode"));
    connect(ui->demoModeDoubleSwitch, &VekDoubleSwitch::toggled,
            [this](bool on) { m_demoMode = on; });

    ui->autoInitializeOptionsWidget->hide();
    ui->actionPushButton->hide();

    auto *header = new TableHeader(Qt::Horizontal, ui->instrumentListTableWidget);
    header->setStretchFactor({2, 4, 1, 1});
    ui->instrumentListTableWidget->setHorizontalHeader(header);
    header->hide();

    m_busyMovie = new QMovie(QStringLiteral(":/icons/busy-indicator.gif"));
    m_busyMovie->setScaledSize(QSize(16, 16));
    ui->busyLabel->setMovie(m_busyMovie);

    createAutosearch();
    m_autoSearch->find();
    m_busyMovie->start();
}

InitializationContentWidget::~InitializationContentWidget()
{
    m_busyMovie->deleteLater();
    if (m_autoSearch && m_stage == Stage::Searching) {
        // The run on the pool still uses the search object: it goes once its last report is
        // out, not with the page (closing the window during a search must not crash).
        disconnect(m_autoSearch, nullptr, this, nullptr);
        // Reports already queued to the page go with it.
        m_autoSearch->receiveReport();
        AutoSearch *search = m_autoSearch;
        connect(m_autoSearch, &AutoSearch::autoSearchFinished, m_autoSearch, [search] {
            search->receiveReport();
            search->deleteLater();
        });
    } else if (m_autoSearch) {
        m_autoSearch->deleteLater();
    }
    m_hardware->closeModules();
    m_hardware->closeBaseModules();
    delete ui;
}

// The reports come queued from the search's pool thread.
void InitializationContentWidget::moduleFound(const ModuleDescription &description)
{
    if (m_autoSearch)
        m_autoSearch->receiveReport();
    QTableWidget *table = ui->instrumentListTableWidget;
    if (table->horizontalHeader()->isHidden())
        table->horizontalHeader()->show();
    const int row = table->rowCount();
    table->insertRow(row);
    table->setItem(row, 0, new QTableWidgetItem(modelName(description.type)));
    table->setItem(row, 1, new QTableWidgetItem(description.resource));
    auto *position = new QTableWidgetItem(QString::number(description.position));
    position->setTextAlignment(Qt::AlignCenter);
    table->setItem(row, 2, position);

    auto *indicator = new InitializationIndicatorWidget(nullptr);
    m_indicators.append(indicator);
    table->setCellWidget(row, 3, indicator);
    indicator->setChecked(true);

    table->setFixedHeight(table->horizontalHeader()->height()
                          + table->rowHeight(0) * table->rowCount());

    m_selectionCount.ref();
    connect(indicator, &InitializationIndicatorWidget::stateChanged, this,
            &InitializationContentWidget::selectionChanged);
}

void InitializationContentWidget::selectionChanged(bool state)
{
    if (state)
        m_selectionCount.ref();
    else
        m_selectionCount.deref();
    ui->actionPushButton->setEnabled(m_selectionCount.loadAcquire() != 0);
}

void InitializationContentWidget::setActionButton(const QString &text,
                                                  void (InitializationContentWidget::*slot)())
{
    ui->actionPushButton->setText(text);
    dropActionConnections();
    connect(ui->actionPushButton, &QPushButton::clicked, this, slot);
}

// Only the button's click: a blanket disconnect() would also cut the destroyed() connections
// through which the style forgets the button, leaving it a dangling pointer to a dead widget.
void InitializationContentWidget::dropActionConnections()
{
    disconnect(ui->actionPushButton, &QPushButton::clicked, nullptr, nullptr);
}

void InitializationContentWidget::searchFinished(const QVector<ModuleDescription> &modules)
{
    if (m_autoSearch)
        m_autoSearch->receiveReport();
    m_busyMovie->stop();
    ui->busyLabel->hide();
    m_modules = modules;
    if (m_modules.isEmpty()) {
        m_stage = Stage::NothingFound;
        ui->headerLabel->setText(tr("Modules not found"));
        setActionButton(tr("Restart autosearch"), &InitializationContentWidget::restartAutoSearch);
        ui->actionPushButton->show();
        ui->actionPushButton->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_stage = Stage::Found;
    setActionButton(tr("Initialize"), &InitializationContentWidget::initializeModules);
    ui->autoInitializeOptionsWidget->show();
    ui->actionPushButton->setFocus(Qt::OtherFocusReason);
    ui->actionPushButton->show();
    if (m_autoInitialization)
        initializeModules();
}

void InitializationContentWidget::initializeModules()
{
    m_stage = Stage::Initializing;
    ui->actionPushButton->hide();
    ui->headerLabel->setText(tr("Modules initialization"));
    startInitialization();

    ModuleCollection &collection = ModuleCollection::instance();
    if (m_demoMode) {
        for (int i = 0; i < collection.count(); ++i) {
            ModuleInterface *module = collection.byOrder(i);
            module->setState(ModuleInterface::Initialized);
            emit module->stateChanged(ModuleInterface::Initialized);
            module->setDemoMode(true);
        }
    } else {
        m_hardware->initializeBaseModules();
        m_hardware->initializeModules();
    }

    int initialized = 0;
    for (int i = 0; i < collection.count(); ++i) {
        if (collection.byOrder(i)->state() == ModuleInterface::Initialized)
            ++initialized;
    }
    if (initialized == collection.count()) {
        emit finished();
    } else if (initialized == 0) {
        m_stage = Stage::NoneInitialized;
        ui->actionPushButton->hide();
    } else {
        m_stage = Stage::PartlyInitialized;
        dropActionConnections();
        ui->actionPushButton->setText(tr("Start working with devices"));
        ui->actionPushButton->show();
        ui->actionPushButton->setFocus(Qt::OtherFocusReason);
        connect(ui->actionPushButton, &QPushButton::clicked, this,
                &InitializationContentWidget::finished);
    }
}

void InitializationContentWidget::startInitialization()
{
    for (int i = 0; i < m_indicators.size() && i < m_modules.size(); ++i) {
        InitializationIndicatorWidget *indicator = m_indicators.at(i);
        if (!indicator->isChecked())
            continue;
        const ModuleDescription &entry = m_modules.at(i);
        ModuleInterface *module = ModuleFactory::create(entry.type);
        if (!module) {
            // A type nothing can drive: the row shows the failure instead of passing on null.
            indicator->setBusy();
            indicator->finishInitialization(ModuleInterface::NotInitialized);
            continue;
        }
        ModuleCollection::instance().add(module);
        module->setPath(entry.resource);
        module->setPosition(entry.position);
        indicator->setBusy();
        connect(module, &ModuleInterface::stateChanged, indicator,
                &InitializationIndicatorWidget::finishInitialization);
    }
}

void InitializationContentWidget::createAutosearch()
{
    if (m_autoSearch) {
        disconnect(m_autoSearch, &AutoSearch::found, this,
                   &InitializationContentWidget::moduleFound);
        disconnect(m_autoSearch, &AutoSearch::autoSearchFinished, this,
                   &InitializationContentWidget::searchFinished);
        delete m_autoSearch;
        m_autoSearch = nullptr;
    }
    if (m_demoMode)
        m_autoSearch = new AutoSearchSimulator(demonstrationModules, nullptr);
    else
        m_autoSearch = new AutoSearch(nullptr);
    connect(m_autoSearch, &AutoSearch::found, this, &InitializationContentWidget::moduleFound);
    connect(m_autoSearch, &AutoSearch::autoSearchFinished, this,
            &InitializationContentWidget::searchFinished);
}

void InitializationContentWidget::restartAutoSearch()
{
    m_stage = Stage::Searching;
    ui->headerLabel->setText(tr("Found modules"));
    createAutosearch();
    m_autoSearch->find();
    ui->busyLabel->show();
    m_busyMovie->start();
    ui->actionPushButton->hide();
}

void InitializationContentWidget::autoInitializationChanged(bool state)
{
    Options options = load_from_cache();
    options.auto_initialization = state;
    save_to_cache(options);
}

// retranslateUi puts back the form's texts; the texts of the page's current stage go on top,
// so a language change never shows a label or a button text that no longer fits.
void InitializationContentWidget::applyStageTexts()
{
    ui->demoModeLabel->setText(m_demoMode ? tr("Demo mode on") : tr("Turn demo mode"));
    switch (m_stage) {
    case Stage::Searching:
    case Stage::Found:
        ui->headerLabel->setText(tr("Found modules"));
        ui->actionPushButton->setText(tr("Initialize"));
        break;
    case Stage::NothingFound:
        ui->headerLabel->setText(tr("Modules not found"));
        ui->actionPushButton->setText(tr("Restart autosearch"));
        break;
    case Stage::Initializing:
    case Stage::NoneInitialized:
        ui->headerLabel->setText(tr("Modules initialization"));
        break;
    case Stage::PartlyInitialized:
        ui->headerLabel->setText(tr("Modules initialization"));
        ui->actionPushButton->setText(tr("Start working with devices"));
        break;
    }
}

void InitializationContentWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        applyStageTexts();
    }
}
