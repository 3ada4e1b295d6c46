#include "views/oscilloscope/digitaloscilloscopeview.h"

DigitalOscilloscopeView::DigitalOscilloscopeView(QObject *parent)
    : PlaceholderView(tr("Digital Oscilloscope"), Settings::Titled, parent)
{ }

DigitalOscilloscopeView::~DigitalOscilloscopeView() = default;

QString DigitalOscilloscopeView::staticViewType()
{
    return QStringLiteral("Digital Oscilloscope");
}

QString DigitalOscilloscopeView::type() const
{
    return staticViewType();
}

QString DigitalOscilloscopeView::displayType() const
{
    return tr("Digital Oscilloscope");
}
