#pragma once
// The item stores of the list controls: the texts and the per-item values (colour indices,
// palette entries) that the list views answer on demand. Texts are kept to at most 255
// characters, as the list controls show them.
#include <QString>
#include <cstdint>
#include <vector>

constexpr int kMaxItemTextLength = 255;

// Keeps a text to the longest an item may hold.
QString cut_item_text(const QString& text);

template <typename T> class ItemStore {
  public:
    void append(const T& value) { items_.push_back(value); }
    int count() const { return int(items_.size()); }
    bool valid(int index) const { return index >= 0 && index < count(); }
    // The item at `index`; a default value for an index outside the store.
    T at(int index) const { return valid(index) ? items_[size_t(index)] : T{}; }
    // The first index holding `value`, -1 when absent.
    int find(const T& value) const {
        for (int i = 0; i < count(); ++i)
            if (items_[size_t(i)] == value) return i;
        return -1;
    }
    void remove_at(int index) {
        if (valid(index)) items_.erase(items_.begin() + index);
    }
    void remove_first(const T& value) { remove_at(find(value)); }
    void clear() { items_.clear(); }

  private:
    std::vector<T> items_;
};

// Texts are cut on the way in.
class TextStore : public ItemStore<QString> {
  public:
    void append(const QString& text) { ItemStore<QString>::append(cut_item_text(text)); }
};

using ValueStore = ItemStore<int32_t>;
