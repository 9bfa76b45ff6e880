#include "wave_file.h"

#include <QDataStream>
#include <QFile>
#include <cmath>

namespace {

const int kRate = 22050;

struct Tone {
    double frequency;
    double seconds;
};

QByteArray Samples()
{
    QByteArray pcm;
    QDataStream out(&pcm, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    for (const Tone tone : {Tone{880.0, 0.28}, Tone{660.0, 0.55}}) {
        const int count = int(tone.seconds * kRate);
        for (int i = 0; i < count; ++i) {
            const double t = double(i) / kRate;
            const double envelope = std::exp(-4.5 * t) * std::min(1.0, i / 80.0);
            const double wave = std::sin(2 * M_PI * tone.frequency * t) + 0.3 * std::sin(4 * M_PI * tone.frequency * t);
            out << qint16(std::lround(9000 * envelope * wave));
        }
    }
    return pcm;
}

} // namespace

bool WriteChime(const QString& path)
{
    const QByteArray pcm = Samples();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + pcm.size());
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(kRate) << quint32(kRate * 2) << quint16(2)
        << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(pcm.size());
    out.writeRawData(pcm.constData(), int(pcm.size()));
    return out.status() == QDataStream::Ok;
}
