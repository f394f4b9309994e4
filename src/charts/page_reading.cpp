#include "charts/page_reading.h"

#include "charts/affinite_page.h"
#include "charts/comment_block.h"
#include "charts/curve_chart.h"
#include "charts/day_reading.h"
#include "studies/affinite_doc.h"
#include "studies/curve_period.h"
#include "studies/study_days.h"

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
