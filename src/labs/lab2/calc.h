// Lab 2 for the command-line calculator.
#pragma once

#include "calc/labcalc.h"

namespace ohmaris {

const LabCalc &Lab2Calc();

} // namespace ohmaris
