#include "scriptedmodule.h"

ScriptedModule::ScriptedModule(const QString &prefix, QObject *parent)
    : ModuleInterface(parent)
    , m_prefix(prefix)
{
}

int ScriptedModule::run(const QString &hook)
{
    m_calls.append(hook);
    return m_results.value(hook, 0);
}

void ScriptedModule::performErrorMessage(int status)
{
    m_calls.append(QStringLiteral("performErrorMessage"));
    setErrorString(QStringLiteral("scripted error %1").arg(status));
    sendError(status);
}
