#pragma once

#include <QAbstractItemView>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// What a user does with the dialogs' controls, by keyboard and mouse.
namespace user {

// Key presses that type the text, accented letters included.
inline void TypeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Replaces the text of an editable drop-down by typing.
inline void Type(QComboBox *box, const QString &text)
{
    box->setFocus();
    QTest::keyClick(box->lineEdit(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box->lineEdit(), Qt::Key_Delete);
    TypeText(box->lineEdit(), text);
}

// Opens the drop-down list, scrolls to the item of that row and clicks it.
inline void Choose(QComboBox *box, int row)
{
    box->showPopup();
    QAbstractItemView *view = box->view();
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    const QRect item = view->visualRect(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
}

// The row of the first item with that text, as the list shows it.
inline int Row(QComboBox *box, const QString &text)
{
    return box->findText(text, Qt::MatchExactly);
}

// Types the year, the month and the day over the picker's sections, in that order so that
// the picker never meets a day that the month does not have.
inline void Type(QDateEdit *picker, const QDate &date)
{
    picker->setFocus();
    const std::pair<QDateTimeEdit::Section, const char *> parts[] = {
        {QDateTimeEdit::YearSection, "yyyy"},
        {QDateTimeEdit::MonthSection, "MM"},
        {QDateTimeEdit::DaySection, "dd"}};
    for (const auto &[section, format] : parts) {
        picker->setSelectedSection(section);
        QTest::keyClicks(picker, date.toString(QString::fromLatin1(format)));
    }
}

inline void Click(QPushButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

// Enter or Escape where the keyboard focus is.
inline void Press(QWidget *dialog, Qt::Key key)
{
    QWidget *target = dialog->focusWidget() ? dialog->focusWidget() : dialog;
    QTest::keyClick(target, key);
}

} // namespace user
