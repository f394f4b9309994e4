#pragma once

#include <QDialog>

// The logo shown for one second at start: Enter closes it at once with the confirm result,
// Escape with the cancel result.
class CSplash : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kDelayMs = 1000;

    explicit CSplash(QWidget *parent = nullptr);

    // Shows the logo modally until it closes and gives the dialog's result. QDialog::exec would
    // wait forever after a key pressed while the logo appears: Qt lets pending events through as
    // a splash screen shows, before exec's own loop runs, so the logo could close unnoticed.
    int Run();

    // Reads "Splash": shows the logo when it is 1 or 2, then stores 0 unless it was 2.
    static void RunIfDue(QWidget *parent);

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
};
