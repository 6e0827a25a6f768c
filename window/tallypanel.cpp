#include "window/tallypanel.h"

#include "drawing/colours.h"
#include "drawing/face.h"
#include "drawing/fonts.h"
#include "drawing/ruby.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

namespace {

// The lanes as the pupils sit at them.
const char *const LaneNames[Lane::Count] = {"上の　だん", "まん中の　だん", "下の　だん"};

constexpr int Top = 56;   // below the heading and the button
constexpr int Gap = 8;
constexpr int Inset = 10; // of a card's texts

QLabel *label(QWidget *parent, const QString &name, const QFont &font)
{
    auto *l = new QLabel(parent);
    l->setObjectName(name);
    l->setFont(font);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFace(l, QPalette::WindowText, Rgb::black());
    return l;
}

QString answerText(const ExpectedAnswer &a)
{
    return QString::number(a.number) + unitText(a.unit);
}

} // namespace

QString missedLines(const std::vector<ExpectedAnswer> &missed, const QFont &font, int width, int maxLines)
{
    if (missed.empty())
        return QStringLiteral("×は　ありません");
    const QFontMetrics fm(font);
    const QString separator = QStringLiteral("　");
    QStringList lines{QStringLiteral("×の　こたえ：")};
    size_t shown = 0;
    for (; shown < missed.size(); ++shown) {
        const QString answer = answerText(missed[shown]);
        const QString longer = lines.back() + separator + answer;
        if (fm.horizontalAdvance(longer) <= width) {
            lines.back() = longer;
            continue;
        }
        if (static_cast<int>(lines.size()) >= maxLines)
            break;
        lines.push_back(answer);
    }
    if (shown < missed.size()) {
        // Room for the count of the rest, at the cost of answers if need be.
        const auto rest = [&] { return QStringLiteral("　ほか%1もん").arg(missed.size() - shown); };
        while (shown > 0 && fm.horizontalAdvance(lines.back() + rest()) > width) {
            --shown;
            const int cut = lines.back().lastIndexOf(separator);
            if (cut < 0) {
                lines.removeLast();
                break;
            }
            lines.back().truncate(cut);
        }
        lines.back() += rest();
    }
    return lines.join(QLatin1Char('\n'));
}

TallyPanel::TallyPanel(QWidget *parent)
    : BorderBox(QStringLiteral("Tally"), parent)
{
    setBackground(Rgb::panel());
    QWidget *c = client();
    heading_ = label(c, QStringLiteral("TallyHeading"), Fonts::make(Fonts::PMincho, 20.25, true));
    heading_->setText(QStringLiteral("みんなの　せいせき"));
    back_ = new QPushButton(QStringLiteral("レベルを　えらぶ"), c);
    back_->setObjectName(QStringLiteral("TallyBack"));
    back_->setFont(Fonts::make(Fonts::PMincho, 14.25, true));
    back_->setFocusPolicy(Qt::TabFocus);
    setButtonFace(back_, Rgb::lightGreen());
    connect(back_, &QPushButton::clicked, this, &QWidget::hide);
    for (int i = 0; i < Lane::Count; ++i) {
        Card &card = cards_[i];
        card.box = new BorderBox(QStringLiteral("TallyLane(%1)").arg(i), c);
        card.box->setBackground(Rgb::white());
        QWidget *in = card.box->client();
        card.name = label(in, QStringLiteral("TallyName(%1)").arg(i), Fonts::make(Fonts::PMincho, 18, true));
        card.name->setText(QString::fromUtf8(LaneNames[i]));
        card.counts = label(in, QStringLiteral("TallyCounts(%1)").arg(i), Fonts::make(Fonts::Gothic, 18, false));
        card.missed = label(in, QStringLiteral("TallyMissed(%1)").arg(i), Fonts::make(Fonts::Gothic, 14.25, false));
    }
    hide();
}

void TallyPanel::resizeEvent(QResizeEvent *e)
{
    BorderBox::resizeEvent(e);
    layOut();
}

void TallyPanel::layOut()
{
    const QSize inner = client()->size();
    heading_->setGeometry(12, 14, inner.width() - 200, 30);
    back_->setGeometry(inner.width() - 180, 8, 170, 41);
    const int cardHeight = (inner.height() - Top - Lane::Count * Gap) / Lane::Count;
    for (int i = 0; i < Lane::Count; ++i) {
        const Card &card = cards_[i];
        card.box->setGeometry(Gap, Top + i * (cardHeight + Gap), inner.width() - 2 * Gap, cardHeight);
        // From the card's own size: a hidden card's inside follows only once shown.
        const int frame = 2 * card.box->frameWidth();
        const int width = card.box->width() - frame - 2 * Inset;
        const int room = furigana_ ? Ruby::room(card.name->font()) : 0;
        card.name->setGeometry(Inset, 6, 200, 28 + room);
        card.counts->setGeometry(Inset + 200, 8, width - 200, 28 + room);
        card.missed->setGeometry(Inset, 40 + room, width, std::max(0, card.box->height() - frame - 44 - room));
    }
}

void TallyPanel::showTally(const std::vector<LaneTally> &lanes)
{
    layOut();
    for (const Card &card : cards_)
        card.box->hide();
    for (const LaneTally &t : lanes) {
        if (t.lane < 1 || t.lane > Lane::Count)
            continue;
        const Card &card = cards_[t.lane - 1];
        card.counts->setText(QStringLiteral("といた　問題　%1もん　　○ %2　△ %3　× %4")
                                 .arg(t.done).arg(t.right).arg(t.later).arg(t.wrong));
        const QFontMetrics fm(card.missed->font());
        const int lines = std::max(1, card.missed->height() / fm.lineSpacing());
        card.missed->setText(missedLines(t.missed, card.missed->font(), card.missed->width(), lines));
        card.box->show();
    }
    show();
    raise();
}
