// Lab 5 for the command-line calculator: the star-load model from the
// line voltage, the nine element values and the five switches.
#pragma once

#include "calc/labcalc.h"

namespace ohmaris {

const LabCalc &Lab5Calc();

} // namespace ohmaris
