#pragma once

#include "views/oscilloscope/cursors/cursorssystem.h"

#include <QVector>
#include <QWidget>

#include <memory>
#include <vector>

class CustomPlot;
class MarkerCollectionWidget;
class QToolButton;
class ValueMarker;

// The frame round the oscilloscope plot: a marker strip on each side, a zoom-out button in the
// top-right corner, the five marks of the adjustable levels and times (trigger level, trigger
// time, the three channel offsets) and the measuring cursors. Marks and the outside world meet
// only through the signals below, in both directions.
class PlotArea : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int markerSize READ markerSize WRITE setMarkerSize STORED true DESIGNABLE true)
public:
    explicit PlotArea(CustomPlot *plot, QWidget *parent = nullptr);
    ~PlotArea() override;

    int markerSize() const;
    void setMarkerSize(int size);

    QWidget *cursorsEvaluationWidget() const;

    ValueMarker *triggerMarker() const;
    ValueMarker *timeMarker() const;
    QVector<ValueMarker *> offsetMarkers() const;
    CursorsSystem &cursorsSystem();

public slots:
    void openCursorsSettings();
    void setCursorSources();

signals:
    void triggerScaleChanged(double minimum, double maximum);
    void triggerRangeChanged(double minimum, double maximum);
    void triggerLevel1Changed(double value);
    void triggerLevel1EnabledChanged(bool);
    void timeScaleChanged(double minimum, double maximum);
    void timeRangeChanged(double minimum, double maximum);
    void pretimeChanged(double value);
    void validatePretimeValue();
    void offsetChanged(int channel, double value);
    void offsetRangeChanged(int channel, double minimum, double maximum);
    void offsetScaleChanged(int channel, double minimum, double maximum);
    void offsetEnabledChanged(int channel, bool value);

protected:
    void changeEvent(QEvent *event) override;

private:
    void createMarkers();
    void bindTrigger();
    void bindTime();
    void bindOffsets();
    void bindCursors();
    void alignStrips();
    void applyTheme();
    ValueMarker *offsetMarker(int channel) const;
    QVector<double> offsetValues() const;

    CustomPlot *plot;
    MarkerCollectionWidget *rightStrip;
    MarkerCollectionWidget *topStrip;
    MarkerCollectionWidget *leftStrip;
    MarkerCollectionWidget *bottomStrip;
    std::unique_ptr<ValueMarker> m_triggerMarker;
    std::unique_ptr<ValueMarker> m_timeMarker;
    std::vector<std::unique_ptr<ValueMarker>> m_offsetMarkers;
    // Whether each row is switched on: a new offset moves the mark of a row that is off, but
    // leaves it off the strip, so nobody drags the offset of a channel that is not shown.
    std::vector<bool> m_offsetEnabled;
    // Set while a new time range clamps the time mark: that move is not the user's drag.
    bool m_timeRanging = false;
    QToolButton *zoomOutButton;
    int m_markerSize = 16;
    // Declared last so that it dies first: its cursor's marks and lines leave the strips and
    // the plot (children of this widget, deleted after every member) while both still exist.
    CursorsSystem cursors;
};
