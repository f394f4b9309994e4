#include "app_harness.h"
#include "common/message_hook.h"
#include "framework/document.h"
#include "framework/file_messages.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

// What the window system hands the main window when files are dropped on it. False when the
// window refused them.
bool Drop(QWidget *window, const QList<QUrl> &urls)
{
    QMimeData data;
    data.setUrls(urls);
    const QPoint at = window->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &drop);
    return drop.isAccepted();
}

QList<QUrl> Urls(const QStringList &paths)
{
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    return urls;
}

QStringList OpenPaths(const COndarisApp &app)
{
    QStringList paths;
    for (const CDocument *document : app.Studies().Documents())
        paths << document->GetPathName();
    return paths;
}

QString WriteFile(const QString &name, const QByteArray &bytes)
{
    const QString path = QDir::current().absoluteFilePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qWarning("could not write %s", qPrintable(path));
    return path;
}

} // namespace

class DesktopDropTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { harness::ResetStore(); }
    void opensEachDroppedStudy();
    void refusesAFileOfAnotherKind_data();
    void refusesAFileOfAnotherKind();
    void opensTheStudiesOfAMixedDrop();
    void ignoresWhatIsNotALocalFile();
};

void DesktopDropTest::opensEachDroppedStudy()
{
    const auto app = harness::Start();
    QVERIFY(app);
    const QStringList studies = {
        harness::WriteBiorythme(u"Jean.bio"_s, u"Jean"_s, QDate(1980, 5, 17)),
        harness::WriteTwoPersons<COndarisDoc2>(u"Zoé et Loïc.bi2"_s, u"Zoé"_s, u"Loïc"_s),
        harness::WriteTwoPersons<COndarisDoc3>(u"Marie et Paul.aff"_s, u"Marie"_s, u"Paul"_s),
    };

    MessageRecorder messages;
    QVERIFY(Drop(app->MainFrame(), Urls(studies)));
    QTRY_COMPARE(OpenPaths(*app).size(), 3);
    QCOMPARE(OpenPaths(*app), studies);
    QCOMPARE(messages.texts(), QStringList());
}

void DesktopDropTest::refusesAFileOfAnotherKind_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("text") << u"notes.txt"_s << QByteArray("Jean Dupont, 17/05/1980\n");
    QTest::newRow("image") << u"photo.png"_s << QByteArray("\x89PNG\r\n\x1a\n", 8);
    QTest::newRow("no extension") << u"Jean"_s << QByteArray("\x00", 1);
}

void DesktopDropTest::refusesAFileOfAnotherKind()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);

    const QString study = harness::WriteBiorythme(u"Jean.bio"_s, u"Jean"_s, QDate(1980, 5, 17));
    const auto app = harness::Start({study});
    QVERIFY(app);
    const QString title = app->MainFrame()->windowTitle();

    MessageRecorder messages;
    QVERIFY(Drop(app->MainFrame(), Urls({WriteFile(name, bytes)})));
    QTRY_COMPARE(messages.texts().size(), 1);
    QCOMPARE(messages.texts(), QStringList{file_messages::OpenFailed()});
    QCOMPARE(OpenPaths(*app), QStringList{study});
    QCOMPARE(app->MainFrame()->windowTitle(), title);
}

void DesktopDropTest::opensTheStudiesOfAMixedDrop()
{
    const auto app = harness::Start();
    QVERIFY(app);
    const QString first = harness::WriteBiorythme(u"Jean.bio"_s, u"Jean"_s, QDate(1980, 5, 17));
    const QString other = WriteFile(u"notes.txt"_s, "notes");
    const QString second =
        harness::WriteTwoPersons<COndarisDoc3>(u"Marie et Paul.aff"_s, u"Marie"_s, u"Paul"_s);

    MessageRecorder messages;
    QVERIFY(Drop(app->MainFrame(), Urls({first, other, second})));
    QTRY_COMPARE(OpenPaths(*app).size(), 2);
    QCOMPARE(OpenPaths(*app), (QStringList{first, second}));
    QCOMPARE(messages.texts(), QStringList{file_messages::OpenFailed()});
}

void DesktopDropTest::ignoresWhatIsNotALocalFile()
{
    const auto app = harness::Start();
    QVERIFY(app);
    MessageRecorder messages;
    QVERIFY(!Drop(app->MainFrame(), {QUrl(u"https://example.org/Jean.bio"_s)}));
    QTest::qWait(20);
    QCOMPARE(OpenPaths(*app), QStringList());
    QCOMPARE(messages.texts(), QStringList());
}

QTEST_MAIN(DesktopDropTest)
#include "desktop_drop_test.moc"
