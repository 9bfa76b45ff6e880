#include "platform/fitted_controls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
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

// Gives a control that draws its own text the largest size of its design font, down to the
// floor, in which its text fits; a caption that does not fit even then is shown whole in the tip.
void FitOwnFont(QWidget& control)
{
    const std::optional<OwnText> own = OwnTextOf(control);
    if (!own)
        return;
    const QVariant fitted = control.property(kFittedFontProperty);
    if (!fitted.isValid() || fitted.value<QFont>() != control.font())
        control.setProperty(kDesignFontProperty, control.font());
    const FittedText shown = FittedOwnFont(control);
    control.setProperty(kFittedFontProperty, shown.font);
    if (shown.font != control.font())
        control.setFont(shown.font);
    // A text box's tip is its placeholder: a value too long for it is read by scrolling.
    if (!qobject_cast<QLineEdit*>(&control))
        ShowWholeTextAsTip(control, own->text, shown.elided);
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
        if (watched->isWidgetType())
            FitOwnFont(*static_cast<QWidget*>(watched));
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

std::optional<OwnText> OwnTextOf(const QWidget& control)
{
    if (const auto* box = qobject_cast<const QLineEdit*>(&control)) {
        if (box->echoMode() != QLineEdit::Normal)
            return std::nullopt;
        QStyleOptionFrame option;
        option.initFrom(box);
        option.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
        const QRect inside = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
        return OwnText{box->text(),
                       inside.marginsRemoved(box->textMargins()).adjusted(kTextBoxMargin, 0, -kTextBoxMargin, 0),
                       Qt::TextSingleLine};
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QStyle::SubElement contents = qobject_cast<const QCheckBox*>(button)      ? QStyle::SE_CheckBoxContents
                                          : qobject_cast<const QRadioButton*>(button) ? QStyle::SE_RadioButtonContents
                                                                                      : QStyle::SE_PushButtonContents;
        return OwnText{QString(button->text()).remove(QLatin1Char('&')),
                       button->style()->subElementRect(contents, &option, button), 0};
    }
    return std::nullopt;
}

FittedText FittedOwnFont(const QWidget& control)
{
    const std::optional<OwnText> own = OwnTextOf(control);
    const QVariant design = control.property(kDesignFontProperty);
    const QFont font = design.isValid() ? design.value<QFont>() : control.font();
    return own ? FitText(own->text, font, own->room.size(), own->flags) : FittedText{font, QString(), false};
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
