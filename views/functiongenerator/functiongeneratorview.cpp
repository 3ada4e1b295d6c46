#include "views/functiongenerator/functiongeneratorview.h"

FunctionGeneratorView::FunctionGeneratorView(QObject *parent)
    : PlaceholderView(tr("Function Generator"), Settings::Titled, parent)
{ }

FunctionGeneratorView::~FunctionGeneratorView() = default;

QString FunctionGeneratorView::staticViewType()
{
    return QStringLiteral("Function Generator");
}

QString FunctionGeneratorView::type() const
{
    return staticViewType();
}

QString FunctionGeneratorView::displayType() const
{
    return tr("Function Generator");
}
