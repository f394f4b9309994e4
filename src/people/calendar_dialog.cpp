#include "people/calendar_dialog.h"

#include "people/brand_images.h"
#include "people/dialog_units.h"

#include <QCalendarWidget>
#include <QDate>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

Calendrier::Calendrier(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Calendrier"));
    auto *layout = new QVBoxLayout(this);
    QLabel *banner = CreateBanner(this);
    layout->addWidget(banner, 0, Qt::AlignLeft);
    // The template's small black frame at (54, 12) over a banner that it places at (7, 7).
    auto *blackFrame = new QFrame(banner);
    blackFrame->setObjectName(QStringLiteral("blackFrame"));
    blackFrame->setFrameStyle(QFrame::Box | QFrame::Plain);
    blackFrame->setLineWidth(1);
    QPalette black = blackFrame->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    blackFrame->setPalette(black);
    blackFrame->setGeometry(
        QRect(QPoint(HorizontalUnits(this, 54 - 7), VerticalUnits(this, 12 - 7)),
              DialogUnits(this, 20, 20)));

    auto *calendar = new QCalendarWidget(this);
    calendar->setObjectName(QStringLiteral("1001"));
    calendar->setLocale(QLocale(QLocale::French, QLocale::France));
    calendar->setFirstDayOfWeek(Qt::Monday);
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar->setSelectedDate(QDate::currentDate());
    calendar->setMinimumSize(DialogUnits(this, 183, 83));
    layout->addWidget(calendar);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &Calendrier::accept);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    if (auto *days = calendar->findChild<QTableView *>())
        days->installEventFilter(this);
}

bool Calendrier::eventFilter(QObject *watched, QEvent *event)
{
    // The month grid would keep Enter for itself; here Enter closes the dialog, as everywhere.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
