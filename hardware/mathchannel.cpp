#include "hardware/mathchannel.h"

#include <algorithm>
#include <limits>

namespace {

QVector<double> shifted(const QVector<double> &row, double offset)
{
    QVector<double> result(row.size());
    const double *in = row.constData();
    double *out = result.data();
    const int n = row.size();
    for (int i = 0; i < n; ++i)
        out[i] = in[i] + offset;
    return result;
}

// Each operation runs as its own loop without a branch on the operation inside, so the
// compiler can vectorize it: the math row of a full frame is a million samples per call.
void combine(int operation, const double *a, const double *b, double c, double *out, int n)
{
    switch (operation) {
    case MathChannel::Sum:
        for (int i = 0; i < n; ++i)
            out[i] = a[i] + b[i] + c;
        break;
    case MathChannel::Difference:
        for (int i = 0; i < n; ++i)
            out[i] = (a[i] - b[i]) + c;
        break;
    case MathChannel::Product:
        for (int i = 0; i < n; ++i)
            out[i] = a[i] * b[i] + c;
        break;
    case MathChannel::Quotient: {
        // A division by zero of a non-zero sample is shown as +inf whatever its sign, and
        // equal samples (0/0 included) as exactly 1: the view's scale relies on both.
        constexpr double infinity = std::numeric_limits<double>::infinity();
        const double one = 1.0 + c;
        for (int i = 0; i < n; ++i) {
            const double x = a[i];
            const double y = b[i];
            const double q = x / (y == 0.0 ? 1.0 : y) + c;
            out[i] = (y == 0.0 && x != 0.0) ? infinity : (x == y ? one : q);
        }
        break;
    }
    default:
        std::copy(a, a + n, out);
        break;
    }
}

} // namespace

MathChannel::MathChannel() = default;

void MathChannel::configure(bool enabled, int operation, int sourceA, int sourceB, double offset)
{
    m_enabled = enabled;
    m_operation = operation;
    m_sourceA = sourceA;
    m_sourceB = sourceB;
    m_offset = offset;
}

void MathChannel::setSourceData(QVector<QVector<double>> &data)
{
    m_sourceData = data;
}

bool MathChannel::state() const
{
    return m_enabled;
}

QVector<double> MathChannel::calculate() const
{
    const int rows = m_sourceData.size();
    if (!m_enabled || m_sourceA < 0 || m_sourceA >= rows || m_sourceB < 0 || m_sourceB >= rows)
        return {};

    const QVector<double> &a = m_sourceData.at(m_sourceA);
    const QVector<double> &b = m_sourceData.at(m_sourceB);
    if (a.isEmpty() && b.isEmpty())
        return {};
    if (a.isEmpty())
        return shifted(b, m_offset);
    if (b.isEmpty())
        return shifted(a, m_offset);

    const int n = std::min(a.size(), b.size());
    QVector<double> result(n);
    combine(m_operation, a.constData(), b.constData(), m_offset, result.data(), n);
    return result;
}
