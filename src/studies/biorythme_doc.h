#pragma once

#include "core/ole_date_time.h"
#include "framework/document.h"
#include "people/names_list.h"
#include "studies/curve_period.h"

#include <QString>

// The "Biorythme" study (.bio): the three cycles of one person over the period that begins on
// the start date. The chart view reads the members directly.
class COndarisDoc : public CDocument, public CurvePeriod
{
    Q_OBJECT
public:
    // The names list is the application's: creation, edits and loading register persons in it.
    explicit COndarisDoc(NamesList &names, QObject *parent = nullptr);

    QString name;
    COleDateTime birthDate = COleDateTime::GetCurrentTime();
    QString birthWeekday;
    QString birthText;
    qint32 birthDay = 0;

    bool OnNewDocument() override;
    void Serialize(CArchive &ar) override;
    void OnEditPersons() override;
    bool HasStartDate() const override { return true; }
    void OnEditStartDate() override;

private:
    void RefreshBirth();
    void RefreshWeekday();
    void ComputeCurves();
    bool RunIdentityStep(const QString &title, bool edit);

    NamesList &m_names;
};
