#include "charts/comment_block.h"

#include <QHash>
#include <algorithm>

QStringList CommentLines(const QString &comment)
{
    // A loop and not a regular expression: opening a study would otherwise load and compile a
    // regular-expression engine for three fixed separators.
    QStringList lines;
    if (comment.isEmpty())
        return lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < comment.size(); ++i) {
        const QChar c = comment.at(i);
        if (c != u'\n' && c != u'\r')
            continue;
        lines << comment.mid(start, i - start);
        if (c == u'\r' && i + 1 < comment.size() && comment.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    lines << comment.mid(start);
    return lines;
}

namespace {

// The widths of characters alone in the selected font, each measured once.
class CharacterWidths
{
public:
    explicit CharacterWidths(const DrawDevice &dc) : m_dc(dc) {}

    int operator()(QChar c)
    {
        auto known = m_widths.constFind(c);
        if (known == m_widths.cend())
            known = m_widths.insert(c, m_dc.TextWidth(QString(c)));
        return *known;
    }

    const QHash<QChar, int> &known() const { return m_widths; }

private:
    const DrawDevice &m_dc;
    QHash<QChar, int> m_widths;
};

// How many characters at the start of text fit in width: at least one, never half a pair.
// The widths of prefixes grow with their length; the search starts from the sum of the widths
// of the characters alone and steps away from it by doubling steps, then halves back, so that
// a piece costs a few measurements of about its own length, whatever the length of the line.
qsizetype FittingLength(const DrawDevice &dc, CharacterWidths &widths, QStringView text, int width)
{
    const auto fits = [&](qsizetype length) {
        return dc.TextWidth(text.first(length).toString()) <= width;
    };
    qsizetype estimate = 0;
    for (int sum = 0; estimate < text.size(); ++estimate) {
        sum += widths(text.at(estimate));
        if (sum > width)
            break;
    }
    estimate = std::max<qsizetype>(estimate, 1);

    qsizetype low = 1, high = text.size();
    if (estimate == 1 || fits(estimate)) {
        low = estimate;
        for (qsizetype step = 1; low < high; step *= 2) {
            const qsizetype probe = std::min(low + step, high);
            if (!fits(probe)) {
                high = probe - 1;
                break;
            }
            low = probe;
        }
    } else {
        high = estimate - 1;
        for (qsizetype step = 1; low < high; step *= 2) {
            const qsizetype probe = std::max(high - step + 1, low);
            if (probe == low || fits(probe)) {
                low = probe;
                break;
            }
            high = probe - 1;
        }
    }
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        if (fits(middle))
            low = middle;
        else
            high = middle - 1;
    }
    if (low < text.size() && text.at(low - 1).isHighSurrogate())
        low = low > 1 ? low - 1 : low + 1;
    return low;
}

// Qt's own line breaking measures in fractional widths, where the page measures in whole
// pixels of the device, so the breaking is done here on the device's widths.
QStringList Wrap(const DrawDevice &dc, CharacterWidths &widths, QStringView line, int width)
{
    QStringList pieces;
    QStringView rest = line;
    while (rest.size() > 1) {
        const qsizetype fit = FittingLength(dc, widths, rest, width);
        if (fit == rest.size())
            break;
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
        pieces.append(rest.first(end).toString());
        rest = rest.sliced(next);
        if (rest.isEmpty())
            return pieces;
    }
    pieces.append(rest.toString());
    return pieces;
}

struct WrappedComment
{
    QString comment;
    int width = 0;
    FontSpec font;
    QHash<QChar, int> widths; // of every character of the comment
    QStringList pieces;
};

bool MeasuresAlike(const DrawDevice &dc, const QHash<QChar, int> &widths)
{
    for (auto known = widths.cbegin(); known != widths.cend(); ++known) {
        if (dc.TextWidth(QString(known.key())) != known.value())
            return false;
    }
    return true;
}

// The pieces of every line of the comment. A window draws its page again at every scroll step,
// so the last few comments keep their pieces, given back to a device with the same font that
// measures each of the comment's characters as the one they were found on.
QStringList WrappedPieces(const DrawDevice &dc, const QString &comment, int width)
{
    constexpr qsizetype kKept = 4;
    thread_local QList<WrappedComment> recent;
    for (qsizetype i = 0; i < recent.size(); ++i) {
        const WrappedComment &kept = recent.at(i);
        if (kept.width == width && kept.font == dc.state().font && kept.comment == comment &&
            MeasuresAlike(dc, kept.widths)) {
            recent.move(i, 0);
            return recent.front().pieces;
        }
    }
    CharacterWidths widths(dc);
    QStringList pieces;
    for (const QString &line : CommentLines(comment))
        pieces += Wrap(dc, widths, line, width);
    for (const QChar c : comment)
        widths(c);
    recent.prepend({comment, width, dc.state().font, widths.known(), pieces});
    if (recent.size() > kKept)
        recent.removeLast();
    return pieces;
}

} // namespace

QStringList WrapLine(const DrawDevice &dc, const QString &line, int width)
{
    CharacterWidths widths(dc);
    return Wrap(dc, widths, line, width);
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
    const int width = frame.right - textX;
    const int cell = std::max(L, dc.GetTextMetrics().height);
    for (const QString &piece : WrappedPieces(dc, comment, width)) {
        // A long comment runs far below what the device shows: those pieces only take room.
        if (dc.RectVisible(QRect(textX, y, width, cell)))
            dc.TextOut(textX, y, piece);
        y += L;
    }
    return y;
}
