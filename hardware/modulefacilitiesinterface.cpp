#include "hardware/modulefacilitiesinterface.h"

ModuleFacilitiesInterface::ModuleFacilitiesInterface(QObject *parent)
    : QObject(parent)
{
}

ModuleFacilitiesInterface::~ModuleFacilitiesInterface() = default;
