#pragma once

#include "views/oscilloscope/cursors/cursordata.h"
#include "views/oscilloscope/cursors/cursorinterface.h"
#include "views/oscilloscope/cursors/cursorssettings.h"
#include "views/oscilloscope/cursors/cursorssettingswidget.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QVector>

#include <memory>

class CursorEvaluationWidget;
class CustomPlot;
class MarkerCollectionWidget;

// Owns the one active measuring cursor of a plot: makes the kind the settings window asks for,
// puts its marks on the two strips and its lines on the plot, feeds it samples, offsets and
// scale ranges, and routes its readings to the readings panel.
class CursorsSystem : public QObject
{
    Q_OBJECT
public:
    CursorsSystem();
    // Takes the cursor's marks off the strips and its lines off the plot before deleting it:
    // the plot must not be left drawing, or later freeing, lines that are gone.
    ~CursorsSystem() override;

    void setPlot(CustomPlot *plot);
    void setHorizontalMarkerWidget(MarkerCollectionWidget *widget);
    void setVerticalMarkerWidget(MarkerCollectionWidget *widget);

    // The readings panel; whoever places it in a layout owns it.
    CursorEvaluationWidget *evaluationWidget() const;
    QVector<CursorMarkerPair> horizontalCursors() const;
    QVector<CursorMarkerPair> vertiacalCursors() const;
    CursorsSettings settings() const;
    CursorInterface *cursor() const;

public slots:
    void setSettings(CursorsSettings settings);
    // Keeps the plot's table by address: the plot owns it for its whole life.
    void setData(double period, double timeStart, const QVector<QVector<double>> &data);
    void setDataOffset(const QVector<double> &offsets);
    void setHorizontalScale(int source, double minimum, double maximum);
    void setSources(QStringList sources);
    void openSettings();
    void changeTheme();
    void changeLanguage();

signals:
    void horizontalScaleChanged(int source, double minimum, double maximum);
    void verticalScaleChanged(int source, double minimum, double maximum);

private:
    void attachCursorsToWidget();
    void removeCursorsFromWidget();
    void connectCursors();
    void emitScales();

    CursorsSettings m_settings;
    CursorsSettingsWidget m_settingsWidget;
    std::unique_ptr<CursorInterface> m_cursor;
    QPointer<MarkerCollectionWidget> m_horizontalMarkerWidget;
    QPointer<MarkerCollectionWidget> m_verticalMarkerWidget;
    QPointer<CustomPlot> m_plot;
    CursorData m_data;
    // Owned by the layout it is placed in; the system deletes it only if nobody took it.
    QPointer<CursorEvaluationWidget> m_evaluationWidget;
};
