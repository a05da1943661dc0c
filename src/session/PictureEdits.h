#pragma once

#include "document/SkinTypes.h"

class SkinModel;

// How the images page's edits land in the skin.
namespace pictureedits {

enum class GiveBack {
    GivenBack, // the default skin's picture shows again
    NotOwn,    // the edited skin holds no picture of that id: nothing to give back
    OtherSize, // kept: the default picture's size differs, and the layout was made for this one
};

// Gives the picture back to the default skin: every record of the id leaves
// the edited skin (a second one would show once the first is gone), when the
// default picture has the size of the skin's own.
GiveBack giveBackPicture(SkinModel& model, ElementId id);

} // namespace pictureedits
