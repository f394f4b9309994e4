#pragma once

#include <QObject>
#include <QStringList>

// The four most recently opened or saved studies, newest first, kept in the settings section
// "Recent File List" as "File1" to "File4".
class RecentFiles : public QObject
{
    Q_OBJECT
public:
    static constexpr int kMaxCount = 4;
    static constexpr int kDisplayLength = 30;

    explicit RecentFiles(QObject *parent = nullptr);

    const QStringList &Files() const { return m_files; }
    // Puts the file first, removing an older entry of it; the list is stored at once.
    void Add(const QString &path);
    void Remove(const QString &path);

    // The path as the menu shows it: whole when it fits in maxLength characters, else with
    // the leading folders replaced by "...", or the file's name alone.
    static QString Abbreviate(const QString &path, int maxLength = kDisplayLength);

Q_SIGNALS:
    void changed();

private:
    void Store() const;

    QStringList m_files;
};
