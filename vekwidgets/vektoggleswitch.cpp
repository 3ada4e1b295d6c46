#include "vekwidgets/vektoggleswitch.h"

class VekToggleSwitchPrivate
{
};

VekToggleSwitch::VekToggleSwitch(QWidget *parent)
    : QWidget(parent)
    , d(std::make_unique<VekToggleSwitchPrivate>())
{ }

VekToggleSwitch::~VekToggleSwitch() = default;
