#pragma once

#include <QDialog>

// A month calendar to browse; nothing goes in or comes back.
class Calendrier : public QDialog
{
    Q_OBJECT

public:
    explicit Calendrier(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
