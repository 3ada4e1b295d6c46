#pragma once

// The value a load's text stands for. From 0.01 Ω up every decimal prefix a list of loads
// shows gives whole ohms (kΩ with three decimals, MΩ with six, and so on), so a fraction of an
// ohm would read as another value: 75.5 Ω as "76 Ω", 1000.4 Ω as "1 kΩ" beside 1000 Ω itself.
// Every stored load, the common list and each channel's, is kept only rounded to it.
double functionGeneratorImpedanceAsShown(double ohms);
