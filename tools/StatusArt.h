#pragma once

#include "ArtInks.h"

// The status strip's icons and the small animations: signal bars, battery
// levels, the charging battery, the blinking letter, the hourglass.
class StatusArt {
public:
    using Bytes = ArtInks::Bytes;
    enum class StatusIcon { MissedCall, Alarm, Silent, Vibrate, KeyLock, Headset, Roaming, Data };

    explicit StatusArt(const ArtInks& inks) : ink(inks) {}

    Bytes signal(int level) const;  // 0..5
    Bytes battery(int level) const; // 0..4
    Bytes batteryCharging() const;  // animated
    Bytes envelopeBlink() const;    // animated
    Bytes hourglass() const;        // animated
    Bytes statusIcon(StatusIcon icon) const;

private:
    const ArtInks& ink;
};
