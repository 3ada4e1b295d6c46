#include "support/frameworktestmodule.h"

FrameworkTestModule::FrameworkTestModule(ModuleTypes type, const QString &prefix,
                                         const QString &path, int position, QObject *parent)
    : ModuleInterface(parent)
    , m_prefix(prefix)
{
    setType(type);
    setPath(path);
    setPosition(position);
}

QString FrameworkTestModule::namePrefix() const
{
    return m_prefix;
}
