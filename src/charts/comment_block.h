#pragma once

#include "charts/page_frame.h"

#include <QStringList>

// The lines of a comment, cut at CR LF, at a lone LF and at a lone CR, the line breaks alone
// dropped: an empty line stays an empty line and a comment that ends with a line break has one
// more, empty, line. An empty comment has no line.
QStringList CommentLines(const QString &comment);

// A line cut at word boundaries into pieces no wider than width in the selected font; a word
// wider than width on its own is cut between characters.
QStringList WrapLine(const DrawDevice &dc, const QString &line, int width);

// "Commentaires :" in the label font at (labelX, y), then the comment's lines in the text font
// from textX, one L apart from y + L, each wrapped at the frame's right edge. Returns the y just
// below the last line.
int DrawCommentBlock(DrawDevice &dc, const PageFrame &frame, int labelX, int textX, int y,
                     const QString &comment);
