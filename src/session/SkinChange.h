#pragma once

#include "document/SkinTypes.h"

#include <utility>
#include <vector>

// What an edit, its undo or its redo changed in the skin being edited, so
// that every view can bring itself up to date at once: the records whose
// lines changed (by type and id, as their lines read), the pictures whose
// records or bytes changed, the wallpaper; or everything (another skin).
struct SkinChange {
    bool everything = false;
    bool wallpaper = false;
    std::vector<std::pair<RecordType, ElementId>> records;
    std::vector<ElementId> pictures;

    static SkinChange all()
    {
        SkinChange change;
        change.everything = true;
        return change;
    }
    bool empty() const { return !everything && !wallpaper && records.empty() && pictures.empty(); }
    bool touches(RecordType type, ElementId id) const
    {
        if (everything)
            return true;
        for (const auto& [recordType, recordId] : records)
            if (recordType == type && recordId == id)
                return true;
        return false;
    }
    bool touchesPicture(ElementId id) const
    {
        if (everything)
            return true;
        for (const ElementId picture : pictures)
            if (picture == id)
                return true;
        return false;
    }
};
