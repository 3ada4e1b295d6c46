#if __has_include("resources/resourceinterface.h")                                                 \
                  && __has_include("hardware/modules/kw7/kw7module.h")
#include "resources/functiongeneratorresource.h"

QString FunctionGeneratorResource::viewType() const
{
    return QStringLiteral("Function Generator");
}
#endif
