#include "charts/view_factory.h"

#include "charts/affinite_view.h"
#include "charts/biorythme_view.h"
#include "charts/compatibilite_view.h"
#include "charts/groupe_view.h"
#include "studies/affinite_doc.h"
#include "studies/biorythme_doc.h"
#include "studies/compatibilite_doc.h"
#include "studies/groupe_doc.h"

ChartView *CreateViewFor(CDocument *document, QWidget *parent)
{
    if (auto *biorythme = qobject_cast<COndarisDoc *>(document))
        return new COndarisView(biorythme, parent);
    if (auto *compatibilite = qobject_cast<COndarisDoc2 *>(document))
        return new COndarisView2(compatibilite, parent);
    if (auto *affinite = qobject_cast<COndarisDoc3 *>(document))
        return new COndarisView3(affinite, parent);
    if (auto *groupe = qobject_cast<CGroupeDoc *>(document))
        return new CGroupeView(groupe, parent);
    return nullptr;
}
