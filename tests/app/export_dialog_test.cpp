#include "app_harness.h"
#include "commandline/start_up.h"
#include "common/message_hook.h"
#include "mainwindow/command_ids.h"

#include <QFileDialog>
#include <QStatusBar>

using namespace harness;

// "&Exporter..." (Ctrl+E) from the window, driven by the keyboard.
class ExportDialogTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The file dialog speaks French as in the program.
    void initTestCase() { start_up::InstallTranslations(*QCoreApplication::instance()); }
    void init() { ResetStore(); }
    void exportsByKeyboard_data();
    void exportsByKeyboard();
    void cancelWritesNothing();
    void asksBeforeReplacingTheFileWritten_data();
    void asksBeforeReplacingTheFileWritten();
};

void ExportDialogTest::exportsByKeyboard_data()
{
    QTest::addColumn<QString>("study");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("start");
    QTest::addColumn<QStringList>("filters");
    QTest::addColumn<int>("lines"); // of a CSV file; 0 for the other formats

    const QStringList all{QStringLiteral("Page PDF (*.pdf)"), QStringLiteral("Image PNG (*.png)"),
                          QStringLiteral("Dessin SVG (*.svg)"),
                          QStringLiteral("Tableur CSV (*.csv)"),
                          QStringLiteral("Agenda iCalendar (*.ics)")};
    QTest::newRow("Biorythme to iCalendar")
        << WriteBiorythme(QStringLiteral("jean.bio"), QStringLiteral("Jean"), QDate(1970, 3, 15))
        << QStringLiteral("agenda.ics") << QStringLiteral("agenda.ics")
        << QByteArray("BEGIN:VCALENDAR") << all << 0;
    QTest::newRow("Compatibilité, the chosen filter's extension added")
        << WriteTwoPersons<COndarisDoc2>(QStringLiteral("zoe.bi2"), QStringLiteral("Zoé"),
                                         QStringLiteral("Loïc"))
        << QStringLiteral("page") << QStringLiteral("page.pdf") << QByteArray("%PDF") << all << 0;
    // The days of the page, as the window shows them: the heading and a line a day.
    QTest::newRow("Biorythme to CSV, the page's days")
        << WriteBiorythme(QStringLiteral("anne.bio"), QStringLiteral("Anne"), QDate(1990, 1, 2))
        << QStringLiteral("jours.csv") << QStringLiteral("jours.csv")
        << QByteArray("\xEF\xBB\xBF"
                      "Date;Jour;")
        << all << 1 + 29;
    QTest::newRow("Affinité, no calendar offered")
        << WriteTwoPersons<COndarisDoc3>(QStringLiteral("marie.aff"), QStringLiteral("Marie"),
                                         QStringLiteral("Paul"))
        << QStringLiteral("scores.csv") << QStringLiteral("scores.csv")
        << QByteArray("\xEF\xBB\xBF"
                      "Cycle;Score;Texte")
        << all.mid(0, 4) << 1 + 4;
}

void ExportDialogTest::exportsByKeyboard()
{
    QFETCH(QString, study);
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QFETCH(QByteArray, start);
    QFETCH(QStringList, filters);
    QFETCH(int, lines);
    const auto app = Start({study});
    QVERIFY(app);
    QAction *exportAction = Command(*app, cmd::FileExport);
    QCOMPARE(exportAction->statusTip(),
             QStringLiteral("Exporte l'étude active en PDF, PNG, SVG, CSV ou iCalendar (jours "
                            "critiques)"));

    QString proposed;
    QStringList offered;
    OnNextModal([&](QDialog *dialog) {
        offered = static_cast<QFileDialog *>(dialog)->nameFilters();
        auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        proposed = edit->text();
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, typed);
        QTest::keyClick(edit, Qt::Key_Return);
    });
    PressKey(*app, Qt::Key_E, Qt::ControlModifier);
    const QString path = QDir::current().filePath(written);
    QTRY_VERIFY(QFile::exists(path));
    QCOMPARE(offered, filters);
    // The study's title without its extension, in the first format offered.
    QCOMPARE(proposed, QFileInfo(study).completeBaseName() + QStringLiteral(".pdf"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    QVERIFY(content.startsWith(start));
    if (lines)
        QCOMPARE(content.count("\r\n"), lines);
}

void ExportDialogTest::cancelWritesNothing()
{
    const QString study =
        WriteBiorythme(QStringLiteral("lea.bio"), QStringLiteral("Léa"), QDate(1990, 1, 2));
    const auto app = Start({study});
    QVERIFY(app);
    bool shown = false;
    OnNextModal([&shown](QDialog *dialog) {
        shown = true;
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    PressKey(*app, Qt::Key_E, Qt::ControlModifier);
    QTRY_VERIFY(shown);
    QCOMPARE(QDir::current().entryList({QStringLiteral("lea.*")}, QDir::Files),
             QStringList{QStringLiteral("lea.bio")});
}

void ExportDialogTest::asksBeforeReplacingTheFileWritten_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("Yes replaces it") << int(QMessageBox::Yes);
    QTest::newRow("No keeps it, and the dialog stays") << int(QMessageBox::No);
}

void ExportDialogTest::asksBeforeReplacingTheFileWritten()
{
    QFETCH(int, answer);
    const QString study =
        WriteBiorythme(QStringLiteral("lea.bio"), QStringLiteral("Léa"), QDate(1990, 1, 2));
    const QString existing = QDir::current().filePath(QStringLiteral("resultat.pdf"));
    {
        QFile old(existing);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old bytes");
    }
    const auto app = Start({study});
    QVERIFY(app);

    MessageRecorder recorder{QMessageBox::StandardButton(answer)};
    bool stayed = false;
    OnNextModal([&](QDialog *dialog) {
        auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("resultat"));
        QTest::keyClick(edit, Qt::Key_Return);
        stayed = dialog->isVisible();
        if (stayed)
            QTest::keyClick(dialog, Qt::Key_Escape);
    });
    PressKey(*app, Qt::Key_E, Qt::ControlModifier);
    QTRY_VERIFY(!QApplication::activeModalWidget());
    // In the words of Qt's own French file dialog, about the file that would be written.
    QCOMPARE(recorder.texts(), QStringList{QStringLiteral("Le fichier resultat.pdf existe déjà\n"
                                                          "Voulez-vous l'écraser ?")});
    QCOMPARE(recorder.shown().first().buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(stayed, answer == QMessageBox::No);
    QFile file(existing);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    if (answer == QMessageBox::No)
        QCOMPARE(bytes, QByteArray("old bytes"));
    else
        QVERIFY(bytes.startsWith("%PDF"));
}

QTEST_MAIN(ExportDialogTest)
#include "export_dialog_test.moc"
