#include "views/powersupply/powersupplyview.h"

namespace {
const QString viewTypeName = QStringLiteral("Power Supply");
} // namespace

PowerSupplyView::PowerSupplyView(QObject *parent)
    : PlaceholderView(tr("Power Supply"), Settings::Empty, parent)
{ }

PowerSupplyView::~PowerSupplyView() = default;

QString PowerSupplyView::type() const
{
    return viewTypeName;
}

QString PowerSupplyView::displayType() const
{
    return tr("Power Supply");
}
