#include "window/form1.h"
#include "core/lanes.h"

void Form1::showHint(int row, Mistake mistake)
{
    showLaneLine(row, HintText(mistake, m_.Level));
}

void Form1::showLaneLine(int row, const QString &text)
{
    eraseHint(row);
    Canvas &p = panel();
    const double size = p.fontSizePt();
    const QColor ink = p.ForeColor;
    p.setFontSizePt(Lane::HintPt);
    p.ForeColor = Rgb::hint();
    p.CurrentX = Lane::hintAt(row, p.furigana()).x();
    p.CurrentY = Lane::hintAt(row, p.furigana()).y();
    // Kept, so that the next try takes the line away and nothing else.
    hintUnder_[row - 1] = p.save(p.textRect(text));
    p.print(text);
    p.setFontSizePt(size);
    p.ForeColor = ink;
}

void Form1::eraseHint(int row)
{
    std::optional<Canvas::Saved> &under = hintUnder_[row - 1];
    if (under)
        panel().restore(*under);
    under.reset();
}

void Form1::forgetHint(int row)
{
    // The band has been blanked: its hint went with it.
    hintUnder_[row - 1].reset();
}
