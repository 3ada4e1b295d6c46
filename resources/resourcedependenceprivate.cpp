#include "resources/resourcedependenceprivate.h"

#include "resources/moduledependence.h"

#include <QCryptographicHash>
#include <QStringList>

ResourceDependencePrivate::ResourceDependencePrivate(
        const std::shared_ptr<DependenceInterface> &parent)
    : DependenceInterface(parent)
{
}

std::shared_ptr<ResourceDependencePrivate>
ResourceDependencePrivate::copyOf(const std::shared_ptr<DependenceInterface> &parent,
                                  const ResourceDependencePrivate &other)
{
    auto copy = std::make_shared<ResourceDependencePrivate>(parent);
    for (const auto &child : other.m_children)
        copy->add(child);
    return copy;
}

void ResourceDependencePrivate::detach()
{
    for (const auto &child : qAsConst(m_children))
        child->detach();
}

bool ResourceDependencePrivate::next()
{
    if (m_position < m_children.size())
        ++m_position;
    return onChild();
}

void ResourceDependencePrivate::first()
{
    m_position = 0;
}

std::shared_ptr<DependenceInterface> ResourceDependencePrivate::current() const
{
    return onChild() ? m_children.at(m_position) : nullptr;
}

QString ResourceDependencePrivate::description() const
{
    QStringList lines;
    for (const auto &child : m_children)
        lines.append(child->description());
    return lines.join(QLatin1Char('\n'));
}

QString ResourceDependencePrivate::uniqueId() const
{
    QString ids;
    for (const auto &child : m_children)
        ids += child->uniqueId();
    return QString::fromLatin1(
            QCryptographicHash::hash(ids.toUtf8(), QCryptographicHash::Md5).toHex());
}

bool ResourceDependencePrivate::empty() const
{
    return m_children.isEmpty();
}

void ResourceDependencePrivate::add(const std::shared_ptr<DependenceInterface> &dependence)
{
    if (!dependence)
        return;
    const std::shared_ptr<DependenceInterface> self = shared_from_this();
    if (dependence->isModuleDependence()) {
        const auto &leaf = static_cast<const ModuleDependence &>(*dependence);
        m_children.append(std::make_shared<ModuleDependence>(self, leaf));
    } else if (auto group = std::dynamic_pointer_cast<ResourceDependencePrivate>(dependence)) {
        m_children.append(copyOf(self, *group));
    }
}

std::shared_ptr<DependenceInterface> ResourceDependencePrivate::leafFromPosition()
{
    for (; onChild(); next()) {
        const std::shared_ptr<DependenceInterface> child = m_children.at(m_position);
        if (child->isModuleDependence())
            return child;
        auto group = std::dynamic_pointer_cast<ResourceDependencePrivate>(child);
        if (!group)
            continue;
        group->first();
        if (auto leaf = group->leafFromPosition())
            return leaf;
    }
    return nullptr;
}
