#include "platform/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace {

QMessageBox::Icon iconOf(int style)
{
    switch (style & 0x70) {
    case MsgStyle::Critical: return QMessageBox::Critical;
    case MsgStyle::Question: return QMessageBox::Question;
    case MsgStyle::Exclamation: return QMessageBox::Warning;
    case MsgStyle::Information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons buttonsOf(int style)
{
    switch (style & 0x7) {
    case MsgStyle::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgStyle::AbortRetryIgnore: return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    case MsgStyle::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgStyle::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MsgStyle::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
    default: return QMessageBox::Ok;
    }
}

int resultOf(int button)
{
    switch (button) {
    case QMessageBox::Cancel: return MsgResult::Cancel;
    case QMessageBox::Abort: return MsgResult::Abort;
    case QMessageBox::Retry: return MsgResult::Retry;
    case QMessageBox::Ignore: return MsgResult::Ignore;
    case QMessageBox::Yes: return MsgResult::Yes;
    case QMessageBox::No: return MsgResult::No;
    default: return MsgResult::Ok;
    }
}

// A box stands centred on the window that asks: the modal window in front when there is one.
QWidget* boxOwner()
{
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : QApplication::activeWindow();
}

class RealMessageBoxes : public MessageBoxService
{
public:
    int show(const QString& text, const QString& title, int style) override
    {
        QString shown = text;
        shown.replace("\r\n", "\n");
        QPointer<QWidget> owner = boxOwner();
        QMessageBox box(iconOf(style), title, shown, buttonsOf(style), owner);
        // Qt places the box before it knows its size and, without a window manager, with a guessed
        // frame; once shown it is centred for good.
        QTimer::singleShot(0, &box, [&box, owner] {
            if (owner)
                box.move(owner->frameGeometry().center() - box.frameGeometry().center() + box.pos());
        });
        return resultOf(box.exec());
    }
};

MessageBoxService* g_service = nullptr;

} // namespace

int MsgBox(const QString& text, int style, const QString& title)
{
    static RealMessageBoxes real;
    MessageBoxService* service = g_service ? g_service : &real;
    return service->show(text, title.isEmpty() ? QStringLiteral("VmrZLM") : title, style);
}

void SetMessageBoxService(MessageBoxService* service)
{
    g_service = service;
}
