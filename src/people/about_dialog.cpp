#include "people/about_dialog.h"

CAboutDlg::CAboutDlg(QWidget *parent) : QDialog(parent) {}
