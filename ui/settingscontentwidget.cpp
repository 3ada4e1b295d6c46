#include "ui/settingscontentwidget.h"

#include "ui_settingscontentwidget.h"

#include "app/arrangementlistmodel.h"
#include "app/options.h"
#include "app/startup.h"
#include "app/themestylesheet.h"
#include "app/translationloader.h"
#include "ui/viewbase/viewinterface.h"
#include "ui/viewfactory.h"

#include <QEvent>
#include <QItemSelectionModel>
#include <QListWidgetItem>
#include <QScopedValueRollback>

#include <set>

namespace {

const QString praluneKey = QStringLiteral("Pralune");
const QString screenLayoutKey = QStringLiteral("Screen layout");

const QString russian = QStringLiteral("ru");
const QString english = QStringLiteral("en");

// The last-used row counts: this page lets the list reach it plus twenty saved arrangements.
constexpr int saveLimitRows = 20;

constexpr int pralunePageIndex = 0;
constexpr int screenLayoutPageIndex = 1;

QString rowKey(const QListWidgetItem *item)
{
    return item->data(Qt::UserRole).toString();
}

bool isSeparator(const QListWidgetItem *item)
{
    return rowKey(item).isEmpty() && item->text().isEmpty();
}

} // namespace

SettingsContentWidget::SettingsContentWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::SettingsContentWidget)
{
    ui->setupUi(this);
    restoreOptions();

    const Options options = load_from_cache();
    m_arrangementModel = new ArrangementListModel(this);
    m_arrangementModel->setCollection(options.arrangements);
    ui->arrangementListView->setModel(m_arrangementModel);
    ui->arrangementListView->setModelColumn(0);
    ui->arrangementListView->setRowHidden(0, true);
    m_arrangementSelection = new QItemSelectionModel(m_arrangementModel, m_arrangementModel);
    ui->arrangementListView->setSelectionModel(m_arrangementSelection);
    ui->arrangementComboBox->setModel(m_arrangementModel);
    ui->arrangementComboBox->setModelColumn(0);
    const int cachedIndex = options.arrangement_index;
    if (cachedIndex >= 0 && cachedIndex < m_arrangementModel->rowCount()) {
        ui->arrangementComboBox->setCurrentIndex(cachedIndex);
    } else {
        // Start-up reads the arrangement at the stored index, so the shown default and the
        // stored one must agree: fall back to the last-used arrangement and say so in the cache.
        ui->arrangementComboBox->setCurrentIndex(0);
        Options corrected = load_from_cache();
        corrected.arrangement_index = 0;
        save_to_cache(corrected);
    }

    ui->removeArrangementButton->setEnabled(false);
    ui->applyArrangementButton->setEnabled(false);
    applySaveLimit();

    setVersionText();

    ui->settinsPageSplitter->setStretchFactor(0, 1);
    ui->settinsPageSplitter->setStretchFactor(1, 10);

    {
        ViewFactory factory(this);
        const QStringList types = factory.availiableTypes();
        for (const QString &type : types) {
            if (auto *view = qobject_cast<ViewInterface *>(factory.create(type)))
                m_views.append(view);
        }
    }

    createDefaultNavigation();
    ui->navigationListWidget->installEventFilter(this);

    connect(ui->navigationListWidget, &QListWidget::currentRowChanged, this,
            qOverload<int>(&SettingsContentWidget::navigate));
    connect(ui->automaticInitializeDoubleSwitch, &VekDoubleSwitch::toggled, this,
            &SettingsContentWidget::storeOptions);
    connect(ui->fullScreenSwitch, &VekDoubleSwitch::toggled, this,
            &SettingsContentWidget::storeOptions);
    connect(ui->languageComboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &SettingsContentWidget::storeOptions);
    connect(ui->themeSwitch, &VekDoubleSwitch::toggled, this, &SettingsContentWidget::storeOptions);
    connect(ui->fontSwitch, &VekDoubleSwitch::toggled, this, &SettingsContentWidget::storeOptions);
    connect(ui->virtualKeyboardSwitch, &VekDoubleSwitch::toggled, this,
            &SettingsContentWidget::storeOptions);
    connect(ui->saveArrangementButton, &QPushButton::clicked, this,
            &SettingsContentWidget::saveCurrentArrangement);
    connect(ui->applyArrangementButton, &QPushButton::clicked, this,
            &SettingsContentWidget::applySelectedArrangement);
    connect(ui->removeArrangementButton, &QPushButton::clicked, this,
            &SettingsContentWidget::removeSelectedArrangement);
    connect(m_arrangementSelection, &QItemSelectionModel::selectionChanged, this,
            &SettingsContentWidget::updateArrangementButtons);
    connect(ui->restoreArrangementDoubleSwitch, &VekDoubleSwitch::toggled, this,
            &SettingsContentWidget::storeOptions);
    connect(ui->arrangementComboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &SettingsContentWidget::storeOptions);
}

SettingsContentWidget::~SettingsContentWidget()
{
    // Each view owns its settings widget, which sits in the stack: the views go first, so that
    // the stack does not delete those widgets behind their owners' backs.
    while (!m_views.isEmpty())
        delete m_views.takeLast();
    delete ui;
}

void SettingsContentWidget::storeOptions()
{
    if (m_showingOptions)
        return;

    Options options = load_from_cache();
    options.auto_initialization = ui->automaticInitializeDoubleSwitch->state() == 0;
    options.full_screen_on_start = ui->fullScreenSwitch->state() == 0;
    const int colorTheme = ui->themeSwitch->state() == 0 ? 1 : 0;
    const int fontType = ui->fontSwitch->state() == 0 ? 0 : 1;
    const bool styleChanged = colorTheme != options.color_theme || fontType != options.font_type;
    options.color_theme = colorTheme;
    options.font_type = fontType;
    options.app_language = ui->languageComboBox->currentIndex() == 0 ? russian : english;
    options.virtual_keyboard = ui->virtualKeyboardSwitch->state() == 0;
    options.arrangement_index = storableArrangementIndex();
    options.restore_arrangement = ui->restoreArrangementDoubleSwitch->state() == 0;
    save_to_cache(options);

    const std::shared_ptr<TranslationLoader> loader = TranslationLoader::instance();
    if (options.app_language != loader->currentLanguage())
        loader->load(options.app_language);

    if (styleChanged)
        applyThemeStyleSheet(options.color_theme, options.font_type);
}

void SettingsContentWidget::restoreOptions()
{
    const Options options = load_from_cache();
    showOptions(options);
    TranslationLoader::instance()->load(options.app_language);
}

void SettingsContentWidget::showOptions(const Options &options)
{
    const QScopedValueRollback<bool> guard(m_showingOptions, true);
    ui->automaticInitializeDoubleSwitch->setChecked(options.auto_initialization);
    ui->fullScreenSwitch->setChecked(options.full_screen_on_start);
    ui->themeSwitch->setState(options.color_theme == 1 ? 0 : 1);
    ui->fontSwitch->setState(options.font_type == 0 ? 0 : 1);
    ui->virtualKeyboardSwitch->setChecked(options.virtual_keyboard);
    ui->restoreArrangementDoubleSwitch->setState(options.restore_arrangement ? 0 : 1);
    ui->languageComboBox->setCurrentIndex(options.app_language == russian ? 0 : 1);
}

void SettingsContentWidget::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Other pages store options too (the Initialization page its automatic initialization);
    // without this the next change here would write back what the controls showed before.
    showOptions(load_from_cache());
}

int SettingsContentWidget::storableArrangementIndex()
{
    const int index = ui->arrangementComboBox->currentIndex();
    if (index >= 0 && index < m_arrangementModel->rowCount())
        return index;
    // The last-used row always exists; start-up needs an index of a real row.
    const QScopedValueRollback<bool> guard(m_showingOptions, true);
    ui->arrangementComboBox->setCurrentIndex(0);
    return 0;
}

void SettingsContentWidget::updateArrangementButtons()
{
    const bool selected = m_arrangementSelection->hasSelection();
    ui->applyArrangementButton->setEnabled(selected);
    ui->removeArrangementButton->setEnabled(selected);
}

void SettingsContentWidget::applySaveLimit()
{
    ui->saveArrangementButton->setEnabled(m_arrangementModel->rowCount() <= saveLimitRows);
}

void SettingsContentWidget::saveCurrentArrangement()
{
    m_arrangementModel->saveCurrent();
    applySaveLimit();
}

void SettingsContentWidget::applySelectedArrangement()
{
    const QModelIndexList rows = m_arrangementSelection->selectedRows(0);
    if (rows.isEmpty())
        return;
    m_arrangementModel->setCurrentArrangement(m_arrangementModel->arrangement(rows.first().row()));
}

void SettingsContentWidget::removeSelectedArrangement()
{
    std::set<int> rows;
    const QModelIndexList selected = m_arrangementSelection->selectedRows(0);
    for (const QModelIndex &index : selected)
        rows.insert(index.row());
    // From the highest down, so that the rows still to go keep their numbers.
    for (auto row = rows.crbegin(); row != rows.crend(); ++row)
        m_arrangementModel->removeRows(*row, 1);
    applySaveLimit();
}

void SettingsContentWidget::addNavigation(const QString &key, const QString &text)
{
    QListWidget *list = ui->navigationListWidget;
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem *item = list->item(row);
        if (rowKey(item) == key) {
            item->setHidden(false);
            item->setText(text);
            return;
        }
    }
    auto *item = new QListWidgetItem(text, list);
    item->setData(Qt::UserRole, key);
}

void SettingsContentWidget::removeNavigation(const QString &key)
{
    QListWidget *list = ui->navigationListWidget;
    for (int row = 0; row < list->count(); ++row) {
        if (rowKey(list->item(row)) == key)
            list->item(row)->setHidden(true);
    }
}

void SettingsContentWidget::navigate(const QString &key)
{
    QListWidget *list = ui->navigationListWidget;
    for (int row = 0; row < list->count(); ++row) {
        if (rowKey(list->item(row)) == key)
            navigate(row);
    }
}

void SettingsContentWidget::addEmptyString()
{
    auto *item = new QListWidgetItem(ui->navigationListWidget);
    item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
}

void SettingsContentWidget::createDefaultNavigation()
{
    addNavigation(praluneKey, tr("Pralune"));
    addNavigation(screenLayoutKey, tr("Screen layout"));

    QListWidget *list = ui->navigationListWidget;
    bool hasSeparator = false;
    for (int row = 0; row < list->count() && !hasSeparator; ++row)
        hasSeparator = isSeparator(list->item(row));
    if (!hasSeparator)
        addEmptyString();

    QStackedWidget *stack = ui->viewSettingsStackedWidget;
    for (ViewInterface *view : qAsConst(m_views)) {
        QWidget *settings = view->settingsUserInterface();
        if (!settings || settings->children().isEmpty())
            continue;
        addNavigation(view->type(), view->displayType());
        if (stack->indexOf(settings) < 0)
            stack->addWidget(settings);
    }

    fitNavigationWidth();
    list->setCurrentRow(screenLayoutPageIndex);
}

void SettingsContentWidget::fitNavigationWidth()
{
    QListWidget *list = ui->navigationListWidget;
    list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth());
}

bool SettingsContentWidget::eventFilter(QObject *watched, QEvent *event)
{
    // A new sheet or font size reaches the list as its own font or style change; the rows'
    // widths measured under the previous one would cut the longest name.
    if (watched == ui->navigationListWidget
        && (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange))
        fitNavigationWidth();
    return QWidget::eventFilter(watched, event);
}

void SettingsContentWidget::navigate(int rowIndex)
{
    if (rowIndex == pralunePageIndex)
        ui->viewSettingsStackedWidget->setCurrentWidget(ui->pralunePage);
    else if (rowIndex == screenLayoutPageIndex)
        ui->viewSettingsStackedWidget->setCurrentWidget(ui->screenLayoutPage);

    const QListWidgetItem *item = ui->navigationListWidget->item(rowIndex);
    if (!item)
        return;
    const QString key = rowKey(item);
    for (ViewInterface *view : qAsConst(m_views)) {
        if (view->type() == key)
            ui->viewSettingsStackedWidget->setCurrentWidget(view->settingsUserInterface());
    }
}

void SettingsContentWidget::setVersionText()
{
    ui->versionLabel->setText(tr("Version: ") + QString::fromLatin1(Startup::version));
}

void SettingsContentWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;

    // Renaming the theme's positions must not read as a change of theme.
    const bool wasBlocked = ui->themeSwitch->blockSignals(true);
    const int themePosition = ui->themeSwitch->state();
    ui->retranslateUi(this);
    ui->themeSwitch->setState(themePosition);
    ui->themeSwitch->blockSignals(wasBlocked);

    QListWidget *list = ui->navigationListWidget;
    for (int row = 0; row < list->count(); ++row) {
        const QString key = rowKey(list->item(row));
        if (!key.isEmpty())
            removeNavigation(key);
    }
    createDefaultNavigation();
    setVersionText();
}
