#pragma once
// Ways an installation folder gets damaged, for the tests that start the program on one: data
// files missing, cut short or overwritten with garbage, folders of artwork and resource
// libraries gone, and user files cut short or overwritten. Each damage works on the test's own
// working folder (screen_fixture.h), whose shipped files and folders are links into the build's
// installation folder: a link is removed before its file is rewritten, so that the build's files
// are never touched.
#include <QString>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <vector>

struct FolderDamage {
    const char* name; // a test name: letters and digits only
    std::function<void(const QString& folder)> apply;
    // The kanji data can no longer be read whole: the program says so and ends at once.
    bool kanji_data_lost = false;
};

// Test names and messages show the damage by its name.
inline void PrintTo(const FolderDamage& damage, std::ostream* out) {
    *out << damage.name;
}
inline std::string damage_name(const ::testing::TestParamInfo<FolderDamage>& info) {
    return info.param.name;
}

// The damage cases, each applied alone to a fresh folder: those that leave the kanji data whole
// (the program runs), or those that do not.
std::vector<FolderDamage> folder_damages(bool kanji_data_lost);

// The user files as a user who has studied a while has them: a Learning List of ten kanji, a few
// completed, some exercises passed, window offsets and check boxes remembered.
void write_studied_user_files(const QString& folder);
