// SPDX-License-Identifier: GPL-3.0-or-later
// Font substitutions.
#include "shell/fonts.h"

#include <QFont>
#include <QStringList>

namespace ohmaris {

namespace {
void substitute(const char *family, std::initializer_list<const char *> replacements)
{
    QStringList list;
    for (const char *r : replacements)
        list.append(QLatin1String(r));
    QFont::insertSubstitutions(QLatin1String(family), list);
}
} // namespace

void InstallFontSubstitutes()
{
    substitute("Times New Roman", {"Liberation Serif", "DejaVu Serif"});
    substitute("Monotype Corsiva", {"Z003", "URW Chancery L", "Liberation Serif"});
    substitute("MS Sans Serif", {"Liberation Sans", "DejaVu Sans"});
    substitute("Symbol", {"Liberation Serif", "DejaVu Serif"});
}

} // namespace ohmaris
