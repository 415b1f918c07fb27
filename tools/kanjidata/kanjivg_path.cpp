#include "kanjivg_path.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace {

constexpr int kCurveSteps = 24; // per cubic segment; a KanjiVG segment spans a few units at most

class PathScanner {
  public:
    explicit PathScanner(std::string_view d) : d_(d) {}

    void skip_separators() {
        while (pos_ < d_.size() && (std::isspace((unsigned char)d_[pos_]) || d_[pos_] == ','))
            ++pos_;
    }
    bool at_end() {
        skip_separators();
        return pos_ >= d_.size();
    }
    bool at_number() {
        skip_separators();
        if (pos_ >= d_.size()) return false;
        const char c = d_[pos_];
        return std::isdigit((unsigned char)c) || c == '-' || c == '+' || c == '.';
    }
    char command() { return d_[pos_++]; }
    std::optional<double> number() {
        skip_separators();
        size_t start = pos_;
        if (start < d_.size() && d_[start] == '+') ++start;
        double v = 0;
        auto [end, ec] = std::from_chars(d_.data() + start, d_.data() + d_.size(), v);
        if (ec != std::errc() || !std::isfinite(v)) return std::nullopt;
        pos_ = size_t(end - d_.data());
        return v;
    }
    std::optional<Vec2> point(Vec2 origin) {
        auto x = number();
        auto y = number();
        if (!x || !y) return std::nullopt;
        return Vec2{origin.x + *x, origin.y + *y};
    }

  private:
    std::string_view d_;
    size_t pos_ = 0;
};

Vec2 cubic(Vec2 a, Vec2 b, Vec2 c, Vec2 d, double t) {
    const double u = 1 - t;
    const double w0 = u * u * u, w1 = 3 * u * u * t, w2 = 3 * u * t * t, w3 = t * t * t;
    return {w0 * a.x + w1 * b.x + w2 * c.x + w3 * d.x, w0 * a.y + w1 * b.y + w2 * c.y + w3 * d.y};
}

void add_cubic(Polyline& line, Vec2 a, Vec2 b, Vec2 c, Vec2 d) {
    for (int i = 1; i <= kCurveSteps; ++i)
        line.points.push_back(cubic(a, b, c, d, double(i) / kCurveSteps));
}

} // namespace

std::vector<std::string> svg_path_data(std::string_view svg) {
    std::vector<std::string> out;
    size_t pos = 0;
    while ((pos = svg.find("<path", pos)) != std::string_view::npos) {
        const size_t tagEnd = svg.find('>', pos);
        const size_t attr = svg.find(" d=\"", pos);
        if (tagEnd == std::string_view::npos) break;
        if (attr != std::string_view::npos && attr < tagEnd) {
            const size_t start = attr + 4;
            const size_t end = svg.find('"', start);
            if (end == std::string_view::npos || end > tagEnd) break;
            out.emplace_back(svg.substr(start, end - start));
        }
        pos = tagEnd;
    }
    return out;
}

std::optional<Polyline> flatten_path(std::string_view d) {
    PathScanner scan(d);
    Polyline line;
    Vec2 current, lastControl;
    char cmd = 0;
    while (!scan.at_end()) {
        if (!scan.at_number()) cmd = scan.command();
        const bool relative = std::islower((unsigned char)cmd);
        const Vec2 origin = relative ? current : Vec2{};
        const char kind = char(std::toupper((unsigned char)cmd));
        if (kind == 'M' || kind == 'L') {
            auto p = scan.point(origin);
            if (!p) return std::nullopt;
            line.points.push_back(*p);
            current = lastControl = *p;
            if (kind == 'M') cmd = relative ? 'l' : 'L'; // further pairs are line-tos
        } else if (kind == 'C' || kind == 'S') {
            std::optional<Vec2> c1;
            if (kind == 'C')
                c1 = scan.point(origin);
            else
                c1 = Vec2{2 * current.x - lastControl.x, 2 * current.y - lastControl.y};
            auto c2 = scan.point(origin);
            auto end = scan.point(origin);
            if (!c1 || !c2 || !end) return std::nullopt;
            if (line.points.empty()) line.points.push_back(current);
            add_cubic(line, current, *c1, *c2, *end);
            lastControl = *c2;
            current = *end;
        } else {
            return std::nullopt;
        }
    }
    if (line.points.empty()) return std::nullopt;
    return line;
}
