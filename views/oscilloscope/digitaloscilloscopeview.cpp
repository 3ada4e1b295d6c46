#include "views/oscilloscope/digitaloscilloscopeview.h"

namespace {
const QString viewTypeName = QStringLiteral("Digital Oscilloscope");
} // namespace

DigitalOscilloscopeView::DigitalOscilloscopeView(QObject *parent)
    : PlaceholderView(tr("Digital Oscilloscope"), Settings::Titled, parent)
{ }

DigitalOscilloscopeView::~DigitalOscilloscopeView() = default;

QString DigitalOscilloscopeView::type() const
{
    return viewTypeName;
}

QString DigitalOscilloscopeView::displayType() const
{
    return tr("Digital Oscilloscope");
}
