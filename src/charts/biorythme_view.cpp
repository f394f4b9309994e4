#include "charts/biorythme_view.h"

#include "charts/biorythme_page.h"
#include "studies/biorythme_doc.h"

COndarisView::COndarisView(COndarisDoc *document, QWidget *parent)
    : CurveChartView(
          document, *document, [document]() { return BiorythmeHeader(*document); }, parent)
{
}
