#pragma once

#include "PhoneArt.h"
#include "SkinWriter.h"

// Writes the default skin's screens beyond the idle screen: status icons,
// title and soft-key bars, menus, lists, dialogs, calls, messages, contacts,
// the organiser's and the media screens, each in its own block of ids.
void writePhoneScreens(SkinWriter& skin, const PhoneArt& art);
