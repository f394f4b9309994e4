#pragma once

#include <QString>

// The text as a search compares it: accents and case gone ("Élodie" and "elodie" meet), the
// ligatures written out ("Cœur" and "coeur" meet).
QString FoldedText(const QString &text);
