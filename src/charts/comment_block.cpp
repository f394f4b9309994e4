#include "charts/comment_block.h"

#include <QRegularExpression>

QStringList CommentLines(const QString &comment)
{
    if (comment.isEmpty())
        return {};
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    return comment.split(lineBreak);
}

namespace {

// How many characters at the start of text fit in width: at least one, never half a pair.
qsizetype FittingLength(const DrawDevice &dc, const QString &text, int width)
{
    qsizetype low = 1, high = text.size();
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        if (dc.TextWidth(text.left(middle)) <= width)
            low = middle;
        else
            high = middle - 1;
    }
    if (low < text.size() && text.at(low - 1).isHighSurrogate())
        low = low > 1 ? low - 1 : low + 1;
    return low;
}

} // namespace

// Qt's own line breaking measures in fractional widths, where the page measures in whole
// pixels of the device, so the breaking is done here on the device's widths.
QStringList WrapLine(const DrawDevice &dc, const QString &line, int width)
{
    QStringList pieces;
    QString rest = line;
    while (rest.size() > 1 && dc.TextWidth(rest) > width) {
        const qsizetype fit = FittingLength(dc, rest, width);
        qsizetype end = rest.lastIndexOf(QLatin1Char(' '), fit);
        qsizetype next = end + 1;
        while (end > 0 && rest.at(end - 1) == QLatin1Char(' '))
            --end;
        if (end > 0) {
            while (next < rest.size() && rest.at(next) == QLatin1Char(' '))
                ++next;
        } else {
            end = fit;
            next = fit;
        }
        pieces.append(rest.left(end));
        rest = rest.mid(next);
        if (rest.isEmpty())
            return pieces;
    }
    pieces.append(rest);
    return pieces;
}

int DrawCommentBlock(DrawDevice &dc, const PageFrame &frame, int labelX, int textX, int y,
                     const QString &comment)
{
    const int L = frame.units.L;
    dc.SetTextColor(kBlack);
    dc.SelectFont(LabelFont(frame.fontHeight));
    dc.TextOut(labelX, y, QStringLiteral("Commentaires :"));
    y += L;
    dc.SelectFont(TextFont(frame.fontHeight));
    for (const QString &line : CommentLines(comment)) {
        for (const QString &piece : WrapLine(dc, line, frame.right - textX)) {
            dc.TextOut(textX, y, piece);
            y += L;
        }
    }
    return y;
}
