#include "views/placeholder/placeholderview.h"

#include "resources/resourceinterface.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

namespace {

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

PlaceholderView::PlaceholderView(const QString &title, Settings settings, QObject *parent)
    : ViewInterface(parent)
    , m_fullScreen(makePlaceholder(title, QSize(320, 200)))
    , m_pinned(makePlaceholder(title, QSize(200, 90)))
    , m_settingsKind(settings)
{ }

PlaceholderView::~PlaceholderView() = default;

bool PlaceholderView::isError() const
{
    const std::shared_ptr<ResourceInterface> current = resource();
    return current && current->isError();
}

QWidget *PlaceholderView::fullScreenUserInterface() const
{
    return m_fullScreen.get();
}

QWidget *PlaceholderView::pinnedUserInterface() const
{
    return m_pinned.get();
}

QWidget *PlaceholderView::settingsUserInterface() const
{
    if (!m_settings) {
        m_settings = std::make_shared<QWidget>();
        if (m_settingsKind == Settings::Titled) {
            auto *layout = new QVBoxLayout(m_settings.get());
            layout->addWidget(new QLabel(displayType(), m_settings.get()));
        }
    }
    return m_settings.get();
}

void PlaceholderView::resourceApplied(std::shared_ptr<ResourceInterface> &resource)
{
    if (resource)
        connect(resource.get(), &ResourceInterface::errorOccured, this,
                &ViewInterface::proccessError, Qt::UniqueConnection);
}
