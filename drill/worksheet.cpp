#include "drill/worksheet.h"

#include "drawing/canvas.h"
#include "drawing/fonts.h"
#include "drawing/paper.h"
#include "drill/family.h"
#include "drill/levels.h"
#include "drill/mistake.h"
#include "core/version.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>

#include <algorithm>

namespace {

// The page, in millimetres.
constexpr double PageWidth = 210, PageHeight = 297;
constexpr double Margin = 12;
constexpr double ContentRight = PageWidth - Margin;
constexpr double ProblemsTop = 40;
constexpr double ProblemsBottom = PageHeight - Margin;
constexpr double FigureLeft = Margin + 11;        // after the problem's number
constexpr double AnswerColumn = 72;                // the question and the answer line
constexpr double AnswerLeft = ContentRight - AnswerColumn;
constexpr double FigureWidthMax = AnswerLeft - 4 - FigureLeft;
constexpr double ProblemGap = 6;
// A figure's unit square of 30 design pixels is 1 cm on paper, as its legend says.
constexpr double FigureScale = 10.0 / 30.0;
// The family's question, set smaller than on the screen.
constexpr double QuestionScale = 0.17;
constexpr double TextHeight = 5.5;   // the sheet's own texts
constexpr double AnswerLineHeight = 12;

// The sheet's own texts are set in the drill's Gothic, 24 pt (32 design
// pixels) scaled to their height on paper.
QFont sheetFont(bool bold = false)
{
    return Fonts::make(Fonts::Gothic, 24, bold);
}

void text(QPainter &p, QPointF topLeft, double heightMm, const QString &s, bool bold = false)
{
    const QFont f = sheetFont(bold);
    const double scale = heightMm / QFontMetricsF(f).height();
    p.save();
    p.translate(topLeft);
    p.scale(scale, scale);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(QPointF(0, QFontMetricsF(f).ascent()), s);
    p.restore();
}

double textWidth(double heightMm, const QString &s)
{
    const QFontMetricsF fm(sheetFont());
    return fm.horizontalAdvance(s) * heightMm / fm.height();
}

void rule(QPainter &p, QPointF from, QPointF to, double widthMm = 0.3)
{
    p.setPen(QPen(Qt::black, widthMm));
    p.drawLine(from, to);
}

bool isQuestion(const DrawOp &op)
{
    const auto *t = std::get_if<Draw::Text>(&op.shape);
    return t && t->at.x() >= Lane::QuestionLeft;
}

double questionHeight(const SheetProblem &q)
{
    return q.question.empty() ? 0 : paperBounds(q.question).height() * QuestionScale;
}

QString sheetLabel(const Worksheet &sheet)
{
    return QStringLiteral("番号　") + QString::number(sheet.number);
}

QString answerText(int level, const SheetProblem &q)
{
    const auto answer = expectedAnswer(level, q.block);
    return answer ? QString::number(answer->number) + QStringLiteral(" ") + unitText(answer->unit) : QString();
}

// What the commonest mistake that the drill names gives for a problem, with
// the line a lane shows for it; empty where the level names none but a
// wrong unit, which the key's own unit shows.
QString commonestMistake(int level, const SheetProblem &q)
{
    const MistakeSet named = levelFacts(level).mistakes & ~mistakeBit(Mistake::Unit);
    for (const MistakenAnswer &a : MistakenAnswers(level, q.block, q.parts))
        if (a.kind != Mistake::Other && a.named == a.kind && (named & mistakeBit(a.kind)))
            return QString::number(a.number, 'g', 15) + QStringLiteral(" ") + a.unit + QStringLiteral("　") +
                   HintText(a.kind, level);
    return {};
}

// Caption, sheet number and a rule below them; the first page asks for the
// pupil's name and the date as well.
void heading(QPainter &p, const Worksheet &sheet, const QString &title, bool nameAndDate)
{
    text(p, {Margin, Margin}, 6.5, QString::fromUtf8(levelFacts(sheet.level).caption), true);
    const QString label = sheetLabel(sheet);
    text(p, {ContentRight - textWidth(TextHeight, label), Margin + 9}, TextHeight, label);
    text(p, {Margin, Margin + 9}, TextHeight, title, true);
    if (nameAndDate) {
        const double y = Margin + 18;
        text(p, {Margin, y}, TextHeight, QStringLiteral("なまえ"));
        rule(p, {Margin + 20, y + TextHeight + 1}, {Margin + 95, y + TextHeight + 1});
        text(p, {Margin + 110, y}, TextHeight, QStringLiteral("　　月　　日"));
        rule(p, {Margin + 105, y + TextHeight + 1}, {Margin + 150, y + TextHeight + 1});
    }
    rule(p, {Margin, ProblemsTop - 3}, {ContentRight, ProblemsTop - 3}, 0.5);
}

void problemPage(QPainter &p, const Worksheet &sheet)
{
    heading(p, sheet, QStringLiteral("プリント"), true);
    for (size_t i = 0; i < sheet.problems.size(); ++i) {
        const SheetProblem &q = sheet.problems[i];
        text(p, {Margin, q.topMm}, TextHeight, QStringLiteral("(%1)").arg(i + 1), true);
        const QRect f = paperBounds(q.figure);
        p.save();
        p.translate(FigureLeft, q.topMm);
        p.scale(q.mmPerPixel, q.mmPerPixel);
        p.translate(-f.topLeft());
        paintOnPaper(p, q.figure);
        p.restore();
        if (!q.question.empty()) {
            const QRect b = paperBounds(q.question);
            const double s = std::min(QuestionScale, AnswerColumn / b.width());
            p.save();
            p.translate(AnswerLeft, q.topMm);
            p.scale(s, s);
            p.translate(-b.topLeft());
            paintOnPaper(p, q.question);
            p.restore();
        }
        // The number on a line, the unit in a box of its own.
        const double y = q.topMm + questionHeight(q) + 3;
        text(p, {AnswerLeft, y + 1}, TextHeight, QStringLiteral("こたえ"));
        rule(p, {AnswerLeft + 18, y + TextHeight + 2}, {AnswerLeft + 50, y + TextHeight + 2});
        p.setPen(QPen(Qt::black, 0.3));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(AnswerLeft + 53, y - 1, 18, TextHeight + 4));
        if (i + 1 < sheet.problems.size()) {
            const double below = q.topMm + q.heightMm + ProblemGap / 2;
            p.setPen(QPen(QColor::fromRgb(Rgb::onPaper(Rgb::grid().rgb())), 0.2));
            p.drawLine(QPointF(Margin, below), QPointF(ContentRight, below));
        }
    }
}

void keyPage(QPainter &p, const Worksheet &sheet)
{
    heading(p, sheet, QStringLiteral("こたえ"), false);
    constexpr double row = 12, mistakeLeft = FigureLeft + 42;
    bool mistakes = false;
    for (size_t i = 0; i < sheet.problems.size(); ++i) {
        const double y = ProblemsTop + row * static_cast<double>(i + 1);
        text(p, {Margin, y}, TextHeight, QStringLiteral("(%1)").arg(i + 1), true);
        text(p, {FigureLeft, y}, TextHeight, answerText(sheet.level, sheet.problems[i]));
        const QString mistaken = commonestMistake(sheet.level, sheet.problems[i]);
        text(p, {mistakeLeft, y}, TextHeight, mistaken);
        mistakes = mistakes || !mistaken.isEmpty();
    }
    // The column's heading only where it holds something.
    if (mistakes)
        text(p, {mistakeLeft, ProblemsTop}, TextHeight * 0.8, QStringLiteral("よくある　まちがいの　こたえ"));
}

} // namespace

std::optional<int> sheetNumberFromText(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 4)
        return std::nullopt;
    int n = 0;
    for (const QChar c : t) {
        if (!c.isDigit() || c.digitValue() < 0)
            return std::nullopt;
        n = 10 * n + c.digitValue();
    }
    if (n < SheetNumberMin || n > SheetNumberMax)
        return std::nullopt;
    return n;
}

Worksheet makeWorksheet(int level, int number)
{
    Worksheet sheet{level, number, {}};
    RandomSource random(static_cast<uint32_t>(number) * 16u + static_cast<uint32_t>(level));
    RowTable table;
    constexpr int row = 1;
    double top = ProblemsTop;
    for (int N = 1; N <= SheetProblemsMax; ++N) {
        Canvas scratch(QSize(LaneBand::Right + 20, LaneBand::bottom(row) + 20), Rgb::white());
        scratch.ForeColor = Rgb::black();
        table.set(row, Col::ProblemCount, N);
        FamilyContext ctx{scratch, random, table, level, row, N, LaneBand::offset(row)};
        const FamilyResult result = runFamily(ctx);
        storeProblem(table, row, N, result);

        SheetProblem q;
        for (const DrawOp &op : scratch.operations())
            (isQuestion(op) ? q.question : q.figure).push_back(op);
        q.block = result.block;
        q.parts = result.parts;
        const QRect f = paperBounds(q.figure);
        q.mmPerPixel = std::min(FigureScale, FigureWidthMax / f.width());
        q.topMm = top;
        q.heightMm = std::max(f.height() * q.mmPerPixel, questionHeight(q) + AnswerLineHeight);
        if (top + q.heightMm > ProblemsBottom)
            break;
        top += q.heightMm + ProblemGap;
        sheet.problems.push_back(std::move(q));
    }
    return sheet;
}

bool paintWorksheet(QPagedPaintDevice &device, const Worksheet &sheet)
{
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter p(&device);
    if (!p.isActive())
        return false;
    p.setRenderHint(QPainter::Antialiasing, true);
    // Millimetres from the paper's corner.
    const double perMm = device.logicalDpiX() / 25.4;
    p.scale(perMm, device.logicalDpiY() / 25.4);
    problemPage(p, sheet);
    if (!device.newPage())
        return false;
    keyPage(p, sheet);
    return p.end();
}

QByteArray worksheetPdf(const Worksheet &sheet)
{
    QByteArray bytes;
    {
        QBuffer out(&bytes);
        out.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&out);
        pdf.setResolution(1200);
        pdf.setCreator(QStringLiteral("Quilmo ") + QString::fromLatin1(Version::Text));
        pdf.setTitle(QString::fromUtf8(levelFacts(sheet.level).caption) + QStringLiteral("　") + sheetLabel(sheet));
        paintWorksheet(pdf, sheet);
    }
    // The writer dates the file; the same date every time, padded to the
    // same length so that the file's offsets stay as they are.
    static const QRegularExpression dated(QStringLiteral(R"(/CreationDate \(D:[^)]*\))"));
    const QString latin = QString::fromLatin1(bytes);
    const QRegularExpressionMatch m = dated.match(latin);
    if (m.hasMatch()) {
        QByteArray fixed("/CreationDate (D:20000101000000Z)");
        if (fixed.size() <= m.capturedLength())
            bytes.replace(m.capturedStart(), m.capturedLength(), fixed.leftJustified(m.capturedLength(), ' '));
    }
    return bytes;
}

QString worksheetFileName(const Worksheet &sheet)
{
    return QStringLiteral("quilmo-L%1-%2.pdf").arg(sheet.level, 2, 10, QLatin1Char('0')).arg(sheet.number);
}
