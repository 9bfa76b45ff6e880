#include "platform/send_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>

#include <algorithm>

namespace {

struct Stroke {
    int key = 0;
    Qt::KeyboardModifiers modifiers;
    QString text;
};

int NamedKey(const QString& name)
{
    const QString upper = name.toUpper();
    if (upper == "TAB")
        return Qt::Key_Tab;
    if (upper == "ENTER")
        return Qt::Key_Return;
    return 0;
}

QList<Stroke> Parse(const QString& keys)
{
    QList<Stroke> strokes;
    Qt::KeyboardModifiers modifiers;
    for (int i = 0; i < keys.size(); ++i) {
        const QChar c = keys[i];
        if (c == '^' || c == '+' || c == '%') {
            modifiers |= c == '^' ? Qt::ControlModifier : c == '+' ? Qt::ShiftModifier : Qt::AltModifier;
            continue;
        }
        Stroke stroke{0, modifiers, QString()};
        if (c == '{') {
            const int close = keys.indexOf('}', i + 1);
            if (close < 0)
                return strokes;
            stroke.key = NamedKey(keys.mid(i + 1, close - i - 1));
            i = close;
        } else {
            stroke.key = c.toUpper().unicode();
            stroke.text = c;
        }
        if (stroke.key == Qt::Key_Tab)
            stroke.text = "\t";
        else if (stroke.key == Qt::Key_Return)
            stroke.text = "\r";
        if (stroke.key != 0)
            strokes.append(stroke);
        modifiers = {};
    }
    return strokes;
}

class EnterFilter : public QObject
{
public:
    EnterFilter(QWidget& window, const QStringList& lineBreakNames)
        : QObject(&window), m_window(&window), m_lineBreakNames(lineBreakNames)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const Qt::KeyboardModifiers others = key->modifiers() & ~Qt::KeypadModifier;
        auto* widget = static_cast<QWidget*>(watched);
        if (!enter || others != Qt::NoModifier || !m_window || (widget != m_window && !m_window->isAncestorOf(widget)))
            return false;
        const QString name = widget->objectName();
        const bool breakLine = std::any_of(m_lineBreakNames.begin(), m_lineBreakNames.end(),
                                           [&name](const QString& prefix) { return name.startsWith(prefix); });
        SendKeysWS(breakLine ? "^{ENTER}" : "{TAB}", false);
        QCoreApplication::processEvents();
        return true;
    }

private:
    QPointer<QWidget> m_window;
    QStringList m_lineBreakNames;
};

} // namespace

void SendKeysWS(const QString& keys, bool wait)
{
    for (const Stroke& s : Parse(keys)) {
        QWidget* target = QApplication::focusWidget();
        if (!target)
            return;
        if (wait) {
            QKeyEvent press(QEvent::KeyPress, s.key, s.modifiers, s.text);
            QKeyEvent release(QEvent::KeyRelease, s.key, s.modifiers, s.text);
            QApplication::sendEvent(target, &press);
            if (QApplication::focusWidget())
                QApplication::sendEvent(QApplication::focusWidget(), &release);
        } else {
            QApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, s.key, s.modifiers, s.text));
            QApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, s.key, s.modifiers, s.text));
        }
    }
}

void EnterMovesFocus(QWidget& window, const QStringList& lineBreakNames)
{
    qApp->installEventFilter(new EnterFilter(window, lineBreakNames));
}
