// Loads arbitrary bytes as a skin with several data files (in memory, through
// the same code as the file load), reads a few records, changes pictures and
// records, saves in memory and loads the result again.
#include "SkinFuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace fuzzing;
    SkinInput input;
    if (!splitInput(data, size, input))
        return 0;
    SkinModel model;
    if (model.skin.loadFromBuffers(input.skin, input.dataFiles, "f.ski") != 0)
        return 0;
    if (model.defaultSkin.loadFromBuffers(input.skin, input.dataFiles, "d.ski") != 0)
        std::abort(); // the same bytes must load the same way twice

    static const int listIndexes[] = {0, 1, 99};
    const std::vector<ElementId> ids = idsToTry(model.skin, 9);
    readRecords(model.skin, ids, listIndexes);
    readModel(model, std::vector<ElementId>(ids.begin(), ids.begin() + 4));
    changePictures(model.skin, ids);
    changeRecords(model, ids);

    const SkinFileContents saved = model.skin.saveToBuffers();
    if (saved.skinText != textOf(model.skin))
        std::abort(); // a skin is saved as the concatenation of its lines
    SkinDocument again;
    if (again.loadFromBuffers(std::span(reinterpret_cast<const std::uint8_t*>(saved.skinText.data()), saved.skinText.size()),
                              afterSave(saved, input.dataFiles), "f.ski")
        != 0)
        std::abort(); // what was saved loads again
    expectSameAfterReload(model.skin, again);
    return 0;
}
