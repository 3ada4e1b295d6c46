#include "resources/functiongeneratorresource.h"

QString FunctionGeneratorResource::viewType() const
{
    return QStringLiteral("Function Generator");
}
