// SPDX-License-Identifier: GPL-3.0-or-later
// The manual page of ohmaris-calc (roff, section 1), written from the labs'
// calculator descriptors so that its list of inputs and outputs is always the
// one the tool accepts and prints.
#pragma once

#include "calc/labcalc.h"

#include <QString>
#include <vector>

namespace ohmaris {

// Text made safe for a roff line: backslashes and minus signs escaped, and a
// leading dot or apostrophe (which roff would read as a request) guarded.
QString RoffText(const QString &text);

// Commands the page shows as examples, each with a line saying what it
// does; only those whose lab is in `labs`.
struct CalcExample {
    QString what;
    QString command;
};
std::vector<CalcExample> CalcExamples(const std::vector<const LabCalc *> &labs);

// The whole page. `version` goes into the footer ("Ohmaris 1.0.0") and `date`
// (YYYY-MM-DD) into the header.
QString CalcManPage(const std::vector<const LabCalc *> &labs, const QString &version,
                    const QString &date);

} // namespace ohmaris
