#include "hardware/autosearchsimulator.h"

#include <QThread>

AutoSearchSimulator::AutoSearchSimulator(const QList<ModuleTypes> &types, QObject *parent)
    : AutoSearch(parent)
    , m_types(types)
{ }

void AutoSearchSimulator::FindVISAinstruments()
{
    QVector<ModuleDescription> modules;
    for (int i = 0; i < m_types.count(); ++i) {
        // The pause comes first, as a real search spends its time before each hit.
        QThread::msleep(pauseMs);
        ModuleDescription module;
        module.type = m_types.at(i);
        module.resource = QStringLiteral("SIM::%1::INSTR").arg(i + 1);
        module.position = (i % 8) + 1;
        report(module, modules);
    }
    finish(modules);
}
