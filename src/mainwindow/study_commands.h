#pragma once

#include <QMetaObject>
#include <QObject>
#include <QString>

class CDocument;
class CMainFrame;
class QDate;
class StudyManager;

// The commands that act on the active study or its window (save, close, print, edits,
// comments, average, new window), routed to the window's view first, then to its study; and
// the state of the menus, tool bar and title that follows the active window.
class StudyCommands : public QObject
{
    Q_OBJECT
public:
    StudyCommands(CMainFrame &frame, StudyManager &studies, QObject *parent = nullptr);

    // Brings the menus, the enabled commands, the "Mo&yenne" check and the title up to date.
    void Update();

private:
    void Connect();
    void FollowActiveView();
    // The study's year window, brought forward or opened, its cursor on the day if one is given.
    void OpenYear(CDocument &document, const QDate &day);
    // The undo and redo commands name and follow the edits of the active study.
    void FollowHistory(CDocument *document);
    // The name of the edit that a command makes, after its menu item.
    QString EditName(int id) const;

    CMainFrame &m_frame;
    StudyManager &m_studies;
    QMetaObject::Connection m_averageFollower;
    QMetaObject::Connection m_historyFollower;
};
