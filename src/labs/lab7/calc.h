// Lab 7 for the command-line calculator.
#pragma once

#include "calc/labcalc.h"

namespace ohmaris {

const LabCalc &Lab7Calc();

} // namespace ohmaris
