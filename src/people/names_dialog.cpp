#include "people/names_dialog.h"

CGestionNoms::CGestionNoms(QWidget *parent) : QDialog(parent) {}
int CGestionNoms::exec()
{
    return QDialog::exec();
}
void CGestionNoms::accept()
{
    QDialog::accept();
}
