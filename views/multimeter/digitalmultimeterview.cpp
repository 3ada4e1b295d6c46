#include "views/multimeter/digitalmultimeterview.h"

namespace {
const QString viewTypeName = QStringLiteral("Digital Multimeter");
} // namespace

DigitalMultimeterView::DigitalMultimeterView(QObject *parent)
    : PlaceholderView(tr("Digital Multimeter"), Settings::Empty, parent)
{ }

DigitalMultimeterView::~DigitalMultimeterView() = default;

QString DigitalMultimeterView::type() const
{
    return viewTypeName;
}

QString DigitalMultimeterView::displayType() const
{
    return tr("Digital Multimeter");
}
