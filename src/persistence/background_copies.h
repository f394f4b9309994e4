#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <chrono>

class CDocument;
class QTimer;

namespace recovery {

class Session;

// Keeps a copy of each changed study a few seconds after its last change, so that a power
// cut, a kill or a crash loses at most those seconds. Changes that follow each other closely
// make one write, once they stop; a study saved, or changed back, loses its copy at once.
class BackgroundCopies : public QObject
{
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kQuiet{3000};

    explicit BackgroundCopies(Session &session, std::chrono::milliseconds quiet = kQuiet,
                              QObject *parent = nullptr);

    void Watch(CDocument &document);
    // The study is closing: its copy goes with it, unless the end keeps it.
    void Unwatch(CDocument &document, bool keepCopy);
    // The copies of these studies, those changed written now and the others removed; false
    // when one could not be written.
    bool KeepNow(const QList<CDocument *> &documents);

private:
    void Changed(CDocument &document);
    bool Due(CDocument &document);

    Session &m_session;
    std::chrono::milliseconds m_quiet;
    QHash<CDocument *, QTimer *> m_timers;
};

} // namespace recovery
