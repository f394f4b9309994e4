#pragma once

#include <QString>

class StudyDays;
struct BestDay;
struct BestDaysQuery;

// A best day as its list writes it: "Mardi 16/03/2027 : Intellectuel -4,2, Sentimental -3,0,
// Physique -1,2 ; moyenne -2,8", the values to one decimal as the tool tips show them, the mean
// that of the counted values.
QString BestDayLine(const StudyDays &days, const BestDay &day);

// What a list of best days counts, in French: "Physique, Sentimental, Intellectuel au-dessus de
// 0 sur la page, jours critiques exclus".
QString BestDaysRule(const BestDaysQuery &query);
