#include "hardware/mathchannel.h"

#include <algorithm>
#include <limits>

namespace {

void shift(const double *in, double offset, double *out, int n)
{
    for (int i = 0; i < n; ++i)
        out[i] = in[i] + offset;
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
    QVector<double> result;
    calculateInto(result);
    return result;
}

void MathChannel::calculateInto(QVector<double> &out) const
{
    // Every sample of the result is written below: a row held elsewhere is let go of rather
    // than copied.
    if (!out.isDetached())
        out = QVector<double>();
    const int rows = m_sourceData.size();
    if (!m_enabled || m_sourceA < 0 || m_sourceA >= rows || m_sourceB < 0 || m_sourceB >= rows) {
        out.resize(0);
        return;
    }

    const QVector<double> &a = m_sourceData.at(m_sourceA);
    const QVector<double> &b = m_sourceData.at(m_sourceB);
    if (a.isEmpty() || b.isEmpty()) {
        // One row missing: the other shifted by the offset; both missing: nothing.
        const QVector<double> &present = a.isEmpty() ? b : a;
        out.resize(present.size());
        if (!present.isEmpty())
            shift(present.constData(), m_offset, out.data(), present.size());
        return;
    }

    const int n = std::min(a.size(), b.size());
    out.resize(n);
    combine(m_operation, a.constData(), b.constData(), m_offset, out.data(), n);
}
