#include "resources/factoryinterface.h"

FactoryInterface::FactoryInterface(QObject *parent)
    : QObject(parent)
{
}

FactoryInterface::~FactoryInterface() = default;
