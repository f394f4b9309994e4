#include "studies/curve_period.h"

#include "studies/study_steps.h"

void CurvePeriod::RefreshStart()
{
    startText = DateText(startDate);
    startDay = DayNumber(startDate);
    dayLetters = WeekdayLetterRow(startDate);
    dayNumbers = DayLabelRow(startDate);
}

bool CurvePeriod::EditStart(const CDocument &document)
{
    if (!ConfirmStartStep(EditCaption(document), true, startDate))
        return false;
    RefreshStart();
    return true;
}
