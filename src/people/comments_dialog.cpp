#include "people/comments_dialog.h"

CCommentairesDlg::CCommentairesDlg(QWidget *parent) : QDialog(parent) {}
int CCommentairesDlg::exec()
{
    return QDialog::exec();
}
void CCommentairesDlg::accept()
{
    QDialog::accept();
}
