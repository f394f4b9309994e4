#include "people/about_dialog.h"
#include "people/brand_images.h"
#include "people/calendar_dialog.h"
#include "people/comments_dialog.h"
#include "people/dialog_run.h"
#include "people/user_input.h"

#include <QCalendarWidget>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

class SmallDialogsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void commentConfirmed_data();
    void commentConfirmed();
    void commentCancelled_data();
    void commentCancelled();
    void commentWraps();
    void calendarOpensAtThisMonth();
    void aboutShowsVersionAndBuild();
    void imagesHaveTheirSizeAndCycleColours_data();
    void imagesHaveTheirSizeAndCycleColours();
};

void SmallDialogsTest::commentConfirmed_data()
{
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("unchanged") << QStringLiteral("Une ligne\r\nEt une autre") << QString()
                               << QStringLiteral("Une ligne\r\nEt une autre");
    QTest::newRow("new lines by Enter") << QStringLiteral("Début") << QStringLiteral("\nfin\n")
                                        << QStringLiteral("Début\r\nfin\r\n");
    QTest::newRow("non-breaking space kept")
        << QStringLiteral("Note\u00a0: bien") << QString() << QStringLiteral("Note\u00a0: bien");
    QTest::newRow("lone line feeds")
        << QStringLiteral("a\nb\rc") << QString() << QStringLiteral("a\r\nb\r\nc");
}

void SmallDialogsTest::commentConfirmed()
{
    QFETCH(QString, preset);
    QFETCH(QString, typed);
    QFETCH(QString, expected);

    CCommentairesDlg dialog;
    dialog.m_strComment = preset;
    RunDialog(dialog, [&] {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Commentaires"));
        auto *edit = dialog.findChild<QPlainTextEdit *>(QStringLiteral("1548"));
        QCOMPARE(dialog.focusWidget(), edit);
        QTest::keyClick(edit, Qt::Key_End, Qt::ControlModifier);
        for (const QChar c : typed) {
            if (c == u'\n')
                QTest::keyClick(edit, Qt::Key_Return);
            else
                user::TypeText(edit, QString(c));
        }
        // Enter in the box starts a line; it does not close the dialog.
        QVERIFY(dialog.isVisible());
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("1")), Qt::LeftButton);
    });
    QCOMPARE(dialog.m_bConfirmed, 1);
    QCOMPARE(dialog.m_strComment, expected);
}

void SmallDialogsTest::commentCancelled_data()
{
    QTest::addColumn<bool>("byEscape");
    QTest::newRow("Annuler") << false;
    QTest::newRow("Escape") << true;
}

void SmallDialogsTest::commentCancelled()
{
    QFETCH(bool, byEscape);
    CCommentairesDlg dialog;
    dialog.m_strComment = QStringLiteral("Avant");
    RunDialog(dialog, [&] {
        user::TypeText(dialog.findChild<QPlainTextEdit *>(QStringLiteral("1548")),
                       QStringLiteral("changé"));
        if (byEscape)
            user::Press(&dialog, Qt::Key_Escape);
        else
            user::Click(dialog.findChild<QPushButton *>(QStringLiteral("2")));
    });
    QCOMPARE(dialog.m_bConfirmed, 0);
    QCOMPARE(dialog.m_strComment, QStringLiteral("Avant"));
}

void SmallDialogsTest::commentWraps()
{
    CCommentairesDlg dialog;
    auto *edit = dialog.findChild<QPlainTextEdit *>(QStringLiteral("1548"));
    QCOMPARE(edit->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

void SmallDialogsTest::calendarOpensAtThisMonth()
{
    Calendrier dialog;
    const int result = RunDialog(dialog, [&] {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Calendrier"));
        auto *calendar = dialog.findChild<QCalendarWidget *>(QStringLiteral("1001"));
        QCOMPARE(calendar->monthShown(), QDate::currentDate().month());
        QCOMPARE(calendar->yearShown(), QDate::currentDate().year());
        const auto *banner = dialog.findChild<QLabel *>(QStringLiteral("banner"));
        const auto *blackFrame = dialog.findChild<QFrame *>(QStringLiteral("blackFrame"));
        QVERIFY(blackFrame->isVisible());
        const QRect frame(blackFrame->mapTo(&dialog, QPoint(0, 0)), blackFrame->size());
        QVERIFY(QRect(banner->mapTo(&dialog, QPoint(0, 0)), banner->size()).contains(frame));
        QVERIFY(frame.width() > 4 && frame.height() > 4);
        // Drawn over the banner, black on each of its four sides.
        const QImage shown = dialog.grab().toImage();
        for (const QPoint &edge :
             {QPoint(frame.center().x(), frame.top()), QPoint(frame.center().x(), frame.bottom()),
              QPoint(frame.left(), frame.center().y()), QPoint(frame.right(), frame.center().y())})
            QCOMPARE(shown.pixelColor(edge), QColor(Qt::black));
        user::Press(&dialog, Qt::Key_Return);
    });
    QCOMPARE(result, int(QDialog::Accepted));
}

void SmallDialogsTest::aboutShowsVersionAndBuild()
{
    CAboutDlg dialog;
    QCOMPARE(dialog.m_strBuild, QStringLiteral("0000000431"));
    const int result = RunDialog(dialog, [&] {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("À propos d'Ondaris"));
        const auto *version = dialog.findChild<QLabel *>(QStringLiteral("version"));
        const auto *build = dialog.findChild<QLabel *>(QStringLiteral("1000"));
        QCOMPARE(version->text(), QStringLiteral("Version 3.0.0."));
        QCOMPARE(build->text(), QStringLiteral("0000000431"));
        QVERIFY(build->alignment() & Qt::AlignRight);
        // Directly after the version, whole.
        QVERIFY(build->geometry().left() >= version->geometry().right());
        QVERIFY(build->width() >= build->sizeHint().width());
        QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("logo"))->pixmap().size(),
                 QSize(276, 280));
        user::Press(&dialog, Qt::Key_Escape);
    });
    QCOMPARE(result, int(QDialog::Rejected));
}

void SmallDialogsTest::imagesHaveTheirSizeAndCycleColours_data()
{
    QTest::addColumn<QImage>("image");
    QTest::addColumn<QSize>("size");
    QTest::newRow("banner") << BannerPixmap().toImage() << QSize(273, 45);
    QTest::newRow("logo") << LogoPixmap().toImage() << QSize(276, 280);
}

void SmallDialogsTest::imagesHaveTheirSizeAndCycleColours()
{
    QFETCH(QImage, image);
    QFETCH(QSize, size);
    QCOMPARE(image.size(), size);
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y) & 0xffffff);
    for (const QRgb cycle : {qRgb(0, 0, 128), qRgb(0, 128, 0), qRgb(128, 0, 0)})
        QVERIFY2(colours.contains(cycle & 0xffffff), qPrintable(QString::number(cycle, 16)));
}

QTEST_MAIN(SmallDialogsTest)
#include "small_dialogs_test.moc"
