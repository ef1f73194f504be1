// Shared pieces of the calculator descriptors.
#include "calc/labcalc.h"

#include <charconv>
#include <cstdlib>

namespace ohmaris {

QJsonValue FloatJson(float value)
{
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf - 1, value);
    *res.ptr = '\0';
    return QJsonValue(std::strtod(buf, nullptr));
}

} // namespace ohmaris
