#include "views/functiongenerator/functiongeneratorview.h"

#include "resources/resourceinterface.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

namespace {
const QString viewTypeName = QStringLiteral("Function Generator");

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

FunctionGeneratorView::FunctionGeneratorView(QObject *parent)
    : ViewInterface(parent),
      m_fullScreen(makePlaceholder(displayType(), QSize(320, 200))),
      m_pinned(makePlaceholder(displayType(), QSize(200, 90)))
{
}

FunctionGeneratorView::~FunctionGeneratorView() = default;

QString FunctionGeneratorView::type() const
{
    return viewTypeName;
}

QString FunctionGeneratorView::displayType() const
{
    return tr("Function Generator");
}

bool FunctionGeneratorView::isError() const
{
    const std::shared_ptr<ResourceInterface> current = resource();
    return current && current->isError();
}

QWidget *FunctionGeneratorView::fullScreenUserInterface() const
{
    return m_fullScreen.get();
}

QWidget *FunctionGeneratorView::pinnedUserInterface() const
{
    return m_pinned.get();
}

QWidget *FunctionGeneratorView::settingsUserInterface() const
{
    if (!m_settings) {
        m_settings = std::make_shared<QWidget>();
        auto *layout = new QVBoxLayout(m_settings.get());
        layout->addWidget(new QLabel(displayType(), m_settings.get()));
    }
    return m_settings.get();
}

void FunctionGeneratorView::resourceApplied(std::shared_ptr<ResourceInterface> &resource)
{
    if (resource)
        connect(resource.get(), &ResourceInterface::errorOccured, this,
                &ViewInterface::proccessError, Qt::UniqueConnection);
}
