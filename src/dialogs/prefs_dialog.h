#pragma once

#include <QDialog>

class QCheckBox;

// "Préférences": the three user preferences as check boxes (0 unchecked, 1 checked).
class TPrefs : public QDialog
{
    Q_OBJECT
public:
    explicit TPrefs(QWidget *parent = nullptr);

    int m_bSauvList = 0;
    int m_bSauvPosi = 0;
    int m_bSplash = 0;

    // Shows the fields in the check boxes, then runs the dialog.
    int exec() override;
    // Takes the check boxes into the fields, then closes with the confirm result.
    void accept() override;

    // Reads the three preferences, runs the dialog and, only on "OK", stores them.
    static void Run(QWidget *parent);

private:
    QCheckBox *m_sauvList = nullptr;
    QCheckBox *m_sauvPosi = nullptr;
    QCheckBox *m_splash = nullptr;
};
