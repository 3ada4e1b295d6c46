#include "views/powersupply/powersupplyview.h"

#include "resources/resourceinterface.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

namespace {
const QString viewTypeName = QStringLiteral("Power Supply");

std::unique_ptr<QWidget> makePlaceholder(const QString &text, const QSize &minimum)
{
    auto widget = std::make_unique<QWidget>();
    auto *layout = new QVBoxLayout(widget.get());
    auto *label = new QLabel(text, widget.get());
    // On the label, so that the widget's size hint (which the miniatures use) includes it.
    label->setMinimumSize(minimum);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    return widget;
}
} // namespace

PowerSupplyView::PowerSupplyView(QObject *parent)
    : ViewInterface(parent),
      m_fullScreen(makePlaceholder(displayType(), QSize(320, 200))),
      m_pinned(makePlaceholder(displayType(), QSize(200, 90)))
{
}

PowerSupplyView::~PowerSupplyView() = default;

QString PowerSupplyView::type() const
{
    return viewTypeName;
}

QString PowerSupplyView::displayType() const
{
    return tr("Power Supply");
}

bool PowerSupplyView::isError() const
{
    const std::shared_ptr<ResourceInterface> current = resource();
    return current && current->isError();
}

QWidget *PowerSupplyView::fullScreenUserInterface() const
{
    return m_fullScreen.get();
}

QWidget *PowerSupplyView::pinnedUserInterface() const
{
    return m_pinned.get();
}

QWidget *PowerSupplyView::settingsUserInterface() const
{
    if (!m_settings)
        m_settings = std::make_shared<QWidget>();
    return m_settings.get();
}

void PowerSupplyView::resourceApplied(std::shared_ptr<ResourceInterface> &resource)
{
    if (resource)
        connect(resource.get(), &ResourceInterface::errorOccured, this,
                &ViewInterface::proccessError, Qt::UniqueConnection);
}
