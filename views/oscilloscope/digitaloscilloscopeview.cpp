#include "views/oscilloscope/digitaloscilloscopeview.h"

#include "resources/resourceinterface.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

namespace {
const QString viewTypeName = QStringLiteral("Digital Oscilloscope");

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

DigitalOscilloscopeView::DigitalOscilloscopeView(QObject *parent)
    : ViewInterface(parent),
      m_fullScreen(makePlaceholder(displayType(), QSize(320, 200))),
      m_pinned(makePlaceholder(displayType(), QSize(200, 90)))
{
}

DigitalOscilloscopeView::~DigitalOscilloscopeView() = default;

QString DigitalOscilloscopeView::type() const
{
    return viewTypeName;
}

QString DigitalOscilloscopeView::displayType() const
{
    return tr("Digital Oscilloscope");
}

bool DigitalOscilloscopeView::isError() const
{
    const std::shared_ptr<ResourceInterface> current = resource();
    return current && current->isError();
}

QWidget *DigitalOscilloscopeView::fullScreenUserInterface() const
{
    return m_fullScreen.get();
}

QWidget *DigitalOscilloscopeView::pinnedUserInterface() const
{
    return m_pinned.get();
}

QWidget *DigitalOscilloscopeView::settingsUserInterface() const
{
    if (!m_settings) {
        m_settings = std::make_shared<QWidget>();
        auto *layout = new QVBoxLayout(m_settings.get());
        layout->addWidget(new QLabel(displayType(), m_settings.get()));
    }
    return m_settings.get();
}

void DigitalOscilloscopeView::resourceApplied(std::shared_ptr<ResourceInterface> &resource)
{
    if (resource)
        connect(resource.get(), &ResourceInterface::errorOccured, this,
                &ViewInterface::proccessError, Qt::UniqueConnection);
}
