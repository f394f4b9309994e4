#include "framework/study_history.h"

#include "framework/document.h"

#include <QBuffer>
#include <QUndoStack>
#include <optional>

namespace study_history {

namespace {

const QString kName = QStringLiteral("history");

QByteArray Content(CDocument &study)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    return study.WriteTo(buffer).isEmpty() ? buffer.data() : QByteArray();
}

// The stack and the content last saved. A state is compared by content, not by its place on the
// stack: a view's average changes nothing the file holds, and must not make the study modified.
class History : public QObject
{
public:
    explicit History(CDocument &study) : QObject(&study), m_study(study)
    {
        setObjectName(kName);
        if (!study.IsModified())
            m_saved = Content(study);
        connect(&study, &CDocument::modifiedChanged, this, [this](bool modified) {
            if (!modified)
                m_saved = Content(m_study);
        });
    }

    // After an undo or a redo: the study is modified exactly when it differs from the file.
    void Settle() { m_study.SetModifiedFlag(!m_saved || Content(m_study) != *m_saved); }

    QUndoStack stack;

private:
    CDocument &m_study;
    std::optional<QByteArray> m_saved; // none while the study has never been saved
};

History &HistoryOf(CDocument &study)
{
    if (auto *found = study.findChild<QObject *>(kName, Qt::FindDirectChildrenOnly))
        return *static_cast<History *>(found);
    return *new History(study);
}

// An edit that is done when pushed; undo and redo apply a change and settle the modified flag.
class Edit : public QUndoCommand
{
public:
    Edit(History &history, const QString &name, std::function<void()> undo,
         std::function<void()> redo)
        : QUndoCommand(name), m_history(history), m_undo(std::move(undo)), m_redo(std::move(redo))
    {
    }

    void undo() override
    {
        m_undo();
        m_history.Settle();
    }
    void redo() override
    {
        if (m_done) {
            m_redo();
            m_history.Settle();
        }
        m_done = true;
    }

private:
    History &m_history;
    std::function<void()> m_undo;
    std::function<void()> m_redo;
    bool m_done = false;
};

// Reading the content back works the derived members out again, as opening a file does.
void Restore(CDocument &study, QByteArray content)
{
    QBuffer buffer(&content);
    buffer.open(QIODevice::ReadOnly);
    study.ReadFrom(buffer);
    study.UpdateAllViews();
}

} // namespace

QUndoStack &StackOf(CDocument &study)
{
    return HistoryOf(study).stack;
}

void Record(CDocument &study, const QString &name, const std::function<void()> &edit)
{
    History &history = HistoryOf(study);
    const QByteArray before = Content(study);
    edit();
    const QByteArray after = Content(study);
    if (before == after || before.isEmpty() || after.isEmpty())
        return;
    history.stack.push(new Edit(
        history, name, [&study, before] { Restore(study, before); },
        [&study, after] { Restore(study, after); }));
}

void RecordToggle(CDocument &study, const QString &name, const std::function<void()> &toggle)
{
    History &history = HistoryOf(study);
    history.stack.push(new Edit(history, name, toggle, toggle));
}

QString EditName(const QString &itemText)
{
    QString name = itemText.left(itemText.indexOf(u'\t'));
    name.remove(u'&');
    if (name.endsWith(QStringLiteral("...")))
        name.chop(3);
    return name;
}

} // namespace study_history
