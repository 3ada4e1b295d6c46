#include "resources/functiongeneratorimpedance.h"

#include <cmath>

double functionGeneratorImpedanceAsShown(double ohms)
{
    return std::round(ohms);
}
