#include "people/wizard_identity.h"

CWizidentite::CWizidentite(QWidget *parent) : QDialog(parent) {}
int CWizidentite::exec()
{
    return QDialog::exec();
}
void CWizidentite::accept()
{
    QDialog::accept();
}
