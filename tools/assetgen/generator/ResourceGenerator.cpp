// ResourceGenerator.cpp: makes every resource of the game and lays out "resource.txt".
#include "ResourceGenerator.h"

#include "ArtCatalogue.h"
#include "IconArt.h"
#include "PngWriter.h"
#include "ResourceScript.h"
#include "Typefaces.h"
#include "assetgen/audio/AudioAssets.h"
#include "engine/core/FileIo.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <thread>

namespace {

struct EncodedFont {
    std::string name;
    EncodedImage sheet;
    PackEntry table;
};

struct JobResult {
    std::vector<EncodedImage> images;
    std::optional<EncodedFont> font;
    std::vector<std::string> errors;
};

struct AudioResult {
    GeneratedFile music;
    GeneratedFile settings;
    std::vector<SoundAsset> sounds;
};

// Runs every task once, spread over `threads` workers; each task writes only its own slot.
void runAll(std::vector<std::function<void()>>& tasks, unsigned threads) {
    std::atomic<std::size_t> next{0};
    auto worker = [&] {
        for (std::size_t i = next++; i < tasks.size(); i = next++) {
            tasks[i]();
        }
    };
    std::vector<std::thread> pool;
    for (unsigned t = 1; t < std::max(1u, threads); ++t) {
        pool.emplace_back(worker);
    }
    worker();
    for (std::thread& thread : pool) {
        thread.join();
    }
}

JobResult encodeAll(std::vector<ImageAsset> assets) {
    JobResult result;
    for (const ImageAsset& asset : assets) {
        auto encoded = encodeImage(asset);
        if (!encoded) {
            result.errors.push_back("could not encode the picture of " + asset.name);
            continue;
        }
        result.images.push_back(std::move(*encoded));
    }
    return result;
}

JobResult bakeAndEncode(const FontRecipe& recipe) {
    JobResult result;
    BakedFont baked = bakeFont(recipe);
    auto sheet = encodeImage(ImageAsset{fontSheetName(recipe.name), std::move(baked.sheet),
                                        Transparency::Auto, JpegOptions{95, true}});
    if (!sheet) {
        result.errors.push_back("could not encode the glyph sheet of " + recipe.name);
        return result;
    }
    const std::string tableFile = fontTableFile(recipe.name);
    result.font =
        EncodedFont{recipe.name, std::move(*sheet),
                    PackEntry{tableFile, std::vector<uint8_t>(baked.table.begin(), baked.table.end())}};
    return result;
}

// Collects the script and the pack files, refusing two files of one name.
class Assembly {
public:
    ResourceScript script;
    std::vector<PackEntry> files;
    std::vector<std::string> errors;

    void addFile(PackEntry file) {
        const std::string key = lowerCased(file.name);
        if (!m_names.insert(key).second) {
            errors.push_back("two files are named " + key);
            return;
        }
        files.push_back(std::move(file));
    }

    void section(const std::string& title) {
        if (title == m_section) {
            return;
        }
        m_section = title;
        script.blankLine();
        script.comment(title);
    }

    void addImage(const EncodedImage& image) {
        script.image(image.name, image.picture.name, image.mask ? image.mask->name : std::string());
        addFile(image.picture);
        if (image.mask) {
            addFile(*image.mask);
        }
    }

    void addFont(const EncodedFont& font) {
        addImage(font.sheet);
        script.font(font.name, font.sheet.name, font.table.name);
        addFile(font.table);
    }

private:
    std::string m_section;
    std::set<std::string> m_names;
};

} // namespace

GeneratedResources generateResources(unsigned threads, const std::filesystem::path& puzzleDir) {
    GeneratedResources out;
    if (!allTypefacesAvailable()) {
        out.errors.push_back("a font file is missing (see the messages above)");
        return out;
    }
    const std::vector<ArtJob> art = artCatalogue();
    const std::vector<FontRecipe> fonts = fontCatalogue();
    std::vector<JobResult> artResults(art.size());
    std::vector<JobResult> fontResults(fonts.size());
    AudioResult audio;
    std::vector<std::function<void()>> tasks;
    // The sounds go first: they are the longest single job.
    tasks.emplace_back([&audio] {
        audio.sounds = generateSoundEffects();
        audio.music = generateMusicModule();
        audio.settings = generateGameSettings();
    });
    for (std::size_t i = 0; i < fonts.size(); ++i) {
        tasks.emplace_back([&, i] { fontResults[i] = bakeAndEncode(fonts[i]); });
    }
    for (std::size_t i = 0; i < art.size(); ++i) {
        tasks.emplace_back([&, i] { artResults[i] = encodeAll(art[i].paint()); });
    }
    std::vector<PackEntry> icons(kIconSizes.size() + 1);
    tasks.emplace_back([&icons] {
        for (std::size_t i = 0; i < kIconSizes.size(); ++i) {
            icons[i] = PackEntry{"zibbet-" + std::to_string(kIconSizes[i]) + ".png",
                                 encodePng(paintIcon(kIconSizes[i]))};
        }
        const std::string svg = iconSvg();
        icons.back() = PackEntry{"zibbet.svg", std::vector<uint8_t>(svg.begin(), svg.end())};
    });
    runAll(tasks, threads);

    Assembly assembly;
    assembly.script.comment("resource.txt: every resource of Zibbet by name, written by zibbet-assetgen.");
    assembly.script.comment(
        "Regenerate it rather than editing it. File names never contain blanks or commas.");
    assembly.section("The music comes first, so that it is sound number 0");
    assembly.script.music("music", audio.music.fileName);
    assembly.addFile(PackEntry{audio.music.fileName, audio.music.bytes});

    auto collect = [&assembly](JobResult& result) {
        assembly.errors.insert(assembly.errors.end(), result.errors.begin(), result.errors.end());
    };
    // The title picture and the heading font draw the loading screen, so they come next.
    assembly.section(art.front().section);
    collect(artResults.front());
    for (const EncodedImage& image : artResults.front().images) {
        assembly.addImage(image);
    }
    assembly.section("Fonts: glyph sheet, glyph table (as a file and as a TEXT entry), font");
    for (JobResult& result : fontResults) {
        collect(result);
        if (result.font) {
            assembly.addFont(*result.font);
        }
    }
    assembly.section("Tuning values");
    assembly.script.text("gameSettings", audio.settings.fileName);
    assembly.addFile(PackEntry{audio.settings.fileName, audio.settings.bytes});
    for (std::size_t i = 1; i < art.size(); ++i) {
        assembly.section(art[i].section);
        collect(artResults[i]);
        for (const EncodedImage& image : artResults[i].images) {
            assembly.addImage(image);
        }
    }
    assembly.section("The puzzle selector's pictures, drawn by the game from the puzzles");
    for (int slot = 0; slot < 6; ++slot) {
        assembly.script.blankImage("puzzleThumb" + std::to_string(slot), 106, 96);
    }
    assembly.script.blankImage("puzzleThumbBuffer", 640, 480);
    if (!puzzleDir.empty()) {
        assembly.section("The puzzle catalogue, built by zibbet-puzzles");
        const std::pair<const char*, const char*> puzzleFiles[] = {{"puzzle_names", "puzzle_names.txt"},
                                                                   {"zibbet_levels", "zibbet_levels.dat"}};
        for (const auto& [name, file] : puzzleFiles) {
            auto bytes = readFileBytes(puzzleDir / file);
            if (!bytes) {
                assembly.errors.push_back("cannot read " + (puzzleDir / file).string());
                continue;
            }
            if (std::string_view(name) == "puzzle_names") {
                assembly.script.text(name, file);
            } else {
                assembly.script.custom(name, file);
            }
            assembly.addFile(PackEntry{file, std::move(*bytes)});
        }
    }
    assembly.section("Sound effects");
    for (const SoundAsset& sound : audio.sounds) {
        assembly.script.sound(sound.cueName, sound.file.fileName);
        assembly.addFile(PackEntry{sound.file.fileName, sound.file.bytes});
    }

    out.script = assembly.script.str();
    out.errors = std::move(assembly.errors);
    out.errors.insert(out.errors.end(), assembly.script.errors().begin(), assembly.script.errors().end());
    out.files = std::move(assembly.files);
    // The game reads the script from the pack first, so the pack alone is a complete install.
    out.files.push_back(
        PackEntry{"resource.txt", std::vector<uint8_t>(out.script.begin(), out.script.end())});
    out.icons = std::move(icons);
    for (const PackEntry& icon : out.icons) {
        if (icon.bytes.empty()) {
            out.errors.push_back("could not make the icon " + icon.name);
        }
    }
    return out;
}

bool writeResources(const GeneratedResources& resources, const std::string& outDir, std::string& error) {
    namespace fs = std::filesystem;
    const fs::path dir(outDir);
    std::error_code ec;
    fs::create_directories(dir / "icons", ec);
    if (ec) {
        error = "cannot create " + (dir / "icons").string() + ": " + ec.message();
        return false;
    }
    if (!writeResourcePack(dir / "resources.dat", resources.files, error)) {
        return false;
    }
    const std::vector<uint8_t> script(resources.script.begin(), resources.script.end());
    if (!writeFileAtomically(dir / "resource.txt", script)) {
        error = "cannot write " + (dir / "resource.txt").string();
        return false;
    }
    for (const PackEntry& icon : resources.icons) {
        if (!writeFileAtomically(dir / "icons" / icon.name, icon.bytes)) {
            error = "cannot write " + (dir / "icons" / icon.name).string();
            return false;
        }
    }
    return true;
}
