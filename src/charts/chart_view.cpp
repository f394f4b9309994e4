#include "charts/chart_view.h"

#include "charts/page_accessible.h"
#include "charts/page_frame.h"
#include "framework/painter_device.h"
#include "framework/study_history.h"
#include "people/comments_dialog.h"

#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QTimer>

namespace {

const QSize kPageStep(400, 314);
const QSize kLineStep(16, 25);

} // namespace

ChartView::ChartView(CDocument *document, QWidget *parent)
    : CScrollView(parent), m_document(document)
{
    InstallPageAccessibility();
    if (document) {
        connect(document, &CDocument::allViewsUpdate, viewport(), qOverload<>(&QWidget::update));
        connect(document, &CDocument::allViewsUpdate, this, &ChartView::PageChanged);
    }
}

const PageReading &ChartView::Reading() const
{
    if (!m_reading)
        m_reading = m_document ? ReadPage() : PageReading{};
    return *m_reading;
}

void ChartView::PageChanged()
{
    const std::optional<PageReading> before = std::exchange(m_reading, std::nullopt);
    if (before)
        NotifyPageChanged(this, *before);
}

void ChartView::OnInitialUpdate()
{
    QSize total = kMinimumScrollSize;
    // The page's extent at the screen's font before the first drawing, so that the window can
    // be sized to the page.
    if (m_document)
        OnScreenDevice([this, &total](DrawDevice &dc) { total = DrawPage(dc).expandedTo(total); });
    SetScrollSizes(total, kPageStep, kLineStep);
}

void ChartView::OnScreenDevice(const std::function<void(DrawDevice &dc)> &use)
{
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter painter(&scratch);
    MeasuringDevice dc(painter, false, ScreenWidth());
    OnPrepareDC(dc);
    use(dc);
}

void ChartView::OnPrepareDC(DrawDevice &dc)
{
    fontHeight = PageFontHeight(dc);
    CScrollView::OnPrepareDC(dc);
}

void ChartView::OnDraw(DrawDevice &dc)
{
    if (!m_document)
        return;
    const QSize extent = DrawPage(dc);
    if (!dc.IsPrinting())
        FollowExtent(extent);
}

void ChartView::FollowExtent(const QSize &extent)
{
    const QSize total = extent.expandedTo(kMinimumScrollSize);
    if (total == GetTotalSize())
        return;
    // Not while painting: the new scroll range repaints the view.
    QTimer::singleShot(0, this, [this, total]() { SetScrollSizes(total, kPageStep, kLineStep); });
}

void ChartView::OnComment()
{
    if (!m_document)
        return;
    study_history::Record(*m_document, QStringLiteral("Commentaires"), [this] {
        CCommentairesDlg dialog(this);
        dialog.m_strComment = Comment();
        dialog.exec();
        if (!dialog.m_bConfirmed || !m_document)
            return;
        Comment() = dialog.m_strComment;
        m_document->SetModifiedFlag(true);
        viewport()->update();
        PageChanged();
    });
}

void ChartView::OnContextMenu(const QPoint &globalPos)
{
    if (!m_document)
        return;
    QMenu menu(QStringLiteral("&Modifier"), this);
    QAction *identity = menu.addAction(PersonsItemText());
    QAction *startDate = menu.addAction(QStringLiteral("&Date de départ..."));
    QAction *comment = menu.addAction(QStringLiteral("&Commentaires..."));
    // Nothing handles the start date of a study that has none.
    startDate->setEnabled(m_document->HasStartDate());
    QAction *chosen = menu.exec(globalPos);
    if (!m_document)
        return;
    if (chosen == identity)
        study_history::Record(*m_document, study_history::EditName(identity->text()),
                              [this] { m_document->OnEditPersons(); });
    else if (chosen == startDate)
        study_history::Record(*m_document, study_history::EditName(startDate->text()),
                              [this] { m_document->OnEditStartDate(); });
    else if (chosen == comment)
        OnComment();
}
