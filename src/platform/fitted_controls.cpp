#include "platform/fitted_controls.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVariant>

namespace {

const char* const kTipProperty = "fittingTip";
const char* const kDesignFontProperty = "fittingDesignFont";
const char* const kFittedFontProperty = "fittingFittedFont";
// The blank QLineEdit keeps on each side of its text, inside its frame.
constexpr int kTextBoxMargin = 2;

bool ShowsPlainText(const QLabel& label)
{
    if (label.text().isEmpty() || !label.pixmap().isNull() || label.textFormat() == Qt::RichText)
        return false;
    return label.textFormat() != Qt::AutoText || !Qt::mightBeRichText(label.text());
}

void DrawFrame(QLabel& label, QPainter& painter)
{
    if (label.frameShape() == QFrame::NoFrame)
        return;
    QStyleOptionFrame option;
    option.initFrom(&label);
    option.rect = label.frameRect();
    option.frameShape = label.frameShape();
    option.lineWidth = label.lineWidth();
    option.midLineWidth = label.midLineWidth();
    if (label.frameShadow() == QFrame::Sunken)
        option.state |= QStyle::State_Sunken;
    else if (label.frameShadow() == QFrame::Raised)
        option.state |= QStyle::State_Raised;
    label.style()->drawControl(QStyle::CE_ShapedFrame, &option, &painter, &label);
}

// Draws a label whose text does not fit as QLabel would, with the fitted text; false when the
// label's own painting shows its text whole.
bool PaintFittedLabel(QLabel& label)
{
    const std::optional<LabelText> drawn = DrawnLabelText(label);
    if (!drawn)
        return false;
    ShowWholeTextAsTip(label, label.text(), drawn->shown.elided);
    if (drawn->shown.text == label.text() && drawn->shown.font == label.font())
        return false;
    QPainter painter(&label);
    DrawFrame(label, painter);
    painter.setFont(drawn->shown.font);
    label.style()->drawItemText(&painter, drawn->box, drawn->flags, label.palette(), label.isEnabled(),
                                drawn->shown.text, label.foregroundRole());
    return true;
}

// Gives a text box the largest size of its design font, down to the floor, in which its text
// fits; a text that does not fit even then is shown whole in the tip.
void FitTextBox(QLineEdit& box)
{
    const QVariant fitted = box.property(kFittedFontProperty);
    if (!fitted.isValid() || fitted.value<QFont>() != box.font())
        box.setProperty(kDesignFontProperty, box.font());
    const FittedText shown = FittedTextBox(box);
    box.setProperty(kFittedFontProperty, shown.font);
    if (shown.font != box.font())
        box.setFont(shown.font);
    ShowWholeTextAsTip(box, box.text(), shown.elided);
}

class TextFitting : public QObject
{
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        if (auto* label = qobject_cast<QLabel*>(watched))
            return PaintFittedLabel(*label);
        if (auto* box = qobject_cast<QLineEdit*>(watched))
            FitTextBox(*box);
        return false;
    }
};

} // namespace

void InstallTextFitting()
{
    static TextFitting* fitting = nullptr;
    if (!fitting) {
        fitting = new TextFitting;
        fitting->setParent(qApp);
        qApp->installEventFilter(fitting);
    }
}

std::optional<LabelText> DrawnLabelText(const QLabel& label)
{
    if (!ShowsPlainText(label))
        return std::nullopt;
    QRect box = label.contentsRect().adjusted(label.margin(), label.margin(), -label.margin(), -label.margin());
    int indent = label.indent();
    if (indent < 0 && label.frameWidth() > 0)
        indent = label.fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2;
    const Qt::Alignment align = QStyle::visualAlignment(label.layoutDirection(), label.alignment());
    if (indent > 0) {
        if (align & Qt::AlignLeft)
            box.setLeft(box.left() + indent);
        if (align & Qt::AlignRight)
            box.setRight(box.right() - indent);
    }
    const int flags = int(align) | (label.wordWrap() ? Qt::TextWordWrap : 0);
    return LabelText{box, flags, FitText(label.text(), label.font(), box.size(), flags)};
}

QRect TextBoxRoom(const QLineEdit& box)
{
    QStyleOptionFrame option;
    option.initFrom(&box);
    option.lineWidth = box.hasFrame() ? box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &box) : 0;
    const QRect inside = box.style()->subElementRect(QStyle::SE_LineEditContents, &option, &box);
    return inside.marginsRemoved(box.textMargins()).adjusted(kTextBoxMargin, 0, -kTextBoxMargin, 0);
}

FittedText FittedTextBox(const QLineEdit& box)
{
    const QVariant design = box.property(kDesignFontProperty);
    const QFont font = design.isValid() ? design.value<QFont>() : box.font();
    return FitText(box.text(), font, TextBoxRoom(box).size(), Qt::TextSingleLine);
}

void ShowWholeTextAsTip(QWidget& control, const QString& whole, bool cut)
{
    const bool ours = control.property(kTipProperty).toBool();
    if (cut && (ours || control.toolTip().isEmpty())) {
        control.setToolTip(whole);
        control.setProperty(kTipProperty, true);
    } else if (!cut && ours) {
        control.setToolTip(QString());
        control.setProperty(kTipProperty, false);
    }
}
