#include "views/functiongenerator/functiongeneratorview.h"

namespace {
const QString viewTypeName = QStringLiteral("Function Generator");
} // namespace

FunctionGeneratorView::FunctionGeneratorView(QObject *parent)
    : PlaceholderView(tr("Function Generator"), Settings::Titled, parent)
{ }

FunctionGeneratorView::~FunctionGeneratorView() = default;

QString FunctionGeneratorView::type() const
{
    return viewTypeName;
}

QString FunctionGeneratorView::displayType() const
{
    return tr("Function Generator");
}
