#pragma once
// Every picture the program takes from its resource files, drawn in code.
#include <QImage>
#include <QString>
#include <vector>

namespace art {

// Control images of the widget toolkit ("ag") and pictures of the screens ("picmain").
QImage button_faces(bool alternative); // 3 (alternative) and 4
QImage check_marks();                  // 400
QImage sunken_corners(int variant);    // 610 (variant 0) and 620
QImage group_frame();                  // 7000
QImage caption_background();           // 810
QImage caption_close();                // 820
QImage caption_minimise();             // 840
QImage caption_icon();                 // 850
QImage question_icon();                // 13465
QImage notice_icon();                  // 13466
QImage choice_bullets();               // 16000

struct LibraryImage {
    QString library; // "ag" or "picmain": the resource file and its prefix
    int id;
    QImage image;
};
std::vector<LibraryImage> library_images();

// Pictures beside the program.
QImage splash_picture();         // res/splash.bmp
QImage app_icon(int size);       // res/brushwise.png and its smaller sizes
QImage pencil_cursor(int which); // index into kPencilCursors

// A sheet of every picture, enlarged, for looking at them.
QImage preview_sheet();

} // namespace art
