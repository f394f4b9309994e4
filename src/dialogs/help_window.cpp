#include "dialogs/help_window.h"

#include <QKeySequence>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Aide d'Ondaris"));
    setObjectName(QStringLiteral("help"));
    m_browser = new QTextBrowser(this);
    m_browser->setOpenExternalLinks(true);
    m_browser->setSearchPaths({QStringLiteral(":/app/help")});

    auto *bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QAction *back =
        bar->addAction(QStringLiteral("◀ Précédent"), m_browser, &QTextBrowser::backward);
    back->setShortcut(QKeySequence::Back);
    QAction *forward =
        bar->addAction(QStringLiteral("Suivant ▶"), m_browser, &QTextBrowser::forward);
    forward->setShortcut(QKeySequence::Forward);
    bar->addAction(QStringLiteral("Sommaire"), m_browser, &QTextBrowser::home);
    QAction *close = bar->addAction(QStringLiteral("Fermer"), this, &QWidget::close);
    close->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    back->setEnabled(false);
    forward->setEnabled(false);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_browser);
    resize(640, 560);
}

QUrl HelpWindow::ContentsUrl()
{
    return QUrl(QStringLiteral("qrc:/app/help/index.html"));
}

void HelpWindow::ShowContents()
{
    m_browser->setSource(ContentsUrl());
    show();
    raise();
    activateWindow();
}
