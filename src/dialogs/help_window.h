#pragma once

#include <QWidget>

class QTextBrowser;

// The program's help: French pages shipped in the resources, with a contents page, links
// between the pages, and back and forward.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // Shows the contents page and brings the window forward.
    void ShowContents();

    QTextBrowser *Browser() const { return m_browser; }

    static QUrl ContentsUrl();

private:
    QTextBrowser *m_browser;
};
