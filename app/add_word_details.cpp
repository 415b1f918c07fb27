#include "add_word_details.h"

#include "drawing.h"
#include "kanji_data.h"
#include "palette.h"
#include "panel.h"
#include "shell.h"

#include <cstring>

namespace {

constexpr QRect kPanelRect(210, 308, 178, 119);
constexpr int kStripWidth = 150, kStripHeight = 18;
constexpr QPoint kStripAt(13, 92);

constexpr ColorRef kCellDone = 0xebebeb;
constexpr ColorRef kCrossNoOn = 0xd2fad2;
constexpr ColorRef kCrossNoKun = 0xfad2d2;
constexpr ColorRef kStripOutline = 0xdcdcdc;
constexpr ColorRef kReadingLabel = 0x808080;
constexpr ColorRef kReadingLabelEmpty = 0xd2d2d2;

FontSpec arial(bool bold) {
    return FontSpec{QStringLiteral("Arial"), 12, bold};
}

// Whether the exercise of `slot` applies to the kanji at all.
bool applies(const KanjiRecord& record, int slot) {
    if (slot == OnPronunciationMC) return record.hasOn();
    if (slot == KunPronunciationMC) return record.hasKun();
    return true;
}

void draw_cross(Surface& s, int slot) {
    const int x = 29 * slot;
    const ColorRef c = slot == OnPronunciationMC ? kCrossNoOn : kCrossNoKun;
    s.line(x + 8, 5, x + 24, 12, c, 2);
    s.line(x + 8, 12, x + 24, 5, c, 2);
}

// The rounded outline, unfilled, over the cells.
void outline_strip(Surface& strip) {
    auto p = strip.painter(true);
    p->setBrush(Qt::NoBrush);
    p->setPen(QPen(colorref(kStripOutline), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p->drawRoundedRect(QRectF(0.5, 0.5, kStripWidth - 1, kStripHeight - 1), 3.5, 3.5);
}

QString text_of(const auto& counted) {
    const std::u16string t = counted.text();
    return QString::fromUtf16(t.data(), qsizetype(t.size()));
}

} // namespace

void draw_indicator_strip(Surface& strip, const KanjiRecord& record,
                          const std::array<uint32_t, kScoreSlots>& scores) {
    strip.resize(kStripWidth, kStripHeight);
    if (record.Kanji != 0) {
        for (int slot = 0; slot < 5; ++slot) {
            const int x = 29 * slot + 2;
            const int w = slot == 4 ? 30 : 29;
            const bool open = applies(record, slot) && scores[size_t(slot)] == 0;
            strip.fill_rect(x, 2, x + w, 2 + 14, open ? kExerciseColours[size_t(slot)] : kCellDone);
            if (!applies(record, slot)) draw_cross(strip, slot);
        }
    }
    outline_strip(strip);
}

KanjiDetailsPanel::KanjiDetailsPanel(QWidget* window, std::function<void(int)> on_open)
    : on_open_(std::move(on_open)) {
    draw_indicator_strip(strip_, record_, slots_);
    panel_ = Panel::create(
        window, kPanelRect.x(), kPanelRect.y(), kPanelRect.width(), kPanelRect.height(), {},
        [this](Surface& s) { paint(s); }, [this](int) { clicked(); });
}

void KanjiDetailsPanel::show(int kanji) {
    kanji_ = kanji;
    const KanjiRecord* record = kanji < 0 ? nullptr : KanjiData_LoadRecord(kanji);
    filled_ = record != nullptr;
    if (record) {
        record_ = *record;
        const uint32_t* scores = Scores_Get(kanji);
        std::copy(scores, scores + kScoreSlots, slots_.begin());
    } else {
        std::memset(&record_, 0, sizeof record_);
        slots_.fill(0);
    }
    draw_indicator_strip(strip_, record_, slots_);
    panel_->refresh();
}

void KanjiDetailsPanel::paint(Surface& s) const {
    const ColorRef reading = filled_ ? kReadingLabel : kReadingLabelEmpty;
    s.text(13, 40, QStringLiteral("On:"), arial(false), reading);
    s.text(13, 56, QStringLiteral("Kun:"), arial(false), reading);
    if (!record_.Meaning.empty()) {
        QString meaning = text_of(record_.Meaning);
        fit_text_to_width(arial(true), 100, meaning);
        s.text(70, 8, meaning, arial(true), reading);
        const FontSpec kana{App_JapaneseFace(), 12, true};
        QString on = text_of(record_.OnPronun), kun = text_of(record_.KunPronun);
        fit_text_to_width(kana, 130, on);
        fit_text_to_width(kana, 130, kun);
        s.text(43, 42, on, kana, reading);
        s.text(43, 58, kun, kana, reading);
    }
    const ColorRef label = filled_ ? palette::Navy : palette::DisabledGrey;
    s.text(10, 8, QStringLiteral("Meaning:"), arial(true), label);
    s.text(10, 24, QStringLiteral("Pronunciation:"), arial(true), label);
    s.text(10, 73, QStringLiteral("Incomplete Exercises:"), arial(true), label);
    s.blit(kStripAt.x(), kStripAt.y(), strip_.image(), 0, 0, kStripWidth, kStripHeight);
}

void KanjiDetailsPanel::clicked() {
    if (filled_ && kanji_ > 0 && on_open_) on_open_(kanji_);
}
