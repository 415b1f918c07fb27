#pragma once
// Kanji drawn the way a hand draws them with a pointer, from each kanji's own stroke data: the
// whole kanji a little smaller and off centre, each stroke a little out of place and slowly bent,
// the pointer's reports 3 to 7 pixels apart at whole pixels, and, when asked for, a shake that
// zigzags from one report to the next.
#include "kanji_data.h"
#include "kanji_recogniser.h"
#include "kanji_record.h"
#include "stroke_mapping.h"

#include <cmath>
#include <random>
#include <string>

constexpr int kTestBox = 260;

// Every kanji of the program, in kanji-number order.
inline std::u16string all_kanji() {
    std::u16string kanji;
    for (int k = 1; k <= kKanjiTotal; ++k)
        kanji += KanjiData_LoadRecord(k)->Kanji;
    return kanji;
}

// The kanji's strokes mapped into a 260-pixel box as the practice box maps them.
inline Ink box_strokes(int kanji) {
    Ink ink;
    KanjiData_LoadStrokes(kanji);
    for (int s = 0; s < KanjiData_StrokeCount(); ++s) {
        InkStroke stroke;
        for (int p = 0; p < KanjiData_StrokePointCount(s); ++p) {
            const auto [x, y] = KanjiData_StrokePoint(s, p);
            stroke.push_back(
                {map_design(StrokeScreen::Practice, x), map_design(StrokeScreen::Practice, y)});
        }
        ink.push_back(stroke);
    }
    return ink;
}

// `zigzag` is the shake from one report to the next, as a share of the box.
inline Ink draw_by_hand(const Ink& ink, double zigzag, std::mt19937& rng) {
    const auto uniform = [&rng](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(rng);
    };
    const double c = kTestBox / 2.0, scale = uniform(0.8, 1.0);
    const double dx = uniform(-12, 12), dy = uniform(-12, 12);
    Ink drawn;
    for (const InkStroke& stroke : ink) {
        if (stroke.empty()) continue;
        const double sx = dx + uniform(-3, 3), sy = dy + uniform(-3, 3);
        const auto placed = [&](InkPoint p) {
            return std::pair{c + (p.x - c) * scale + sx, c + (p.y - c) * scale + sy};
        };
        std::vector<std::pair<double, double>> reports{placed(stroke.front())};
        double to_next = uniform(3, 7);
        for (size_t i = 1; i < stroke.size(); ++i) {
            const auto [ax, ay] = placed(stroke[i - 1]);
            const auto [bx, by] = placed(stroke[i]);
            const double d = std::hypot(bx - ax, by - ay);
            double along = 0;
            for (; d - along >= to_next; to_next = uniform(3, 7)) {
                along += to_next;
                reports.push_back({ax + (bx - ax) * along / d, ay + (by - ay) * along / d});
            }
            to_next -= d - along;
        }
        reports.push_back(placed(stroke.back()));
        // A slow bend: half a sine wave along the stroke.
        const double bend_x = uniform(-3, 3), bend_y = uniform(-3, 3);
        InkStroke out;
        for (size_t i = 0; i < reports.size(); ++i) {
            const double arc =
                std::sin(M_PI * double(i) / double(std::max<size_t>(1, reports.size() - 1)));
            const double shake = (i % 2 ? 1 : -1) * zigzag * kTestBox;
            out.push_back({int(std::lround(reports[i].first + bend_x * arc + shake)),
                           int(std::lround(reports[i].second + bend_y * arc - shake))});
        }
        drawn.push_back(out);
    }
    return drawn;
}
