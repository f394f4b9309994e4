#include "charts/groupe_page.h"

#include "charts/comment_block.h"
#include "studies/groupe_doc.h"

#include <algorithm>
#include <array>

namespace {

const QString kTitleWords = QStringLiteral(" - Biorythme : Affinités d'un groupe");
const QString kEllipsis = QStringLiteral("…");

struct ScoreColumn
{
    QString title;
    QColor color;
    const QString AffinityScores::*text;
};

const std::array<ScoreColumn, 4> &ScoreColumns()
{
    static const std::array<ScoreColumn, 4> columns{{
        {QStringLiteral("Intellectuel"), kIntellectualColor, &AffinityScores::textIntellectual},
        {QStringLiteral("Sentimental"), kSentimentalColor, &AffinityScores::textSentimental},
        {QStringLiteral("Physique"), kPhysicalColor, &AffinityScores::textPhysical},
        {QStringLiteral("Moyenne"), kAverageColor, &AffinityScores::textAverage},
    }};
    return columns;
}

// The text cut, with an ellipsis, to fit the width in the selected font.
QString Fitted(const DrawDevice &dc, const QString &text, int width)
{
    if (dc.TextWidth(text) <= width)
        return text;
    qsizetype low = 0;
    qsizetype high = text.size();
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        if (dc.TextWidth(text.left(middle) + kEllipsis) <= width)
            low = middle;
        else
            high = middle - 1;
    }
    return text.left(low) + kEllipsis;
}

QString PairText(const CGroupeDoc &doc, const GroupPair &pair)
{
    return MemberName(doc, pair.person1) + QStringLiteral(" – ") + MemberName(doc, pair.person2);
}

QString MemberText(const CGroupeDoc &doc, int member)
{
    const GroupMember &m = doc.members.at(member);
    return PersonText(m.name, m.birthWeekday, m.birthText);
}

QString BestScoreText(const CGroupeDoc &doc, int member)
{
    return doc.pairs[size_t(doc.bestPartnerPairs[size_t(member)])].scores.textAverage + u'%';
}

// The columns of the members: how many side by side, and what their rows say.
struct MemberLayout
{
    int blocks = 1;
    QStringList titles;
};

MemberLayout MemberLayoutOf(int count)
{
    if (count <= kGroupOneColumnMembers)
        return {1,
                {QStringLiteral("N°"), QStringLiteral("Membre"),
                 QStringLiteral("Meilleur partenaire"), QStringLiteral("Moyenne")}};
    return {count <= 2 * kGroupOneColumnMembers ? 2 : 3,
            {QStringLiteral("N°"), QStringLiteral("Membre"), QStringLiteral("Avec"),
             QStringLiteral("Moy.")}};
}

// The members and their best partners, in one column or in two or three side by side, where
// the member is named with the date alone and the partner by number; returns the y below the
// last row.
int DrawMembers(DrawDevice &dc, const PageFrame &frame, int y, const CGroupeDoc &doc)
{
    const int L = frame.units.L;
    const int cw = frame.units.cw;
    const auto count = int(doc.members.size());
    const MemberLayout layout = MemberLayoutOf(count);
    const int rows = (count + layout.blocks - 1) / layout.blocks;
    const int blockWidth = (frame.right - frame.left) / layout.blocks;
    dc.SelectFont(LabelFont(frame.fontHeight));
    dc.TextOut(frame.labelX, y, QStringLiteral("Membres et meilleurs partenaires :"));
    y += L;
    for (int block = 0; block < layout.blocks; ++block) {
        const int x0 = frame.left + block * blockWidth;
        // Number, member, partner, score: the score keeps 7 cw at the block's right.
        const int scoreX = x0 + blockWidth - 7 * cw;
        const std::array<int, 4> x{
            x0 + cw, x0 + 5 * cw,
            layout.blocks == 1 ? x0 + (blockWidth * 11) / 20 : scoreX - 6 * cw, scoreX};
        dc.SelectFont(LabelFont(frame.fontHeight));
        for (int column = 0; column < 4; ++column)
            dc.TextOut(x[size_t(column)], y, layout.titles.at(column));
        dc.SelectFont(TextFont(frame.fontHeight));
        for (int row = 0; row < rows; ++row) {
            const int member = block * rows + row;
            if (member >= count)
                break;
            const int rowY = y + (row + 1) * L;
            const int partner = doc.BestPartner(member);
            const QString memberText = layout.blocks == 1
                                           ? MemberText(doc, member)
                                           : MemberName(doc, member) + QStringLiteral(" (") +
                                                 doc.members.at(member).birthText + u')';
            dc.TextOut(x[0], rowY, QString::number(member + 1));
            dc.TextOut(x[1], rowY, Fitted(dc, memberText, x[2] - x[1] - cw));
            dc.TextOut(x[2], rowY,
                       layout.blocks == 1
                           ? Fitted(dc, NumberedMember(doc, partner), x[3] - x[2] - cw)
                           : QString::number(partner + 1));
            dc.SetTextColor(kAverageColor);
            dc.TextOut(x[3], rowY, BestScoreText(doc, member));
            dc.SetTextColor(kBlack);
        }
    }
    return y + (rows + 1) * L;
}

// The comment's lines as the comment block will draw them, wrapped.
int CommentLineCount(DrawDevice &dc, const PageFrame &frame, const QString &comment)
{
    dc.SelectFont(TextFont(frame.fontHeight));
    int lines = 0;
    for (const QString &line : CommentLines(comment))
        lines += int(
            std::max<qsizetype>(WrapLine(dc, line, frame.right - 14 * frame.units.cw).size(), 1));
    return lines;
}

// How many ranked pairs the page holds from rowsTop, leaving room for the comment and, when
// some pairs are left out, for the line that counts them.
int PairsShown(int pairCount, int rowsTop, int commentLines, const PageFrame &frame)
{
    const int L = frame.units.L;
    const int room = kGroupPageLines - rowsTop / L - (commentLines + 2);
    if (pairCount <= room)
        return pairCount;
    return std::max(room - 1, 0);
}

int DrawPairs(DrawDevice &dc, const PageFrame &frame, int y, const CGroupeDoc &doc, int shown)
{
    const int L = frame.units.L;
    const int cw = frame.units.cw;
    const std::array<int, 6> x{frame.labelX,         frame.labelX + 6 * cw, frame.left + 47 * cw,
                               frame.left + 60 * cw, frame.left + 73 * cw,  frame.left + 86 * cw};
    dc.SelectFont(LabelFont(frame.fontHeight));
    dc.TextOut(frame.labelX, y, QStringLiteral("Paires par affinité :"));
    y += L;
    dc.TextOut(x[0], y, QStringLiteral("Rang"));
    dc.TextOut(x[1], y, QStringLiteral("Paire"));
    for (size_t column = 0; column < ScoreColumns().size(); ++column)
        dc.TextOut(x[column + 2], y, ScoreColumns()[column].title);
    dc.SelectFont(TextFont(frame.fontHeight));
    for (int rank = 0; rank < shown; ++rank) {
        y += L;
        const GroupPair &pair = doc.pairs[size_t(doc.ranking[size_t(rank)])];
        dc.TextOut(x[0], y, QString::number(rank + 1));
        dc.TextOut(x[1], y, Fitted(dc, PairText(doc, pair), x[2] - x[1] - cw));
        for (size_t column = 0; column < ScoreColumns().size(); ++column) {
            dc.SetTextColor(ScoreColumns()[column].color);
            dc.TextOut(x[column + 2], y, pair.scores.*ScoreColumns()[column].text + u'%');
        }
        dc.SetTextColor(kBlack);
    }
    const auto others = qsizetype(doc.pairs.size()) - shown;
    if (others > 0) {
        y += L;
        dc.TextOut(x[1], y, QStringLiteral("et %1 autres paires").arg(others));
    }
    return y + L;
}

} // namespace

QString MemberName(const CGroupeDoc &doc, int member)
{
    const QString &name = doc.members.at(member).name;
    return name.isEmpty() ? QStringLiteral("Anonyme") : name;
}

QString NumberedMember(const CGroupeDoc &doc, int member)
{
    return QStringLiteral("%1. %2").arg(member + 1).arg(MemberName(doc, member));
}

QSize DrawGroupePage(DrawDevice &dc, const CGroupeDoc &doc, int fontHeight)
{
    dc.SaveState();
    const PageFrame frame = ScorePageFrame(ReadPageUnits(dc, fontHeight), fontHeight);
    const int L = frame.units.L;

    DrawTitle(dc, frame, 3 * L, kTitleWords);
    const int membersEnd = DrawMembers(dc, frame, 5 * L, doc);
    const int pairsTop = membersEnd + L;
    const int shown = PairsShown(int(doc.pairs.size()), pairsTop + 2 * L,
                                 CommentLineCount(dc, frame, doc.comment), frame);
    const int pairsEnd = DrawPairs(dc, frame, pairsTop, doc, shown);
    const int end =
        DrawCommentBlock(dc, frame, frame.labelX, 14 * frame.units.cw, pairsEnd + L, doc.comment);
    dc.RestoreState();
    return PageExtent(frame, end);
}

PageReading GroupePageReading(const CGroupeDoc &doc)
{
    PageReading page;
    page.textsBefore << kTitleStart + kTitleWords
                     << QStringLiteral("Membres et meilleurs partenaires :");
    for (int member = 0; member < int(doc.members.size()); ++member)
        page.textsBefore << QStringLiteral("%1. %2 : meilleur partenaire %3, %4")
                                .arg(member + 1)
                                .arg(MemberText(doc, member),
                                     NumberedMember(doc, doc.BestPartner(member)),
                                     BestScoreText(doc, member));
    page.tableName = QStringLiteral("Paires par affinité");
    page.columns << QStringLiteral("Rang") << QStringLiteral("Paire");
    for (const ScoreColumn &column : ScoreColumns())
        page.columns << column.title;
    for (size_t rank = 0; rank < doc.ranking.size(); ++rank) {
        const GroupPair &pair = doc.pairs[size_t(doc.ranking[rank])];
        QStringList row{QString::number(rank + 1), PairText(doc, pair)};
        for (const ScoreColumn &column : ScoreColumns())
            row << pair.scores.*column.text + u'%';
        page.rows << row;
    }
    page.textsAfter = CommentTexts(doc.comment);
    return page;
}
