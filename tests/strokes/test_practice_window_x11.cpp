// Not a check of its own: writes what the X server scripts (tests/e2e/*_x11.sh) need to know of
// the real data to click and trace like a user: where each stroke starts in the stroke order
// exercise's display, a 20-stroke kanji with the pointer's path along its strokes in the practice
// box, and a kanji whose meaning is too long for its multiple-choice row. Skipped unless
// BRUSHWISE_E2E_DATA names the file to write; BRUSHWISE_E2E_KANJI lists the kanji whose starts
// are wanted.
#include "choice_rows.h"
#include "kanji_data.h"
#include "screen_fixture.h"
#include "stroke_store.h"
#include "tracer.h"

#include <QFile>
#include <QTextStream>
#include <random>

namespace {

class X11ScriptData : public ScreenTest {};

constexpr double kPathSpacing = 4; // pixels between pointer positions

QString points_line(const QString& head, const std::vector<BoxPoint>& points) {
    QString line = head;
    for (const BoxPoint& p : points)
        line += QStringLiteral(" %1 %2").arg(p.x).arg(p.y);
    return line;
}

StrokeSet strokes_of(int kanji, StrokeScreen screen) {
    KanjiData_LoadStrokes(kanji);
    StrokeSet set;
    StrokeSet_Load(set, screen);
    return set;
}

// The first kanji of 20 strokes that a steady hand traces to success along the path written.
int twenty_stroke_kanji() {
    for (int k = 1; k <= kKanjiTotal; ++k) {
        const StrokeSet set = strokes_of(k, StrokeScreen::Practice);
        if (set.stroke_count() != 20) continue;
        std::mt19937 random(1);
        if (trace_kanji(set, random, Jitter::None, kPathSpacing).complete) return k;
    }
    return -1;
}

// A stroke other than the first whose start lies outside the first one's start square.
int out_of_order_stroke(const StrokeSet& set) {
    const StrokePoint& first = set.point(0, 0);
    for (int s = 1; s < set.stroke_count(); ++s) {
        const StrokePoint& p = set.point(s, 0);
        if (std::max(std::abs(p.x - first.x), std::abs(p.y - first.y)) > 10) return s;
    }
    return -1;
}

int long_meaning_kanji() {
    const FontSpec font = choice_row_font(ChoiceKind::Meaning, false);
    Surface measure(1, 1);
    for (int k = 1; k <= kKanjiTotal; ++k) {
        const QString meaning = QString::fromStdU16String(KanjiData_LoadRecord(k)->Meaning.text());
        if (measure.text_width(meaning, font) > 400) return k;
    }
    return -1;
}

TEST_F(X11ScriptData, WritesWhatTheScriptsNeed) {
    const QString path = qEnvironmentVariable("BRUSHWISE_E2E_DATA");
    if (path.isEmpty()) GTEST_SKIP() << "run by the X server scripts";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QTextStream out(&file);
    for (const QString& word :
         qEnvironmentVariable("BRUSHWISE_E2E_KANJI").split(' ', Qt::SkipEmptyParts)) {
        const int k = word.toInt();
        KanjiData_LoadStrokes(k);
        StrokeStarts starts;
        StrokeStarts_Load(starts, StrokeScreen::Exercise);
        std::vector<BoxPoint> points;
        for (int i = 0; i < starts.stroke_count(); ++i)
            points.push_back({starts.start(i).x, starts.start(i).y});
        out << points_line(QStringLiteral("starts %1").arg(k), points) << '\n';
    }
    const int twenty = twenty_stroke_kanji();
    ASSERT_GT(twenty, 0);
    out << "twenty " << twenty << '\n';
    const StrokeSet set = strokes_of(twenty, StrokeScreen::Practice);
    for (int s = 0; s < set.stroke_count(); ++s)
        out << points_line(QStringLiteral("path %1").arg(s),
                           pointer_path(set.stroke(s), kPathSpacing))
            << '\n';
    const int wrong = out_of_order_stroke(set);
    ASSERT_GT(wrong, 0);
    out << "wrong " << wrong << ' ' << set.point(wrong, 0).x << ' ' << set.point(wrong, 0).y
        << '\n';
    out << "long " << long_meaning_kanji() << '\n';
}

} // namespace
