#include "views/functiongenerator/functiongeneratorsettingswidget.h"

#include "resources/functiongeneratorawgfilescollection.h"
#include "ui/viewbase/panelteardown.h"
#include "ui/viewbase/qdoublespinboxandratiowrapper.h"
#include "views/functiongenerator/functiongeneratorimpedancelistmodel.h"
#include "views/functiongenerator/functiongeneratorsettings.h"

#include "ui_functiongeneratorsettingswidget.h"

#include <QDesktopServices>
#include <QItemSelectionModel>
#include <QUrl>

#include <algorithm>
#include <set>

struct FunctionGeneratorSettingsWidget::Internal
{
    std::weak_ptr<FunctionGeneratorSettings> settings;
    QDoubleSpinBoxAndRatioWrapper *editor = nullptr;
    FunctionGeneratorImpedanceListModel *model = nullptr;
    QItemSelectionModel *selection = nullptr;
};

FunctionGeneratorSettingsWidget::FunctionGeneratorSettingsWidget(
        const std::shared_ptr<FunctionGeneratorSettings> &settings, QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::FunctionGeneratorSettingsWidget>())
    , d(std::make_shared<Internal>())
{
    ui->setupUi(this);
    d->settings = settings;

    d->editor = new QDoubleSpinBoxAndRatioWrapper(ui->impedanceDoubleSpinBox,
                                                  ui->impedansUnitsComboBox, this);
    d->editor->setRange(functionGeneratorMinimumImpedance, functionGeneratorMaximumImpedance);
    d->editor->setDecimals(0);
    d->editor->setSingleStep(1);
    d->editor->setValue(functionGeneratorMinimumImpedance);

    d->model = new FunctionGeneratorImpedanceListModel(this);
    if (const auto shared = d->settings.lock()) {
        d->model->setUnits(QString(QChar(0x2126)));
        const std::vector<double> &predefined = shared->defaultImpedanceValues();
        const std::vector<double> &custom = shared->customImpedanceValues();
        d->model->setPredefinedValues(QList<double>(predefined.begin(), predefined.end()));
        d->model->setCustomValues(QList<double>(custom.begin(), custom.end()));
    }
    ui->impedanceListView->setModel(d->model);
    d->selection = new QItemSelectionModel(d->model, this);
    ui->impedanceListView->setSelectionModel(d->selection);
    ui->removeImpedanceButton->setEnabled(false);
    connectUserInteractionToSignals();
}

// The one place the list reaches the file.
FunctionGeneratorSettingsWidget::~FunctionGeneratorSettingsWidget()
{
    silenceForTeardown(this);
    if (const auto shared = d->settings.lock()) {
        handCustomValuesToSettings();
        shared->store();
    }
}

void FunctionGeneratorSettingsWidget::connectUserInteractionToSignals()
{
    connect(ui->addImpedanceButton, &QPushButton::clicked, this,
            &FunctionGeneratorSettingsWidget::addImpedanceValueFromEditor);
    connect(ui->removeImpedanceButton, &QPushButton::clicked, this,
            &FunctionGeneratorSettingsWidget::removeSelectedImpedanceValue);
    connect(d->selection, &QItemSelectionModel::currentRowChanged, this,
            &FunctionGeneratorSettingsWidget::updateImpedanceListButtons);
    connect(ui->openAWDDataFolderPushButton, &QPushButton::clicked, this,
            &FunctionGeneratorSettingsWidget::openAWGDataFolder);
}

void FunctionGeneratorSettingsWidget::handCustomValuesToSettings()
{
    if (const auto shared = d->settings.lock()) {
        const QList<double> custom = d->model->customImpedanceValues();
        shared->setCustomImpedanceValues(std::vector<double>(custom.begin(), custom.end()));
    }
}

void FunctionGeneratorSettingsWidget::updateImpedanceListButtons()
{
    ui->removeImpedanceButton->setEnabled(d->model->canRemove(d->selection->currentIndex()));
}

void FunctionGeneratorSettingsWidget::addImpedanceValueFromEditor()
{
    addImpedanceValue(d->editor->value());
}

void FunctionGeneratorSettingsWidget::addImpedanceValue(double value)
{
    d->selection->clearSelection();
    // The editor's value in kΩ, MΩ or GΩ comes back from its unit with a binary remainder
    // (1.001 kΩ as 1000.9999999999999 Ω): the list keeps what the row will read.
    const int row = d->model->add(functionGeneratorImpedanceAsShown(value));
    updateListHeight(ui->impedanceListView);
    d->selection->setCurrentIndex(d->model->index(row),
                                  QItemSelectionModel::Select | QItemSelectionModel::Current);
}

void FunctionGeneratorSettingsWidget::removeSelectedImpedanceValue()
{
    std::set<int> rows;
    for (const QModelIndex &index : d->selection->selectedRows(0))
        rows.insert(index.row());
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        d->model->removeRows(*row, 1);
    updateListHeight(ui->impedanceListView);
    updateImpedanceListButtons();
}

void FunctionGeneratorSettingsWidget::updateListHeight(QListView *view)
{
    const int rows = view->model() ? view->model()->rowCount() : 0;
    const int rowHeight = rows > 0 ? view->sizeHintForRow(0) : 0;
    const QMargins margins = view->contentsMargins();
    view->setMaximumHeight(
            std::max(view->minimumHeight(), rowHeight * rows + margins.top() + margins.bottom()));
}

void FunctionGeneratorSettingsWidget::openAWGDataFolder()
{
    const QString path = FunctionGeneratorAwgFilesCollection::dataPath();
    if (path.isEmpty())
        return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void FunctionGeneratorSettingsWidget::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    updateListHeight(ui->impedanceListView);
}

void FunctionGeneratorSettingsWidget::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    handCustomValuesToSettings();
}

void FunctionGeneratorSettingsWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
