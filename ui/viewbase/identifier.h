#pragma once

#include <QHashFunctions>

// A number that names one kind of object only: identifiers of different tags do not mix,
// and the default value means "not yet given".
template<typename Tag, typename T, T DefaultValue>
class Identifier
{
public:
    constexpr Identifier() = default;
    constexpr explicit Identifier(T value)
        : m_value(value)
    { }

    constexpr T value() const { return m_value; }
    constexpr bool isValid() const { return m_value != DefaultValue; }

    constexpr bool operator==(const Identifier &other) const { return m_value == other.m_value; }
    constexpr bool operator!=(const Identifier &other) const { return m_value != other.m_value; }
    constexpr bool operator<(const Identifier &other) const { return m_value < other.m_value; }

private:
    T m_value = DefaultValue;
};

struct view_interface_tag
{
};

using ViewId = Identifier<view_interface_tag, int, 0>;
