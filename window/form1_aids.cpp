#include "window/form1.h"
#include "drawing/face.h"

#include "core/screenwidth.h"
#include "drawing/colours.h"
#include "drawing/fonts.h"
#include "window/controls.h"
#include "core/levelpanel.h"

#include <QCheckBox>

namespace {

// A switch answers to a click anywhere on its row, as the level choices do.
class SwitchBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
};

struct SwitchFacts {
    const char *caption;
    int left;
    int width;
};

// In the level panel's free space below the choices, side by side.
constexpr SwitchFacts Switches[] = {
    {"よみあげ", 37, 140},
    {"ふりがな", 187, 140},
    {"よみやすい　もじ", 337, 230},
};

} // namespace

void Form1::buildSwitches()
{
    QWidget *c = Picture7->client();
    bool ReadingAids::*const flags[] = {&ReadingAids::ReadAloud, &ReadingAids::Furigana, &ReadingAids::ReadableFace};
    for (int i = 0; i < static_cast<int>(Check1.size()); ++i) {
        QCheckBox *s = new SwitchBox(QString::fromUtf8(Switches[i].caption), c);
        s->setObjectName(indexed("Check1", i));
        s->setFont(Fonts::make(Fonts::Gothic, 16, true));
        setFace(s, QPalette::Window, Rgb::lavender());
        s->setBackgroundRole(QPalette::Window);
        s->setAutoFillBackground(true);
        connect(s, &QCheckBox::toggled, this, [this, flag = flags[i]](bool on) { m_.Aids.*flag = on; });
        Check1[i] = s;
    }
    connect(Check1[1], &QCheckBox::toggled, this, [this] { showFurigana(); });
    connect(Check1[2], &QCheckBox::toggled, this, [this] { useReadableFace(); });
}

void Form1::layOutSwitches()
{
    const LevelPanel::Layout &l = LevelPanel::layout(isWideLayout(m_.ScreenWidthPx));
    for (int i = 0; i < static_cast<int>(Check1.size()); ++i)
        Check1[i]->setGeometry(Switches[i].left, l.switchesTop, Switches[i].width, l.switchesHeight);
}
