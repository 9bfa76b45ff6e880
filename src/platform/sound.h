#pragma once

#include <QString>

// Playing a wave file ("DD.wav" of the sound folder) without waiting for its end. Production plays
// it through the sound device; tests install a player that records the request.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString& file) = 0;
};

// Starts playing the file; a missing or unplayable file plays nothing.
void PlaySound(const QString& file);

// The player in use. SetSoundPlayer(nullptr) goes back to the sound device.
void SetSoundPlayer(SoundPlayer* player);
