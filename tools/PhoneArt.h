#pragma once

#include "ArtInks.h"
#include "CallMediaArt.h"
#include "IdleScreenArt.h"
#include "MenuArt.h"
#include "MessageArt.h"
#include "StatusArt.h"

// The pictures of the "Vela" default skin, by what they show. Every picture
// is returned as the bytes of a GIF89a file; all small pictures share the
// one colour table of `inks`.
class PhoneArt {
public:
    PhoneArt() = default;
    // The pieces draw with this object's inks.
    PhoneArt(const PhoneArt&) = delete;
    PhoneArt& operator=(const PhoneArt&) = delete;

    const ArtInks inks;
    const IdleScreenArt idle{inks};
    const StatusArt status{inks};
    const MenuArt menus{inks};
    const MessageArt messages{inks};
    const CallMediaArt calls{inks};
};
