#pragma once

// Registers, once per process, every value type the resources hand to views through signals
// and queued calls: the parameter records of each instrument, the evaluation lists and value
// maps. Every resource's constructor calls it, so a view or test that holds a resource can queue
// and spy on these types without registering anything itself.
void registerResourceMetaTypes();
