#include "people/folded_text.h"

QString FoldedText(const QString &text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing &&
            c.category() != QChar::Mark_SpacingCombining && c.category() != QChar::Mark_Enclosing)
            folded += c;
    }
    folded = folded.toCaseFolded();
    folded.replace(u'œ', QStringLiteral("oe"));
    folded.replace(u'æ', QStringLiteral("ae"));
    folded.replace(u'ß', QStringLiteral("ss"));
    return folded;
}
