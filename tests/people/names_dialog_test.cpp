#include "common/message_hook.h"
#include "people/dialog_run.h"
#include "people/names_dialog.h"
#include "people/names_store.h"
#include "people/user_input.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kFull =
    QStringLiteral("Plus de place pour une nouvelle entrée dans la liste de noms.\n"
                   "Supprimez une entrée existante pour libérer de l'espace.");
const QString kTooLong = QStringLiteral("Tapez 30 caractères au maximum.");

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

NamesList FullList()
{
    NamesList list;
    for (int i = 0; i < NamesList::kCapacity; ++i)
        list.Append(
            {QStringLiteral("P%1").arg(i, 2, 10, QLatin1Char('0')), COleDateTime(2000, 1, 1)});
    return list;
}

// The dialog with its controls, as a test drives it.
struct Fixture
{
    explicit Fixture(const NamesList &names = {}) { dialog.m_names = names; }

    QComboBox *box() { return dialog.findChild<QComboBox *>(QStringLiteral("1014")); }
    QDateEdit *picker() { return dialog.findChild<QDateEdit *>(QStringLiteral("1013")); }
    QPushButton *button(const char *id)
    {
        return dialog.findChild<QPushButton *>(QString::fromLatin1(id));
    }
    void add(const QString &name, const QDate &date)
    {
        user::Type(box(), name);
        user::Type(picker(), date);
        user::Click(button("1011"));
    }
    void choose(const QString &name) { user::Choose(box(), user::Row(box(), name)); }

    CGestionNoms dialog;
};

} // namespace

class NamesDialogTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layout();
    void addListsTheNameAndClearsTheBox();
    void okAddsTheTypedName();
    void redating_data();
    void redating();
    void addWithEmptyBoxChangesNothing();
    void nameLength_data();
    void nameLength();
    void okWithTooLongNameStaysOpen();
    void longRegisteredNameCanBeRemoved();
    void fullList_data();
    void fullList();
    void removeWithNothingChosen();
    void duplicateNames();
    void nameWithLoneCarriageReturn();
    void cancelKeepsNothing_data();
    void cancelKeepsNothing();
};

void NamesDialogTest::layout()
{
    Fixture f(NamesList{});
    const int result = RunDialog(f.dialog, [&] {
        QCOMPARE(f.dialog.windowTitle(), QStringLiteral("Gestion des personnes enregistrées"));
        QStringList titles;
        for (const QGroupBox *group : f.dialog.findChildren<QGroupBox *>())
            titles << group->title();
        QCOMPARE(titles, (QStringList{QStringLiteral("Personne :"), QStringLiteral("Action :")}));
        QCOMPARE(f.button("1011")->text(), QStringLiteral("Ajouter"));
        QCOMPARE(f.button("1012")->text(), QStringLiteral("Supprimer"));
        QCOMPARE(f.button("2")->text(), QStringLiteral("Annuler"));
        QCOMPARE(f.button("1")->text(), QStringLiteral("OK"));
        QVERIFY(f.button("1")->isDefault());
        QCOMPARE(f.dialog.focusWidget(), f.box());
        user::Click(f.button("2"));
    });
    QCOMPARE(result, int(QDialog::Rejected));
}

void NamesDialogTest::addListsTheNameAndClearsTheBox()
{
    Fixture f;
    f.dialog.m_names.Append({QStringLiteral("Zoé"), COleDateTime(1980, 5, 12)});
    const int result = RunDialog(f.dialog, [&] {
        f.add(QStringLiteral("Bob"), QDate(1980, 3, 4));
        QCOMPARE(f.box()->currentText(), QString());
        QCOMPARE(f.picker()->date(), QDate(1980, 3, 4));
        QCOMPARE(Items(f.box()), (QStringList{QStringLiteral("Bob"), QStringLiteral("Zoé")}));
        f.add(QStringLiteral("Élise"), QDate(1990, 1, 2));
        QCOMPARE(Items(f.box()), (QStringList{QStringLiteral("Bob"), QStringLiteral("Élise"),
                                              QStringLiteral("Zoé")}));
        user::Click(f.button("1"));
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(Describe(f.dialog.m_names),
             (QStringList{QStringLiteral("Zoé|1980-05-12"), QStringLiteral("Bob|1980-03-04"),
                          QStringLiteral("Élise|1990-01-02")}));
}

void NamesDialogTest::okAddsTheTypedName()
{
    Fixture f;
    MessageRecorder recorder;
    const int result = RunDialog(f.dialog, [&] {
        user::Type(f.box(), QStringLiteral("Bob"));
        user::Type(f.picker(), QDate(1980, 3, 4));
        user::Press(&f.dialog, Qt::Key_Return);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QVERIFY(f.dialog.m_bClosing);
    QVERIFY(recorder.texts().isEmpty());
    QCOMPARE(Describe(f.dialog.m_names), QStringList{QStringLiteral("Bob|1980-03-04")});
}

void NamesDialogTest::redating_data()
{
    QTest::addColumn<bool>("byOk");
    QTest::newRow("Ajouter") << false;
    QTest::newRow("OK") << true;
}

void NamesDialogTest::redating()
{
    QFETCH(bool, byOk);
    NamesList names;
    names.Append({QStringLiteral("Alice"), COleDateTime(1975, 1, 2)});
    names.Append({QStringLiteral("Bob"), COleDateTime(1980, 3, 4)});
    Fixture f(names);
    const int result = RunDialog(f.dialog, [&] {
        f.choose(QStringLiteral("Bob"));
        QCOMPARE(f.picker()->date(), QDate(1980, 3, 4));
        QCOMPARE(f.box()->currentText(), QStringLiteral("Bob"));
        user::Type(f.picker(), QDate(1981, 4, 5));
        if (!byOk) {
            user::Click(f.button("1011"));
            QCOMPARE(f.box()->currentText(), QString());
            QCOMPARE(Items(f.box()), (QStringList{QStringLiteral("Alice"), QStringLiteral("Bob")}));
        }
        user::Click(f.button("1"));
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(Describe(f.dialog.m_names),
             (QStringList{QStringLiteral("Alice|1975-01-02"), QStringLiteral("Bob|1981-04-05")}));
}

void NamesDialogTest::addWithEmptyBoxChangesNothing()
{
    NamesList names;
    names.Append({QStringLiteral("Alice"), COleDateTime(1975, 1, 2)});
    Fixture f(names);
    const int result = RunDialog(f.dialog, [&] {
        user::Type(f.picker(), QDate(1999, 9, 9));
        user::Click(f.button("1011"));
        QCOMPARE(f.picker()->date(), QDate(1999, 9, 9));
        QCOMPARE(Items(f.box()), QStringList{QStringLiteral("Alice")});
        user::Click(f.button("1"));
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(Describe(f.dialog.m_names), QStringList{QStringLiteral("Alice|1975-01-02")});
}

void NamesDialogTest::nameLength_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("30 characters") << QString(30, u'é') << true;
    QTest::newRow("31 characters") << QString(31, u'a') << false;
}

void NamesDialogTest::nameLength()
{
    QFETCH(QString, name);
    QFETCH(bool, accepted);
    Fixture f;
    MessageRecorder recorder;
    const int result = RunDialog(f.dialog, [&] {
        f.add(name, QDate(2000, 1, 1));
        QCOMPARE(f.box()->currentText(), accepted ? QString() : name);
        if (!accepted)
            if (!accepted)
                QCOMPARE(f.dialog.focusWidget(), f.box());
        user::Click(f.button("2"));
    });
    QCOMPARE(result, int(QDialog::Rejected));
    QCOMPARE(f.dialog.m_names.count, accepted ? 1 : 0);
    QCOMPARE(recorder.texts(), accepted ? QStringList() : QStringList{kTooLong});
    if (!accepted)
        QCOMPARE(recorder.shown().constFirst().icon, QMessageBox::Warning);
}

void NamesDialogTest::okWithTooLongNameStaysOpen()
{
    Fixture f;
    MessageRecorder recorder;
    const int result = RunDialog(f.dialog, [&] {
        user::Type(f.box(), QString(31, u'a'));
        user::Click(f.button("1"));
        QVERIFY(f.dialog.isVisible());
        // Once is enough: the same complaint twice in a row would only be noise.
        QCOMPARE(recorder.texts(), QStringList{kTooLong});
        user::Type(f.box(), QString(30, u'a'));
        user::Click(f.button("1"));
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(f.dialog.m_names.count, 1);
    QCOMPARE(f.dialog.m_names.records[0].name, QString(30, u'a'));
}

void NamesDialogTest::longRegisteredNameCanBeRemoved()
{
    const QString longName = QString(45, u'x');
    NamesList names;
    names.Append({longName, COleDateTime(1975, 1, 2)});
    names.Append({QStringLiteral("Bob"), COleDateTime(1980, 3, 4)});
    Fixture f(names);
    MessageRecorder recorder;
    const int result = RunDialog(f.dialog, [&] {
        f.choose(longName);
        QCOMPARE(f.picker()->date(), QDate(1975, 1, 2));
        user::Click(f.button("1011"));
        QCOMPARE(recorder.texts(), QStringList{kTooLong});
        user::Click(f.button("1012"));
        QCOMPARE(Items(f.box()), QStringList{QStringLiteral("Bob")});
        QCOMPARE(f.box()->currentText(), QString());
        QCOMPARE(f.picker()->date(), QDate(1975, 1, 2));
        user::Click(f.button("1"));
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(Describe(f.dialog.m_names), QStringList{QStringLiteral("Bob|1980-03-04")});
}

void NamesDialogTest::fullList_data()
{
    QTest::addColumn<bool>("byOk");
    QTest::newRow("Ajouter") << false;
    QTest::newRow("OK") << true;
}

void NamesDialogTest::fullList()
{
    QFETCH(bool, byOk);
    Fixture f(FullList());
    const QStringList before = Describe(f.dialog.m_names);
    MessageRecorder recorder;
    const int result = RunDialog(f.dialog, [&] {
        QCOMPARE(f.box()->count(), 100);
        user::Type(f.box(), QStringLiteral("Nouveau"));
        user::Click(f.button(byOk ? "1" : "1011"));
        // A typed name never vanishes unseen: the dialog says why and stays open.
        QVERIFY(f.dialog.isVisible());
        QCOMPARE(recorder.texts(), QStringList{kFull});
        QCOMPARE(recorder.shown().constFirst().icon, QMessageBox::Warning);
        QCOMPARE(f.box()->currentText(), QStringLiteral("Nouveau"));
        QVERIFY(!f.dialog.m_bClosing);
        // A registered person's new birth date needs no room.
        f.choose(QStringLiteral("P42"));
        user::Type(f.picker(), QDate(1970, 7, 7));
        user::Click(f.button(byOk ? "1" : "1011"));
        if (!byOk)
            user::Click(f.button("1"));
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(recorder.texts().size(), 1);
    QStringList expected = before;
    expected[42] = QStringLiteral("P42|1970-07-07");
    QCOMPARE(Describe(f.dialog.m_names), expected);
}

void NamesDialogTest::removeWithNothingChosen()
{
    NamesList names;
    names.Append({QStringLiteral("Alice"), COleDateTime(1975, 1, 2)});
    for (const NamesList &start : {NamesList{}, names}) {
        Fixture f(start);
        const int result = RunDialog(f.dialog, [&] {
            user::Type(f.box(), QStringLiteral("Alice"));
            user::Click(f.button("1012"));
            QCOMPARE(f.box()->currentText(), QStringLiteral("Alice"));
            QCOMPARE(f.box()->count(), start.count);
            user::Click(f.button("2"));
        });
        QCOMPARE(result, int(QDialog::Rejected));
        QCOMPARE(Describe(f.dialog.m_names), Describe(start));
    }
}

void NamesDialogTest::duplicateNames()
{
    NamesList names;
    names.Append({QStringLiteral("Alice"), COleDateTime(1975, 1, 2)});
    Fixture f(names);
    const int result = RunDialog(f.dialog, [&] {
        f.add(QStringLiteral("Alice"), QDate(1999, 9, 9));
        f.add(QStringLiteral("Bob"), QDate(1980, 3, 4));
        QCOMPARE(Items(f.box()), (QStringList{QStringLiteral("Alice"), QStringLiteral("Alice"),
                                              QStringLiteral("Bob")}));
        user::Choose(f.box(), 1);
        QCOMPARE(f.picker()->date(), QDate(1975, 1, 2));
        user::Click(f.button("1012"));
        QCOMPARE(Items(f.box()), (QStringList{QStringLiteral("Alice"), QStringLiteral("Bob")}));
        user::Click(f.button("1"));
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(Describe(f.dialog.m_names),
             (QStringList{QStringLiteral("Alice|1999-09-09"), QStringLiteral("Bob|1980-03-04")}));
}

void NamesDialogTest::nameWithLoneCarriageReturn()
{
    // A lone CR is no line end for the file, so the name arrives with a break in it.
    QTemporaryDir dataDirectory;
    QVERIFY(QFile::copy(QFINDTESTDATA("data/lone_cr.dat"),
                        dataDirectory.filePath(QStringLiteral("Ondaris.dat"))));
    NamesList names;
    QVERIFY(NamesStore().Load(names, dataDirectory.path()));
    Fixture f(names);
    const int result = RunDialog(f.dialog, [&] {
        f.choose(QStringLiteral("Jean Dupont"));
        QCOMPARE(f.picker()->date(), QDate(1970, 3, 15));
        user::Type(f.picker(), QDate(1971, 4, 16));
        user::Click(f.button("1011"));
        QCOMPARE(Describe(f.dialog.m_names).constFirst(), QStringLiteral("Jean Dupont|1971-04-16"));
        f.choose(QStringLiteral("Jean Dupont"));
        user::Click(f.button("1012"));
        QCOMPARE(Items(f.box()), QStringList{QStringLiteral("Zoé")});
        user::Click(f.button("1"));
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(Describe(f.dialog.m_names), QStringList{QStringLiteral("Zoé|1990-02-01")});
}

void NamesDialogTest::cancelKeepsNothing_data()
{
    QTest::addColumn<bool>("byEscape");
    QTest::newRow("Annuler") << false;
    QTest::newRow("Escape") << true;
}

void NamesDialogTest::cancelKeepsNothing()
{
    QFETCH(bool, byEscape);
    NamesList names;
    names.Append({QStringLiteral("Alice"), COleDateTime(1975, 1, 2)});
    names.Append({QStringLiteral("Bob"), COleDateTime(1980, 3, 4)});
    NamesList application = names;

    Fixture f;
    f.dialog.m_names = application;
    const int result = RunDialog(f.dialog, [&] {
        f.add(QStringLiteral("Carl"), QDate(1990, 1, 1));
        f.choose(QStringLiteral("Alice"));
        user::Click(f.button("1012"));
        if (byEscape)
            user::Press(&f.dialog, Qt::Key_Escape);
        else
            user::Click(f.button("2"));
    });
    QCOMPARE(result, int(QDialog::Rejected));
    if (result == QDialog::Accepted)
        application = f.dialog.m_names;
    QCOMPARE(Describe(application), Describe(names));
}

QTEST_MAIN(NamesDialogTest)
#include "names_dialog_test.moc"
