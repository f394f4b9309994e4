#pragma once

#include "commandline/command_line.h"
#include "common/modal.h"
#include "core/ole_date_time.h"
#include "lifecycle/ondaris_app.h"
#include "mainwindow/child_frame.h"
#include "mainwindow/main_frame.h"
#include "mainwindow/study_manager.h"
#include "people/names_list.h"
#include "people/user_input.h"
#include "studies/affinite_doc.h"
#include "studies/biorythme_doc.h"
#include "studies/compatibilite_doc.h"
#include "studies/groupe_doc.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <memory>

// Starting the program as a user would, in the fresh home and data directory that each test
// program gets, and acting on its windows by keyboard and mouse.
namespace harness {

// An empty settings store, with the splash screen off unless a test asks for it.
inline void ResetStore(bool splash = false)
{
    QSettings store(QStringLiteral("Velmora"), QStringLiteral("Ondaris"));
    store.clear();
    if (!splash)
        store.setValue(QStringLiteral("Settings/Splash"), 0);
    store.sync();
    QFile::remove(QDir::current().filePath(QStringLiteral("Ondaris.dat")));
}

inline QVariant Setting(const QString &key)
{
    return QSettings(QStringLiteral("Velmora"), QStringLiteral("Ondaris")).value(key);
}

inline void SetSetting(const QString &key, const QVariant &value)
{
    QSettings(QStringLiteral("Velmora"), QStringLiteral("Ondaris")).setValue(key, value);
}

// Runs the start-up with these arguments (the program's name left out); nullptr when it failed.
inline std::unique_ptr<COndarisApp> Start(const QStringList &arguments = {})
{
    const CommandLine line = ParseCommandLine(QStringList{QStringLiteral("ondaris")} + arguments);
    auto app = std::make_unique<COndarisApp>();
    if (!app->InitInstance(line))
        return nullptr;
    app->MainFrame()->activateWindow();
    if (!QTest::qWaitForWindowActive(app->MainFrame()))
        qWarning("the main window did not become active");
    return app;
}

inline QAction *Command(const COndarisApp &app, int id)
{
    return app.MainFrame()->findChild<QAction *>(QString::number(id));
}

// A key pressed in the main window, once it is active again after the dialogs.
inline void PressKey(const COndarisApp &app, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    app.MainFrame()->activateWindow();
    if (!QTest::qWaitForWindowActive(app.MainFrame()))
        qWarning("the main window did not become active");
    QTest::keyClick(app.MainFrame(), key, modifiers);
}

inline void Trigger(const COndarisApp &app, int id)
{
    Command(app, id)->trigger();
}

// The menu bar as the user reads it: "&Fichier: &Ouvrir...\tCtrl+O | - | ...", one line a menu,
// showing only the items that the menu shows.
inline QStringList MenuLines(const CMainFrame &frame)
{
    QStringList lines;
    for (QAction *title : frame.menuBar()->actions()) {
        QStringList items;
        for (QAction *item : title->menu()->actions()) {
            if (!item->isVisible())
                continue;
            if (item->isSeparator()) {
                items << QStringLiteral("-");
                continue;
            }
            QString text = item->text();
            if (!item->shortcut().isEmpty())
                text += u'\t' + item->shortcut().toString();
            items << text;
        }
        lines << title->text() + QStringLiteral(": ") + items.join(QStringLiteral(" | "));
    }
    return lines;
}

template <class Widget> Widget *Child(QWidget *parent, const QString &id)
{
    auto *widget = parent->findChild<Widget *>(id);
    if (!widget)
        qWarning("no control %s", qPrintable(id));
    return widget;
}

inline void Click(QWidget *dialog, const QString &buttonId)
{
    if (auto *button = Child<QPushButton>(dialog, buttonId))
        QTest::mouseClick(button, Qt::LeftButton);
}

inline void TypeName(QWidget *dialog, const QString &id, const QString &name)
{
    user::Type(Child<QComboBox>(dialog, id), name);
}

inline void TypeDate(QWidget *dialog, const QString &id, const QDate &date)
{
    user::Type(Child<QDateEdit>(dialog, id), date);
}

// Answers the study wizard that the next command opens: the persons (one or two), then the
// start date step when the study has one. An empty second name means a one-person study.
struct WizardAnswers
{
    QString name1 = {};
    QDate birth1 = {};
    QString name2 = {};
    QDate birth2 = {};
    bool hasStartStep = true;
    bool cancelFirst = false;
    bool cancelStart = false;
};

inline void AnswerWizard(const WizardAnswers &answers)
{
    OnNextModal([answers](QDialog *identity) {
        if (answers.cancelFirst) {
            Click(identity, QStringLiteral("2"));
            return;
        }
        TypeName(identity, QStringLiteral("1003"), answers.name1);
        TypeDate(identity, QStringLiteral("1002"), answers.birth1);
        if (!answers.name2.isEmpty()) {
            TypeName(identity, QStringLiteral("1006"), answers.name2);
            TypeDate(identity, QStringLiteral("1005"), answers.birth2);
        }
        if (answers.hasStartStep) {
            OnNextModal([answers](QDialog *start) {
                Click(start, answers.cancelStart ? QStringLiteral("2") : QStringLiteral("1"));
            });
        }
        Click(identity, QStringLiteral("1"));
    });
}

// Study files written by the study classes themselves, as Ondaris would save them.
inline QString WriteBiorythme(const QString &fileName, const QString &name, const QDate &birth)
{
    NamesList scratch;
    COndarisDoc study(scratch);
    study.name = name;
    study.birthDate = COleDateTime::FromQDate(birth);
    study.startDate = COleDateTime(2024, 5, 1);
    const QString path = QDir::current().absoluteFilePath(fileName);
    if (!study.WriteFile(path).isEmpty())
        qWarning("could not write %s", qPrintable(path));
    return path;
}

template <class Study>
QString WriteTwoPersons(const QString &fileName, const QString &name1, const QString &name2)
{
    NamesList scratch;
    Study study(scratch);
    study.name1 = name1;
    study.birthDate1 = COleDateTime(1980, 2, 29);
    study.name2 = name2;
    study.birthDate2 = COleDateTime(1975, 7, 14);
    const QString path = QDir::current().absoluteFilePath(fileName);
    if (!study.WriteFile(path).isEmpty())
        qWarning("could not write %s", qPrintable(path));
    return path;
}

// A group of these members, born a year apart from 1970.
inline QString WriteGroup(const QString &fileName, const QStringList &names)
{
    NamesList scratch;
    CGroupeDoc group(scratch);
    QList<PersonRecord> members;
    for (qsizetype i = 0; i < names.size(); ++i)
        members.append({names.at(i), COleDateTime(1970 + int(i), 3, 15)});
    group.SetMembers(members);
    const QString path = QDir::current().absoluteFilePath(fileName);
    if (!group.WriteFile(path).isEmpty())
        qWarning("could not write %s", qPrintable(path));
    return path;
}

} // namespace harness
