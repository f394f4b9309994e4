#include "mainwindow/status_bar.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QSizeGrip>
#include <QTimer>

namespace {

// The lock's name for a screen reader, which hears nothing of an empty pane.
const char *const kSpokenProperty = "spoken";

QLabel *NewIndicator(const QString &text, const QString &spoken, QStatusBar *bar)
{
    auto *label = new QLabel(bar);
    label->setObjectName(text);
    label->setProperty(kSpokenProperty, spoken);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    // The pane keeps its width while its lock is off, so the others do not move.
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(text) + 12);
    bar->addPermanentWidget(label);
    return label;
}

void Show(QLabel *label, bool on)
{
    label->setText(on ? label->objectName() : QString());
    label->setAccessibleName(label->property(kSpokenProperty).toString() +
                             (on ? QStringLiteral(" : activé") : QStringLiteral(" : désactivé")));
}

} // namespace

StatusBar::StatusBar(QWidget *parent, LockReader reader)
    : QStatusBar(parent), m_reader(std::move(reader))
{
    m_caps = NewIndicator(QStringLiteral("MAJ"), QStringLiteral("Majuscules"), this);
    m_num = NewIndicator(QStringLiteral("NUM"), QStringLiteral("Pavé numérique"), this);
    m_scroll = NewIndicator(QStringLiteral("DÉFIL"), QStringLiteral("Arrêt défilement"), this);
    if (auto *grip = findChild<QSizeGrip *>())
        grip->setAccessibleName(QStringLiteral("Poignée de redimensionnement"));
    connect(this, &QStatusBar::messageChanged, this, [this](const QString &text) {
        if (text.isEmpty())
            showMessage(IdleMessage());
    });
    showMessage(IdleMessage());
    RefreshLocks();
    qApp->installEventFilter(this);
}

void StatusBar::RefreshLocks()
{
    const LockState state = m_reader();
    Show(m_caps, state.caps);
    Show(m_num, state.num);
    Show(m_scroll, state.scroll);
}

bool StatusBar::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyRelease:
    case QEvent::ApplicationActivate:
        // A key event passes through the filter once per widget it climbs; one read is enough.
        if (!m_refreshPending) {
            m_refreshPending = true;
            QTimer::singleShot(0, this, [this]() {
                m_refreshPending = false;
                RefreshLocks();
            });
        }
        break;
    default:
        break;
    }
    return QStatusBar::eventFilter(watched, event);
}
