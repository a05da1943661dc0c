#pragma once

#include "session/ElementCommand.h"

#include <cstdint>
#include <span>
#include <vector>

// A new picture for a key state or the clock face: its bytes, the element's
// rectangle taking the picture's size from its top left corner, and state 2
// of a soft key showing the same bytes as state 0.
class ElementPictureCommand : public ElementCommand {
public:
    // width and height: the picture's size (the bytes decode).
    ElementPictureCommand(SkinSession& session, idlescreen::ElementKind kind, std::vector<std::uint8_t> bytes,
                          int width, int height);

protected:
    void edit(SkinModel& model) override;
    QString describe(const LanguageTable& texts) const override;

private:
    std::vector<std::uint8_t> bytes;
    int width;
    int height;
};
