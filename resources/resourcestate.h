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
    // Reading without adding: an absent key gives an invalid value and the state stays as it
    // is, so a state read back for restoring is never changed by the reading.
    QVariant value(const QString &key) const
    {
        const auto found = m_values.find(key);
        return found != m_values.end() ? found->second : QVariant();
    }

private:
    mutable Map m_values;
};

// A stored count as far as it can be trusted: 0 when absent, negative or not a number, and
// never above maximum, so that nothing is allocated from what a hostile file says.
int readCount(const ResourceState &state, const QString &key, int maximum);

// The INI form of a state: every key at top level. Keys the file holds and the state does
// not keep their old values. A file that cannot be written, or whose lock cannot be had
// within a few seconds, is left as it is, and the failure is reported; false then. A path that
// is not a regular file is never written.
bool saveStateToFile(const ResourceState &state, const QString &fileName);
// Every key of the INI file with its value; empty for a missing or unreadable file. A file
// with a value that cannot be read is moved aside (see prepareStoreFile).
ResourceState loadStateFromFile(const QString &fileName);
