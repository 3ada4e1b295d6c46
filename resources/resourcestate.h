#pragma once

#include <QString>
#include <QVariant>

#include <map>

// The stored form of an object's settings: values by key, in ascending key order.
class ResourceState
{
public:
    using Map = std::map<QString, QVariant>;

    ResourceState() = default;

    Map::iterator begin() { return m_values.begin(); }
    Map::iterator end() { return m_values.end(); }
    Map::const_iterator begin() const { return m_values.begin(); }
    Map::const_iterator end() const { return m_values.end(); }

    // An absent key is inserted with an invalid value.
    QVariant &operator[](const QString &key) { return m_values[key]; }
    // Reading an absent key gives an invalid value and, as in the writable form, leaves the key
    // in the state; the readers rely on an absent key reading as zero, false or empty text.
    QVariant operator[](const QString &key) const { return m_values[key]; }

    int size() const { return int(m_values.size()); }
    bool contains(const QString &key) const { return m_values.count(key) != 0; }

private:
    mutable Map m_values;
};

// The INI form of a state: every key at top level. Keys the file holds and the state does
// not keep their old values. A file that cannot be written is left as it is.
void saveStateToFile(const ResourceState &state, const QString &fileName);
// Every key of the INI file with its value; empty for a missing or unreadable file.
ResourceState loadStateFromFile(const QString &fileName);
