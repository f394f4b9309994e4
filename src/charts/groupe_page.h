#pragma once

#include "charts/page_frame.h"
#include "charts/page_reading.h"

#include <QSize>

class CGroupeDoc;
class DrawDevice;

// The lines a group page gives to its title, members, pairs and comment: on paper, with the
// ten-point fonts, an A4 page holds this many.
inline constexpr int kGroupPageLines = 66;
// Up to this many members, one column; more take two or three, side by side.
inline constexpr int kGroupOneColumnMembers = 25;

// "Claire Fontaine", or "Anonyme" for an empty name.
QString MemberName(const CGroupeDoc &doc, int member);
// "3. Paul Fontaine": a member by its number in the group.
QString NumberedMember(const CGroupeDoc &doc, int member);

// The whole group page at a font height; returns the page's extent. The device's state is given
// back as it was.
QSize DrawGroupePage(DrawDevice &dc, const CGroupeDoc &doc, int fontHeight);

// The page as a screen reader reads it: the members and their best partners as the table, the
// ranked pairs of the page and the comment as the texts after it.
PageReading GroupePageReading(const CGroupeDoc &doc);
