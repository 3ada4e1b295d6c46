#include "resources/moduledependence.h"

#include "hardware/facilitiesrequirementsinterface.h"

ModuleDependence::ModuleDependence(const std::shared_ptr<DependenceInterface> &parent,
                                   ModuleTypes moduleType,
                                   const std::shared_ptr<FacilitiesRequirementsInterface> &requirements)
    : DependenceInterface(parent)
    , m_moduleType(moduleType)
    , m_data(new ModuleDependenceData)
{
    m_data->requirements = requirements;
}

ModuleDependence::ModuleDependence(const std::shared_ptr<DependenceInterface> &parent,
                                   const ModuleDependence &other)
    : DependenceInterface(parent)
    , m_moduleType(other.m_moduleType)
    , m_data(other.m_data)
{
}

void ModuleDependence::detach()
{
    m_data.detach();
}

bool ModuleDependence::isModuleDependence() const
{
    return true;
}

ModuleTypes ModuleDependence::moduleType() const
{
    return m_moduleType;
}

std::shared_ptr<FacilitiesRequirementsInterface> ModuleDependence::requirements() const
{
    return m_data->requirements;
}

void ModuleDependence::setRequirements(
        const std::shared_ptr<FacilitiesRequirementsInterface> &requirements)
{
    m_data->requirements = requirements;
}

void ModuleDependence::setModule(ModuleInterface *module) const
{
    m_data->module = module;
}

ModuleInterface *ModuleDependence::module() const
{
    return m_data->module;
}

QString ModuleDependence::description() const
{
    ModuleInterface *bound = m_data->module;
    if (!bound)
        return QString();
    QString text = QStringLiteral("%1:%2/%3")
                           .arg(bound->namePrefix(), bound->path(),
                                QString::number(bound->position()));
    const QString suffix = requirementsSuffix();
    if (!suffix.isEmpty())
        text += QStringLiteral("/%1").arg(suffix);
    return text;
}

QString ModuleDependence::uniqueId() const
{
    ModuleInterface *bound = m_data->module;
    if (!bound)
        return QString();
    return QStringLiteral("%1%2%3").arg(QString::number(int(bound->type())), bound->path(),
                                        QString::number(bound->position()))
           + requirementsSuffix();
}

QString ModuleDependence::requirementsSuffix() const
{
    return m_data->requirements ? m_data->requirements->description() : QString();
}
