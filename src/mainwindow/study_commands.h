#pragma once

#include <QMetaObject>
#include <QObject>

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

    CMainFrame &m_frame;
    StudyManager &m_studies;
    QMetaObject::Connection m_averageFollower;
};
