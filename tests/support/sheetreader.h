#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

// Worksheets read back as a teacher's printer would see them: with Poppler's
// tools, never from the generator.
namespace SheetReader {

// Whether pdfinfo, pdftotext and pdftoppm are here.
bool available();
// Writes a sheet's bytes to `path` for the tools to read; the path, or
// empty where it could not be written.
QString saved(const QByteArray &pdf, const QString &path);
// A tool's standard output; empty where it failed.
QString run(const QString &tool, const QStringList &args);
// The first page in grey at `dpi`.
QImage render(const QString &pdf, int dpi);

// The text of the two pages as laid out, and the problems numbered on the
// first: problems[k] is what follows "(k)", without line breaks.
struct Pages {
    QString questions, key;
    QStringList problems;
};
Pages pages(const QString &pdf);

// The words of the first page, in points from its top-left corner.
struct Word {
    QString text;
    QRectF box;
};
QList<Word> words(const QString &pdf);

// Parts of the figures filled in grey (the printed yellow), each edged in
// black: a unit square or a half of one.
struct Filled {
    QRect box;
    int pixels = 0;
};
QList<Filled> filledSquares(const QImage &page, QRect band);

} // namespace SheetReader
