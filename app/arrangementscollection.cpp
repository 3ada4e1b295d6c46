#include "app/arrangementscollection.h"

#include "app/settingsarray.h"

#include <QSettings>

namespace {
const QString lastUsedGroup = QStringLiteral("Last used arrangement");
const QString collectionArray = QStringLiteral("ArrangementsCollection");
const QString nameKey = QStringLiteral("name");
} // namespace

ArrangementsCollection::ArrangementsCollection(QObject *parent)
    : QObject(nullptr)
{
    Q_UNUSED(parent)
    // The signal carries the arrangement; registering it lets it cross queued connections.
    qRegisterMetaType<ArrangementState>();
}

ArrangementState ArrangementsCollection::currentArrangement() const
{
    return m_current;
}

void ArrangementsCollection::setCurrentArrangement(const ArrangementState &arrangement)
{
    if (arrangement == m_current)
        return;
    m_current = arrangement;
    emit currentArrangementChanged(m_current);
}

int ArrangementsCollection::count() const
{
    return m_saved.size() + 1;
}

const ArrangementState &ArrangementsCollection::arrangement(int index) const
{
    if (index == 0)
        return m_current;
    if (isSavedIndex(index))
        return m_saved.at(index - 1);
    static const ArrangementState empty;
    return empty;
}

QString ArrangementsCollection::name(int index) const
{
    if (index == 0)
        return QObject::tr("Last used arrangement");
    return isSavedIndex(index) ? m_names.at(index - 1) : QString();
}

bool ArrangementsCollection::setName(int index, const QString &name)
{
    if (!isSavedIndex(index))
        return false;
    m_names[index - 1] = name;
    return true;
}

void ArrangementsCollection::saveCurrent()
{
    if (!m_current.isValid())
        return;

    QString base = m_current.name(0);
    for (int i = 1; i < m_current.count(); ++i)
        base += QLatin1Char('/') + m_current.name(i);

    QString candidate = base;
    for (int n = 1; m_names.contains(candidate); ++n)
        candidate = base + QLatin1Char('_') + QString::number(n);

    m_saved.append(m_current);
    m_names.append(candidate);
}

bool ArrangementsCollection::remove(int index)
{
    if (!isSavedIndex(index))
        return false;
    m_saved.removeAt(index - 1);
    m_names.removeAt(index - 1);
    return true;
}

void ArrangementsCollection::clear()
{
    m_current.clear();
    m_saved.clear();
    m_names.clear();
}

void ArrangementsCollection::store(const std::shared_ptr<QSettings> &settings) const
{
    settings->beginGroup(lastUsedGroup);
    m_current.store(settings);
    settings->endGroup();

    settings->beginWriteArray(collectionArray);
    for (int j = 0; j < m_saved.size(); ++j) {
        settings->setArrayIndex(j);
        m_saved.at(j).store(settings);
        settings->setValue(nameKey, m_names.at(j));
    }
    settings->endArray();
}

void ArrangementsCollection::restore(const std::shared_ptr<QSettings> &settings)
{
    clear();

    settings->beginGroup(lastUsedGroup);
    m_current.restore(settings);
    settings->endGroup();

    readSettingsArray(*settings, collectionArray, [this, &settings] {
        ArrangementState state;
        state.restore(settings);
        m_saved.append(state);
        m_names.append(settings->value(nameKey).toString());
    });
}

bool ArrangementsCollection::isSavedIndex(int index) const
{
    return index >= 1 && index < count();
}
