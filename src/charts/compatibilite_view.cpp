#include "charts/compatibilite_view.h"

#include "charts/compatibilite_page.h"
#include "studies/compatibilite_doc.h"

COndarisView2::COndarisView2(COndarisDoc2 *document, QWidget *parent)
    : CurveChartView(
          document, *document, [document]() { return CompatibiliteHeader(*document); }, parent)
{
}
