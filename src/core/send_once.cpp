#include "core/send_once.h"

#include <QIODevice>
#include <QNetworkAccessManager>
#include <QNetworkRequest>

#include <cstring>

namespace {

// A request body that can be read through once: it refuses every rewind.
class OnceBody : public QIODevice
{
public:
    explicit OnceBody(QByteArray bytes, QObject* parent) : QIODevice(parent), m_bytes(std::move(bytes))
    {
        open(QIODevice::ReadOnly);
    }

    bool isSequential() const override { return false; }
    qint64 size() const override { return m_bytes.size(); }
    bool reset() override { return false; }
    bool seek(qint64 position) override { return position >= pos() && QIODevice::seek(position); }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 count = qMin(maxSize, m_bytes.size() - pos());
        if (count <= 0)
            return 0;
        std::memcpy(data, m_bytes.constData() + pos(), size_t(count));
        return count;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_bytes;
};

} // namespace

QNetworkReply* SendOnce(QNetworkAccessManager& manager, const QNetworkRequest& request, const QByteArray& verb,
                        const QByteArray& body)
{
    auto* device = new OnceBody(body, nullptr);
    QNetworkReply* reply =
        verb == "POST" ? manager.post(request, device) : manager.sendCustomRequest(request, verb, device);
    device->setParent(reply);
    return reply;
}

bool IsTransportError(QNetworkReply::NetworkError error)
{
    return (error != QNetworkReply::NoError && error < QNetworkReply::ContentAccessDenied)
           || error == QNetworkReply::ContentReSendError;
}

QNetworkReply::NetworkError SentOnceError(const QNetworkReply& reply)
{
    return reply.error() == QNetworkReply::ContentReSendError ? QNetworkReply::RemoteHostClosedError : reply.error();
}

QString SentOnceErrorString(const QNetworkReply& reply)
{
    if (reply.error() == QNetworkReply::ContentReSendError)
        return QStringLiteral("Connection closed");
    return reply.errorString();
}
