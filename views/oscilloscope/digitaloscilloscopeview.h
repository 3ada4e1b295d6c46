#pragma once

#include "resources/evaluationtype.h"
#include "ui/viewbase/viewinterface.h"

#include <QMap>
#include <QVector>

#include <memory>
#include <vector>

class DigitalOscilloscopePinnedWidget;
class DigitalOscilloscopeResource;
class DigitalOscilloscopeSettings;
class DigitalOscilloscopeSettingsWidget;
class DigitalOscilloscopeWidget;
class QWidget;

// The view of one oscilloscope resource: it owns the panel, the miniature and the settings
// page, wires the panel's requests to the resource and the resource's frames back, and
// computes the selected measurements over the part of the frame the plot shows.
//
// The widgets are made on first demand without a Qt parent and belong to the view; the
// workspace places them and hands them back before they die. The panel may be made before the
// resource arrives (the shell does so): its resource connections are made by whichever comes
// second, always unique, so a second binding connects nothing twice.
class DigitalOscilloscopeView : public ViewInterface
{
    Q_OBJECT
public:
    using EvaluationLists = std::vector<std::vector<EvaluationType>>;
    using EvaluationValueList = std::vector<QMap<EvaluationType, double>>;

    Q_INVOKABLE explicit DigitalOscilloscopeView(QObject *parent = nullptr);
    ~DigitalOscilloscopeView() override;

    // The type name the shell, the view factory and the stored arrangements know this view by;
    // the resources of this instrument name it as their view type.
    static QString staticViewType();
    // The read point limit all oscilloscope views share, made on first use.
    static const std::shared_ptr<DigitalOscilloscopeSettings> &settings();

    QString type() const override;
    QString displayType() const override;
    void close() override;
    QWidget *fullScreenUserInterface() const override;
    QWidget *pinnedUserInterface() const override;
    QWidget *settingsUserInterface() const override;
    void resourceApplied(std::shared_ptr<ResourceInterface> &resource) override;

    void setOptionsToFullScreen() const;
    const EvaluationLists &evaluationTypes() const { return m_evaluationTypes; }
    const EvaluationValueList &evaluationValues() const { return m_evaluationValues; }

public slots:
    void setEvaluationData(double interval, const QVector<QVector<double>> &data, int first,
                           int last);
    void setEvaluationTypes(std::vector<std::vector<EvaluationType>> types);

signals:
    void evaluationValuesChanged(const std::vector<std::vector<EvaluationType>> &types,
                                 const std::vector<QMap<EvaluationType, double>> &values);
    // Picture (PNG) and data (text) export of the full form.
    void savePictureRequested();
    void saveDataRequested();

private:
    // The rows of the panel that name the resource; nothing until both exist.
    void connectPanelToResource() const;
    // What the panel corrected while it was filled, sent once it reaches the resource.
    void sendPanelCorrections() const;

    bool m_applyingResource = false;
    EvaluationValueList m_evaluationValues;
    EvaluationLists m_evaluationTypes;
    mutable std::shared_ptr<DigitalOscilloscopeSettingsWidget> settingsPageWidget;
    std::shared_ptr<DigitalOscilloscopeResource> oscilloscopeResource;
    mutable std::shared_ptr<DigitalOscilloscopePinnedWidget> pinnedWidget;
    mutable std::shared_ptr<DigitalOscilloscopeWidget> fullScreenWidget;
};
