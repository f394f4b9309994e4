#pragma once

#include "studies/curve_period.h"
#include "studies/two_person_doc.h"

// The "Compatibilité" study (.bi2): day by day, the mean of two persons' cycle values over the
// period that begins on the start date. The chart view reads the members directly.
class COndarisDoc2 : public CTwoPersonDoc, public CurvePeriod
{
    Q_OBJECT
public:
    explicit COndarisDoc2(NamesList &names, QObject *parent = nullptr);

    bool OnNewDocument() override;
    void Serialize(CArchive &ar) override;
    bool HasStartDate() const override { return true; }
    void OnEditStartDate() override;

protected:
    void ComputeResults() override { ComputeMeanCurves(); }

private:
    void ComputeMeanCurves();
};
