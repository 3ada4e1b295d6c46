#include "views/multimeter/digitalmultimeterview.h"

DigitalMultimeterView::DigitalMultimeterView(QObject *parent)
    : PlaceholderView(tr("Digital Multimeter"), Settings::Empty, parent)
{ }

DigitalMultimeterView::~DigitalMultimeterView() = default;

QString DigitalMultimeterView::staticViewType()
{
    return QStringLiteral("Digital Multimeter");
}

QString DigitalMultimeterView::type() const
{
    return staticViewType();
}

QString DigitalMultimeterView::displayType() const
{
    return tr("Digital Multimeter");
}
