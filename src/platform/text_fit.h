#pragma once

#include <QFont>
#include <QSize>
#include <QString>

class QPainter;
class QRect;

// The one rule by which every caption, button, grid header and cell fits its text into its box:
// the text in its own font when it fits; otherwise in the largest smaller size of the same face,
// down to a floor, that fits; otherwise at the floor, cut with an ellipsis (the whole text then
// belongs in the control's tool-tip). A text with line breaks or the word-wrap flag fits when its
// lines, broken between words only, fit both ways; a single line only needs to fit across.
struct FittedText {
    QFont font;
    QString text;
    bool elided = false;
};

// Whether the text fits the box in the font as it stands (flags: Qt::TextWordWrap counts).
bool TextFits(const QString& text, const QFont& font, const QSize& box, int flags);

// The text as the rule draws it in the box. Results are remembered, so that a control painted
// again and again measures each text once.
FittedText FitText(const QString& text, const QFont& font, const QSize& box, int flags);

// The smallest size the rule shrinks a font to, in points (or pixels for a pixel-sized font).
qreal FloorSize(const QFont& font);

// Draws the text into the rectangle with the painter's font, fitted by the rule.
void DrawFittedText(QPainter& painter, const QRect& rect, int flags, const QString& text);
