// Loads arbitrary bytes as a skin with several data files (in memory, through
// the same code as the file load), reads a few records, changes pictures and
// records (recorded: undone and done again, exactly), saves in memory and
// loads the result again.
#include "SkinFuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace fuzzing;
    SkinInput input;
    if (!splitInput(data, size, input))
        return 0;
    SkinModel model;
    SkinDocument edited;
    SkinDocument defaults;
    if (edited.loadFromBuffers(input.skin, input.dataFiles, "f.ski") != LoadResult::Loaded)
        return 0;
    if (defaults.loadFromBuffers(input.skin, input.dataFiles, "d.ski") != LoadResult::Loaded)
        std::abort(); // the same bytes must load the same way twice
    model.adoptSkin(std::move(edited));
    model.adoptDefaultSkin(std::move(defaults));

    static const int listIndexes[] = {0, 1, 99};
    const SkinDocument& skin = model.edited();
    const std::vector<ElementId> ids = idsToTry(skin, 9);
    readRecords(skin, ids, listIndexes);
    readModel(model, std::vector<ElementId>(ids.begin(), ids.begin() + 4));
    const DocumentState before = stateOf(skin);
    DocumentChange change;
    model.recordChangesInto(&change);
    changePictures(model, ids);
    changeRecords(model, ids);
    model.recordChangesInto(nullptr);
    const DocumentState after = stateOf(skin);
    if (!model.undo(change) || stateOf(skin) != before || !model.redo(change) || stateOf(skin) != after)
        std::abort(); // a recorded change is put back and made again byte for byte

    const SkinFileContents saved = skin.saveToBuffers();
    if (saved.skinText != textOf(skin))
        std::abort(); // a skin is saved as the concatenation of its lines
    SkinDocument again;
    if (again.loadFromBuffers(std::span(reinterpret_cast<const std::uint8_t*>(saved.skinText.data()), saved.skinText.size()),
                              afterSave(saved, input.dataFiles), "f.ski")
        != LoadResult::Loaded)
        std::abort(); // what was saved loads again
    expectSameAfterReload(skin, again);
    return 0;
}
