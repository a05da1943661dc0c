#pragma once

#include "ArtInks.h"

// The pictures of calls and media: call states (the incoming call rings),
// the caller's picture, player and camera controls, the volume steps, the
// key lock's padlock and the alarm's bell.
class CallMediaArt {
public:
    using Bytes = ArtInks::Bytes;
    enum class CallIcon { Incoming, Outgoing, Held, Ended };
    enum class MediaControl { Play, Pause, Stop, Previous, Next };
    enum class CameraIcon { Photo, Video, Timer };

    explicit CallMediaArt(const ArtInks& inks) : ink(inks) {}

    Bytes callIcon(CallIcon icon) const; // the incoming call rings (animated)
    Bytes callerPicture() const;
    Bytes mediaControl(MediaControl control) const;
    Bytes cameraIcon(CameraIcon icon) const;
    Bytes volumeStep(bool on) const;
    Bytes padlock() const;
    Bytes alarmBell() const;

private:
    const ArtInks& ink;
};
