// Brushwise: learning to read and write the 1945 jouyou kanji.
#include "learning_list.h"
#include "options.h"
#include "random.h"
#include "scores.h"
#include "sound_player.h"
#include "toolkit.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    install_trace_channel();
    init_face_table();
    register_toolkit_resources();
    SoundCuePlayer sounds;
    sounds.install();

    Options_Load();
    random_seed_from_clock();
    CompletedList_Load();
    Scores_Open();
    LearningList_Load();

    // The screens are not part of this build yet: the study state is opened and left as it was.
    std::fprintf(stderr,
                 "Brushwise: study data ready (%d kanji on the Learning List, %u completed); "
                 "no screens are built yet.\n",
                 LearningList_Count(), CompletedList_CompletedCount());
    return 0;
}
