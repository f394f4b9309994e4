#include "common/message_hook.h"
#include "people/date_picker.h"
#include "people/dialog_run.h"
#include "people/user_input.h"
#include "people/wizard_group.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

namespace {

NamesList Registered(int count)
{
    NamesList list;
    for (int i = 0; i < count; ++i)
        list.Append({QStringLiteral("Personne %1").arg(i + 1), COleDateTime(1950 + i % 50, 1, 1)});
    return list;
}

template <typename T> T *Control(QDialog &dialog, const char *id)
{
    T *control = dialog.findChild<T *>(QString::fromLatin1(id));
    if (!control)
        qFatal("no control %s", id);
    return control;
}

QStringList Names(const QList<PersonRecord> &persons)
{
    QStringList names;
    for (const PersonRecord &person : persons)
        names << person.name;
    return names;
}

} // namespace

class WizardGroupTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void memberLimits_data();
    void memberLimits();
    void checkedWithTheKeyboard();
    void filterAsYouType();
    void addedPersonIsRegisteredAndChecked();
    void fullListTakesNoNewPersonButTheGroupDoes();
    void editShowsMembersOutsideTheList();
};

void WizardGroupTest::memberLimits_data()
{
    QTest::addColumn<int>("registered");
    QTest::addColumn<int>("checked");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("none") << 5 << 0 << false;
    QTest::newRow("one") << 5 << 1 << false;
    QTest::newRow("two") << 5 << 2 << true;
    QTest::newRow("a full list, all of it") << 100 << 100 << true;
}

void WizardGroupTest::memberLimits()
{
    QFETCH(int, registered);
    QFETCH(int, checked);
    QFETCH(bool, accepted);
    CWizgroupe step;
    step.m_names = Registered(registered);
    MessageRecorder recorder;
    const int result = RunDialog(step, [&] {
        QCOMPARE(step.RowCount(), registered);
        for (int row = 0; row < checked; ++row)
            step.SetChecked(row, true);
        QCOMPARE(Control<QLabel>(step, "count")->text(),
                 checked == 1 ? QStringLiteral("1 membre choisi")
                              : QStringLiteral("%1 membres choisis").arg(checked));
        user::Click(Control<QPushButton>(step, "1"));
    });
    if (!accepted) {
        QCOMPARE(result, -1);
        QCOMPARE(recorder.texts(),
                 QStringList{QStringLiteral("Un groupe compte au moins deux membres : cochez deux "
                                            "personnes ou plus dans la liste.")});
        return;
    }
    QCOMPARE(result, int(QDialog::Accepted));
    QVERIFY(recorder.texts().isEmpty());
    QCOMPARE(step.m_members.size(), checked);
    QCOMPARE(step.m_members.first().name, QStringLiteral("Personne 1"));
    QCOMPARE(step.m_members.last().name, QStringLiteral("Personne %1").arg(checked));
}

void WizardGroupTest::checkedWithTheKeyboard()
{
    CWizgroupe step;
    step.m_names = Registered(3);
    const int result = RunDialog(step, [&] {
        auto *list = Control<QListView>(step, "members");
        list->setFocus();
        for (int row : {0, 2}) {
            list->setCurrentIndex(list->model()->index(row, 0));
            QTest::keyClick(list, Qt::Key_Space);
        }
        user::Click(Control<QPushButton>(step, "1"));
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(Names(step.m_members),
             (QStringList{QStringLiteral("Personne 1"), QStringLiteral("Personne 3")}));
}

void WizardGroupTest::filterAsYouType()
{
    CWizgroupe step;
    step.m_names = Registered(12);
    RunDialog(step, [&] {
        auto *list = Control<QListView>(step, "members");
        user::TypeText(Control<QLineEdit>(step, "filter"), QStringLiteral("PERSONNE 1"));
        // 1, 10, 11 and 12, whatever the case typed.
        QCOMPARE(list->model()->rowCount(), 4);
        // A person checked while filtered stays checked once the filter is gone.
        list->setFocus();
        list->setCurrentIndex(list->model()->index(1, 0));
        QTest::keyClick(list, Qt::Key_Space);
        Control<QLineEdit>(step, "filter")->clear();
        QCOMPARE(list->model()->rowCount(), 12);
        QVERIFY(step.IsChecked(9));
    });
}

void WizardGroupTest::addedPersonIsRegisteredAndChecked()
{
    CWizgroupe step;
    step.m_names = Registered(2);
    const int result = RunDialog(step, [&] {
        user::Type(Control<QComboBox>(step, "name"), QStringLiteral("Zoé Nouvelle"));
        user::Type(Control<QDateEdit>(step, "birth"), QDate(1990, 5, 6));
        user::Click(Control<QPushButton>(step, "add"));
        step.SetChecked(0, true);
        user::Click(Control<QPushButton>(step, "1"));
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(step.m_names.count, 3);
    QCOMPARE(step.m_names.records[2].name, QStringLiteral("Zoé Nouvelle"));
    QCOMPARE(Names(step.m_members),
             (QStringList{QStringLiteral("Personne 1"), QStringLiteral("Zoé Nouvelle")}));
    QCOMPARE(step.m_members.last().birthDate.ToQDate(), QDate(1990, 5, 6));
}

void WizardGroupTest::fullListTakesNoNewPersonButTheGroupDoes()
{
    CWizgroupe step;
    step.m_names = Registered(100);
    const int result = RunDialog(step, [&] {
        user::Type(Control<QComboBox>(step, "name"), QStringLiteral("Hors liste"));
        user::Click(Control<QPushButton>(step, "add"));
        step.SetChecked(99, true);
        user::Click(Control<QPushButton>(step, "1"));
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(step.m_names.count, 100);
    QCOMPARE(Names(step.m_members),
             (QStringList{QStringLiteral("Personne 100"), QStringLiteral("Hors liste")}));
}

void WizardGroupTest::editShowsMembersOutsideTheList()
{
    CWizgroupe step;
    step.m_names = Registered(3);
    step.m_bEdit = true;
    step.m_strTitle = QStringLiteral("Edition Groupe1");
    step.m_members = {step.m_names.records[1],
                      PersonRecord{QStringLiteral("Ailleurs"), COleDateTime(1960, 6, 6)}};
    const int result = RunDialog(step, [&] {
        QCOMPARE(step.windowTitle(), QStringLiteral("Edition Groupe1"));
        QCOMPARE(Control<QPushButton>(step, "1")->text(), QStringLiteral("Modifier"));
        QCOMPARE(step.RowCount(), 4);
        QVERIFY(!step.IsChecked(0));
        QVERIFY(step.IsChecked(1));
        QVERIFY(step.IsChecked(3));
        step.SetChecked(2, true);
        user::Click(Control<QPushButton>(step, "1"));
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(Names(step.m_members),
             (QStringList{QStringLiteral("Personne 2"), QStringLiteral("Personne 3"),
                          QStringLiteral("Ailleurs")}));
}

QTEST_MAIN(WizardGroupTest)
#include "wizard_group_test.moc"
