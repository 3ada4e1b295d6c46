#include "resources/digitaloscilloscoperesource.h"

DigitalOscilloscopeResource::DigitalOscilloscopeResource(QObject *parent)
    : ResourceInterface(parent)
{ }

DigitalOscilloscopeResource::~DigitalOscilloscopeResource() = default;

QString DigitalOscilloscopeResource::viewType() const
{
    return QStringLiteral("Digital Oscilloscope");
}
