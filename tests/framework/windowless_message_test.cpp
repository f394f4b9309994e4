#include "framework/message_box.h"

#include <QTest>

// The export and the study's information run without widgets: a message shown there would
// otherwise end the program on the spot.
class WindowlessMessageTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void messageWithoutWidgetsChoosesNothing();
};

void WindowlessMessageTest::messageWithoutWidgetsChoosesNothing()
{
    QCOMPARE(messages::Show(nullptr, QMessageBox::Question, QStringLiteral("Continuer ?"),
                            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes),
             QMessageBox::NoButton);
}

QTEST_GUILESS_MAIN(WindowlessMessageTest)
#include "windowless_message_test.moc"
