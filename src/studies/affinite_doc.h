#pragma once

#include "core/cycles.h"
#include "studies/study_steps.h"
#include "studies/two_person_doc.h"

// The "Affinité" study (.aff): the affinity scores of two persons' cycles, without a start
// date. The results view reads the members directly.
class COndarisDoc3 : public CTwoPersonDoc
{
    Q_OBJECT
public:
    explicit COndarisDoc3(NamesList &names, QObject *parent = nullptr);

    double pi = kPi;
    double scoreIntellectual = 0.0;
    double scoreSentimental = 0.0;
    double scorePhysical = 0.0;
    double scoreAverage = 0.0;
    QString textIntellectual;
    QString textSentimental;
    QString textPhysical;
    QString textAverage;
    QString comment = kHistogramComment;

    bool OnNewDocument() override;
    void Serialize(CArchive &ar) override;
    // The two persons of a study made elsewhere than in its wizard (a pair of a group): they
    // are registered as a loaded study's, and the scores worked out.
    void SetPersons(PersonRecord person1, PersonRecord person2);

protected:
    void ComputeResults() override { ComputeAffinityScores(); }

private:
    void ComputeAffinityScores();
};
