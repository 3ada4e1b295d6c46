#include "ui/initializationindicatorwidget.h"

#include "ui/viewbase/commonfunctions.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMovie>
#include <QPixmap>

namespace {
const char *const iconSuccessPath = "control/ic_check.svg";
const char *const iconErrorPath = "control/ic_close.svg";
const char *const busyIndicatorPath = ":/icons/busy-indicator.gif";
const QSize indicatorSize(16, 16);

const char *const checkBoxStyleSheet =
        ".QCheckBox::indicator:unchecked { image: url(:/icons/checkbox/checkbox_unchecked.png); }\n"
        ".QCheckBox::indicator:unchecked:hover { image: "
        "url(:/icons/checkbox/checkbox_unchecked_hover.png); }\n"
        ".QCheckBox::indicator:unchecked:pressed { image: "
        "url(:/icons/checkbox/checkbox_unchecked_pressed.png); }\n"
        ".QCheckBox::indicator:checked { image: url(:/icons/checkbox/checkbox_checked.png); }\n"
        ".QCheckBox::indicator:checked:hover { image: "
        "url(:/icons/checkbox/checkbox_checked_hover.png); }\n"
        ".QCheckBox::indicator:checked:pressed { image: "
        "url(:/icons/checkbox/checkbox_checked_pressed.png); }\n";
} // namespace

InitializationIndicatorWidget::InitializationIndicatorWidget(QWidget *parent)
    : QWidget(parent)
    , m_layout(new QHBoxLayout(this))
    , m_checkBox(new QCheckBox)
{
    connect(m_checkBox, &QCheckBox::toggled, this, &InitializationIndicatorWidget::stateChanged);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setAlignment(Qt::AlignCenter);
    m_layout->addWidget(m_checkBox);

    const QString folder = currentThemeFolderName();
    m_successIconPath = QStringLiteral(":/icons/%1/%2").arg(folder, QLatin1String(iconSuccessPath));
    m_errorIconPath = QStringLiteral(":/icons/%1/%2").arg(folder, QLatin1String(iconErrorPath));
    m_checkBox->setStyleSheet(QLatin1String(checkBoxStyleSheet));
}

void InitializationIndicatorWidget::setChecked(bool checked)
{
    if (m_checkBox)
        m_checkBox->setChecked(checked);
}

bool InitializationIndicatorWidget::isChecked() const
{
    return m_checkBox && m_checkBox->isChecked();
}

void InitializationIndicatorWidget::setBusy()
{
    if (m_checkBox) {
        m_checkBox->setParent(nullptr);
        m_checkBox->deleteLater();
        m_checkBox = nullptr;
    }
    if (!m_resultLabel) {
        m_resultLabel = new QLabel;
        m_layout->addWidget(m_resultLabel);
    }
    if (!m_movie) {
        m_movie = new QMovie(QLatin1String(busyIndicatorPath));
        m_movie->setScaledSize(indicatorSize);
    }
    m_resultLabel->setMovie(m_movie);
    m_movie->start();
}

void InitializationIndicatorWidget::finishInitialization(ModuleInterface::ModuleState state)
{
    if (!m_resultLabel) {
        // A state change before setBusy still gets a place to show its result.
        m_resultLabel = new QLabel;
        m_layout->addWidget(m_resultLabel);
    }
    m_shownIconPath = state == ModuleInterface::Initialized ? m_successIconPath : m_errorIconPath;
    m_resultLabel->setPixmap(QIcon(m_shownIconPath).pixmap(indicatorSize));
    if (m_movie) {
        m_movie->stop();
        m_movie->deleteLater();
        m_movie = nullptr;
    }
}
