#pragma once

#include <QPlainTextEdit>

// The multi-line box. Its text is read and written with CR LF line breaks, as the rest of the
// program keeps them; the widget holds "\n" inside. Ctrl+Enter breaks the line as Enter does, and
// Tab moves the focus.
class CrLfTextBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit CrLfTextBox(QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);

    QString tag() const { return m_tag; }
    void setTag(const QString& tag) { m_tag = tag; }

signals:
    void gotFocus();
    void lostFocus();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QString m_tag;
};
