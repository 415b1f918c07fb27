#pragma once
// EDICT lines: "WORD [READING] /(tags) gloss/gloss/(2) gloss/.../(P)/".
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct EdictEntry {
    std::u16string word;
    std::u16string reading;
    std::vector<std::u16string> firstSense; // glosses of the first sense, tags removed
    bool common = false;                    // marked (P)
    bool usuallyKana = false;               // first sense tagged (uk): usually written in kana
};

// What the leading tag groups of a gloss say.
struct GlossTags {
    int senseNumber = 0; // the number of a "(2)"-style sense marker; 0 when none
    bool usuallyKana = false;
};

// One line in UTF-8; nullopt for lines without a bracketed reading (kana-only words) or that
// do not parse.
std::optional<EdictEntry> parse_edict_line(std::string_view line);

// Every parsable line of the UTF-8 text, in file order.
std::vector<EdictEntry> parse_edict(std::string_view text);

// A gloss with its leading tag groups ("(n)", "(1)", "(adj-na,n)", "{comp}") removed; `tags`
// tells what they said.
std::u16string strip_gloss_tags(std::u16string_view gloss, GlossTags& tags);
