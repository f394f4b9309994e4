#pragma once

class ChartView;
class CDocument;
class QWidget;

// The view of a study's kind, or null for a document that is not a study.
ChartView *CreateViewFor(CDocument *document, QWidget *parent = nullptr);
