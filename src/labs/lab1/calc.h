// Lab 1 for the command-line calculator.
#pragma once

#include "calc/labcalc.h"

namespace ohmaris {

const LabCalc &Lab1Calc();

} // namespace ohmaris
