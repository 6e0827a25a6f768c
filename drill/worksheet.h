#pragma once

#include "drawing/drawop.h"
#include "drill/judge.h"
#include "core/rowtable.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>
#include <vector>

class QPagedPaintDevice;

// A worksheet on paper: problems of one level made by the level's family
// from the sheet's number, so that the number makes the same sheet again.
constexpr int SheetNumberMin = 1;
constexpr int SheetNumberMax = 9999;
constexpr int SheetProblemsMax = 10;

// The sheet number typed into the field beside プリント: digits only
// (full-width ones too), within the range; none for anything else.
std::optional<int> sheetNumberFromText(const QString &text);

struct SheetProblem {
    std::vector<DrawOp> figure;   // what the family drew, its question left out
    std::vector<DrawOp> question; // the family's question, right of every figure
    std::array<int32_t, 4> block{};
    FigureParts parts{};
    // Where it goes on the first page, in millimetres from the paper's top,
    // and how many millimetres a design pixel of its figure takes.
    double topMm = 0;
    double heightMm = 0;
    double mmPerPixel = 0;
};

struct Worksheet {
    int level = 1;
    int number = SheetNumberMin;
    std::vector<SheetProblem> problems; // as many as fit on the page
};

// Level 1 to LevelCount, number in range.
Worksheet makeWorksheet(int level, int number);

// The sheet and its answer key, one A4 page each, on a printer or a PDF.
// False when the device cannot be painted on.
bool paintWorksheet(QPagedPaintDevice &device, const Worksheet &sheet);
// The same as a PDF whose bytes depend on nothing but the sheet and the
// program: no time of making in it.
QByteArray worksheetPdf(const Worksheet &sheet);
// The name a saved sheet is offered under.
QString worksheetFileName(const Worksheet &sheet);
