#pragma once

#include "charts/curve_chart_view.h"

class COndarisDoc;

// The Biorythme page of a study in its window.
class COndarisView : public CurveChartView
{
    Q_OBJECT
public:
    explicit COndarisView(COndarisDoc *document, QWidget *parent = nullptr);
};
