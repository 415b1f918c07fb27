// Gallery: the Kanji Window (a kanji with several ON and KUN readings, one with five ON and
// five KUN readings, one with three KUN readings on three lines, and contents made with more KUN
// readings than the box holds) and the Example Window, over stand-in windows, with the real data.
#include "detail_windows.h"
#include "example_window.h"
#include "gallery.h"
#include "gallery_sheet.h"
#include "gallery_stage.h"
#include "kanji_data.h"
#include "kanji_window.h"
#include "kanji_window_contents.h"
#include "shell.h"

namespace {

QImage kanji_window_for(QWidget* reference, int kanji) {
    KanjiWindow_Open(reference, kanji, false);
    settle();
    QImage shot = KanjiWindow::instance()->grab().toImage();
    return shot;
}

void kanji_windows(Gallery& g) {
    GalleryStudyFolder folder;
    QWidget* main = g.host(672, 499);
    Shell_Install(main, {});
    settle();
    g.save("kanji_window_16_ten_kun", kanji_window_for(main, 16));         // 上
    g.save("kanji_window_124_five_on", kanji_window_for(main, 124));       // 数
    g.save("kanji_window_6_three_kun", kanji_window_for(main, 6));         // 十
    g.save("kanji_window_152_one_on_no_kun", kanji_window_for(main, 152)); // 電
    KanjiWindow::close_if_open();

    KanjiRecord crowded{};
    crowded.Kanji = u'生';
    crowded.Meaning.assign(u"life, genuine, birth");
    crowded.OnPronun.assign(u"セイ, ショウ");
    crowded.OnRomaji.assign(u"SEI, SHOU");
    std::u16string kun, romaji;
    for (int i = 0; i < 16; ++i) {
        kun += (i ? u", " : u"") + std::u16string(i % 2 ? u"う.まれる" : u"い.きる");
        romaji += (i ? u", " : u"") + std::u16string(i % 2 ? u"u.mareru" : u"i.kiru");
    }
    crowded.KunPronun.assign(kun);
    crowded.KunRomaji.assign(romaji);
    Surface contents(kKanjiContentsWidth, kKanjiContentsHeight);
    draw_kanji_contents(contents, crowded);
    g.save("kanji_window_contents_sixteen_kun", contents.image());
    Shell_Install(nullptr, {});
}

void example_window(Gallery& g) {
    GalleryStudyFolder folder;
    QWidget* review = g.host(620, 480);
    settle();
    const int id = KanjiData_LoadRecord(44)->ExampleIds[0]; // an example of 水
    ExampleWindow::open(review, id);
    settle();
    g.save("example_window", *ExampleWindow::instance());
    ExampleWindow::close_if_open();
}

GalleryRegistration kanji_reg("kanji_window", &kanji_windows);
GalleryRegistration example_reg("example_window", &example_window);

} // namespace
