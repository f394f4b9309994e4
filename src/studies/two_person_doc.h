#pragma once

#include "core/ole_date_time.h"
#include "framework/document.h"
#include "people/names_list.h"

#include <QString>

// The persons of the Compatibilité and Affinité studies, which name them alike, and the steps
// that both studies take with them.
class CTwoPersonDoc : public CDocument
{
    Q_OBJECT
public:
    QString name1;
    COleDateTime birthDate1 = COleDateTime::GetCurrentTime();
    QString birthWeekday1;
    QString birthText1;
    qint32 birthDay1 = 0;
    QString name2;
    COleDateTime birthDate2 = COleDateTime::GetCurrentTime();
    QString birthWeekday2;
    QString birthText2;
    qint32 birthDay2 = 0;

    // The persons through the identity step, then what the study works out from them.
    void OnEditPersons() override;

protected:
    CTwoPersonDoc(NamesList &names, QObject *parent);

    // What the study works out from both persons (and from its start date, if it has one).
    virtual void ComputeResults() = 0;

    void RefreshPersons();
    void RefreshWeekdays();
    // Takes the persons read from a file and registers them, the first before the second.
    void TakeReadPersons(PersonRecord person1, PersonRecord person2);
    // The identity step for a new study: two persons asked for, the names list copied back on
    // the confirm result, then RefreshPersons.
    bool RunNewPersonsStep(const QString &title, bool directCreate);

private:
    bool RunPersonsStep(const QString &title, bool directCreate, bool edit);

    NamesList &m_names;
};
