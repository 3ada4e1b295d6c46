#pragma once

#include <QList>

#include <vector>

// Enumerates every combination of one element per list, an odometer over the lists with the
// last list turning fastest: (a, b) and (x, y, z) give (a, x), (a, y), (a, z), (b, x), ...
template <class T>
class CombinationCreator
{
public:
    explicit CombinationCreator(const QList<QList<T>> &lists)
        : m_lists(lists)
        , m_indices(std::size_t(lists.size()), 0)
    {
    }

    // The next combination in list order; empty once there is none left, and for no lists or
    // any empty list.
    QList<T> next()
    {
        if (m_lists.isEmpty())
            return {};
        for (const QList<T> &list : m_lists) {
            if (list.isEmpty())
                return {};
        }
        if (m_indices.front() >= m_lists.front().size())
            return {};

        QList<T> combination;
        combination.reserve(m_lists.size());
        for (int i = 0; i < m_lists.size(); ++i)
            combination.append(m_lists.at(i).at(m_indices[std::size_t(i)]));
        advance();
        return combination;
    }

private:
    void advance()
    {
        for (int i = m_lists.size() - 1; i >= 0; --i) {
            int &index = m_indices[std::size_t(i)];
            ++index;
            // The first counter is left at its end: that is the sign that all is done.
            if (index < m_lists.at(i).size() || i == 0)
                return;
            index = 0;
        }
    }

    QList<QList<T>> m_lists;
    std::vector<int> m_indices;
};
