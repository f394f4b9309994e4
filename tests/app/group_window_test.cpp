#include "app_harness.h"
#include "charts/groupe_grid.h"
#include "charts/groupe_view.h"
#include "common/exact.h"
#include "common/message_hook.h"
#include "mainwindow/command_ids.h"
#include "people/wizard_group.h"

#include <QListView>
#include <QTableView>

using namespace harness;

// A group in the program's window: made from the menu, edited, and a pair of its grid opened
// as an Affinité study.
class GroupWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { ResetStore(); }
    void createdFromTheMenuAndEdited();
    void aPairOfTheGridOpensAsAnAffinite();
};

namespace {

// Checks these rows of the members step and confirms it.
void AnswerMembersStep(const QList<int> &rows, QString *title = nullptr)
{
    OnNextModal([rows, title](QDialog *dialog) {
        auto *step = qobject_cast<CWizgroupe *>(dialog);
        if (!step) {
            dialog->reject();
            return;
        }
        if (title)
            *title = step->windowTitle();
        for (int row = 0; row < step->RowCount(); ++row)
            step->SetChecked(row, rows.contains(row));
        QTest::mouseClick(step->findChild<QPushButton *>(QStringLiteral("1")), Qt::LeftButton);
    });
}

CGroupeView *GroupViewOf(const COndarisApp &app)
{
    return qobject_cast<CGroupeView *>(app.Studies().ActiveFrame()->View());
}

} // namespace

void GroupWindowTest::createdFromTheMenuAndEdited()
{
    const auto app = Start();
    QVERIFY(app);
    for (const char *name : {"Anne", "Bruno", "Chloé"})
        app->m_names.Append({QString::fromUtf8(name), COleDateTime(1970, 3, 15)});
    QString title;
    AnswerMembersStep({0, 2}, &title);
    Trigger(*app, cmd::WizardGroupe);
    QCOMPARE(title, QStringLiteral("Groupe : Choix des Membres"));
    auto *group = qobject_cast<CGroupeDoc *>(app->Studies().ActiveDocument());
    QVERIFY(group);
    QCOMPARE(group->GetTitle(), QStringLiteral("Groupe1"));
    QVERIFY(group->IsModified());
    QCOMPARE(group->members.size(), 2);
    CGroupeView *view = GroupViewOf(*app);
    QVERIFY(view);
    QVERIFY(view->Grid()->isVisible());
    QCOMPARE(view->Grid()->Table()->model()->rowCount(), 2);

    // "Modifier > Membres...": the grid follows the three members.
    group->SetModifiedFlag(false);
    AnswerMembersStep({0, 1, 2}, &title);
    Trigger(*app, cmd::Identification);
    QCOMPARE(title, QStringLiteral("Edition Groupe1"));
    QCOMPARE(group->members.size(), 3);
    QVERIFY(group->IsModified());
    QCOMPARE(view->Grid()->Table()->model()->rowCount(), 3);
    QCOMPARE(view->Reading().rows.size(), 3);
}

void GroupWindowTest::aPairOfTheGridOpensAsAnAffinite()
{
    const QString path =
        WriteGroup(QStringLiteral("famille.grp"),
                   {QStringLiteral("Anne"), QStringLiteral("Bruno"), QStringLiteral("Chloé")});
    const auto app = Start({path});
    QVERIFY(app);
    auto *group = qobject_cast<CGroupeDoc *>(app->Studies().ActiveDocument());
    QVERIFY(group);
    QTableView *table = GroupViewOf(*app)->Grid()->Table();
    const QRect cell = table->visualRect(table->model()->index(2, 0));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());

    auto *affinite = qobject_cast<COndarisDoc3 *>(app->Studies().ActiveDocument());
    QVERIFY(affinite);
    QCOMPARE(app->Studies().Documents().size(), 2);
    QCOMPARE(affinite->GetTitle(), QStringLiteral("Affinité1"));
    QVERIFY(affinite->IsModified());
    QCOMPARE(affinite->name1, QStringLiteral("Chloé"));
    QCOMPARE(affinite->name2, QStringLiteral("Anne"));
    const AffinityScores &scores = group->Pair(0, 2).scores;
    QCOMPARE(Exact(affinite->scoreAverage), Exact(scores.average));
    QCOMPARE(affinite->textIntellectual, scores.textIntellectual);
}

QTEST_MAIN(GroupWindowTest)
#include "group_window_test.moc"
