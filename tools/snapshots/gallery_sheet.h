#pragma once
// A contact sheet for the gallery: labelled pictures in rows on the panel background, so one
// PNG shows a control in all of its states.
#include <QEvent>
#include <QImage>
#include <QString>
#include <QWidget>
#include <vector>

class GallerySheet {
  public:
    explicit GallerySheet(int columns = 1) : columns_(columns) {}
    void add(const QString& label, const QImage& picture);
    void add(const QString& label, QWidget& widget);
    QImage image() const;

  private:
    struct Entry {
        QString label;
        QImage picture;
    };
    int columns_;
    std::vector<Entry> entries_;
};

// Lets queued events, timers and repaints run for a while.
void settle(int ms = 20);
// Sends a mouse event of `type` at `pos` to `w` (no buttons held for a move).
void send_mouse(QWidget* w, QEvent::Type type, QPoint pos);
// The installation folder the galleries link their data from: BRUSHWISE_RUN_DIR, else the build's.
QString run_folder();
