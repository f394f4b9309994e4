#include "common/message_hook.h"
#include "people/dialog_run.h"
#include "people/names_dialog.h"
#include "people/user_input.h"
#include "people/wizard_identity.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

NamesList Registered()
{
    NamesList list;
    const QStringList names{QStringLiteral("Zoé"),    QStringLiteral("Élodie"),
                            QStringLiteral("eloïse"), QStringLiteral("Cœur"),
                            QStringLiteral("Éric"),   QStringLiteral("Jean-Éloi")};
    for (int i = 0; i < names.size(); ++i)
        list.Append({names[i], COleDateTime(1980 + i, 1 + i, 1 + i)});
    return list;
}

QStringList Items(QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

QComboBox *Box(QWidget &dialog, const char *id)
{
    return dialog.findChild<QComboBox *>(QString::fromLatin1(id));
}

QDate PickerDate(QWidget &dialog, const char *id)
{
    return dialog.findChild<QDateEdit *>(QString::fromLatin1(id))->date();
}

// The search field of the group that holds the name box.
QLineEdit *Search(QComboBox *box)
{
    return box->parentWidget()->findChild<QLineEdit *>(QStringLiteral("search"));
}

// Picks the file in the next file dialog, as a user would; `then` acts on the dialog that comes
// next.
void PickFile(const QString &path, const std::function<void(QDialog *)> &then = {})
{
    OnNextModal([path, then](QDialog *dialog) {
        auto *files = qobject_cast<QFileDialog *>(dialog);
        QVERIFY(files);
        if (then)
            OnNextModal(then);
        // Typed whole, as a user may: the folder that the dialog reads in the background and
        // the file it may select once it is read have no say.
        auto *name = files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        name->setText(path);
        static_cast<QDialog *>(files)->accept();
    });
}

} // namespace

class NamesSearchTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keepsMatchingNames_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("kept");
        QTest::newRow("nothing") << QString()
                                 << QStringList{
                                        QStringLiteral("Cœur"),      QStringLiteral("Élodie"),
                                        QStringLiteral("eloïse"),    QStringLiteral("Éric"),
                                        QStringLiteral("Jean-Éloi"), QStringLiteral("Zoé")};
        QTest::newRow("accents and case ignored")
            << QStringLiteral("ELO")
            << QStringList{QStringLiteral("Élodie"), QStringLiteral("eloïse"),
                           QStringLiteral("Jean-Éloi")};
        QTest::newRow("accent typed")
            << QStringLiteral("éri") << QStringList{QStringLiteral("Éric")};
        QTest::newRow("ligature written out")
            << QStringLiteral("coeur") << QStringList{QStringLiteral("Cœur")};
        QTest::newRow("inside a name")
            << QStringLiteral("-é") << QStringList{QStringLiteral("Jean-Éloi")};
        QTest::newRow("none") << QStringLiteral("xyz") << QStringList{};
    }
    void keepsMatchingNames()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, kept);
        CGestionNoms dialog;
        dialog.m_names = Registered();
        RunDialog(dialog, [&] {
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            QTest::keyClick(&dialog, Qt::Key_F, Qt::ControlModifier);
            QLineEdit *search = Search(Box(dialog, "1014"));
            QCOMPARE(dialog.focusWidget(), search);
            user::TypeText(search, typed);
            QCOMPARE(Items(Box(dialog, "1014")), kept);
        });
    }

    // Down and Up move through the kept names as picks from the list; Enter hands over to the
    // name box without closing; what is then done acts on the person picked.
    void keyboardMovesThroughKeptNames()
    {
        CGestionNoms dialog;
        dialog.m_names = Registered();
        const int result = RunDialog(dialog, [&] {
            QComboBox *box = Box(dialog, "1014");
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            QTest::keyClick(&dialog, Qt::Key_F, Qt::ControlModifier);
            user::TypeText(Search(box), QStringLiteral("elo"));
            QTest::keyClick(Search(box), Qt::Key_Down);
            QCOMPARE(box->currentText(), QStringLiteral("Élodie"));
            QCOMPARE(PickerDate(dialog, "1013"), QDate(1981, 2, 2));
            QTest::keyClick(Search(box), Qt::Key_Down);
            QTest::keyClick(Search(box), Qt::Key_Down);
            QTest::keyClick(Search(box), Qt::Key_Down);
            QCOMPARE(box->currentText(), QStringLiteral("Jean-Éloi"));
            QTest::keyClick(Search(box), Qt::Key_Up);
            QCOMPARE(box->currentText(), QStringLiteral("eloïse"));
            QTest::keyClick(Search(box), Qt::Key_Return);
            QVERIFY(dialog.isVisible());
            QCOMPARE(dialog.focusWidget(), box);
            user::Click(dialog.findChild<QPushButton *>(QStringLiteral("1012")));
            // Escape empties the search before it would close the dialog.
            QTest::keyClick(&dialog, Qt::Key_F, Qt::ControlModifier);
            QTest::keyClick(Search(box), Qt::Key_Escape);
            QVERIFY(dialog.isVisible());
            QCOMPARE(Items(box), (QStringList{QStringLiteral("Cœur"), QStringLiteral("Élodie"),
                                              QStringLiteral("Éric"), QStringLiteral("Jean-Éloi"),
                                              QStringLiteral("Zoé")}));
            // A picked name that the search then hides is no longer picked.
            QTest::keyClick(Search(box), Qt::Key_Down);
            user::TypeText(Search(box), QStringLiteral("zo"));
            QCOMPARE(box->currentText(), QString());
            dialog.reject();
        });
        QCOMPARE(result, int(QDialog::Rejected));
        QCOMPARE(dialog.m_names.count, 5);
        QCOMPARE(dialog.m_names.FindByName(QStringLiteral("eloïse")), -1);
    }

    // Ctrl+F goes to the search of the person whose fields have the keyboard.
    void wizardSearchesEachPerson()
    {
        CWizidentite wizard;
        wizard.m_names = Registered();
        RunDialog(wizard, [&] {
            QComboBox *first = Box(wizard, "1003");
            QComboBox *second = Box(wizard, "1006");
            QVERIFY(QTest::qWaitForWindowActive(&wizard));
            first->setFocus();
            QTest::keyClick(&wizard, Qt::Key_F, Qt::ControlModifier);
            QCOMPARE(wizard.focusWidget(), Search(first));
            second->setFocus();
            QTest::keyClick(&wizard, Qt::Key_F, Qt::ControlModifier);
            QCOMPARE(wizard.focusWidget(), Search(second));
            user::TypeText(Search(second), QStringLiteral("zo"));
            QTest::keyClick(Search(second), Qt::Key_Return);
            QCOMPARE(second->currentText(), QStringLiteral("Zoé"));
            QCOMPARE(PickerDate(wizard, "1005"), QDate(1980, 1, 1));
            QCOMPARE(Items(first).size(), 6);
            QCOMPARE(first->currentText(), QString());
            wizard.reject();
        });
    }

    void importsIntoTheDialogsList()
    {
        CGestionNoms dialog;
        dialog.m_names = Registered();
        QString report;
        RunDialog(dialog, [&] {
            PickFile(QFINDTESTDATA("data/address_book_30.vcf"), [&report](QDialog *shown) {
                report =
                    shown->findChild<QPlainTextEdit *>(QStringLiteral("report"))->toPlainText();
                shown->accept();
            });
            user::Click(dialog.findChild<QPushButton *>(QStringLiteral("import")));
            QVERIFY(Items(Box(dialog, "1014")).contains(QStringLiteral("Anne-Sophie Lefèvre")));
        });
        QCOMPARE(report, QStringLiteral("Personnes ajoutées : 3\n"
                                        "Déjà enregistrées (même nom, même date de naissance) : "
                                        "0\n"
                                        "Sans date de naissance, ignorées : 1\n"
                                        "Sans année de naissance, ignorées : 1\n"
                                        "Refusées : 0\n"));
        QCOMPARE(dialog.m_names.count, 9);
    }

    void badFileChangesNothing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("carnet.vcf"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("BEGIN:VCARD\r\nFN:Anne\r\nBDAY:19850714\r\n");
        file.close();
        MessageRecorder messages;
        CGestionNoms dialog;
        dialog.m_names = Registered();
        RunDialog(dialog, [&] {
            PickFile(path);
            user::Click(dialog.findChild<QPushButton *>(QStringLiteral("import")));
        });
        QCOMPARE(messages.texts(),
                 QStringList{QStringLiteral("Le fichier « carnet.vcf » ne peut être importé : le "
                                            "fichier est tronqué : sa dernière fiche n'a pas de "
                                            "fin.")});
        QCOMPARE(dialog.m_names.count, 6);
    }

    void exportsTheDialogsList()
    {
        QTemporaryDir dir;
        CGestionNoms dialog;
        dialog.m_names = Registered();
        RunDialog(dialog, [&] {
            PickFile(dir.filePath(QStringLiteral("noms.vcf")));
            user::Click(dialog.findChild<QPushButton *>(QStringLiteral("export")));
        });
        QFile file(dir.filePath(QStringLiteral("noms.vcf")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().count("BEGIN:VCARD"), 6);
    }
};

QTEST_MAIN(NamesSearchTest)
#include "names_search_test.moc"
