#pragma once

#include "document/SkinModel.h"

// The documents of a model, writable: tests build the edited and the default
// skin record by record, as the program never does.
struct SkinModelTestAccess {
    static SkinDocument& edited(SkinModel& model) { return model.skin; }
    static SkinDocument& defaults(SkinModel& model) { return model.defaultSkin; }
};

inline SkinDocument& editedSkin(SkinModel& model)
{
    return SkinModelTestAccess::edited(model);
}

inline SkinDocument& defaultSkin(SkinModel& model)
{
    return SkinModelTestAccess::defaults(model);
}

inline const SkinDocument& editedSkin(const SkinModel& model)
{
    return model.edited();
}

inline const SkinDocument& defaultSkin(const SkinModel& model)
{
    return model.defaults();
}
