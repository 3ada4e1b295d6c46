#include "app/arrangementstate.h"

#include "app/settingsarray.h"

#include <QSettings>
#include <QVector>

namespace {
const QString arrayKey = QStringLiteral("Arrangement");
const QString typeKey = QStringLiteral("type");
const QString uniqueIdKey = QStringLiteral("uniqueId");
const QString isMaximizedKey = QStringLiteral("isMaximized");
const QString nameKey = QStringLiteral("name");
} // namespace

struct ArrangementState::Internal
{
    QVector<QString> types;
    QVector<QString> uniqueIds;
    QVector<bool> maximized;
    QVector<QString> names;
};

ArrangementState::ArrangementState()
    : m_d(std::make_unique<Internal>())
{ }

ArrangementState::ArrangementState(const ArrangementState &other)
    : m_d(std::make_unique<Internal>(*other.m_d))
{ }

// A moved-from state stays usable as an empty one.
ArrangementState::ArrangementState(ArrangementState &&other) noexcept
    : m_d(std::make_unique<Internal>())
{
    m_d.swap(other.m_d);
}

ArrangementState &ArrangementState::operator=(const ArrangementState &other)
{
    if (this != &other)
        *m_d = *other.m_d;
    return *this;
}

ArrangementState &ArrangementState::operator=(ArrangementState &&other) noexcept
{
    m_d.swap(other.m_d);
    return *this;
}

ArrangementState::~ArrangementState() = default;

bool ArrangementState::isValid() const
{
    return count() > 0;
}

int ArrangementState::count() const
{
    return m_d->types.size();
}

QString ArrangementState::type(int index) const
{
    return m_d->types.value(index);
}

QString ArrangementState::uniqueId(int index) const
{
    return m_d->uniqueIds.value(index);
}

bool ArrangementState::isMaximized(int index) const
{
    return m_d->maximized.value(index, false);
}

QString ArrangementState::name(int index) const
{
    return m_d->names.value(index);
}

void ArrangementState::addResourceInformation(const QString &type, const QString &uniqueId,
                                              bool isMaximized, const QString &name)
{
    m_d->types.append(type);
    m_d->uniqueIds.append(uniqueId);
    m_d->maximized.append(isMaximized);
    m_d->names.append(name);
}

void ArrangementState::clear()
{
    *m_d = Internal();
}

bool ArrangementState::operator==(const ArrangementState &other) const
{
    return m_d->types == other.m_d->types && m_d->maximized == other.m_d->maximized
            && m_d->uniqueIds == other.m_d->uniqueIds && m_d->names == other.m_d->names;
}

void ArrangementState::store(const std::shared_ptr<QSettings> &settings) const
{
    settings->beginWriteArray(arrayKey);
    for (int i = 0; i < count(); ++i) {
        settings->setArrayIndex(i);
        settings->setValue(typeKey, m_d->types.at(i));
        settings->setValue(uniqueIdKey, m_d->uniqueIds.at(i));
        settings->setValue(isMaximizedKey, m_d->maximized.at(i));
        settings->setValue(nameKey, m_d->names.at(i));
    }
    settings->endArray();
}

void ArrangementState::restore(const std::shared_ptr<QSettings> &settings)
{
    clear();
    readSettingsArray(*settings, arrayKey, [this, &settings] {
        addResourceInformation(settings->value(typeKey).toString(),
                               settings->value(uniqueIdKey).toString(),
                               settings->value(isMaximizedKey, false).toBool(),
                               settings->value(nameKey).toString());
    });
}
