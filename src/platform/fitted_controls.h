#pragma once

#include "platform/text_fit.h"

#include <QRect>

#include <optional>

class QLabel;
class QLineEdit;
class QWidget;

// The fitting rule applied to the controls of every window: a label whose text does not fit its
// box is drawn fitted; a text box whose text does not fit takes a smaller size of its face, down
// to the floor (its text is the user's value and is never cut: one too long even then is shown
// whole in the tip). Installed once on the application.
void InstallTextFitting();

// A label's text as it is drawn: the box (contents less margin and indent), the drawing flags and
// the fitted text. Empty for a label that shows a picture or rich text.
struct LabelText {
    QRect box;
    int flags = 0;
    FittedText shown;
};
std::optional<LabelText> DrawnLabelText(const QLabel& label);

// The room a text box has for its text, and the font the rule gives it there (cut: the text does
// not fit even at the floor, and the box shows it whole in its tip).
QRect TextBoxRoom(const QLineEdit& box);
FittedText FittedTextBox(const QLineEdit& box);

// A control whose text is cut shows the whole text as its tool-tip, unless it has a tip of its
// own; the tip goes again once the text is whole.
void ShowWholeTextAsTip(QWidget& control, const QString& whole, bool cut);
