// The layers of src/ include downwards only: the leaf headers nothing of the game, the play rules
// only play/ and the leaves, the city and the render also play/, and main everything; no unit
// includes itself round about. And only keys.h names SDL's key codes.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct SourceFile {
    std::string text;
    std::vector<std::string> includes; // the game's own, as written: "play/PlayState.h"
};

bool startsWith(const std::string& text, const std::string& start) {
    return text.rfind(start, 0) == 0;
}

// Every file of src/ by its path below src/.
std::map<std::string, SourceFile> sourceFiles() {
    const fs::path src = fs::path(QUORVANE_SOURCE_DIR) / "src";
    std::map<std::string, SourceFile> files;
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        const std::string extension = entry.path().extension().string();
        if (extension != ".h" && extension != ".cpp") {
            continue;
        }
        std::ifstream in(entry.path());
        std::ostringstream text;
        text << in.rdbuf();
        SourceFile& file = files[fs::relative(entry.path(), src).generic_string()];
        file.text = text.str();
        std::istringstream lines(file.text);
        const std::string include = "#include \"";
        for (std::string line; std::getline(lines, line);) {
            if (startsWith(line, include)) {
                const std::size_t from = include.size();
                file.includes.push_back(line.substr(from, line.find('"', from) - from));
            }
        }
    }
    return files;
}

// A unit is a header with its source: "play/bus" for play/bus.h and play/bus.cpp.
std::string unitOf(const std::string& path) {
    return path.substr(0, path.rfind('.'));
}

} // namespace

TEST(Layers, EachLayerIncludesOnlyItselfAndTheLayersBelow) {
    const std::set<std::string> leaves = {"FPSCounter.h",  "TextLine.h", "gameConstants.h",
                                          "gameGlobals.h", "keys.h",     "streetLayout.h"};
    const auto leaf = [&leaves](const std::string& path) { return leaves.count(path) == 1; };
    const auto in = [](const char* directory) {
        return [directory](const std::string& path) { return startsWith(path, directory); };
    };
    struct Rule {
        const char* what;
        std::function<bool(const std::string& file)> applies;
        std::function<bool(const std::string& included)> allowed;
    };
    const Rule rules[] = {
        {"a leaf header includes nothing of the game", leaf,
         [](const std::string&) { return false; }},
        {"the play rules include play/ and the leaves", in("play/"),
         [&](const std::string& included) { return in("play/")(included) || leaf(included); }},
        {"the city includes city/, play/ and the leaves", in("city/"),
         [&](const std::string& included) {
             return in("city/")(included) || in("play/")(included) || leaf(included);
         }},
        {"the render includes render/, play/, the leaves and what SDL hands out", in("render/"),
         [&](const std::string& included) {
             return in("render/")(included) || in("play/")(included) || leaf(included) ||
                    included == "globals.h" || included == "functions.h";
         }},
    };
    const auto files = sourceFiles();
    ASSERT_EQ(files.count("play/PlayState.h"), 1u) << "src/ not found";
    for (const Rule& rule : rules) {
        SCOPED_TRACE(rule.what);
        for (const auto& [path, file] : files) {
            if (!rule.applies(path)) {
                continue;
            }
            for (const std::string& included : file.includes) {
                EXPECT_TRUE(rule.allowed(included)) << path << " includes " << included;
            }
        }
    }
}

TEST(Layers, NoUnitIncludesItselfRoundAbout) {
    std::map<std::string, std::set<std::string>> uses;
    for (const auto& [path, file] : sourceFiles()) {
        for (const std::string& included : file.includes) {
            if (unitOf(included) != unitOf(path)) {
                uses[unitOf(path)].insert(unitOf(included));
            }
        }
    }
    // Every unit reached from a unit, breadth first; a circle brings the unit back to itself.
    for (const auto& [unit, direct] : uses) {
        std::set<std::string> reached;
        std::vector<std::string> next(direct.begin(), direct.end());
        while (!next.empty()) {
            const std::string at = next.back();
            next.pop_back();
            if (!reached.insert(at).second) {
                continue;
            }
            const auto further = uses.find(at);
            if (further != uses.end()) {
                next.insert(next.end(), further->second.begin(), further->second.end());
            }
        }
        EXPECT_EQ(reached.count(unit), 0u) << unit << " includes itself round about";
    }
}

TEST(KeyCodes, OnlyKeysHNamesThem) {
    for (const auto& [path, file] : sourceFiles()) {
        if (path != "keys.h") {
            EXPECT_EQ(file.text.find("SDLK_"), std::string::npos) << path;
        }
    }
}
