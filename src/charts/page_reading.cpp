#include "charts/page_reading.h"

#include "charts/affinite_page.h"
#include "charts/comment_block.h"
#include "charts/curve_chart.h"
#include "charts/day_reading.h"
#include "charts/year_page.h"
#include "studies/affinite_doc.h"
#include "studies/curve_period.h"
#include "studies/study_days.h"
#include "studies/study_year.h"

namespace {

QStringList HeaderTexts(const QString &titleWords, const QList<IdentityLine> &persons)
{
    QStringList texts{kTitleStart + titleWords};
    for (const IdentityLine &person : persons)
        texts << person.label + person.value;
    return texts;
}

} // namespace

QStringList CommentTexts(const QString &comment)
{
    QStringList texts{QStringLiteral("Commentaires :")};
    for (const QString &line : CommentLines(comment))
        if (!line.trimmed().isEmpty())
            texts << line;
    return texts;
}

PageReading CurvePageReading(const CurvePageHeader &header, const CurvePeriod &period,
                             const StudyDays &days, bool showAverage)
{
    PageReading page;
    page.textsBefore = HeaderTexts(header.titleWords, header.persons);
    page.textsBefore << kStartDateLabel + period.startText;
    page.tableName = QStringLiteral("Graphique");
    page.columns << QStringLiteral("Date") << DayReading::ValueNames(showAverage)
                 << QStringLiteral("Jours critiques");
    for (int day = 0; day < StudyDays::kPageSpan; ++day) {
        const DayReading reading = DayReading::Of(days, day, showAverage);
        page.rows << (QStringList{reading.date} << reading.values << reading.critical);
    }
    page.textsAfter = CommentTexts(period.comment);
    return page;
}

QStringList DayTipLines(const StudyDays &days, int day, bool showAverage)
{
    return DayReading::Of(days, day, showAverage).Lines(showAverage);
}

PageReading YearPageReading(const CurvePageHeader &header, const QString &startText,
                            const StudyYear &year, StudyYear::Curve chosen)
{
    const bool showAverage = chosen == StudyYear::Curve::Moyenne;
    PageReading page;
    page.textsBefore = HeaderTexts(header.titleWords, header.persons);
    page.textsBefore << kStartDateLabel + startText << kCurveLabel + CurveName(chosen);
    page.tableName = QStringLiteral("Année");
    page.columns << QStringLiteral("Mois");
    for (int column = 1; column <= StudyYear::kColumns; ++column)
        page.columns << QString::number(column);
    for (int row = 0; row < StudyYear::kMonths && year.DaysIn(row) > 0; ++row) {
        QStringList cells{MonthText(year.Month(row))};
        for (int column = 0; column < StudyYear::kColumns; ++column) {
            const std::optional<int> day = year.DayAt(row, column);
            cells << (day ? DayTipLines(year.Days(), *day, showAverage).join(QStringLiteral(" – "))
                          : QString());
        }
        page.rows << cells;
    }
    for (int step = 0; step < kShadeSteps; ++step) {
        const YearShade shade = ShadeOf(step, chosen);
        page.textsAfter << shade.sign + u' ' + shade.legend;
    }
    page.textsAfter << kCriticalLegend;
    return page;
}

PageReading AffinitePageReading(const COndarisDoc3 &doc)
{
    const AffinitePageText text = AffiniteText(doc);
    PageReading page;
    page.textsBefore = HeaderTexts(text.titleWords, text.persons);
    page.tableName = QStringLiteral("Résultats");
    page.columns = {QStringLiteral("Cycle"), QStringLiteral("Score"), QStringLiteral("Texte")};
    for (const AffinityResult &result : text.results)
        page.rows << QStringList{result.cycle, result.score, result.Text()};
    page.textsAfter = CommentTexts(doc.comment);
    return page;
}
