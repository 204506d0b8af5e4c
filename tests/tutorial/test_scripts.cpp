// Every worked example's script, read and checked: no tutorial may teach a wrong sum.
// MATHTUVO_TUTORIAL_DIR names another folder of scripts (a writer's own).
#include "tutorial/catalogue.h"
#include "tutorial/claims.h"
#include "tutorial/script.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;
using namespace tutorial;

namespace {

struct File {
    std::string stem;
    std::optional<Script> script;
    std::string error;
};

std::vector<File> readall()
{
    const char* env = std::getenv("MATHTUVO_TUTORIAL_DIR");
    fs::path dir = env && *env ? env : MATHTUVO_TUTORIAL_SOURCE_DIR;
    std::vector<File> files;
    for (const auto& entry : fs::directory_iterator(dir)) {
        if (entry.path().extension() != ".tut") continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        File f{entry.path().stem().string(), {}, {}};
        f.script = parsescript(text.str(), f.error);
        files.push_back(std::move(f));
    }
    return files;
}

}  // namespace

TEST(Scripts, EveryClaimHolds)
{
    auto files = readall();
    ASSERT_FALSE(files.empty());
    for (const File& f : files) {
        if (!f.script) {
            ADD_FAILURE() << f.stem << ".tut " << f.error;
            continue;
        }
        for (const std::string& problem : checkscript(*f.script)) ADD_FAILURE() << problem;
    }
}

TEST(Scripts, EveryTutorialHasOneScript)
{
    auto files = readall();
    std::string wrong;
    for (int i = 0; i < examplecount; ++i) {
        std::string want(name(Example(i)));
        int count = 0;
        bool named = false;
        for (const File& f : files) {
            count += f.script && f.script->name == want;
            named = named || (f.stem == want && f.script && f.script->name == want);
        }
        if (count != 1 || !named) wrong += " " + want + (count > 1 ? " (twice)" : "");
    }
    EXPECT_EQ(wrong, "") << "each needs one script NAME.tut that names it";
}
