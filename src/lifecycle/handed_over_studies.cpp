#include "lifecycle/handed_over_studies.h"

#include "framework/message_box.h"
#include "lifecycle/instance_link.h"
#include "mainwindow/study_manager.h"

#include <QDir>
#include <QPointer>
#include <QTimer>
#include <QWidget>

HandOverOutcome OpenHandedOver(StudyManager &studies, QWidget *window, const QStringList &files)
{
    qsizetype opened = 0;
    QStringList shown;
    QStringList reasons;
    for (const QString &file : files) {
        QString error;
        if (studies.OpenFileQuietly(file, error)) {
            ++opened;
            continue;
        }
        shown << error;
        reasons << QStringLiteral("Impossible d'ouvrir l'étude « %1 » : %2")
                       .arg(QDir::toNativeSeparators(file), error);
    }
    InstanceLink::BringToFront(window);
    if (!shown.isEmpty()) {
        QTimer::singleShot(0, window, [parent = QPointer<QWidget>(window), shown]() {
            for (const QString &text : shown)
                messages::Show(parent, QMessageBox::Warning, text);
        });
    }
    const bool failed = !files.isEmpty() && opened == 0;
    return {failed ? HandOverOutcome::Kind::NotOpened : HandOverOutcome::Kind::Opened,
            reasons.join(u'\n')};
}
