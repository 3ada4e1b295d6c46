#include "views/powersupply/powersupplyview.h"

PowerSupplyView::PowerSupplyView(QObject *parent)
    : PlaceholderView(tr("Power Supply"), Settings::Empty, parent)
{ }

PowerSupplyView::~PowerSupplyView() = default;

QString PowerSupplyView::staticViewType()
{
    return QStringLiteral("Power Supply");
}

QString PowerSupplyView::type() const
{
    return staticViewType();
}

QString PowerSupplyView::displayType() const
{
    return tr("Power Supply");
}
