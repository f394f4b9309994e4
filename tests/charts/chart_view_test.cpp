#include "charts/affinite_view.h"
#include "charts/biorythme_view.h"
#include "charts/compatibilite_view.h"
#include "charts/view_factory.h"
#include "common/modal.h"
#include "framework/modules.h"
#include "people/names_list.h"
#include "printing/print_support.h"
#include "studies/affinite_doc.h"
#include "studies/biorythme_doc.h"
#include "studies/compatibilite_doc.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// Runs act on the next popup menu as soon as it shows.
void OnNextPopup(std::function<void(QMenu *)> act)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act]() {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu || !menu->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        act(menu);
    });
    timer->start();
}

QStringList Texts(const QMenu *menu)
{
    QStringList texts;
    for (const QAction *action : menu->actions())
        texts.append(action->text());
    return texts;
}

void RightClick(QWidget *view)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 20),
                            view->mapToGlobal(QPoint(20, 20)));
    QApplication::sendEvent(static_cast<QAbstractScrollArea *>(view)->viewport(), &event);
}

int PdfPages(const QString &path)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable(QStringLiteral("pdfinfo")), {path});
    process.waitForFinished(30000);
    const QString info = QString::fromUtf8(process.readAllStandardOutput());
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The session's printer, as a print set-up that chose a PDF file would leave it.
QPrinter &SessionPdfPrinter(const QString &out)
{
    const auto printing = PrintModule();
    if (!printing)
        qFatal("no print module");
    QPrinter &printer = printing.function().SessionPrinter();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(out);
    return printer;
}

} // namespace

class ChartViewTest : public QObject
{
    Q_OBJECT

private:
    NamesList m_names;
    QTemporaryDir m_dir;

private Q_SLOTS:

    void factoryMatchesTheStudy()
    {
        COndarisDoc bio(m_names);
        COndarisDoc2 compat(m_names);
        COndarisDoc3 aff(m_names);
        std::unique_ptr<ChartView> v1(CreateViewFor(&bio));
        std::unique_ptr<ChartView> v2(CreateViewFor(&compat));
        std::unique_ptr<ChartView> v3(CreateViewFor(&aff));
        QVERIFY(qobject_cast<COndarisView *>(v1.get()));
        QVERIFY(qobject_cast<COndarisView2 *>(v2.get()));
        QVERIFY(qobject_cast<COndarisView3 *>(v3.get()));
        QCOMPARE(v1->GetDocument(), &bio);
        QVERIFY(!CreateViewFor(nullptr));
    }

    // The toggle belongs to the window: two windows of one study keep their own.
    void averageToggle()
    {
        COndarisDoc doc(m_names);
        COndarisView first(&doc), second(&doc);
        QSignalSpy changed(&first, &CurveChartView::showAverageChanged);
        QVERIFY(!first.showAverage);
        QCOMPARE(first.averageAction()->text(), QStringLiteral("Mo&yenne"));
        QVERIFY(first.averageAction()->isCheckable());
        first.OnAverage();
        QVERIFY(first.showAverage);
        QVERIFY(first.averageAction()->isChecked());
        QVERIFY(!second.showAverage);
        first.averageAction()->trigger();
        QVERIFY(!first.showAverage);
        QVERIFY(!first.averageAction()->isChecked());
        QCOMPARE(changed.size(), 2);
        QVERIFY(!doc.IsModified());
    }

    void screenDrawing()
    {
        COndarisDoc3 doc(m_names);
        COndarisView3 view(&doc);
        view.OnInitialUpdate();
        view.resize(400, 300);
        view.grab();
        // The offscreen screen is 800 pixels wide.
        QCOMPARE(view.fontHeight, 15);
        QCOMPARE(view.barCorrection, 1);
        QCOMPARE(view.GetTotalSize(), QSize(800, 2200));
    }

    // A page longer than 2200 pixels can be scrolled to its end.
    void scrollSizeFollowsThePage()
    {
        COndarisDoc doc(m_names);
        doc.comment = QStringLiteral("ligne\r\n").repeated(150);
        COndarisView view(&doc);
        view.OnInitialUpdate();
        // Known before the first drawing, so that the window can be sized to it.
        QVERIFY(view.GetTotalSize().height() > 2200);
        QCOMPARE(view.GetTotalSize().width(), 800);
        const QSize before = view.GetTotalSize();
        view.resize(400, 300);
        view.grab();
        QCOMPARE(view.GetTotalSize(), before);
        doc.comment.clear();
        view.grab();
        QTRY_COMPARE(view.GetTotalSize(), QSize(800, 2200));
    }

    void commentConfirmed()
    {
        COndarisDoc2 doc(m_names);
        doc.comment = QStringLiteral("avant");
        COndarisView2 view(&doc), other(&doc);
        QSignalSpy allViews(&doc, &CDocument::allViewsUpdate);
        OnNextModal([](QDialog *dialog) {
            auto *edit = dialog->findChild<QPlainTextEdit *>(QStringLiteral("1548"));
            QCOMPARE(edit->toPlainText(), QStringLiteral("avant"));
            edit->setPlainText(QStringLiteral("un\ndeux"));
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("1")),
                              Qt::LeftButton);
        });
        view.OnComment();
        QCOMPARE(doc.comment, QStringLiteral("un\r\ndeux"));
        QVERIFY(doc.IsModified());
        // Only the view that ran the command redraws.
        QCOMPARE(allViews.size(), 0);
    }

    void commentCancelled()
    {
        COndarisDoc3 doc(m_names);
        const QString before = doc.comment;
        COndarisView3 view(&doc);
        OnNextModal([](QDialog *dialog) {
            dialog->findChild<QPlainTextEdit *>(QStringLiteral("1548"))
                ->setPlainText(QStringLiteral("autre"));
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("2")),
                              Qt::LeftButton);
        });
        view.OnComment();
        QCOMPARE(doc.comment, before);
        QVERIFY(!doc.IsModified());
    }

    void contextMenu_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("startDate");
        QTest::newRow("Biorythme") << 1 << true;
        QTest::newRow("Compatibilité") << 2 << true;
        QTest::newRow("Affinité") << 3 << false;
    }

    // "&Modifier" at the click; the start date only where the study has one; the comment
    // item runs the comment command.
    void contextMenu()
    {
        QFETCH(int, kind);
        QFETCH(bool, startDate);
        std::unique_ptr<CDocument> doc;
        if (kind == 1)
            doc = std::make_unique<COndarisDoc>(m_names);
        else if (kind == 2)
            doc = std::make_unique<COndarisDoc2>(m_names);
        else
            doc = std::make_unique<COndarisDoc3>(m_names);
        std::unique_ptr<ChartView> view(CreateViewFor(doc.get()));
        view->resize(300, 200);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));

        QStringList texts;
        bool startEnabled = !startDate;
        bool commentShown = false;
        OnNextPopup([&](QMenu *menu) {
            texts = Texts(menu);
            startEnabled = menu->actions().at(1)->isEnabled();
            OnNextModal([&commentShown](QDialog *dialog) {
                commentShown = dialog->windowTitle() == QStringLiteral("Commentaires");
                dialog->reject();
            });
            menu->setActiveAction(menu->actions().at(2));
            QTest::keyClick(menu, Qt::Key_Return);
        });
        RightClick(view.get());
        QCOMPARE(texts, (QStringList{QStringLiteral("&Identification..."),
                                     QStringLiteral("&Date de départ..."),
                                     QStringLiteral("&Commentaires...")}));
        QCOMPARE(startEnabled, startDate);
        QVERIFY(commentShown);
        QVERIFY(!doc->IsModified());
    }

    void printCancelledPrintsNothing()
    {
        COndarisDoc doc(m_names);
        COndarisView view(&doc);
        const QString out = m_dir.filePath(QStringLiteral("annule.pdf"));
        SessionPdfPrinter(out);
        bool asked = false;
        OnNextModal([&asked](QDialog *dialog) {
            asked = qobject_cast<QPrintDialog *>(dialog) != nullptr;
            dialog->reject();
        });
        view.OnFilePrint();
        QVERIFY(asked);
        QVERIFY(!QFile::exists(out));
        QCOMPARE(view.fontHeight, 0);
    }

    void printOnePage()
    {
        COndarisDoc3 doc(m_names);
        COndarisView3 printed(&doc);
        const QString out = m_dir.filePath(QStringLiteral("page.pdf"));
        const QPrinter &printer = SessionPdfPrinter(out);
        OnNextModal([](QDialog *dialog) { dialog->accept(); });
        printed.OnFilePrint();
        QCOMPARE(PdfPages(out), 1);
        QCOMPARE(printed.fontHeight, -qRound(10.0 * printer.resolution() / 72));
        QCOMPARE(printed.barCorrection, 3);
    }

    void previewShowsOnePage()
    {
        COndarisDoc doc(m_names);
        COndarisView view(&doc);
        view.OnAverage();
        int pages = -1;
        bool closed = false;
        OnNextModal([&pages, &closed](QDialog *dialog) {
            QVERIFY(qobject_cast<QPrintPreviewDialog *>(dialog));
            auto *preview = dialog->findChild<QPrintPreviewWidget *>();
            QTRY_VERIFY(preview->pageCount() > 0);
            pages = preview->pageCount();
            QTest::keyClick(dialog, Qt::Key_PageDown);
            QCOMPARE(preview->currentPage(), 1);
            QTest::keyClick(dialog, Qt::Key_Escape);
            closed = !dialog->isVisible();
        });
        view.OnFilePrintPreview();
        QCOMPARE(pages, 1);
        QVERIFY(closed);
        QVERIFY(view.fontHeight < 0);
        // The preview draws what this window shows.
        QVERIFY(view.showAverage);
    }

    void viewOutlivesItsStudy()
    {
        auto doc = std::make_unique<COndarisDoc>(m_names);
        COndarisView view(doc.get());
        doc.reset();
        QVERIFY(!view.GetDocument());
        view.resize(200, 200);
        view.grab();
        view.OnComment();
    }
};

QTEST_MAIN(ChartViewTest)
#include "chart_view_test.moc"
