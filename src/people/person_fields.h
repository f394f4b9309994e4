#pragma once

#include <QString>

class DatePicker;
class NameBox;
class NameFilterField;
class QGridLayout;
class QGroupBox;
class QLabel;
class QWidget;

// A group box with a name box ("Identité :") and a date picker ("Naissance :") under it, as
// the wizard and the names dialog lay them out, and last the search field of the name box.
struct PersonFields
{
    PersonFields(QWidget *parent, const QString &title);

    QGroupBox *group;
    QLabel *nameLabel;
    NameBox *nameBox;
    QLabel *birthLabel;
    DatePicker *picker;
    QLabel *searchLabel;
    NameFilterField *search;
};
