// The preview sheet: every library image at 4:1 with its identifier, the assembled scene at
// 2:1 and 1:1, the cursors at 4:1, the icon in its sizes and the splash picture at 1:1.
#include "art_palette.h"
#include "artwork.h"
#include "cursor_hotspots.h"
#include "paint_util.h"
#include "preview_scene.h"

#include <QFont>
#include <algorithm>

namespace art {
namespace {

constexpr int kSheetW = 1300, kSheetH = 2220, kMargin = 16;
constexpr QRgb kSheet = qRgb(232, 233, 236);

class Sheet {
  public:
    Sheet() : image_(filled(kSheetW, kSheetH, kSheet)) {
        p_.begin(&image_);
        QFont f("Liberation Sans");
        f.setPixelSize(12);
        p_.setFont(f);
    }
    // Puts an image at `zoom`, with a label above it, flowing left to right.
    void put(const QImage& img, int zoom, const QString& label) {
        const int w = img.width() * zoom, h = img.height() * zoom;
        if (x_ + w > kSheetW - kMargin) newline();
        p_.setPen(QColor(60, 60, 80));
        p_.drawText(x_, y_ + 12, label);
        p_.drawImage(QRect(x_, y_ + 16, w, h), img); // nearest neighbour: pixels stay pixels
        p_.setPen(QColor(170, 170, 180));
        p_.drawRect(x_ - 1, y_ + 15, w + 1, h + 1);
        x_ += std::max(w, p_.fontMetrics().horizontalAdvance(label)) + kMargin;
        row_h_ = std::max(row_h_, h + 16 + kMargin);
    }
    void newline() {
        x_ = kMargin;
        y_ += row_h_;
        row_h_ = 0;
    }
    QImage finish() {
        p_.end();
        return image_;
    }

  private:
    QImage image_;
    QPainter p_;
    int x_ = kMargin, y_ = kMargin, row_h_ = 0;
};

QImage cursor_on_lines(int which) {
    QImage bg = filled(kCursorSize, kCursorSize, kWhite);
    for (int y = 0; y < kCursorSize; y += 2)
        for (int x = 0; x < kCursorSize; ++x)
            bg.setPixel(x, y, kLineActive);
    QPainter(&bg).drawImage(0, 0, pencil_cursor(which));
    const CursorSpot& s = kPencilCursors[which];
    bg.setPixel(s.x, s.y, qRgb(255, 0, 255)); // the hot spot, marked for the eye
    return bg;
}

} // namespace

QImage preview_sheet() {
    Sheet sheet;
    for (const LibraryImage& li : library_images())
        sheet.put(li.image, 4,
                  QString("%1 %2 (%3x%4)")
                      .arg(li.library)
                      .arg(li.id)
                      .arg(li.image.width())
                      .arg(li.image.height()));
    sheet.newline();
    sheet.put(preview_scene(), 2, "assembled as the controls do, 2:1");
    sheet.newline();
    sheet.put(preview_scene(), 1, "the same at 1:1");
    sheet.newline();
    for (int i = 0; i < int(std::size(kPencilCursors)); ++i)
        sheet.put(cursor_on_lines(i), 4, QString("cursor %1").arg(kPencilCursors[i].name));
    for (int size : {16, 32, 48, 64})
        sheet.put(app_icon(size), 1, QString::number(size));
    sheet.put(app_icon(128), 1, "icon");
    sheet.newline();
    sheet.put(splash_picture(), 1, "splash.bmp");
    sheet.put(app_icon(256), 1, "brushwise.png");
    return sheet.finish();
}

} // namespace art
