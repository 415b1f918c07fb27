// The recogniser over the zinnia library and the Japanese model of the Debian package
// tegaki-zinnia-japanese. This is the one file that sees the library.
#include "kanji_recogniser.h"

#include "kanji_recogniser_ink.h"
#include "kanji_recogniser_model.h"

#include <zinnia.h>

#include <cstring>
#include <filesystem>
#include <unordered_map>
#include <unordered_set>

namespace {

const char* const kDebianModelPath = "/usr/share/tegaki/models/zinnia/handwriting-ja.model";
std::string g_model_path;

// The model asked for more candidates than are shown, since some of its characters are not among
// the program's kanji (kana, other kanji).
constexpr size_t kModelCandidates = 50;

class ZinniaRecogniser : public KanjiRecogniser {
  public:
    // `model` must hold a sound model; false when the library refuses it all the same.
    bool open(std::vector<uint8_t> model, const std::u16string& kanji) {
        model_ = std::move(model);
        for (size_t i = 0; i < kanji.size(); ++i)
            numbers_.emplace(kanji[i], int(i + 1));
        recogniser_.reset(zinnia::Recognizer::create());
        return recogniser_ &&
               recogniser_->open(reinterpret_cast<const char*>(model_.data()), model_.size());
    }

    std::vector<int> recognise(const Ink& strokes, int box_size, int count) override {
        std::vector<int> found;
        const Ink ink = prepare_ink(strokes, box_size);
        if (ink.empty() || box_size <= 0 || count <= 0) return found;
        std::unique_ptr<zinnia::Character> character(zinnia::Character::create());
        character->set_width(size_t(box_size));
        character->set_height(size_t(box_size));
        for (size_t s = 0; s < ink.size(); ++s)
            for (const InkPoint& p : ink[s])
                character->add(s, p.x, p.y);
        std::unique_ptr<zinnia::Result> result(recogniser_->classify(*character, kModelCandidates));
        if (!result) return found;
        for (size_t i = 0; i < result->size() && int(found.size()) < count; ++i) {
            const char* value = result->value(i);
            if (!value) continue;
            const auto known =
                numbers_.find(single_utf8_character({value, strnlen(value, kModelCharacterBytes)}));
            if (known != numbers_.end()) found.push_back(known->second);
        }
        return found;
    }

  private:
    std::vector<uint8_t> model_; // the library reads the model where it lies, here
    std::unique_ptr<zinnia::Recognizer> recogniser_;
    std::unordered_map<char16_t, int> numbers_;
};

} // namespace

std::string handwriting_model_path() {
    return g_model_path.empty() ? kDebianModelPath : g_model_path;
}

void set_handwriting_model_path(const std::string& path) {
    g_model_path = path;
}

bool handwriting_model_present() {
    std::error_code error;
    return std::filesystem::is_regular_file(handwriting_model_path(), error);
}

std::unique_ptr<KanjiRecogniser> open_kanji_recogniser(const std::u16string& kanji) {
    // Only the program's kanji are kept: the rest of the model would never be offered, and would
    // hold three times the memory while the Draw a Kanji window is open.
    std::unordered_set<char16_t> wanted(kanji.begin(), kanji.end());
    std::optional<std::vector<uint8_t>> model = read_model_keeping(
        handwriting_model_path(), [&](char16_t c) { return wanted.count(c) != 0; });
    if (!model || !handwriting_model_sound(*model)) return nullptr;
    auto recogniser = std::make_unique<ZinniaRecogniser>();
    if (!recogniser->open(std::move(*model), kanji)) return nullptr;
    return recogniser;
}
