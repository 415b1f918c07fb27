#pragma once
// The clue panel of the kanji grid search: what to look for (a meaning, an ON or a KUN reading,
// the readings in kana or romaji) on a sunken box.
#include "grid_look.h"
#include "surface_widget.h"

class CluePanel : public SurfaceWidget {
  public:
    static CluePanel* create(QWidget* parent, int x, int y);

    void set_clue(const GridQuestion& question, bool show_romaji);
    void set_romaji(bool show_romaji);
    ClueLook look() const;

  protected:
    void render() override;

  private:
    explicit CluePanel(QWidget* parent);

    GridQuestion question_;
    bool show_romaji_ = false;
    bool has_clue_ = false;
};
