#include "charts/year_page.h"

#include "charts/biorythme_page.h"
#include "charts/compatibilite_page.h"
#include "studies/biorythme_doc.h"
#include "studies/compatibilite_doc.h"

#include <array>

namespace {

// In character units: the margins, the column of the months' names, a day's cell.
constexpr int kMarginUnits = 6;
constexpr int kMonthUnits = 19;
constexpr int kCellUnits = 4;

const QColor kCellFrame(160, 160, 160);
const QColor kWhite(255, 255, 255);

QColor Tint(const QColor &color, double strength)
{
    const auto mix = [strength](int channel) { return int(255 - (255 - channel) * strength); };
    return QColor(mix(color.red()), mix(color.green()), mix(color.blue()));
}

QColor CurveColor(StudyYear::Curve curve)
{
    switch (curve) {
    case StudyYear::Curve::Intellectuel:
        return kIntellectualColor;
    case StudyYear::Curve::Sentimental:
        return kSentimentalColor;
    case StudyYear::Curve::Physique:
        return kPhysicalColor;
    case StudyYear::Curve::Moyenne:
        break;
    }
    return kAverageColor;
}

// "PI": the initials of the critical cycles, in the order in which the days name them.
QString Initials(Cycles cycles)
{
    QString initials;
    for (const QString &name : CycleNames(cycles))
        initials += name.front();
    return initials;
}

void DrawCell(DrawDevice &dc, const YearGrid &grid, const QRect &rect, const StudyYear::Cell &cell,
              StudyYear::Curve curve)
{
    const PageFrame &frame = grid.frame;
    const YearShade shade = ShadeOf(ShadeStep(StudyYear::ValueOf(cell.values, curve)), curve);
    dc.SelectPen(PenSpec{PenSpec::Solid, 1, kCellFrame});
    dc.SelectBrush(shade.fill);
    dc.Rectangle(rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1);
    dc.SetTextBackground(shade.fill);
    const int x = rect.left() + frame.units.cw / 2;
    dc.SelectFont(TextFont(frame.fontHeight));
    dc.TextOut(x, rect.top() + 1, shade.sign);
    if (cell.critical) {
        dc.SelectFont(LabelFont(frame.fontHeight));
        dc.TextOut(x, rect.top() + frame.units.L, Initials(cell.critical));
    }
}

// The four steps of the scale and the meaning of the letters, from the line at y.
int DrawLegend(DrawDevice &dc, const YearGrid &grid, int y, StudyYear::Curve curve)
{
    const PageFrame &frame = grid.frame;
    const int L = frame.units.L;
    const int cw = frame.units.cw;
    int x = frame.left;
    for (int step = 0; step < kShadeSteps; ++step) {
        const YearShade shade = ShadeOf(step, curve);
        dc.SelectPen(PenSpec{PenSpec::Solid, 1, kCellFrame});
        dc.SelectBrush(shade.fill);
        dc.Rectangle(x, y, x + grid.cellWidth, y + grid.rowHeight);
        dc.SetTextBackground(shade.fill);
        dc.SelectFont(TextFont(frame.fontHeight));
        dc.TextOut(x + cw / 2, y + 1, shade.sign);
        dc.SetTextBackground(kWhite);
        dc.SelectFont(LabelFont(frame.fontHeight));
        dc.TextOut(x + grid.cellWidth + cw, y + L / 2, shade.legend);
        x += grid.cellWidth + 2 * cw + dc.TextWidth(shade.legend);
    }
    dc.SelectFont(LabelFont(frame.fontHeight));
    dc.TextOut(frame.left, y + grid.rowHeight + L, kCriticalLegend);
    return y + grid.rowHeight + 2 * L;
}

} // namespace

QString MonthText(const QDate &month)
{
    static const std::array<const char16_t *, 12> kNames{
        u"Janvier", u"Février", u"Mars",      u"Avril",   u"Mai",      u"Juin",
        u"Juillet", u"Août",    u"Septembre", u"Octobre", u"Novembre", u"Décembre"};
    return QString::fromUtf16(kNames.at(month.month() - 1)) + u' ' + QString::number(month.year());
}

QString CurveName(StudyYear::Curve curve)
{
    switch (curve) {
    case StudyYear::Curve::Intellectuel:
        return QStringLiteral("Intellectuel");
    case StudyYear::Curve::Sentimental:
        return QStringLiteral("Sentimental");
    case StudyYear::Curve::Physique:
        return QStringLiteral("Physique");
    case StudyYear::Curve::Moyenne:
        break;
    }
    return QStringLiteral("Moyenne");
}

int ShadeStep(double value)
{
    if (value < -2.5)
        return 0;
    if (value < 0)
        return 1;
    return value < 2.5 ? 2 : 3;
}

YearShade ShadeOf(int step, StudyYear::Curve curve)
{
    switch (step) {
    case 0:
        return {Tint(CurveColor(curve), 0.6), QStringLiteral("++"),
                QStringLiteral("de -5 à -2,5 : phase haute")};
    case 1:
        return {Tint(CurveColor(curve), 0.3), QStringLiteral("+"),
                QStringLiteral("de -2,5 à 0 : phase haute")};
    case 2:
        return {QColor(235, 235, 235), QStringLiteral("−"),
                QStringLiteral("de 0 à 2,5 : phase basse")};
    default:
        return {kWhite, QStringLiteral("−−"), QStringLiteral("de 2,5 à 5 : phase basse")};
    }
}

CurvePageHeader YearHeader(const CDocument &study)
{
    if (const auto *bio = qobject_cast<const COndarisDoc *>(&study))
        return {QStringLiteral(" - Biorythme sur une année"), BiorythmeHeader(*bio).persons};
    if (const auto *bi2 = qobject_cast<const COndarisDoc2 *>(&study))
        return {QStringLiteral(" - Compatibilité sur une année"),
                CompatibiliteHeader(*bi2).persons};
    return {};
}

QRect YearGrid::CellRect(int row, int column) const
{
    return QRect(cellsLeft + column * cellWidth, top + row * rowHeight, cellWidth, rowHeight);
}

std::optional<std::pair<int, int>> YearGrid::CellAt(const QPoint &point) const
{
    if (point.x() < cellsLeft || point.y() < top)
        return std::nullopt;
    const int column = (point.x() - cellsLeft) / cellWidth;
    const int row = (point.y() - top) / rowHeight;
    if (column >= StudyYear::kColumns || row >= StudyYear::kMonths)
        return std::nullopt;
    return std::pair{row, column};
}

YearGrid YearPageGrid(const PageUnits &units, int fontHeight, int persons)
{
    YearGrid grid;
    grid.frame.units = units;
    grid.frame.fontHeight = fontHeight;
    grid.frame.left = kMarginUnits * units.cw;
    grid.frame.labelX = grid.frame.left + units.cw;
    grid.cellsLeft = grid.frame.left + kMonthUnits * units.cw;
    grid.cellWidth = kCellUnits * units.cw;
    grid.frame.right = grid.cellsLeft + StudyYear::kColumns * grid.cellWidth;
    grid.rowHeight = 2 * units.L;
    // Below the identity block (the persons, the start date, the curve) and the row of days.
    grid.top = (7 + persons + 2 + 3) * units.L;
    return grid;
}

QSize DrawYearPage(DrawDevice &dc, int fontHeight, const CurvePageHeader &header,
                   const QString &startText, const StudyYear &year, StudyYear::Curve curve)
{
    dc.SaveState();
    const int persons = int(header.persons.size());
    const YearGrid grid = YearPageGrid(ReadPageUnits(dc, fontHeight), fontHeight, persons);
    const PageFrame &frame = grid.frame;
    const int L = frame.units.L;
    DrawTitle(dc, frame, 2 * L, header.titleWords);
    DrawIdentityBlock(dc, frame,
                      QList<IdentityLine>(header.persons)
                          << IdentityLine{kStartDateLabel, startText}
                          << IdentityLine{kCurveLabel, CurveName(curve)});

    dc.SetTextColor(kBlack);
    dc.SelectFont(LabelFont(fontHeight));
    for (int column = 0; column < StudyYear::kColumns; ++column) {
        const QString number = QString::number(column + 1);
        const QRect cell = grid.CellRect(0, column);
        dc.TextOut(cell.left() + (cell.width() - dc.TextWidth(number)) / 2, grid.top - L - L / 2,
                   number);
    }
    for (int row = 0; row < StudyYear::kMonths; ++row) {
        if (year.DaysIn(row) == 0)
            break;
        dc.SetTextBackground(kWhite);
        dc.SelectFont(LabelFont(fontHeight));
        dc.TextOut(frame.labelX, grid.top + row * grid.rowHeight + L / 2,
                   MonthText(year.Month(row)));
        for (int column = 0; column < year.DaysIn(row); ++column)
            DrawCell(dc, grid, grid.CellRect(row, column), year.CellAt(*year.DayAt(row, column)),
                     curve);
    }
    dc.SetTextBackground(kWhite);
    const int bottom =
        DrawLegend(dc, grid, grid.top + StudyYear::kMonths * grid.rowHeight + L, curve);
    dc.RestoreState();
    return PageExtent(frame, bottom);
}

QSize DrawStudyYearPage(DrawDevice &dc, const CDocument &study, int fontHeight,
                        StudyYear::Curve curve)
{
    const std::optional<StudyDays> days = StudyDays::Of(study);
    const CurvePeriod *period = qobject_cast<const COndarisDoc *>(&study);
    if (!period)
        period = qobject_cast<const COndarisDoc2 *>(&study);
    if (!days || !period)
        return {};
    return DrawYearPage(dc, fontHeight, YearHeader(study), period->startText, StudyYear(*days),
                        curve);
}
