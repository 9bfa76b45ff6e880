#include "platform/sound.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace {

class DevicePlayer : public SoundPlayer
{
public:
    void play(const QString& file) override
    {
        if (!QFileInfo(file).isFile())
            return;
        if (!m_effect)
            m_effect = new QSoundEffect;
        m_effect->stop();
        m_effect->setSource(QUrl::fromLocalFile(file));
        m_effect->play();
    }

private:
    QSoundEffect* m_effect = nullptr;
};

SoundPlayer* g_player = nullptr;

} // namespace

void PlaySound(const QString& file)
{
    static DevicePlayer device;
    (g_player ? g_player : &device)->play(file);
}

void SetSoundPlayer(SoundPlayer* player)
{
    g_player = player;
}
