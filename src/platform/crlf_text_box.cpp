#include "platform/crlf_text_box.h"

#include <QKeyEvent>

CrLfTextBox::CrLfTextBox(QWidget* parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
}

QString CrLfTextBox::text() const
{
    QString text = toPlainText();
    text.replace(QChar::LineSeparator, QChar('\n'));
    text.replace("\n", "\r\n");
    return text;
}

void CrLfTextBox::setText(const QString& text)
{
    QString plain = text;
    plain.replace("\r\n", "\n");
    plain.replace('\r', '\n');
    setPlainText(plain);
}

void CrLfTextBox::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & Qt::ControlModifier)) {
        if (!isReadOnly())
            insertPlainText("\n");
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CrLfTextBox::focusInEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusInEvent(event);
    emit gotFocus();
}

void CrLfTextBox::focusOutEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusOutEvent(event);
    emit lostFocus();
}
