#pragma once

#include <QColor>
#include <QLineEdit>

// The one test every reader of an input box uses: a box whose text is empty or equals its
// tool-tip (the placeholder) holds no data.
bool IsBlankOrPlaceholder(const QString& text, const QString& toolTip);
bool IsBlankOrPlaceholder(const QWidget& box);

// The box's text, or "" when it is blank or shows its placeholder.
QString BoxValue(const QWidget& box);

// A text box whose placeholder is its tool-tip, held as the box's own text while the box is empty.
// Focus in empties a box whose text equals the tool-tip exactly and turns its text black; focus out
// puts the tool-tip back into an empty box in the placeholder colour, and gives a filled box the
// filled colour (an invalid filled colour leaves it as it is). A text of blanks counts as filled.
class PlaceholderBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit PlaceholderBox(QWidget* parent = nullptr);

    QString tag() const { return m_tag; }
    void setTag(const QString& tag) { m_tag = tag; }

    // Sets the tool-tip and puts it into the box as its text.
    void showPlaceholder(const QString& toolTip);

    void setTextColor(const QColor& color);
    QColor textColor() const;
    void setPlaceholderColor(const QColor& color) { m_placeholderColor = color; }
    void setFilledColor(const QColor& color) { m_filledColor = color; }

signals:
    void gotFocus();
    void lostFocus();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QString m_tag;
    QColor m_placeholderColor = QColor(224, 224, 224);
    QColor m_filledColor = Qt::black;
};
