#pragma once

#include "resources/functiongeneratoroptions.h"
#include "views/functiongenerator/functiongeneratorwidget.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

class FunctionGeneratorAwgDataListModel;
class FunctionGeneratorImpedanceListModel;
class QCheckBox;
class QDataWidgetMapper;
class QDoubleSpinBoxAndRatioWrapper;
class QSignalMapper;
class QSortFilterProxyModel;
class QStandardItemModel;
class QwtPlotCurve;

// The panel's state, shared by the files that implement it. Objects held by pointer are
// children of the panel; curves belong to the plot.
struct FunctionGeneratorWidget::Internal
{
    // One record per channel; its size is the panel's channel count.
    std::vector<FunctionGeneratorChannelOptions> channelOptions;
    std::uint32_t currentChannel = 0;
    FunctionGeneratorMode mode = FunctionGeneratorMode::StandardFunctions;
    FunctionGeneratorTriggerOptions triggerOptions;
    // One per channel that ever existed; never shrinks.
    std::vector<QwtPlotCurve *> curves;
    // The preview span of every channel in seconds, empty until first computed.
    std::vector<double> channelTimes;

    QStandardItemModel *rangeModel = nullptr;
    QDataWidgetMapper *rangeMapper = nullptr;
    QStandardItemModel *sampleRateModel = nullptr;
    QDataWidgetMapper *sampleRateMapper = nullptr;
    FunctionGeneratorImpedanceListModel *impedanceModel = nullptr;
    QDataWidgetMapper *impedanceMapper = nullptr;
    QDoubleSpinBoxAndRatioWrapper *frequencyWrapper = nullptr;
    QDoubleSpinBoxAndRatioWrapper *modulatingFrequencyWrapper = nullptr;
    QDoubleSpinBoxAndRatioWrapper *frequencyDeviationWrapper = nullptr;
    QSignalMapper *channelsSignalMapper = nullptr;
    std::vector<QCheckBox *> channelCheckBoxes;
    FunctionGeneratorAwgDataListModel *awgDataModel = nullptr;
    QSortFilterProxyModel *awgDataProxyModel = nullptr;
    // Set while the file list changes under the selector, whose index then moves by itself.
    bool selectorFollowsModel = false;
    QString lastAwgDirectory;

    bool hasChannel(std::size_t channel) const { return channel < channelOptions.size(); }
    bool hasSpan(std::size_t channel) const { return channel < channelTimes.size(); }
    FunctionGeneratorChannelOptions *current()
    {
        return hasChannel(currentChannel) ? &channelOptions[currentChannel] : nullptr;
    }
};

// Role of the number (volts, megahertz) behind each row of the range and sample-rate lists.
inline constexpr int functionGeneratorValueRole = Qt::UserRole + 1;

// The texts of the range and sample-rate rows and of the preview curves, in the language the
// panel shows.
QString functionGeneratorRangeText(unsigned int volts);
QString functionGeneratorSampleRateText(unsigned int megahertz);
QString functionGeneratorCurveTitle(std::size_t channel);
