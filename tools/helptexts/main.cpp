// helptexts TOPICS_DIR OUT_DIR: turns the help panel's topic texts into the resources of
// dlls/instr.rcc. Each "<t>.txt" (UTF-8) holds a title line, a blank line and the body, whose
// lines are joined with blanks and whose blank lines start a new line. The tool writes, per
// topic, OUT_DIR/instr/<100t+1> (title) and OUT_DIR/instr/<100t> (body), UTF-16LE led by the
// byte-order mark, and OUT_DIR/instr.qrc listing them as ":/instr/<number>".
#include "counted_text.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

struct Topic {
    std::string title;
    std::string body;
};

std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

Topic read_topic(const fs::path& file) {
    std::ifstream in(file);
    Topic t;
    std::getline(in, t.title);
    t.title = trimmed(t.title);
    std::string line;
    bool new_line = true;
    while (std::getline(in, line)) {
        line = trimmed(line);
        if (line.empty()) {
            if (!t.body.empty()) t.body += '\n';
            new_line = true;
            continue;
        }
        if (!new_line) t.body += ' ';
        t.body += line;
        new_line = false;
    }
    while (!t.body.empty() && t.body.back() == '\n')
        t.body.pop_back();
    return t;
}

bool write_text(const fs::path& file, const std::string& utf8) {
    std::u16string text = u"\uFEFF" + utf8_to_utf16(utf8);
    std::string bytes;
    for (char16_t c : text) {
        bytes += static_cast<char>(c & 0xff);
        bytes += static_cast<char>(c >> 8);
    }
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bool(out);
}

// "<t>.txt" with t from 1 to 99; 0 otherwise.
int topic_number(const fs::path& file) {
    if (file.extension() != ".txt") return 0;
    const std::string stem = file.stem().string();
    if (stem.empty() || stem.size() > 2 ||
        stem.find_first_not_of("0123456789") != std::string::npos)
        return 0;
    return std::stoi(stem);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: helptexts TOPICS_DIR OUT_DIR\n", stderr);
        return 2;
    }
    const fs::path topics(argv[1]), out(argv[2]);
    std::map<int, Topic> all;
    for (const auto& entry : fs::directory_iterator(topics))
        if (int t = topic_number(entry.path()); t > 0) all[t] = read_topic(entry.path());
    fs::create_directories(out / "instr");
    std::ostringstream qrc;
    qrc << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/instr\">\n";
    for (const auto& [t, topic] : all) {
        for (const auto& [number, text] :
             {std::pair{100 * t + 1, topic.title}, std::pair{100 * t, topic.body}}) {
            const std::string name = std::to_string(number);
            if (!write_text(out / "instr" / name, text)) {
                std::fprintf(stderr, "helptexts: could not write %s\n", name.c_str());
                return 1;
            }
            qrc << "  <file alias=\"" << name << "\">instr/" << name << "</file>\n";
        }
    }
    qrc << "</qresource>\n</RCC>\n";
    std::ofstream(out / "instr.qrc") << qrc.str();
    std::printf("helptexts: %zu topics\n", all.size());
    return all.empty() ? 1 : 0;
}
