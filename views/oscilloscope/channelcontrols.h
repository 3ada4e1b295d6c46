#pragma once

#include <memory>

class QCheckBox;
class QLabel;
class QToolButton;

// The widgets of one channel row of the oscilloscope panel: the form's own controls, and the
// row's settings dialog, which the row owns (the dialog has no parent).
template<typename Dialog>
struct ChannelControls
{
    QCheckBox *enableCheckBox = nullptr;
    QLabel *vDivLabel = nullptr;
    QToolButton *vDivIncreaseButton = nullptr;
    QToolButton *vDivDecreaseButton = nullptr;
    QToolButton *settingsButton = nullptr;
    std::unique_ptr<Dialog> settingsWidget;
};
