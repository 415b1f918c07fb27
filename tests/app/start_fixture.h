#pragma once
// The start-up run in the test's own process (startup.h): a short splash, the Japanese face
// found, the codes given to the process ender kept, and no resource library registered before
// the start registers those of the test's folder, as in a real start.
#include "app_exit.h"
#include "japanese_font.h"
#include "screen_fixture.h"
#include "splash.h"
#include "toolkit_images.h"

#include <QDir>
#include <QResource>

inline constexpr int kShortSplashMs = 120;

class StartTest : public ScreenTest {
  protected:
    std::vector<int> ended_with; // codes given to the process ender

    void SetUp() override {
        ScreenTest::SetUp();
        forget_resource_libraries();
        Splash_SetMinimumDuration(kShortSplashMs);
        set_japanese_family_source([] { return QStringList{QStringLiteral("IPAexMincho")}; });
        set_process_ender([this](int code) { ended_with.push_back(code); });
    }
    void TearDown() override {
        Splash_SetMinimumDuration(-1);
        set_japanese_family_source({});
        set_process_ender({});
        ScreenTest::TearDown();
        forget_resource_libraries(); // the next test's start registers its own
    }
    // Also forgets the images seen so far.
    void forget_resource_libraries() {
        for (const char* name : {"ag", "picmain", "instr"})
            QResource::unregisterResource(
                QDir(folder).filePath(QStringLiteral("dlls/%1.rcc").arg(name)));
        register_toolkit_resources_in(QStringLiteral("/nonexistent"));
    }
};
