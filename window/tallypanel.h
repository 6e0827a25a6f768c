#pragma once

#include "core/lanes.h"
#include "drill/tally.h"
#include "window/borderbox.h"

#include <array>
#include <vector>

class QLabel;
class QPushButton;

// After the finish, how each started lane did: problems done, ○ △ ×, and
// the right answers of the × problems. Its one button hides it, which
// leaves the level panel beneath. It keeps nothing once it is hidden.
class TallyPanel : public BorderBox {
    Q_OBJECT
public:
    explicit TallyPanel(QWidget *parent);

    void showTally(const std::vector<LaneTally> &lanes);

    QPushButton *back() const { return back_; }
    // Room above the lanes' lines for the readings of their kanji.
    void setFurigana(bool on) { furigana_ = on; }

protected:
    void resizeEvent(QResizeEvent *e) override;

private:
    struct Card {
        BorderBox *box = nullptr;
        QLabel *name = nullptr;
        QLabel *counts = nullptr;
        QLabel *missed = nullptr;
    };
    void layOut();
    QLabel *heading_ = nullptr;
    QPushButton *back_ = nullptr;
    std::array<Card, Lane::Count> cards_;
    bool furigana_ = false;
};

// The × problems' answers as lines no wider than width pixels in font, at
// most maxLines of them; what does not fit is counted at the end.
QString missedLines(const std::vector<ExpectedAnswer> &missed, const QFont &font, int width, int maxLines);
