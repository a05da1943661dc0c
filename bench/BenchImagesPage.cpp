// Run from the data folder: the shipped default skin is "Default/Vela/Vela.ski".
// Choosing the images tab fills its list: each of the default skin's 97
// pictures gets its name, its thumbnail (decoded once per picture bytes) and
// the size a picture of its own must have. A new page decodes every picture;
// a page shown again (after an edit of everything, a language change) finds
// them in its cache.
#include "document/LanguageTable.h"
#include "pages/ImagesPage.h"
#include "session/SkinSession.h"

#include <QTableWidget>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

namespace {

namespace fs = std::filesystem;

struct ShippedSkin {
    LanguageTable texts;
    SkinSession session {texts};
    bool ready = false;

    ShippedSkin()
    {
        const std::string skin = (fs::path("Default") / "Vela" / "Vela.ski").string();
        ready = texts.load("Lng/English.lng") && session.loadDefaultSkin(skin) == LoadResult::Loaded;
        session.newSkin("New skin");
    }
};

int listedRows(const ImagesPage& page)
{
    const auto* list = page.findChild<QTableWidget*>(QStringLiteral("pictureList"));
    return list ? list->rowCount() : 0;
}

void newPageShown(benchmark::State& state)
{
    ShippedSkin skin;
    if (!skin.ready) {
        state.SkipWithError("run from the data folder");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        auto page = std::make_unique<ImagesPage>(skin.session, skin.texts, nullptr);
        state.ResumeTiming();
        page->show();
        state.PauseTiming();
        if (listedRows(*page) != 97)
            state.SkipWithError("the list does not hold the 97 pictures");
        page.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(newPageShown)->Unit(benchmark::kMillisecond);

void samePageShownAgain(benchmark::State& state)
{
    ShippedSkin skin;
    if (!skin.ready) {
        state.SkipWithError("run from the data folder");
        return;
    }
    ImagesPage page(skin.session, skin.texts, nullptr);
    page.show();
    for (auto _ : state) {
        page.hide();
        page.show();
    }
    if (listedRows(page) != 97)
        state.SkipWithError("the list does not hold the 97 pictures");
}
BENCHMARK(samePageShownAgain)->Unit(benchmark::kMillisecond);

} // namespace
