// SPDX-License-Identifier: MIT
#include "surface/FontSubstitutions.h"

#include <QFont>

void installFontSubstitutions()
{
    // Otherwise "Times" becomes whatever serif fontconfig prefers today.
    QFont::insertSubstitution(QStringLiteral("Times"), QStringLiteral("Liberation Serif"));
}
