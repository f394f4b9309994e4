#pragma once

#include <QByteArray>

class CDocument;

// A study for a French spreadsheet: ";" between fields, decimal comma, UTF-8 with a byte-order
// mark and CR LF line ends. A study with a start date gives one row a day for span days (its
// values as the page draws them, the average, the critical cycles); an Affinité study its
// scores and texts; a Groupe study a row a pair, its names and its four scores.
QByteArray StudyCsv(const CDocument &study, int span);
