#pragma once

#include <QDialog>
#include <QString>

class QPlainTextEdit;

// The free comment of a study. The comment comes in and goes back with CR LF between lines.
// The caller tests m_bConfirmed, not the dialog's result.
class CCommentairesDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CCommentairesDlg(QWidget *parent = nullptr);

    int m_bConfirmed = 0;
    QString m_strComment;

    int exec() override;
    void accept() override;

private:
    QPlainTextEdit *m_edit = nullptr;
};
