#include "people/comments_dialog.h"

#include "people/brand_images.h"
#include "people/dialog_units.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>

CCommentairesDlg::CCommentairesDlg(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Commentaires"));
    auto *cancel = new QPushButton(QStringLiteral("Annuler"), this);
    cancel->setObjectName(QStringLiteral("2"));
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setDefault(true);
    m_edit = new QPlainTextEdit(this);
    m_edit->setObjectName(QStringLiteral("1548"));
    m_edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_edit->setTabChangesFocus(true);
    m_edit->setMinimumSize(DialogUnits(this, 333, 88));

    auto *layout = new QGridLayout(this);
    layout->addWidget(CreateBanner(this), 0, 0, Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(cancel, 0, 1, Qt::AlignTop);
    layout->addWidget(ok, 0, 2, Qt::AlignTop);
    layout->addWidget(m_edit, 1, 0, 1, 3);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(1, 1);

    connect(ok, &QPushButton::clicked, this, &CCommentairesDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CCommentairesDlg::reject);
}

int CCommentairesDlg::exec()
{
    QString text = m_strComment;
    text.replace(QRegularExpression(QStringLiteral("\r\n?")), QStringLiteral("\n"));
    m_edit->setPlainText(text);
    m_edit->setFocus();
    return QDialog::exec();
}

void CCommentairesDlg::accept()
{
    m_bConfirmed = 1;
    // The raw text keeps non-breaking spaces, which toPlainText() would turn into spaces.
    QString text = m_edit->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    m_strComment = text;
    QDialog::accept();
}
