#include "common/french_locale.h"
#include "common/modal.h"
#include "framework/doc_template.h"
#include "studies/affinite_doc.h"
#include "studies/biorythme_doc.h"
#include "studies/compatibilite_doc.h"
#include "studies/study_info.h"
#include "study_bytes.h"

#include <QComboBox>
#include <QDateEdit>
#include <QJsonArray>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace study_bytes;
using namespace Qt::StringLiterals;

namespace {

const QDate kBirth1(1985, 7, 14);
const QDate kBirth2(1982, 11, 2);
const QDate kStart(2026, 1, 5);
const COleDateTime kRegistered(1950, 6, 30);
const QString kTypes[3] = {QStringLiteral("Biorythme"), QStringLiteral("Compatibilité"),
                           QStringLiteral("Affinité")};

// What a step showed when it opened.
struct Seen
{
    QString title;
    QString confirm;
    QString name1;
    QString name2;
    QDate date;
    bool secondPerson = false;
};

void See(QDialog *step, Seen &seen)
{
    seen.title = step->windowTitle();
    seen.confirm = step->findChild<QPushButton *>(QStringLiteral("1"))->text();
    if (auto *box = step->findChild<QComboBox *>(QStringLiteral("1003")))
        seen.name1 = box->currentText();
    if (auto *box = step->findChild<QComboBox *>(QStringLiteral("1006"))) {
        seen.name2 = box->currentText();
        seen.secondPerson = box->isVisible();
    }
    if (auto *picker = step->findChild<QDateEdit *>(QStringLiteral("1010")))
        seen.date = picker->date();
}

// Types over the name a user would type, after selecting what the box held.
void TypeName(QDialog *step, const char *id, const QString &name)
{
    QLineEdit *edit = step->findChild<QComboBox *>(QLatin1String(id))->lineEdit();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    for (const QChar ch : name) {
        // QTest types only ASCII by key code; other letters come as text, as an input method
        // gives them.
        if (ch.unicode() < 0x80)
            QTest::keyClick(edit, ch.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

void PickDate(QDialog *step, const char *id, const QDate &date)
{
    step->findChild<QDateEdit *>(QLatin1String(id))->setDate(date);
}

void Click(QDialog *step, const char *id)
{
    QTest::mouseClick(step->findChild<QPushButton *>(QLatin1String(id)), Qt::LeftButton);
}

// Step 1 filled with Claire (and Julien), then confirmed or cancelled.
void AnswerIdentity(int kind, bool confirm, Seen &seen, std::function<void(QDialog *)> next = {})
{
    OnNextModal([=, &seen](QDialog *step) {
        See(step, seen);
        TypeName(step, "1003", QStringLiteral("Claire"));
        PickDate(step, "1002", kBirth1);
        if (kind != 0) {
            TypeName(step, "1006", QStringLiteral("Julien"));
            PickDate(step, "1005", kBirth2);
        }
        if (next)
            OnNextModal(next);
        Click(step, confirm ? "1" : "2");
    });
}

std::function<void(QDialog *)> AnswerStart(bool confirm, Seen &seen)
{
    return [confirm, &seen](QDialog *step) {
        See(step, seen);
        PickDate(step, "1010", kStart);
        Click(step, confirm ? "1" : "2");
    };
}

NamesList WithJulien()
{
    NamesList names;
    names.Append(PersonRecord{QStringLiteral("Julien"), kRegistered});
    return names;
}

QStringList NamesOf(const NamesList &names)
{
    QStringList result;
    for (int i = 0; i < names.count; ++i)
        result.append(names.records[i].name + QLatin1Char(' ') +
                      names.records[i].birthDate.ToQDate().toString(Qt::ISODate));
    return result;
}

// The members that the same study gives when it is read back from what it writes.
QJsonObject AsReadBack(CDocument &document, int kind)
{
    NamesList scratch;
    const auto copy = Make(kind, scratch);
    return Read(*copy, Write(document)).isEmpty() ? StudyInfoJson(*copy) : QJsonObject();
}

} // namespace

class WizardFlowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void creation_data();
    void creation();
    void cancelledCreation_data();
    void cancelledCreation();
    void editPersons_data();
    void editPersons();
    void editStartDate_data();
    void editStartDate();

private:
    std::unique_ptr<CDocument> Opened(int kind, NamesList &names, const QString &fileName);
    QTemporaryDir m_dir;
};

std::unique_ptr<CDocument> WizardFlowTest::Opened(int kind, NamesList &names,
                                                  const QString &fileName)
{
    const QString path = m_dir.filePath(fileName);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return nullptr;
    file.write(File(kind, "c", "Claire", "Julien",
                    {Date(COleDateTime::FromQDate(kBirth1)), Date(COleDateTime::FromQDate(kBirth2)),
                     Date(COleDateTime::FromQDate(kStart))}));
    file.close();
    auto doc = Make(kind, names);
    return doc->ReadFile(path).isEmpty() ? std::move(doc) : nullptr;
}

void WizardFlowTest::creation_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("confirmText");
    QTest::addColumn<QStringList>("namesAfter");
    QTest::newRow("Biorythme") << 0 << QStringLiteral("Suivant")
                               << QStringList{u"Julien 1950-06-30"_s, u"Claire 1985-07-14"_s};
    QTest::newRow("Compatibilité") << 1 << QStringLiteral("Suivant")
                                   << QStringList{u"Julien 1982-11-02"_s, u"Claire 1985-07-14"_s};
    QTest::newRow("Affinité") << 2 << QStringLiteral("Créer")
                              << QStringList{u"Julien 1982-11-02"_s, u"Claire 1985-07-14"_s};
}

void WizardFlowTest::creation()
{
    QFETCH(int, kind);
    QFETCH(QString, confirmText);
    QFETCH(QStringList, namesAfter);
    NamesList names = WithJulien();
    const StudyType &type = StudyTypes().at(kind);
    CDocTemplate studyTemplate(type.resourceId, type.description,
                               [&names, &type] { return type.make(names); });
    Seen identity, start;
    AnswerIdentity(kind, true, identity, kind == 2 ? nullptr : AnswerStart(true, start));
    const auto doc = studyTemplate.CreateNewDocument();
    QVERIFY(doc);

    QCOMPARE(identity.title, kTypes[kind] + QStringLiteral(" : Données d'Identification"));
    QCOMPARE(identity.confirm, confirmText);
    QCOMPARE(identity.name1, QString());
    QCOMPARE(identity.secondPerson, kind != 0);
    if (kind != 2) {
        QCOMPARE(start.title, kTypes[kind] + QStringLiteral(" : Date de départ du biorythme"));
        QCOMPARE(start.confirm, QStringLiteral("Créer"));
        QCOMPARE(start.date, QDate::currentDate());
    }

    QCOMPARE(doc->GetTitle(), kTypes[kind] + QLatin1Char('1'));
    QVERIFY(doc->IsModified());
    QCOMPARE(NamesOf(names), namesAfter);

    const QJsonObject info = StudyInfoJson(*doc);
    QCOMPARE(info.value(QStringLiteral("type")).toString(), kTypes[kind]);
    const QJsonArray persons = info.value(QStringLiteral("persons")).toArray();
    QCOMPARE(persons.at(0).toObject().value(QStringLiteral("name")).toString(),
             QStringLiteral("Claire"));
    QCOMPARE(persons.at(0).toObject().value(QStringLiteral("birthDate")).toString(),
             QStringLiteral("1985-07-14"));
    if (kind != 0)
        QCOMPARE(persons.at(1).toObject().value(QStringLiteral("birthText")).toString(),
                 QStringLiteral("02/11/1982"));
    if (kind != 2)
        QCOMPARE(info.value(QStringLiteral("startDate")).toString(), QStringLiteral("2026-01-05"));
    // Every derived member agrees with what loading works out.
    QCOMPARE(info, AsReadBack(*doc, kind));
}

void WizardFlowTest::cancelledCreation_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("cancelledStep");
    QTest::newRow("Biorythme, step 1") << 0 << 1;
    QTest::newRow("Biorythme, step 2") << 0 << 2;
    QTest::newRow("Compatibilité, step 1") << 1 << 1;
    QTest::newRow("Compatibilité, step 2") << 1 << 2;
    QTest::newRow("Affinité, step 1") << 2 << 1;
}

void WizardFlowTest::cancelledCreation()
{
    QFETCH(int, kind);
    QFETCH(int, cancelledStep);
    NamesList names = WithJulien();
    const StudyType &type = StudyTypes().at(kind);
    CDocTemplate studyTemplate(type.resourceId, type.description,
                               [&names, &type] { return type.make(names); });
    Seen identity, start;
    AnswerIdentity(kind, cancelledStep != 1, identity,
                   cancelledStep == 2 ? AnswerStart(false, start) : nullptr);
    QVERIFY(!studyTemplate.CreateNewDocument());
    // A list confirmed in step 1 stays, even when step 2 is cancelled.
    const QStringList expected = cancelledStep == 1 ? QStringList{u"Julien 1950-06-30"_s}
                                 : kind == 0
                                     ? QStringList{u"Julien 1950-06-30"_s, u"Claire 1985-07-14"_s}
                                     : QStringList{u"Julien 1982-11-02"_s, u"Claire 1985-07-14"_s};
    QCOMPARE(NamesOf(names), expected);

    // The count of new studies did not advance.
    AnswerIdentity(kind, true, identity, kind == 2 ? nullptr : AnswerStart(true, start));
    const auto doc = studyTemplate.CreateNewDocument();
    QVERIFY(doc);
    QCOMPARE(doc->GetTitle(), kTypes[kind] + QLatin1Char('1'));
}

void WizardFlowTest::editPersons_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("confirm");
    const QString names[3] = {QStringLiteral("etude.bio"), QStringLiteral("etude.bi2"),
                              QStringLiteral("etude.aff")};
    for (int kind = 0; kind < 3; ++kind) {
        QTest::addRow("%s, confirmed", qPrintable(names[kind])) << kind << names[kind] << true;
        QTest::addRow("%s, cancelled", qPrintable(names[kind])) << kind << names[kind] << false;
    }
}

void WizardFlowTest::editPersons()
{
    QFETCH(int, kind);
    QFETCH(QString, fileName);
    QFETCH(bool, confirm);
    NamesList names;
    const auto doc = Opened(kind, names, fileName);
    QVERIFY(doc);
    const NamesList namesBefore = names;
    const QJsonObject before = StudyInfoJson(*doc);
    QSignalSpy updates(doc.get(), &CDocument::allViewsUpdate);

    Seen seen;
    OnNextModal([&seen, confirm](QDialog *step) {
        See(step, seen);
        TypeName(step, "1003", QStringLiteral("Hélène"));
        PickDate(step, "1002", QDate(1990, 2, 28));
        Click(step, confirm ? "1" : "2");
    });
    doc->OnEditPersons();

    QCOMPARE(seen.title, QStringLiteral("Edition ") + fileName);
    QCOMPARE(seen.confirm, QStringLiteral("Modifier"));
    QCOMPARE(seen.name1, QStringLiteral("Claire"));
    QCOMPARE(seen.name2, kind == 0 ? QString() : QStringLiteral("Julien"));
    QCOMPARE(seen.secondPerson, kind != 0);
    if (!confirm) {
        QCOMPARE(StudyInfoJson(*doc), before);
        QCOMPARE(NamesOf(names), NamesOf(namesBefore));
        QVERIFY(!doc->IsModified());
        QCOMPARE(updates.size(), 0);
        return;
    }
    const QJsonObject after = StudyInfoJson(*doc);
    const QJsonObject person = after.value(QStringLiteral("persons")).toArray().at(0).toObject();
    QCOMPARE(person.value(QStringLiteral("name")).toString(), QStringLiteral("Hélène"));
    QCOMPARE(person.value(QStringLiteral("birthWeekday")).toString(), QStringLiteral("Mercredi"));
    QCOMPARE(after.value(QStringLiteral("startDate")), before.value(QStringLiteral("startDate")));
    QCOMPARE(after.value(QStringLiteral("dayNumbers")), before.value(QStringLiteral("dayNumbers")));
    QCOMPARE(after, AsReadBack(*doc, kind));
    QVERIFY(after != before);
    QCOMPARE(NamesOf(names), NamesOf(namesBefore) + QStringList{u"Hélène 1990-02-28"_s});
    QVERIFY(doc->IsModified());
    QCOMPARE(updates.size(), 1);
}

void WizardFlowTest::editStartDate_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("confirm");
    QTest::newRow("Biorythme, confirmed") << 0 << true;
    QTest::newRow("Biorythme, cancelled") << 0 << false;
    QTest::newRow("Compatibilité, confirmed") << 1 << true;
    QTest::newRow("Compatibilité, cancelled") << 1 << false;
}

void WizardFlowTest::editStartDate()
{
    QFETCH(int, kind);
    QFETCH(bool, confirm);
    NamesList names;
    const StudyType &type = StudyTypes().at(kind);
    CDocTemplate studyTemplate(type.resourceId, type.description,
                               [&names, &type] { return type.make(names); });
    Seen identity, start;
    AnswerIdentity(kind, true, identity, AnswerStart(true, start));
    const auto doc = studyTemplate.CreateNewDocument();
    QVERIFY(doc);
    QVERIFY(doc->HasStartDate());
    doc->SetModifiedFlag(false);
    const QJsonObject before = StudyInfoJson(*doc);
    QSignalSpy updates(doc.get(), &CDocument::allViewsUpdate);

    Seen seen;
    OnNextModal([&seen, confirm](QDialog *step) {
        See(step, seen);
        PickDate(step, "1010", QDate(2027, 3, 1));
        Click(step, confirm ? "1" : "2");
    });
    doc->OnEditStartDate();

    QCOMPARE(seen.title, QStringLiteral("Edition ") + kTypes[kind] + QLatin1Char('1'));
    QCOMPARE(seen.confirm, QStringLiteral("Modifier"));
    QCOMPARE(seen.date, kStart);
    const QJsonObject after = StudyInfoJson(*doc);
    if (!confirm) {
        QCOMPARE(after, before);
        QVERIFY(!doc->IsModified());
        QCOMPARE(updates.size(), 0);
        return;
    }
    QCOMPARE(after.value(QStringLiteral("startDate")).toString(), QStringLiteral("2027-03-01"));
    QCOMPARE(after.value(QStringLiteral("startText")).toString(), QStringLiteral("01/03/2027"));
    QCOMPARE(after.value(QStringLiteral("persons")), before.value(QStringLiteral("persons")));
    QCOMPARE(after, AsReadBack(*doc, kind));
    QVERIFY(doc->IsModified());
    QCOMPARE(updates.size(), 1);
}

QTEST_MAIN_FRENCH(WizardFlowTest)
#include "wizard_flow_test.moc"
