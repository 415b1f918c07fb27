#include "choice_question.h"

#include "random.h"
#include "reading_entries.h"
#include "trace.h"

#include <algorithm>
#include <utility>
#include <vector>

ChoiceKind choice_kind(ExerciseKind kind) {
    switch (kind) {
    case ExerciseKind::OnPronunciationMC:
        return ChoiceKind::On;
    case ExerciseKind::KunPronunciationMC:
        return ChoiceKind::Kun;
    default:
        return ChoiceKind::Meaning;
    }
}

int ChoiceQuestion::row_kanji(int row) const {
    if (row == correctPosition) return kanji;
    return wrong_kanji[row < correctPosition ? row : row - 1];
}

const std::u16string& ChoiceQuestion::row_text(int row, bool romaji) const {
    if (row == correctPosition) return romaji ? right_romaji : right_text;
    const int i = row < correctPosition ? row : row - 1;
    return romaji ? wrong_romaji[i] : wrong_texts[i];
}

namespace {

std::u16string answer_text(ChoiceKind kind, const KanjiRecord& r) {
    switch (kind) {
    case ChoiceKind::On:
        return r.OnPronun.text();
    case ChoiceKind::Kun:
        return r.KunPronun.text();
    default:
        return r.Meaning.text();
    }
}

std::u16string romaji_text(ChoiceKind kind, const KanjiRecord& r) {
    if (kind == ChoiceKind::On) return r.OnRomaji.text();
    if (kind == ChoiceKind::Kun) return r.KunRomaji.text();
    return {};
}

// The four wrong answers as they are drawn, with the acceptance test of the exercise.
class WrongAnswerDraw {
  public:
    WrongAnswerDraw(ChoiceKind kind, int current, KanjiSource& source)
        : kind_(kind), current_(current), source_(source) {
        if (kind_ != ChoiceKind::Meaning)
            if (const KanjiRecord* r = source_.record(current))
                groups_.push_back(reading_group(romaji_text(kind_, *r)));
    }

    // Accepts the kanji when it is another kanji with an answer text and, for ON and KUN, none
    // of its readings is a reading of the current kanji or of an accepted one.
    bool offer(int kanji) {
        if (kanji <= 0 || kanji == current_) return false;
        if (std::find(accepted_.begin(), accepted_.end(), kanji) != accepted_.end()) return false;
        const KanjiRecord* r = source_.record(kanji);
        if (!r) return false;
        if (kind_ == ChoiceKind::Meaning) {
            if (r->Meaning.empty()) return false;
        } else {
            const std::u16string romaji = romaji_text(kind_, *r);
            if (romaji.empty()) return false;
            Entries group = reading_group(romaji);
            for (const Entries& other : groups_)
                if (share_an_entry(group, other)) return false;
            groups_.push_back(std::move(group));
        }
        accepted_.push_back(kanji);
        return true;
    }

    int count() const { return static_cast<int>(accepted_.size()); }
    const std::vector<int>& accepted() const { return accepted_; }

  private:
    ChoiceKind kind_;
    int current_;
    KanjiSource& source_;
    std::vector<int> accepted_;
    std::vector<Entries> groups_; // group 0: the current kanji
};

void meaning_list_phase(WrongAnswerDraw& draw, int exercise_count, KanjiSource& source) {
    const int list_count = source.learning_count();
    if (list_count <= 0) return;
    const int asked = exercise_count < 3 ? std::min(list_count - 1, 4) : 2;
    for (int draws = 0; draw.count() < asked && draws < kMeaningListDrawLimit; ++draws)
        draw.offer(source.learning_at(random_next() % list_count));
}

// Ends after 10 draws or once more than the number asked for were accepted.
void reading_list_phase(WrongAnswerDraw& draw, ChoiceKind kind, KanjiSource& source) {
    const int list_count = source.learning_count();
    if (list_count <= 0) return;
    const int asked = list_count < 3 ? list_count - 1 : 2;
    int draws = 0;
    do {
        const int kanji = source.learning_at(random_next() % list_count);
        ++draws;
        if (draw.offer(kanji) && kind == ChoiceKind::Kun)
            if (const KanjiRecord* r = source.record(kanji))
                trace(">> %s\n", utf16_to_utf8(r->KunRomaji.text()).c_str());
    } while (draws < kReadingListDrawLimit && draw.count() <= asked);
}

void pool_phase(WrongAnswerDraw& draw, KanjiSource& source) {
    const int pool = source.pool_count();
    if (pool <= 0) return;
    for (int draws = 0; draw.count() < kWrongAnswers && draws < kPoolDrawLimit; ++draws) {
        const int index = random_next() % pool;
        if (index != 0) draw.offer(source.pool_at(index)); // entry 0 is no kanji
    }
}

std::array<int, kWrongAnswers> shuffled(const std::vector<int>& accepted) {
    std::array<int, kWrongAnswers> order{-1, -1, -1, -1};
    std::copy_n(accepted.begin(), std::min<size_t>(accepted.size(), kWrongAnswers), order.begin());
    for (int n = 0; n < 12; ++n) {
        const int i = random_next() % kWrongAnswers;
        const int j = random_next() % kWrongAnswers;
        std::swap(order[i], order[j]);
    }
    return order;
}

} // namespace

ChoiceQuestion build_choice_question(ChoiceKind kind, int kanji, int exercise_count,
                                     KanjiSource& source) {
    ChoiceQuestion q;
    q.kanji = kanji;
    if (const KanjiRecord* r = source.record(kanji)) {
        q.character = r->Kanji;
        q.right_text = answer_text(kind, *r);
        q.right_romaji = romaji_text(kind, *r);
    }
    WrongAnswerDraw draw(kind, kanji, source);
    if (kind == ChoiceKind::Meaning)
        meaning_list_phase(draw, exercise_count, source);
    else
        reading_list_phase(draw, kind, source);
    pool_phase(draw, source);
    if (kind == ChoiceKind::On)
        trace("4 wszTmpKanji %s\n", utf16_to_utf8(std::u16string(1, q.character)).c_str());

    q.wrong_kanji = shuffled(draw.accepted());
    for (int i = 0; i < kWrongAnswers; ++i) {
        const KanjiRecord* r = q.wrong_kanji[i] > 0 ? source.record(q.wrong_kanji[i]) : nullptr;
        if (!r) continue;
        q.wrong_texts[i] = answer_text(kind, *r);
        q.wrong_romaji[i] = romaji_text(kind, *r);
    }
    q.correctPosition = random_next() % kChoiceRows;
    return q;
}
