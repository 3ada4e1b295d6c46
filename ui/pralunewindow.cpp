#include "ui/pralunewindow.h"

#include "ui_pralunewindow.h"

#include "app/options.h"
#include "ui/initializationcontentwidget.h"
#include "ui/initializationtoolbarwidget.h"
#include "ui/instrumentscontentwidget.h"
#include "ui/instrumentstoolbarwidget.h"
#include "ui/settingscontentwidget.h"
#include "ui/settingstoolbarwidget.h"
#include "ui/windowplacement.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QEasingCurve>
#include <QFileInfo>
#include <QLayout>
#include <QPropertyAnimation>
#include <QScreen>
#include <QUrl>

#include <initializer_list>

namespace {
const QString errorStyle = QStringLiteral(".QFrame{background-color: #F44336;}");
const QString documentationFile = QStringLiteral("Documentation.pdf");
const QChar fullScreenGlyph(0xE895);
const QChar windowGlyph(0xE85B);
constexpr int settingsSlideMs = 300;
// An instrument panel (1024 x 600) below the 32-pixel top strip.
const QSize firstStartSize(1024, 632);
} // namespace

PraluneWindow::PraluneWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::PraluneWindow)
{
    ui->setupUi(this);
    // The pages' minimum size is applied here, bounded to the screen (boundMinimumSize), not by
    // the layout, which would widen the window past its screen for a wide page.
    layout()->setSizeConstraint(QLayout::SetNoConstraint);
    // The views' settings windows and dialogs open over this window and on its screen.
    new WindowPlacement(this);
    restoreOptions();
    createModeWidgets();
    createLinksBetweenModeWidgets();
    activateInitializationMode();
}

PraluneWindow::~PraluneWindow()
{
    delete ui;
}

bool PraluneWindow::isErrorState() const
{
    return m_error;
}

void PraluneWindow::restoreOptions()
{
    const Options options = load_from_cache();
    // On a first start there is no stored geometry, and the window's own size hint is too
    // narrow for two instrument cards side by side: open at the instrument panels' size,
    // within the screen.
    if (!restoreGeometry(options.mainwindow_geometry) && screen())
        resize(firstStartSize.boundedTo(screen()->availableGeometry().size()));
    setFullScreenMode(options.full_screen_on_start);
}

void PraluneWindow::storeOptions()
{
    Options options = load_from_cache();
    options.mainwindow_geometry = saveGeometry();
    save_to_cache(options);
}

void PraluneWindow::createModeWidgets()
{
    m_initializationContent = new InitializationContentWidget(this);
    m_initializationToolBar = new InitializationToolBarWidget(this);
    m_settingsContent = new SettingsContentWidget(this);
    m_settingsToolBar = new SettingsToolBarWidget(this);
    m_instrumentsContent = new InstrumentsContentWidget(this);
    m_instrumentsToolBar = new InstrumentsToolBarWidget(this);
    const std::initializer_list<QWidget *> pages = {
            m_initializationContent, m_initializationToolBar, m_settingsContent,
            m_settingsToolBar,       m_instrumentsContent,    m_instrumentsToolBar};
    for (QWidget *page : pages)
        page->hide();
}

void PraluneWindow::createLinksBetweenModeWidgets()
{
    InstrumentsToolBarWidget *toolBar = m_instrumentsToolBar;
    InstrumentsContentWidget *instruments = m_instrumentsContent;

    connect(toolBar, &InstrumentsToolBarWidget::applicationSettingsRequested, this,
            &PraluneWindow::activateSettingsMode);
    connect(toolBar, &InstrumentsToolBarWidget::pinRequested, instruments,
            &InstrumentsContentWidget::pin);
    connect(instruments, &InstrumentsContentWidget::pinEnabledChanged, toolBar,
            &InstrumentsToolBarWidget::enablePin);
    connect(instruments, &InstrumentsContentWidget::currentInstrumentChanged, toolBar,
            &InstrumentsToolBarWidget::setCaption);
    // Not through the change of instrument: a new language keeps the red strip as it is.
    connect(instruments, &InstrumentsContentWidget::currentInstrumentRenamed, toolBar,
            &InstrumentsToolBarWidget::setCaption);
    connect(toolBar, &InstrumentsToolBarWidget::pictureRequested, instruments,
            &InstrumentsContentWidget::savePicture);
    connect(toolBar, &InstrumentsToolBarWidget::dataExportRequested, instruments,
            &InstrumentsContentWidget::saveData);
    connect(instruments, &InstrumentsContentWidget::saveEnabledChanged, toolBar,
            &InstrumentsToolBarWidget::enableSave);
    connect(instruments, &InstrumentsContentWidget::currentIntsrumentErrorOccured, this,
            [this] { setErrorState(true); });
    connect(toolBar, &InstrumentsToolBarWidget::pinRequested, this,
            [this] { setErrorState(false); });
    connect(instruments, &InstrumentsContentWidget::currentInstrumentChanged, this,
            [this] { setErrorState(false); });
    connect(m_settingsToolBar, &SettingsToolBarWidget::finished, this,
            &PraluneWindow::activateInstrumentsMode);
    // Shown first, then rebuilt: the workspace lays its views out in a visible page.
    connect(m_initializationContent, &InitializationContentWidget::finished, this,
            &PraluneWindow::activateInstrumentsMode);
    connect(m_initializationContent, &InitializationContentWidget::finished, instruments,
            &InstrumentsContentWidget::reset);
    connect(ui->screenModeButton, &QPushButton::clicked, this, &PraluneWindow::changeScreenMode);
    connect(ui->helpPushButton, &QPushButton::clicked, this, &PraluneWindow::openHelp);
}

void PraluneWindow::setWidgetIntoFrame(QWidget *widget, QFrame *frame)
{
    QLayout *layout = frame->layout();
    while (layout->count() > 0) {
        QLayoutItem *item = layout->takeAt(0);
        if (QWidget *old = item->widget())
            old->hide();
        delete item;
    }
    if (!widget)
        return;
    layout->addWidget(widget);
    widget->show();
    if (widget != m_settingsContent)
        return;

    // The layout places the page now, so that the slide ends where the page belongs.
    layout->activate();
    const QRect target = widget->geometry();
    QRect start = target;
    start.setLeft(target.right() + 1);
    auto *animation = new QPropertyAnimation(widget, "geometry");
    animation->setDuration(settingsSlideMs);
    animation->setEasingCurve(QEasingCurve::OutCubic);
    animation->setStartValue(start);
    animation->setEndValue(target);
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

void PraluneWindow::setContentWidget(QWidget *widget)
{
    setWidgetIntoFrame(widget, ui->contentFrame);
}

void PraluneWindow::setToolBarWidget(QWidget *widget)
{
    setWidgetIntoFrame(widget, ui->centralToolBar);
}

void PraluneWindow::activateInitializationMode()
{
    m_mode = Mode::Initialization;
    setContentWidget(m_initializationContent);
    setToolBarWidget(m_initializationToolBar);
}

void PraluneWindow::activateSettingsMode()
{
    m_mode = Mode::Settings;
    setContentWidget(m_settingsContent);
    setToolBarWidget(m_settingsToolBar);
    // The error stays remembered; the strip shows it again on the way back to the instruments.
    resetErrorStyle();
}

void PraluneWindow::activateInstrumentsMode()
{
    m_mode = Mode::Instruments;
    setContentWidget(m_instrumentsContent);
    setToolBarWidget(m_instrumentsToolBar);
    // The workspace may have changed while another page was shown (an arrangement applied
    // from the Settings page): the tool bar follows it as it is now.
    m_instrumentsContent->announceToolBarStates();
    resetErrorStyle();
}

void PraluneWindow::setFullScreenMode(bool fullScreen)
{
    if (fullScreen) {
        showFullScreen();
        ui->screenModeButton->setText(windowGlyph);
    } else {
        // A window stored maximized comes back maximized: restoreGeometry() has set the state,
        // and a plain showNormal() would drop it.
        if (windowState() & Qt::WindowMaximized)
            showMaximized();
        else
            showNormal();
        ui->screenModeButton->setText(fullScreenGlyph);
    }
    retranslateScreenModeTip();
}

void PraluneWindow::changeScreenMode()
{
    setFullScreenMode(!isFullScreen());
}

void PraluneWindow::setErrorState(bool error)
{
    if (error == m_error)
        return;
    m_error = error;
    resetErrorStyle();
}

void PraluneWindow::resetErrorStyle()
{
    // The Settings page never shows the red strip, whatever happens while it is open.
    setTopFrameStyle(m_error && m_mode != Mode::Settings);
}

void PraluneWindow::setTopFrameStyle(bool error)
{
    ui->centralTopFrame->setStyleSheet(error ? errorStyle : styleSheet());
}

void PraluneWindow::openHelp()
{
    const QFileInfo file(documentationFile);
    if (!file.exists() || !file.isReadable())
        return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
}

void PraluneWindow::retranslateScreenModeTip()
{
    ui->screenModeButton->setToolTip(isFullScreen() ? tr("Return to window view")
                                                    : tr("Maximize application to full screen"));
}

bool PraluneWindow::event(QEvent *event)
{
    // The layout has been activated on the request before the window sees it.
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::LayoutRequest)
        boundMinimumSize();
    return handled;
}

void PraluneWindow::boundMinimumSize()
{
    QSize bound = layout()->totalMinimumSize();
    if (const QScreen *own = screen()) {
        const QSize frame = frameGeometry().size() - geometry().size();
        bound = bound.boundedTo(own->availableGeometry().size() - frame);
    }
    setMinimumSize(bound);
}

void PraluneWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        setWindowTitle(tr("Pralune"));
        retranslateScreenModeTip();
    }
}

void PraluneWindow::closeEvent(QCloseEvent *event)
{
    storeOptions();
    m_instrumentsContent->stop();
    event->accept();
}
