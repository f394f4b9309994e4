#pragma once

#include "core/calendar.h"
#include "core/cycles.h"
#include "studies/study_steps.h"
#include "studies/two_person_doc.h"

// The "Compatibilité" study (.bi2): day by day, the mean of two persons' cycle values over the
// period that begins on the start date. The chart view reads the members directly.
class COndarisDoc2 : public CTwoPersonDoc
{
    Q_OBJECT
public:
    explicit COndarisDoc2(NamesList &names, QObject *parent = nullptr);

    qint32 startDay = 0;
    COleDateTime startDate = COleDateTime::GetCurrentTime();
    QString startText;
    double pi = kPi;
    CycleSeries curveIntellectual{};
    CycleSeries curveSentimental{};
    CycleSeries curvePhysical{};
    QString dayLetters;
    DayLabels dayNumbers{};
    QString comment = kCurveComment;

    bool OnNewDocument() override;
    void Serialize(CArchive &ar) override;
    bool HasStartDate() const override { return true; }
    void OnEditStartDate() override;

protected:
    void ComputeResults() override { ComputeMeanCurves(); }

private:
    void RefreshStart();
    void ComputeMeanCurves();
};
