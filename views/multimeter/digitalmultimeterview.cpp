#include "views/multimeter/digitalmultimeterview.h"

#include "resources/resourceinterface.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

namespace {
const QString viewTypeName = QStringLiteral("Digital Multimeter");

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

DigitalMultimeterView::DigitalMultimeterView(QObject *parent)
    : ViewInterface(parent),
      m_fullScreen(makePlaceholder(displayType(), QSize(320, 200))),
      m_pinned(makePlaceholder(displayType(), QSize(200, 90)))
{
}

DigitalMultimeterView::~DigitalMultimeterView() = default;

QString DigitalMultimeterView::type() const
{
    return viewTypeName;
}

QString DigitalMultimeterView::displayType() const
{
    return tr("Digital Multimeter");
}

bool DigitalMultimeterView::isError() const
{
    const std::shared_ptr<ResourceInterface> current = resource();
    return current && current->isError();
}

QWidget *DigitalMultimeterView::fullScreenUserInterface() const
{
    return m_fullScreen.get();
}

QWidget *DigitalMultimeterView::pinnedUserInterface() const
{
    return m_pinned.get();
}

QWidget *DigitalMultimeterView::settingsUserInterface() const
{
    if (!m_settings)
        m_settings = std::make_shared<QWidget>();
    return m_settings.get();
}

void DigitalMultimeterView::resourceApplied(std::shared_ptr<ResourceInterface> &resource)
{
    if (resource)
        connect(resource.get(), &ResourceInterface::errorOccured, this,
                &ViewInterface::proccessError, Qt::UniqueConnection);
}
