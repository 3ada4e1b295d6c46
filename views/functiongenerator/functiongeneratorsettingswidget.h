#pragma once

#include <QWidget>

#include <memory>

class FunctionGeneratorSettings;
class QListView;

namespace Ui {
class FunctionGeneratorSettingsWidget;
}

// The generator's page in the settings area: the custom load impedances every generator panel
// offers beside 50 Ω and 1 MΩ, and a way to the folder of imported waveform files. The shared
// settings learn the list when the page is hidden and store it when the page goes away.
class FunctionGeneratorSettingsWidget : public QWidget
{
    Q_OBJECT
public:
    FunctionGeneratorSettingsWidget(const std::shared_ptr<FunctionGeneratorSettings> &settings,
                                    QWidget *parent = nullptr);
    ~FunctionGeneratorSettingsWidget() override;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private slots:
    void addImpedanceValue(double value);

private:
    friend class TestFunctionGeneratorSettingsWidget;
    struct Internal;

    void connectUserInteractionToSignals();
    void updateImpedanceListButtons();
    void addImpedanceValueFromEditor();
    void removeSelectedImpedanceValue();
    void updateListHeight(QListView *view);
    void openAWGDataFolder();
    void handCustomValuesToSettings();

    std::unique_ptr<Ui::FunctionGeneratorSettingsWidget> ui;
    std::shared_ptr<Internal> d;
};
