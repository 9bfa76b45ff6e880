#pragma once

#include "platform/text_fit.h"

#include <QRect>

#include <optional>

class QLabel;
class QWidget;

// The fitting rule applied to the controls of every window: a label whose text does not fit its
// box is drawn fitted; a text box, check box, radio or push button whose text does not fit takes a
// smaller size of its face, down to the floor (their texts are values or captions that the
// windows read back and are never cut: a caption too long even then is shown whole in the tip,
// a text box's value is read by scrolling).
// Installed once on the application.
void InstallTextFitting();

// A label's text as it is drawn: the box (contents less margin and indent), the drawing flags and
// the fitted text. Empty for a label that shows a picture or rich text.
struct LabelText {
    QRect box;
    int flags = 0;
    FittedText shown;
};
std::optional<LabelText> DrawnLabelText(const QLabel& label);

// The text of a control that draws it itself in its own font (a text box, a check box, a radio or
// push button) and the room it has for it; empty for other controls.
struct OwnText {
    QString text;
    QRect room;
    int flags = 0;
};
std::optional<OwnText> OwnTextOf(const QWidget& control);

// The font the rule gives such a control (cut: the text does not fit even at the floor).
FittedText FittedOwnFont(const QWidget& control);

// A control whose text is cut shows the whole text as its tool-tip, unless it has a tip of its
// own; the tip goes again once the text is whole.
void ShowWholeTextAsTip(QWidget& control, const QString& whole, bool cut);
