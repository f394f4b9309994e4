#include "app_harness.h"
#include "common/message_hook.h"
#include "dialogs/splash.h"
#include "framework/doc_template.h"
#include "mainwindow/command_ids.h"
#include "printing/print_support.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QIcon>
#include <QKeyEvent>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextStream>

using namespace harness;

// Start-up and exit as the user lives them: the study named on the command line, the names
// list read at start and written at exit, the splash screen, the saved place and the
// preferences.
class StartupTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { ResetStore(); }

    void startsWithoutStudyOrMessage();
    void startsOnABiorythmeFile();
    void unreadableStudyEndsTheStart();
    void namesListWrittenAtExitUnderSauvList_data();
    void namesListWrittenAtExitUnderSauvList();
    void dataDirectoryIsFixedAtLoad();
    void printingRegistersThePersons();
    void splashScreen_data();
    void splashScreen();
    void splashClosesByItself();
    void savedPlace_data();
    void savedPlace();
    void placeIsStoredEvenWhenClosingIsCancelled();
    void preferencesOnAFreshStore();
    void preferencesChangedAndCancelled();
    void namesDialogConfirmedAndCancelled();
    void anotherProgramsPersonsKeptAtExit();
};

namespace {

// A printer that writes a PDF file, as the printer system's own would write on paper.
struct PdfPrinter final : PrinterHandle
{
    explicit PdfPrinter(const QString &path)
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
    }
    QPaintDevice &Device() override { return printer; }
    QString Name() const override { return printer.printerName(); }
    void SetDocName(const QString &name) override { printer.setDocName(name); }

    QPrinter printer{QPrinter::HighResolution};
};

// Counts the splash screens shown while it lives; each closes by itself after a second.
class SplashWatcher : public QObject
{
public:
    SplashWatcher() { qApp->installEventFilter(this); }
    int shown = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<CSplash *>(watched))
            ++shown;
        return false;
    }
};

QString NamesFile()
{
    return QDir::current().filePath(QStringLiteral("Ondaris.dat"));
}

} // namespace

void StartupTest::startsWithoutStudyOrMessage()
{
    MessageRecorder messages;
    auto app = Start();
    QVERIFY(app);
    QVERIFY(app->MainFrame()->isVisible());
    QVERIFY(app->Studies().Documents().isEmpty());
    QCOMPARE(app->MainFrame()->windowTitle(), QStringLiteral("Ondaris 3"));
    QCOMPARE(app->m_names.count, 0);
    QCOMPARE(app->m_dataDirectory, QDir::currentPath());
    // The windows carry the program's icon at the sizes window managers ask for.
    const QIcon icon = app->MainFrame()->windowIcon();
    for (const int size : {16, 32, 64, 128}) {
        QVERIFY2(icon.availableSizes().contains(QSize(size, size)),
                 qPrintable(QString::number(size)));
        QCOMPARE(icon.pixmap(QSize(size, size)).size(), QSize(size, size));
    }
    app.reset();
    QCOMPARE(messages.texts(), QStringList{});
}

void StartupTest::startsOnABiorythmeFile()
{
    const QString path =
        WriteBiorythme(QStringLiteral("jean.bio"), QStringLiteral("Jean"), QDate(1970, 3, 15));
    MessageRecorder messages;
    auto app = Start({path});
    QVERIFY(app);
    QCOMPARE(app->Studies().Documents().size(), 1);
    const CDocument *study = app->Studies().ActiveDocument();
    QVERIFY(study);
    QCOMPARE(study->GetDocTemplate()->GetDocString(CDocTemplate::docName),
             QStringLiteral("Biorythme"));
    QCOMPARE(study->GetTitle(), QStringLiteral("jean.bio"));
    QVERIFY(!study->IsModified());
    const int registered = app->m_names.FindByName(QStringLiteral("Jean"));
    QVERIFY(registered >= 0);
    QCOMPARE(app->m_names.records[size_t(registered)].birthDate.GetYear(), 1970);
    QCOMPARE(messages.texts(), QStringList{});
}

void StartupTest::unreadableStudyEndsTheStart()
{
    QFile broken(QStringLiteral("broken.bio"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("\x04Jean");
    broken.close();
    MessageRecorder messages;
    QVERIFY(!Start({QStringLiteral("broken.bio")}));
    QCOMPARE(messages.texts(), QStringList{QStringLiteral("Format de fichier inattendu.")});
}

void StartupTest::namesListWrittenAtExitUnderSauvList_data()
{
    QTest::addColumn<QVariant>("sauvList");
    QTest::addColumn<bool>("written");
    QTest::newRow("absent") << QVariant() << true;
    QTest::newRow("1") << QVariant(1) << true;
    QTest::newRow("0") << QVariant(0) << false;
    QTest::newRow("2") << QVariant(2) << false;
    QTest::newRow("1 among blanks") << QVariant(QStringLiteral(" 1 ")) << true;
    QTest::newRow("not a number: the default") << QVariant(QStringLiteral("oui")) << true;
}

void StartupTest::namesListWrittenAtExitUnderSauvList()
{
    QFETCH(QVariant, sauvList);
    QFETCH(bool, written);
    if (sauvList.isValid())
        SetSetting(QStringLiteral("Settings/SauvList"), sauvList);
    const QString path =
        WriteBiorythme(QStringLiteral("anne.bio"), QStringLiteral("Anne"), QDate(1990, 1, 2));

    auto app = Start({path});
    QVERIFY(app);
    QVERIFY(!QFile::exists(NamesFile()));
    // The preferences show what the exit will do.
    bool checked = !written;
    OnNextModal([&checked](QDialog *prefs) {
        checked = Child<QCheckBox>(prefs, QStringLiteral("1001"))->isChecked();
        Click(prefs, QStringLiteral("2"));
    });
    Trigger(*app, cmd::Preferences);
    QCOMPARE(checked, written);
    app->MainFrame()->close();
    app.reset();

    QCOMPARE(QFile::exists(NamesFile()), written);
    if (written) {
        QFile file(NamesFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("BSBDBDCP\r\n1\r\nAnne\r\n2\r\n1\r\n1990\r\n"));
    }
}

void StartupTest::dataDirectoryIsFixedAtLoad()
{
    QTemporaryDir chosen, later;
    QFile file(QDir(chosen.path()).filePath(QStringLiteral("Ondaris.dat")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("BSBDBDCP\r\n1\r\nChosen\r\n1\r\n1\r\n2000\r\n");
    file.close();
    SetSetting(QStringLiteral("Default"), chosen.path());

    auto app = Start();
    QVERIFY(app);
    QCOMPARE(app->m_dataDirectory, chosen.path());
    QCOMPARE(app->m_names.records[0].name, QStringLiteral("Chosen"));
    app->m_names.Append({QStringLiteral("Added"), COleDateTime(2001, 2, 3)});
    // A directory chosen while the program runs takes effect at the next start.
    SetSetting(QStringLiteral("Default"), later.path());
    app->MainFrame()->close();
    app.reset();

    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("BSBDBDCP\r\n2\r\nChosen\r\n1\r\n1\r\n2000\r\n"
                                        "Added\r\n3\r\n2\r\n2001\r\n"));
    QVERIFY(!QFile::exists(QDir(later.path()).filePath(QStringLiteral("Ondaris.dat"))));
    QVERIFY(!QFile::exists(NamesFile()));
}

void StartupTest::printingRegistersThePersons()
{
    const QString path = WriteTwoPersons<COndarisDoc2>(
        QStringLiteral("couple.bi2"), QStringLiteral("Paul"), QStringLiteral("Zoé"));
    QTemporaryDir out;
    PdfPrinter printer(QDir(out.path()).filePath(QStringLiteral("page.pdf")));
    QString errors;
    QTextStream err(&errors);
    {
        COndarisApp app;
        QCOMPARE(app.PrintStudy(path, printer, err), 0);
        QCOMPARE(app.m_names.count, 2);
        QVERIFY(!app.MainFrame());
    }
    QCOMPARE(errors, QString());
    QVERIFY(QFileInfo(printer.printer.outputFileName()).size() > 0);
    QCOMPARE(printer.printer.docName(), QStringLiteral("couple.bi2"));
    QFile names(NamesFile());
    QVERIFY(names.open(QIODevice::ReadOnly));
    const QByteArray written = names.readAll();
    QVERIFY(written.startsWith("BSBDBDCP\r\n2\r\nPaul\r\n"));
    QVERIFY(written.contains("\r\nZo\xe9\r\n"));
}

void StartupTest::splashScreen_data()
{
    QTest::addColumn<QVariant>("splash");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("storedAfter");
    QTest::newRow("absent: once") << QVariant() << true << 0;
    QTest::newRow("1: once") << QVariant(1) << true << 0;
    QTest::newRow("2: every start") << QVariant(2) << true << 2;
    QTest::newRow("0: never") << QVariant(0) << false << 0;
    QTest::newRow("5: never") << QVariant(5) << false << 0;
}

void StartupTest::splashScreen()
{
    QFETCH(QVariant, splash);
    QFETCH(bool, shown);
    QFETCH(int, storedAfter);
    ResetStore(true);
    if (splash.isValid())
        SetSetting(QStringLiteral("Settings/Splash"), splash);

    SplashWatcher watcher;
    auto app = Start();
    QVERIFY(app);
    QCOMPARE(watcher.shown, shown ? 1 : 0);
    QCOMPARE(Setting(QStringLiteral("Settings/Splash")).toInt(), storedAfter);
    app.reset();

    // The next start follows what was stored.
    auto again = Start();
    QVERIFY(again);
    QCOMPARE(watcher.shown, (shown ? 1 : 0) + (storedAfter == 2 ? 1 : 0));
}

void StartupTest::splashClosesByItself()
{
    {
        CSplash splash;
        QElapsedTimer shown;
        shown.start();
        QCOMPARE(splash.Run(), int(QDialog::Accepted));
        QVERIFY(shown.elapsed() >= CSplash::kDelayMs - 50);
    }
    {
        // A key pressed as the logo appears reaches it before any event loop of the dialog's.
        CSplash splash;
        QCoreApplication::postEvent(
            &splash, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
        QCOMPARE(splash.Run(), int(QDialog::Rejected));
    }
    for (const auto &[key, result] : {std::pair{Qt::Key_Return, int(QDialog::Accepted)},
                                      std::pair{Qt::Key_Enter, int(QDialog::Accepted)},
                                      std::pair{Qt::Key_Escape, int(QDialog::Rejected)}}) {
        CSplash splash;
        OnNextModal([key](QDialog *shown) { QTest::keyClick(shown, key); });
        QCOMPARE(splash.Run(), result);
    }
}

void StartupTest::savedPlace_data()
{
    QTest::addColumn<QVariant>("sauvPosi");
    QTest::addColumn<QVariantList>("stored"); // PosX, PosY, PosW, PosH, or empty
    QTest::addColumn<QRect>("expected");      // an empty rectangle: the default place
    QTest::addColumn<bool>("storesAtClose");

    QTest::newRow("absent") << QVariant() << QVariantList{10, 20, 500, 300} << QRect() << false;
    QTest::newRow("0") << QVariant(0) << QVariantList{10, 20, 500, 300} << QRect() << false;
    QTest::newRow("1 without place")
        << QVariant(1) << QVariantList{} << QRect(0, 0, 400, 200) << true;
    QTest::newRow("1 with place") << QVariant(1) << QVariantList{30, 40, 500, 300}
                                  << QRect(30, 40, 500, 300) << true;
    QTest::newRow("1 off every screen")
        << QVariant(1) << QVariantList{9000, 9000, 500, 300} << QRect() << true;
}

void StartupTest::savedPlace()
{
    QFETCH(QVariant, sauvPosi);
    QFETCH(QVariantList, stored);
    QFETCH(QRect, expected);
    QFETCH(bool, storesAtClose);
    if (sauvPosi.isValid())
        SetSetting(QStringLiteral("Settings/SauvPosi"), sauvPosi);
    const QStringList keys{QStringLiteral("PosX"), QStringLiteral("PosY"), QStringLiteral("PosW"),
                           QStringLiteral("PosH")};
    for (int i = 0; i < stored.size(); ++i)
        SetSetting(QStringLiteral("Settings/") + keys.at(i), stored.at(i));

    auto app = Start();
    QVERIFY(app);
    CMainFrame *frame = app->MainFrame();
    // The stored place is the outer rectangle, frame and title bar included.
    QTRY_VERIFY(frame->frameGeometry() != frame->geometry());
    const QRect place = frame->frameGeometry();
    if (expected.isEmpty()) {
        // The default place: most of the screen, whole on it.
        const QRect screen = frame->screen()->availableGeometry();
        QVERIFY(screen.contains(place));
        QVERIFY(place.width() > screen.width() / 2);
    } else {
        QCOMPARE(place, expected);
    }

    frame->move(70, 80);
    frame->resize(450, 320);
    QTRY_COMPARE(frame->frameGeometry().topLeft(), QPoint(70, 80));
    const QRect outer = frame->frameGeometry();
    QVERIFY(outer.width() > 450 && outer.height() > 320);
    QVERIFY(frame->close());
    const QVariantList after{
        Setting(QStringLiteral("Settings/PosX")), Setting(QStringLiteral("Settings/PosY")),
        Setting(QStringLiteral("Settings/PosW")), Setting(QStringLiteral("Settings/PosH"))};
    if (storesAtClose) {
        QCOMPARE(after, (QVariantList{70, 80, outer.width(), outer.height()}));
    } else {
        for (int i = 0; i < after.size(); ++i)
            QCOMPARE(after.at(i).isValid() ? after.at(i).toInt() : -1,
                     stored.isEmpty() ? -1 : stored.at(i).toInt());
    }
}

void StartupTest::placeIsStoredEvenWhenClosingIsCancelled()
{
    SetSetting(QStringLiteral("Settings/SauvPosi"), 1);
    auto app = Start();
    QVERIFY(app);
    AnswerWizard({.name1 = QStringLiteral("Léa"), .birth1 = QDate(2001, 6, 7)});
    Trigger(*app, cmd::WizardBiorythme);
    QCOMPARE(app->Studies().Documents().size(), 1);

    CMainFrame *frame = app->MainFrame();
    frame->move(15, 25);
    MessageRecorder messages(QMessageBox::Cancel);
    QVERIFY(!frame->close());
    QVERIFY(frame->isVisible());
    QCOMPARE(messages.texts(),
             QStringList{QStringLiteral("Enregistrer les modifications apportées à Biorythme1 ?")});
    QCOMPARE(Setting(QStringLiteral("Settings/PosX")).toInt(), 15);
    QCOMPARE(Setting(QStringLiteral("Settings/PosY")).toInt(), 25);
    QCOMPARE(app->Studies().Documents().size(), 1);
}

void StartupTest::preferencesOnAFreshStore()
{
    ResetStore(true);
    SplashWatcher watcher;
    auto app = Start();
    QVERIFY(app);
    QCOMPARE(watcher.shown, 1);

    QStringList states;
    OnNextModal([&states](QDialog *prefs) {
        QCOMPARE(prefs->windowTitle(), QStringLiteral("Préférences"));
        for (const QString &id :
             {QStringLiteral("1555"), QStringLiteral("1001"), QStringLiteral("1002")}) {
            const auto *box = Child<QCheckBox>(prefs, id);
            states << box->text() +
                          (box->isChecked() ? QStringLiteral(": oui") : QStringLiteral(": non"));
        }
        Click(prefs, QStringLiteral("2"));
    });
    Trigger(*app, cmd::Preferences);
    QCOMPARE(states, (QStringList{QStringLiteral("Afficher le logo au démarrage: non"),
                                  QStringLiteral("Sauver la liste de noms en quittant.: oui"),
                                  QStringLiteral("Sauver la position de la fenêtre principale en "
                                                 "quittant.: non")}));
}

void StartupTest::preferencesChangedAndCancelled()
{
    auto app = Start();
    QVERIFY(app);
    const auto toggleAll = [](QDialog *prefs) {
        for (const QString &id :
             {QStringLiteral("1555"), QStringLiteral("1001"), QStringLiteral("1002")}) {
            auto *box = Child<QCheckBox>(prefs, id);
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Space);
        }
    };

    OnNextModal([&](QDialog *prefs) {
        toggleAll(prefs);
        Click(prefs, QStringLiteral("2"));
    });
    Trigger(*app, cmd::Preferences);
    QCOMPARE(Setting(QStringLiteral("Settings/Splash")).toInt(), 0);
    QVERIFY(!Setting(QStringLiteral("Settings/SauvList")).isValid());
    QVERIFY(!Setting(QStringLiteral("Settings/SauvPosi")).isValid());

    OnNextModal([&](QDialog *prefs) {
        toggleAll(prefs);
        QTest::keyClick(prefs->focusWidget(), Qt::Key_Return);
    });
    Trigger(*app, cmd::Preferences);
    QCOMPARE(Setting(QStringLiteral("Settings/Splash")).toInt(), 2);
    QCOMPARE(Setting(QStringLiteral("Settings/SauvList")).toInt(), 0);
    QCOMPARE(Setting(QStringLiteral("Settings/SauvPosi")).toInt(), 1);

    // Unchecking the logo again stores 0, not 1: it is then never shown.
    OnNextModal([&](QDialog *prefs) {
        auto *logo = Child<QCheckBox>(prefs, QStringLiteral("1555"));
        QVERIFY(logo->isChecked());
        QTest::mouseClick(logo, Qt::LeftButton, {}, QPoint(5, logo->height() / 2));
        Click(prefs, QStringLiteral("1"));
    });
    Trigger(*app, cmd::Preferences);
    QCOMPARE(Setting(QStringLiteral("Settings/Splash")).toInt(), 0);
}

void StartupTest::namesDialogConfirmedAndCancelled()
{
    const QString path =
        WriteBiorythme(QStringLiteral("marc.bio"), QStringLiteral("Marc"), QDate(1960, 12, 1));
    auto app = Start({path});
    QVERIFY(app);
    QCOMPARE(app->m_names.count, 1);

    for (const bool confirm : {false, true}) {
        OnNextModal([confirm](QDialog *names) {
            TypeName(names, QStringLiteral("1014"), QStringLiteral("Nina"));
            TypeDate(names, QStringLiteral("1013"), QDate(1999, 9, 9));
            Click(names, QStringLiteral("1011"));
            Click(names, confirm ? QStringLiteral("1") : QStringLiteral("2"));
        });
        Trigger(*app, cmd::NamesManagement);
        QCOMPARE(app->m_names.count, confirm ? 2 : 1);
        QCOMPARE(app->m_names.FindByName(QStringLiteral("Nina")), confirm ? 1 : -1);
        QCOMPARE(app->m_names.records[0].name, QStringLiteral("Marc"));
    }
}

// Another program writes the list while this one runs: the end writes this program's own
// changes (a study's person, the names dialog's removal and addition) into the list it finds.
void StartupTest::anotherProgramsPersonsKeptAtExit()
{
    QFile file(NamesFile());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("BSBDBDCP\r\n2\r\nAnne\r\n1\r\n1\r\n1950\r\nBob\r\n2\r\n2\r\n1952\r\n");
    file.close();
    const QString path =
        WriteBiorythme(QStringLiteral("marc.bio"), QStringLiteral("Marc"), QDate(1960, 12, 1));
    auto app = Start({path});
    QVERIFY(app);
    QCOMPARE(app->m_names.count, 3);

    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("BSBDBDCP\r\n3\r\nAnne\r\n1\r\n1\r\n1950\r\nBob\r\n2\r\n2\r\n1952\r\n"
               "Zo\xe9\r\n3\r\n3\r\n1953\r\n");
    file.close();
    OnNextModal([](QDialog *names) {
        auto *box = Child<QComboBox>(names, QStringLiteral("1014"));
        user::Choose(box, user::Row(box, QStringLiteral("Anne")));
        Click(names, QStringLiteral("1012"));
        TypeName(names, QStringLiteral("1014"), QStringLiteral("Nina"));
        TypeDate(names, QStringLiteral("1013"), QDate(1999, 9, 9));
        Click(names, QStringLiteral("1"));
    });
    Trigger(*app, cmd::NamesManagement);
    MessageRecorder messages;
    app->MainFrame()->close();
    app.reset();

    QVERIFY(messages.texts().isEmpty());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("BSBDBDCP\r\n4\r\nBob\r\n2\r\n2\r\n1952\r\n"
                                        "Zo\xe9\r\n3\r\n3\r\n1953\r\nMarc\r\n1\r\n12\r\n1960\r\n"
                                        "Nina\r\n9\r\n9\r\n1999\r\n"));
}

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
