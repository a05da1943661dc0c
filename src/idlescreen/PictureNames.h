#pragma once

// Where each picture of the idle screen shows, as its name for the user:
// the element that shows it (from the element table: its picture, or the
// picture kept in step with it) and, for a key, the state in which it shows.
// Standard C++ only.

#include "idlescreen/ElementNames.h"

#include <optional>

namespace idlescreen {

struct PictureName {
    ElementName place; // language texts of the element, without its state
    int state = -1;    // the key's state; -1 for a picture without states
};

constexpr std::optional<PictureName> pictureName(ElementId id)
{
    if (id == noElement)
        return std::nullopt;
    for (const ElementEntry& entry : elementTable) {
        const bool own = entry.picture == id;
        if (!own && entry.pictureMirror != id)
            continue;
        PictureName name{elementName(entry.kind), -1};
        if (entry.layout == PanelLayout::KeyPicture) {
            // The element's name ends in its state: the picture's state replaces it.
            name.place.texts[std::size_t(--name.place.count)] = 0;
            name.state = own ? entry.state : mirroredKeyState;
        }
        return name;
    }
    return std::nullopt;
}

static_assert(pictureName(keyStateIds(Key::Left, 0).picture)->state == 0);
static_assert(pictureName(keyStateIds(Key::Left, mirroredKeyState).picture)->state == mirroredKeyState);
static_assert(pictureName(clockFace.picture)->place.texts[0] == langtext::tree::analogClock);

} // namespace idlescreen
