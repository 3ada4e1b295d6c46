#pragma once

#include "views/oscilloscope/cursors/cursordata.h"

#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

#include <qwt_plot_marker.h>

class ValueMarker;

// One cursor place: the mark on a strip that carries the value and the line the plot draws.
using CursorMarkerPair = QPair<ValueMarker *, QwtPlotMarker *>;

// The base of the four measuring cursor kinds. A kind owns its marker pairs (the strips and the
// plot only show them), reads the data the cursors system hands it and reports its readings as
// text lines through descriptionChanged.
class CursorInterface : public QObject
{
    Q_OBJECT
public:
    CursorInterface();
    ~CursorInterface() override;

    // The voltage pairs (horizontal lines) and the time pairs (vertical lines), as copies.
    virtual QVector<CursorMarkerPair> horizontalCursors() const;
    virtual QVector<CursorMarkerPair> verticalCursors() const;

    const CursorData &data() const;
    QVector<int> sources() const;

    // The fixed-column readout of one value: prefixes n, u and m below 1, truncated (not
    // rounded) to precision decimals, three integer places, a blank where a minus would go
    // (unless noSignSlot), the unit padded to three characters. Zero or invalid give the
    // "0.00" or "_.__" text.
    static QString normalizeValue(double value, int precision, QString unit, bool invalid = false,
                                  bool noSignSlot = false);
    // The readouts shown while no cursor is active.
    static QStringList defaultDescription();

public slots:
    virtual void updateEvaluations() = 0;
    void setData(const CursorData &data);
    void setSource(const QVector<int> &sources);
    void changeLanguage();
    void changeTheme();
    void changeColors();

signals:
    void descriptionChanged(QStringList description);
    void horizontalScaleChanged(int source, double minimum, double maximum);
    void verticalScaleChanged(int source, double minimum, double maximum);

protected:
    // The texts of a readout, translated in the context of the kind that shows them.
    struct ReadoutTexts
    {
        QString head; // "Cur%1 "
        QString seconds; // "s"
        QString volts; // "V"
    };

    // A time pair (vertical line) or a voltage pair (horizontal line) of cursor k (1 or 2) with
    // the connections every kind makes: strip position to plot line, value to readouts, scale
    // to strip mark.
    CursorMarkerPair createTimePair(int k, QwtPlotMarker::LineStyle style);
    CursorMarkerPair createVoltagePair(int k);
    static void deletePairs(QVector<CursorMarkerPair> &pairs);

    // Called with the strip pixel of time pair index; moves the line and replots.
    virtual void timeMarkerMoved(int index, QwtPlotMarker *marker, double pixel);

    // The cursor's voltage: the marker value less the offset of its source, when it has one.
    double voltageOf(int index, double markerValue) const;
    // The lines of the time-reading kinds; everyCursor also reads cursors whose source is no
    // channel. Empty when there are no samples.
    QStringList timeReadout(const QVector<CursorMarkerPair> &pairs, const ReadoutTexts &texts,
                            bool everyCursor);
    // Track crosses follow their samples; the other kinds draw straight lines.
    virtual void cursorRead(int index);

    CursorData m_data;
    QVector<int> m_sources {0, 0};
    QStringList lightColors {"#F44336", "#2196f3", "#4DBD33"};
    QStringList darkColors {"#FFFF00", "#FF00FF", "#00FF00"};
};
