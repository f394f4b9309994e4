#include "people/wizard_start.h"

CWizdepart::CWizdepart(QWidget *parent) : QDialog(parent) {}
int CWizdepart::exec()
{
    return QDialog::exec();
}
void CWizdepart::accept()
{
    QDialog::accept();
}
