#include "common/message_hook.h"
#include "people/dialog_run.h"
#include "people/user_input.h"
#include "people/wizard_identity.h"
#include "people/wizard_start.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

NamesList MakeList(const QList<std::pair<QString, QDate>> &people)
{
    NamesList list;
    for (const auto &[name, date] : people)
        list.Append({name, COleDateTime::FromQDate(date)});
    return list;
}

QStringList Describe(const NamesList &list)
{
    QStringList lines;
    for (int i = 0; i < list.count; ++i) {
        const PersonRecord &r = list.records[static_cast<size_t>(i)];
        lines << r.name + u'|' + r.birthDate.ToQDate().toString(Qt::ISODate);
    }
    return lines;
}

QStringList Items(QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

template <typename T> T *Control(QDialog &dialog, const char *id)
{
    T *control = dialog.findChild<T *>(QString::fromLatin1(id));
    if (!control)
        qFatal("no control %s", id);
    return control;
}

} // namespace

class WizardTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void presets_data();
    void presets();
    void choosingTakesTheRegisteredDate();
    void typingKeepsThePickerDate();
    void sameNewNameForBothPersons();
    void duplicateNamesGiveTheFirstRecord();
    void fullListTakesNoNewPerson();
    void longNameIsRegistered();
    void cancelling_data();
    void cancelling();
    void startStep_data();
    void startStep();
    void startStepCancelled();
};

void WizardTest::presets_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("onePerson");
    QTest::addColumn<bool>("directCreate");
    QTest::addColumn<bool>("edit");
    QTest::addColumn<QString>("name1");
    QTest::addColumn<QString>("name2");
    QTest::addColumn<QDate>("date1");
    QTest::addColumn<QDate>("date2");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("registered");

    const QDate today = QDate::currentDate();
    const QStringList unchanged{QStringLiteral("Zoé|1980-05-12"),
                                QStringLiteral("Alice|1975-01-02")};
    QTest::newRow("new Biorythme")
        << QStringLiteral("Biorythme : Données d'Identification") << true << false << false
        << QString() << QString() << today << today << QStringLiteral("Suivant") << unchanged;
    QTest::newRow("new Compatibilité")
        << QStringLiteral("Compatibilité : Données d'Identification") << false << false << false
        << QString() << QString() << today << today << QStringLiteral("Suivant") << unchanged;
    QTest::newRow("new Affinité") << QStringLiteral("Affinité : Données d'Identification") << false
                                  << true << false << QString() << QString() << today << today
                                  << QStringLiteral("Créer") << unchanged;
    QTest::newRow("edit Biorythme")
        << QStringLiteral("Edition Biorythme1") << true << false << true << QStringLiteral("Léa")
        << QStringLiteral("ignored") << QDate(1960, 2, 29) << QDate(1961, 1, 1)
        << QStringLiteral("Modifier") << unchanged + QStringList{QStringLiteral("Léa|1960-02-29")};
    QTest::newRow("edit Compatibilité")
        << QStringLiteral("Edition Compatibilité1") << false << false << true
        << QStringLiteral("Alice") << QStringLiteral("Marc") << QDate(1975, 1, 3)
        << QDate(100, 1, 1) << QStringLiteral("Modifier")
        << QStringList{QStringLiteral("Zoé|1980-05-12"), QStringLiteral("Alice|1975-01-03"),
                       QStringLiteral("Marc|0100-01-01")};
}

void WizardTest::presets()
{
    QFETCH(QString, title);
    QFETCH(bool, onePerson);
    QFETCH(bool, directCreate);
    QFETCH(bool, edit);
    QFETCH(QString, name1);
    QFETCH(QString, name2);
    QFETCH(QDate, date1);
    QFETCH(QDate, date2);
    QFETCH(QString, button);
    QFETCH(QStringList, registered);

    CWizidentite wizard;
    wizard.m_names = MakeList({{QStringLiteral("Zoé"), QDate(1980, 5, 12)},
                               {QStringLiteral("Alice"), QDate(1975, 1, 2)}});
    wizard.m_strTitle = title;
    wizard.m_bOnePerson = onePerson;
    wizard.m_bDirectCreate = directCreate;
    wizard.m_bEdit = edit;
    if (edit) {
        wizard.m_strName1 = name1;
        wizard.m_strName2 = name2;
        wizard.m_dateBirth1 = COleDateTime::FromQDate(date1);
        wizard.m_dateBirth2 = COleDateTime::FromQDate(date2);
    }

    const int result = RunDialog(wizard, [&] {
        QCOMPARE(wizard.windowTitle(), title);
        QCOMPARE(Control<QPushButton>(wizard, "1")->text(), button);
        QCOMPARE(Control<QPushButton>(wizard, "2")->text(), QStringLiteral("Annuler"));
        QCOMPARE(Control<QGroupBox>(wizard, "1004")->title(), QStringLiteral("Personne 1 :"));
        QCOMPARE(Control<QGroupBox>(wizard, "1007")->title(), QStringLiteral("Personne 2 :"));
        for (const char *id : {"1007", "1008", "1006", "1009", "1005"})
            QCOMPARE(Control<QWidget>(wizard, id)->isVisible(), !onePerson);
        QCOMPARE(Control<QComboBox>(wizard, "1003")->currentText(), name1);
        QCOMPARE(Control<QDateEdit>(wizard, "1002")->date(), date1);
        QCOMPARE(Items(Control<QComboBox>(wizard, "1003")),
                 (QStringList{QStringLiteral("Alice"), QStringLiteral("Zoé")}));
        if (!onePerson) {
            QCOMPARE(Control<QComboBox>(wizard, "1006")->currentText(), name2);
            QCOMPARE(Control<QDateEdit>(wizard, "1005")->date(), date2);
            QCOMPARE(Items(Control<QComboBox>(wizard, "1006")),
                     Items(Control<QComboBox>(wizard, "1003")));
        }
        user::Press(&wizard, Qt::Key_Return);
    });

    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(wizard.m_strName1, name1);
    QCOMPARE(wizard.m_dateBirth1.ToQDate(), date1);
    if (!onePerson) {
        QCOMPARE(wizard.m_strName2, name2);
        QCOMPARE(wizard.m_dateBirth2.ToQDate(), date2);
    }
    QCOMPARE(Describe(wizard.m_names), registered);
}

void WizardTest::choosingTakesTheRegisteredDate()
{
    CWizidentite wizard;
    wizard.m_names = MakeList(
        {{QStringLiteral("Bob"), QDate(1980, 3, 4)}, {QStringLiteral("Alice"), QDate(1975, 1, 2)}});
    wizard.m_dateBirth2 = COleDateTime(1990, 6, 15);
    const QStringList before = Describe(wizard.m_names);

    const int result = RunDialog(wizard, [&] {
        auto *box1 = Control<QComboBox>(wizard, "1003");
        user::Choose(box1, user::Row(box1, QStringLiteral("Alice")));
        QCOMPARE(box1->currentText(), QStringLiteral("Alice"));
        QCOMPARE(Control<QDateEdit>(wizard, "1002")->date(), QDate(1975, 1, 2));
        QCOMPARE(Control<QComboBox>(wizard, "1006")->currentText(), QString());
        QCOMPARE(Control<QDateEdit>(wizard, "1005")->date(), QDate(1990, 6, 15));
        auto *box2 = Control<QComboBox>(wizard, "1006");
        box2->setFocus();
        QTest::keyClick(box2, Qt::Key_Down); // the arrow keys choose too
        QCOMPARE(box2->currentText(), QStringLiteral("Alice"));
        QCOMPARE(Control<QDateEdit>(wizard, "1005")->date(), QDate(1975, 1, 2));
        QTest::keyClick(box2, Qt::Key_Down);
        QCOMPARE(box2->currentText(), QStringLiteral("Bob"));
        QCOMPARE(Control<QDateEdit>(wizard, "1005")->date(), QDate(1980, 3, 4));
        user::Click(Control<QPushButton>(wizard, "1"));
    });

    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(wizard.m_strName1, QStringLiteral("Alice"));
    QCOMPARE(wizard.m_dateBirth1.ToQDate(), QDate(1975, 1, 2));
    QCOMPARE(wizard.m_strName2, QStringLiteral("Bob"));
    QCOMPARE(Describe(wizard.m_names), before);
}

void WizardTest::typingKeepsThePickerDate()
{
    CWizidentite wizard;
    wizard.m_names = MakeList({{QStringLiteral("Alice"), QDate(1975, 1, 2)}});
    wizard.m_bOnePerson = true;
    wizard.m_dateBirth1 = COleDateTime(1990, 6, 15);

    const int result = RunDialog(wizard, [&] {
        user::Type(Control<QComboBox>(wizard, "1003"), QStringLiteral("Alice"));
        QTest::keyClick(wizard.focusWidget(), Qt::Key_Tab);
        QCOMPARE(Control<QDateEdit>(wizard, "1002")->date(), QDate(1990, 6, 15));
        user::Click(Control<QPushButton>(wizard, "1"));
    });

    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(Describe(wizard.m_names), QStringList{QStringLiteral("Alice|1990-06-15")});
}

void WizardTest::sameNewNameForBothPersons()
{
    CWizidentite wizard;
    const int result = RunDialog(wizard, [&] {
        user::Type(Control<QComboBox>(wizard, "1003"), QStringLiteral("Bob"));
        user::Type(Control<QDateEdit>(wizard, "1002"), QDate(1980, 1, 1));
        user::Type(Control<QComboBox>(wizard, "1006"), QStringLiteral("Bob"));
        user::Type(Control<QDateEdit>(wizard, "1005"), QDate(1985, 5, 5));
        user::Press(&wizard, Qt::Key_Enter);
    });

    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(wizard.m_dateBirth1.ToQDate(), QDate(1980, 1, 1));
    QCOMPARE(Describe(wizard.m_names), QStringList{QStringLiteral("Bob|1985-05-05")});
}

void WizardTest::duplicateNamesGiveTheFirstRecord()
{
    CWizidentite wizard;
    wizard.m_names = MakeList({{QStringLiteral("Alice"), QDate(1975, 1, 2)},
                               {QStringLiteral("Zed"), QDate(1990, 1, 1)},
                               {QStringLiteral("Alice"), QDate(1999, 9, 9)}});
    const int result = RunDialog(wizard, [&] {
        auto *box = Control<QComboBox>(wizard, "1006");
        QCOMPARE(Items(box), (QStringList{QStringLiteral("Alice"), QStringLiteral("Alice"),
                                          QStringLiteral("Zed")}));
        user::Choose(box, 1);
        QCOMPARE(Control<QDateEdit>(wizard, "1005")->date(), QDate(1975, 1, 2));
        user::Click(Control<QPushButton>(wizard, "2"));
    });
    QCOMPARE(result, int(QDialog::Rejected));
}

void WizardTest::fullListTakesNoNewPerson()
{
    CWizidentite wizard;
    for (int i = 0; i < NamesList::kCapacity; ++i)
        wizard.m_names.Append({QStringLiteral("P%1").arg(i), COleDateTime(2000, 1, 1)});
    QStringList expected = Describe(wizard.m_names);
    expected[0] = QStringLiteral("P0|1970-07-07");

    MessageRecorder recorder;
    const int result = RunDialog(wizard, [&] {
        QCOMPARE(Control<QComboBox>(wizard, "1003")->count(), 100);
        user::Type(Control<QComboBox>(wizard, "1003"), QStringLiteral("Nouveau"));
        auto *box2 = Control<QComboBox>(wizard, "1006");
        user::Choose(box2, user::Row(box2, QStringLiteral("P0")));
        user::Type(Control<QDateEdit>(wizard, "1005"), QDate(1970, 7, 7));
        user::Press(&wizard, Qt::Key_Return);
    });

    // As in the names dialog, a registered person's new birth date needs no room; the new
    // name stays the study's without entering the list.
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(wizard.m_strName1, QStringLiteral("Nouveau"));
    QCOMPARE(wizard.m_strName2, QStringLiteral("P0"));
    QCOMPARE(wizard.m_dateBirth2.ToQDate(), QDate(1970, 7, 7));
    QCOMPARE(Describe(wizard.m_names), expected);
    QVERIFY(recorder.texts().isEmpty());
}

void WizardTest::longNameIsRegistered()
{
    const QString name = QStringLiteral("Marie-Charlotte Eugénie de Saint-Exupéry-Montmorency");
    CWizidentite wizard;
    wizard.m_bOnePerson = true;
    const int result = RunDialog(wizard, [&] {
        user::Type(Control<QComboBox>(wizard, "1003"), name);
        user::Type(Control<QComboBox>(wizard, "1006"), QStringLiteral("Hidden"));
        user::Click(Control<QPushButton>(wizard, "1"));
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(wizard.m_strName1, name);
    QCOMPARE(wizard.m_names.count, 1);
    QCOMPARE(wizard.m_names.records[0].name, name);
}

void WizardTest::cancelling_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("Annuler") << 0;
    QTest::newRow("Escape") << 1;
    QTest::newRow("close box") << 2;
}

void WizardTest::cancelling()
{
    QFETCH(int, how);
    CWizidentite wizard;
    wizard.m_names = MakeList({{QStringLiteral("Alice"), QDate(1975, 1, 2)}});
    wizard.m_strName1 = QStringLiteral("Alice");
    wizard.m_dateBirth1 = COleDateTime(1975, 1, 2);
    const int result = RunDialog(wizard, [&] {
        user::Type(Control<QComboBox>(wizard, "1003"), QStringLiteral("Nouveau"));
        user::Type(Control<QDateEdit>(wizard, "1002"), QDate(2001, 1, 1));
        if (how == 0)
            user::Click(Control<QPushButton>(wizard, "2"));
        else if (how == 1)
            user::Press(&wizard, Qt::Key_Escape);
        else
            wizard.close();
    });
    QCOMPARE(result, int(QDialog::Rejected));
    QCOMPARE(wizard.m_strName1, QStringLiteral("Alice"));
    QCOMPARE(wizard.m_dateBirth1.ToQDate(), QDate(1975, 1, 2));
    QCOMPARE(Describe(wizard.m_names), QStringList{QStringLiteral("Alice|1975-01-02")});
}

void WizardTest::startStep_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("edit");
    QTest::addColumn<QString>("button");
    QTest::newRow("new Biorythme") << QStringLiteral("Biorythme : Date de départ du biorythme")
                                   << false << QStringLiteral("Créer");
    QTest::newRow("new Compatibilité")
        << QStringLiteral("Compatibilité : Date de départ du biorythme") << false
        << QStringLiteral("Créer");
    QTest::newRow("edit") << QStringLiteral("Edition Biorythme1") << true
                          << QStringLiteral("Modifier");
}

void WizardTest::startStep()
{
    QFETCH(QString, title);
    QFETCH(bool, edit);
    QFETCH(QString, button);

    CWizdepart step;
    QCOMPARE(step.m_dateStart.ToQDate(), QDate::currentDate());
    step.m_strTitle = title;
    step.m_bEdit = edit;
    step.m_dateStart = COleDateTime(2024, 2, 29, 10, 30, 0);
    const int result = RunDialog(step, [&] {
        QCOMPARE(step.windowTitle(), title);
        QCOMPARE(Control<QPushButton>(step, "1")->text(), button);
        auto *picker = Control<QDateEdit>(step, "1010");
        QCOMPARE(picker->date(), QDate(2024, 2, 29));
        QCOMPARE(picker->minimumDate(), QDate(100, 1, 1));
        QCOMPARE(picker->maximumDate(), QDate(9999, 12, 31));
        QVERIFY(picker->calendarPopup());
        QVERIFY(picker->displayFormat().contains(QStringLiteral("yyyy")));
        user::Type(picker, QDate(2025, 12, 31));
        user::Press(&step, Qt::Key_Return);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(step.m_dateStart.ToQDate(), QDate(2025, 12, 31));
    // The picker keeps the time of day of the value it was given.
    QCOMPARE(step.m_dateStart.GetHour(), 10);
    QCOMPARE(step.m_dateStart.GetMinute(), 30);
}

void WizardTest::startStepCancelled()
{
    CWizdepart step;
    step.m_dateStart = COleDateTime(2024, 2, 29);
    const int result = RunDialog(step, [&] {
        user::Type(Control<QDateEdit>(step, "1010"), QDate(2025, 12, 31));
        user::Press(&step, Qt::Key_Escape);
    });
    QCOMPARE(result, int(QDialog::Rejected));
    QCOMPARE(step.m_dateStart, COleDateTime(2024, 2, 29));
}

QTEST_MAIN(WizardTest)
#include "wizard_test.moc"
