#include "persistence/background_copies.h"

#include "framework/document.h"
#include "persistence/recovery_session.h"

#include <QTimer>

namespace recovery {

BackgroundCopies::BackgroundCopies(Session &session, std::chrono::milliseconds quiet,
                                   QObject *parent)
    : QObject(parent), m_session(session), m_quiet(quiet)
{
}

void BackgroundCopies::Watch(CDocument &document)
{
    if (m_timers.contains(&document))
        return;
    auto *timer = new QTimer(this);
    timer->setSingleShot(true);
    timer->setInterval(m_quiet);
    // Nothing is said of a copy that could not be written here: the next change tries again,
    // and an end that needs it says so.
    connect(timer, &QTimer::timeout, this, [this, &document]() { Due(document); });
    m_timers.insert(&document, timer);
    connect(&document, &CDocument::allViewsUpdate, this,
            [this, &document]() { Changed(document); });
    connect(&document, &CDocument::modifiedChanged, this,
            [this, &document]() { Changed(document); });
    if (document.IsModified())
        Changed(document);
}

void BackgroundCopies::Unwatch(CDocument &document, bool keepCopy)
{
    if (!m_timers.contains(&document))
        return;
    disconnect(&document, nullptr, this, nullptr);
    delete m_timers.take(&document);
    if (!keepCopy)
        m_session.Drop(document);
}

bool BackgroundCopies::KeepNow(const QList<CDocument *> &documents)
{
    bool kept = true;
    for (CDocument *document : documents) {
        if (QTimer *timer = m_timers.value(document))
            timer->stop();
        kept = Due(*document) && kept;
    }
    return kept;
}

void BackgroundCopies::Changed(CDocument &document)
{
    QTimer *timer = m_timers.value(&document);
    if (!timer)
        return;
    if (!document.IsModified()) {
        // Saved, or every change undone: the file holds the study, the copy would mislead.
        timer->stop();
        m_session.Drop(document);
        return;
    }
    timer->start();
}

bool BackgroundCopies::Due(CDocument &document)
{
    if (!document.IsModified()) {
        m_session.Drop(document);
        return true;
    }
    return m_session.Keep(document);
}

} // namespace recovery
