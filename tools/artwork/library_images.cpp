#include "artwork.h"

namespace art {

std::vector<LibraryImage> library_images() {
    return {
        {"ag", 3, button_faces(true)},        {"ag", 4, button_faces(false)},
        {"ag", 400, check_marks()},           {"ag", 610, sunken_corners(0)},
        {"ag", 620, sunken_corners(1)},       {"ag", 7000, group_frame()},
        {"ag", 810, caption_background()},    {"ag", 820, caption_close()},
        {"ag", 840, caption_minimise()},      {"ag", 850, caption_icon()},
        {"picmain", 13465, question_icon()},  {"picmain", 13466, notice_icon()},
        {"picmain", 16000, choice_bullets()},
    };
}

} // namespace art
