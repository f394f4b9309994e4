#pragma once

#include "charts/curve_chart_view.h"

class COndarisDoc2;

// The Compatibilité page of a study in its window.
class COndarisView2 : public CurveChartView
{
    Q_OBJECT
public:
    explicit COndarisView2(COndarisDoc2 *document, QWidget *parent = nullptr);
};
