#pragma once

#include <QDialog>
#include <QString>

// "À propos d'Ondaris": the logo, the version and the build number.
class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget *parent = nullptr);

    QString m_strBuild;
};
