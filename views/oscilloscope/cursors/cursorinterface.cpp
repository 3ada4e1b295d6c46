#include "views/oscilloscope/cursors/cursorinterface.h"

#include "app/options.h"
#include "views/oscilloscope/valuemarker.h"

#include <qwt_plot.h>

#include <QBrush>
#include <QPen>

#include <cmath>

namespace {

QString themeName()
{
    return load_from_cache().color_theme == 0 ? QStringLiteral("dark") : QStringLiteral("light");
}

QString padUnit(QString unit)
{
    while (unit.size() < 3)
        unit.append(QLatin1Char(' '));
    return unit;
}

} // namespace

bool cursorSampleAt(const CursorData &data, int source, double time, double *sample)
{
    *sample = 0.0;
    if (!data.channels || source < 0 || source >= data.channels->size())
        return false;
    if (!(data.sampleInterval > 0.0))
        return false;
    const double index = std::trunc((time - data.startTime) / data.sampleInterval);
    const QVector<double> &channel = data.channels->at(source);
    // Comparing as doubles first keeps a huge or NaN index from being converted to int.
    if (!std::isfinite(index) || index < 0.0 || index >= double(channel.size()))
        return false;
    *sample = channel.at(int(index));
    return true;
}

CursorInterface::CursorInterface()
{
    connect(this, &CursorInterface::horizontalScaleChanged, this,
            &CursorInterface::updateEvaluations, Qt::DirectConnection);
}

CursorInterface::~CursorInterface() = default;

QVector<CursorMarkerPair> CursorInterface::horizontalCursors() const
{
    return {};
}

QVector<CursorMarkerPair> CursorInterface::verticalCursors() const
{
    return {};
}

const CursorData &CursorInterface::data() const
{
    return m_data;
}

QVector<int> CursorInterface::sources() const
{
    return m_sources;
}

QString CursorInterface::normalizeValue(double value, int precision, QString unit, bool invalid,
                                        bool noSignSlot)
{
    if (value == 0.0 || invalid) {
        return (invalid ? QStringLiteral("   _.__ ") : QStringLiteral("   0.00 ")) + padUnit(unit);
    }

    const double magnitude = std::abs(value);
    QString prefix;
    if (magnitude < 1e-6) {
        prefix = tr("n");
        value *= 1e9;
    } else if (magnitude < 1e-3) {
        prefix = tr("u");
        value *= 1e6;
    } else if (magnitude < 1.0) {
        prefix = tr("m");
        value *= 1000.0;
    }
    unit = padUnit(prefix + unit);

    if (precision > 0) {
        // The nudge keeps values stored just below a decimal (1.13 is 1.12999…) on their
        // digit; truncation still never rounds up.
        const double scale = std::pow(10.0, precision);
        const double sign = value < 0.0 ? -1.0 : 1.0;
        value = std::trunc(value * scale + 1e-9 * sign) / scale;
        if (value == 0.0)
            value = 0.0; // no "-0.00"
    }

    QString text = QStringLiteral("%1").arg(value, 0, 'f', qMax(precision, 0));
    double places = std::abs(value) >= 1.0 ? std::floor(std::abs(value)) : 1.0;
    while (places <= 99.0) {
        text.prepend(QLatin1Char(' '));
        places *= 10.0;
    }
    if (!noSignSlot && value > 0.0)
        text.prepend(QLatin1Char(' '));
    return text + QLatin1Char(' ') + unit;
}

QStringList CursorInterface::defaultDescription()
{
    const QString time = normalizeValue(-1.0, 2, tr("s"), true, false);
    const QString voltage = normalizeValue(-1.0, 2, tr("V"), true, false);
    QStringList lines;
    for (int k = 1; k <= 2; ++k)
        lines << tr("Cur%1 ").arg(k) + time + QStringLiteral(" (%1)").arg(voltage);
    lines << QStringLiteral("Δt ") + time;
    lines << QStringLiteral("Δy ") + voltage;
    return lines;
}

void CursorInterface::setData(const CursorData &data)
{
    m_data = data;
    updateEvaluations();
}

void CursorInterface::setSource(const QVector<int> &sources)
{
    if (sources != m_sources) {
        m_sources = sources;
        changeColors();
    }
    updateEvaluations();
}

void CursorInterface::changeLanguage()
{
    updateEvaluations();
}

void CursorInterface::changeTheme()
{
    const QString theme = themeName();
    const QPen pen(QBrush(QColor(theme == QLatin1String("dark") ? "red" : "#000000")), 2.0,
                   Qt::DotLine, Qt::SquareCap, Qt::BevelJoin);
    const QVector<CursorMarkerPair> vertical = verticalCursors();
    const QVector<CursorMarkerPair> horizontal = horizontalCursors();
    for (int k = 1; k <= m_sources.size(); ++k) {
        const int i = k - 1;
        if (i < vertical.size()) {
            vertical.at(i).first->setIconPath(
                    QStringLiteral(":/icons/%1/control/vcursor_%2.svg").arg(theme).arg(k));
            vertical.at(i).second->setLinePen(pen);
        }
        if (i < horizontal.size()) {
            horizontal.at(i).first->setIconPath(
                    QStringLiteral(":/icons/%1/control/hcursor_%2.svg").arg(theme).arg(k));
            horizontal.at(i).second->setLinePen(pen);
        }
    }
    changeColors();
}

void CursorInterface::changeColors()
{
    const QStringList &colors = load_from_cache().color_theme == 0 ? darkColors : lightColors;
    const QVector<CursorMarkerPair> vertical = verticalCursors();
    const QVector<CursorMarkerPair> horizontal = horizontalCursors();
    for (int i = 0; i < m_sources.size(); ++i) {
        const int source = m_sources.at(i);
        // A source outside the colour table (the dialog's empty lists send -1) keeps the
        // colour the mark has.
        if (source < 0 || source >= colors.size())
            continue;
        if (i < vertical.size())
            vertical.at(i).first->setBackgroundColor(colors.at(source));
        if (i < horizontal.size())
            horizontal.at(i).first->setBackgroundColor(colors.at(source));
    }
}

CursorMarkerPair CursorInterface::createTimePair(int k, QwtPlotMarker::LineStyle style)
{
    auto *valueMarker = new ValueMarker(Qt::Horizontal, Qt::AlignTop,
                                        QStringLiteral(":/icons/control/vcursor_%1.svg").arg(k));
    valueMarker->setValue(0.5);
    valueMarker->setIconOnly(true);
    auto *plotMarker = new QwtPlotMarker;
    plotMarker->setLineStyle(style);
    const int index = k - 1;
    connect(
            valueMarker, &ValueMarker::positionChanged, this,
            [this, index, plotMarker](double pixel) { timeMarkerMoved(index, plotMarker, pixel); },
            Qt::DirectConnection);
    connect(valueMarker, &ValueMarker::valueChanged, this, &CursorInterface::updateEvaluations);
    connect(
            this, &CursorInterface::verticalScaleChanged, valueMarker,
            [valueMarker](int, double minimum, double maximum) {
                valueMarker->setScale(minimum, maximum);
            },
            Qt::DirectConnection);
    return {valueMarker, plotMarker};
}

CursorMarkerPair CursorInterface::createVoltagePair(int k)
{
    auto *valueMarker = new ValueMarker(Qt::Vertical, Qt::AlignLeft,
                                        QStringLiteral(":/icons/control/hcursor_%1.svg").arg(k));
    valueMarker->setValue(0.5);
    valueMarker->setIconOnly(true);
    auto *plotMarker = new QwtPlotMarker;
    plotMarker->setLineStyle(QwtPlotMarker::HLine);
    connect(
            valueMarker, &ValueMarker::positionChanged, this,
            [plotMarker](double pixel) {
                QwtPlot *plot = plotMarker->plot();
                if (!plot)
                    return;
                plotMarker->setYValue(plot->invTransform(QwtPlot::yLeft, int(std::trunc(pixel))));
                plot->replot();
            },
            Qt::DirectConnection);
    connect(valueMarker, &ValueMarker::valueChanged, this, &CursorInterface::updateEvaluations);
    const int index = k - 1;
    connect(
            this, &CursorInterface::horizontalScaleChanged, valueMarker,
            [this, index, valueMarker](int source, double minimum, double maximum) {
                if (source == m_sources.value(index, -1))
                    valueMarker->setScale(minimum, maximum);
            },
            Qt::DirectConnection);
    return {valueMarker, plotMarker};
}

void CursorInterface::deletePairs(QVector<CursorMarkerPair> &pairs)
{
    for (const CursorMarkerPair &pair : pairs) {
        delete pair.first;
        delete pair.second; // leaves its plot, if it is still on one
    }
    pairs.clear();
}

void CursorInterface::timeMarkerMoved(int index, QwtPlotMarker *marker, double pixel)
{
    Q_UNUSED(index)
    QwtPlot *plot = marker->plot();
    if (!plot)
        return;
    marker->setXValue(plot->invTransform(QwtPlot::xBottom, int(std::trunc(pixel))));
    plot->replot();
}

double CursorInterface::voltageOf(int index, double markerValue) const
{
    const int source = m_sources.value(index, -1);
    if (source >= 0 && source < m_data.offsets.size())
        return markerValue - m_data.offsets.at(source);
    return markerValue;
}

QStringList CursorInterface::timeReadout(const QVector<CursorMarkerPair> &pairs,
                                         const ReadoutTexts &texts, bool everyCursor)
{
    if (!m_data.channels || m_data.channels->isEmpty())
        return {};
    QStringList lines;
    QVector<double> values;
    bool anyValid = false;
    for (int i = 0; i < 2 && i < pairs.size(); ++i) {
        const int source = m_sources.value(i, -1);
        const bool isChannel = source >= 0 && source < m_data.channels->size();
        if (!isChannel && !everyCursor)
            continue;
        const double time = pairs.at(i).first->value();
        double sample = 0.0;
        const bool valid = cursorSampleAt(m_data, source, time, &sample);
        values.append(sample);
        anyValid = anyValid || valid;
        lines << texts.head.arg(i + 1) + normalizeValue(time, 2, texts.seconds)
                        + QStringLiteral(" (%1)").arg(
                                normalizeValue(sample, 2, texts.volts, !valid));
        cursorRead(i);
    }
    const double dt = pairs.size() < 2
            ? 0.0
            : std::abs(pairs.at(1).first->value() - pairs.at(0).first->value());
    lines << QStringLiteral("Δt ") + normalizeValue(dt, 2, texts.seconds, false, true);
    const QString dy = anyValid
            ? normalizeValue(std::abs(values.last() - values.first()), 2, texts.volts, false, true)
            : normalizeValue(0.0, 2, texts.volts, true, true);
    lines << QStringLiteral("Δy ") + dy;
    return lines;
}

void CursorInterface::cursorRead(int index)
{
    Q_UNUSED(index)
}
