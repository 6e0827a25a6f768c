#include "support/sheetreader.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace SheetReader {

bool available()
{
    for (const char *tool : {"pdfinfo", "pdftotext", "pdftoppm"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return false;
    return true;
}

QString run(const QString &tool, const QStringList &args)
{
    QProcess p;
    p.start(tool, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString saved(const QByteArray &pdf, const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(pdf) != pdf.size())
        return {};
    return path;
}

QImage render(const QString &pdf, int dpi)
{
    const QString base = pdf + QStringLiteral("-page");
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-gray"), QStringLiteral("-r"), QString::number(dpi),
                                      QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-singlefile"), pdf, base});
    return QImage(base + QStringLiteral(".pgm"));
}

Pages pages(const QString &pdf)
{
    const QStringList both = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")})
                                 .split(QLatin1Char('\f'));
    Pages p{both.value(0), both.value(1), {}};
    static const QRegularExpression numbered(QStringLiteral("\\((\\d+)\\)"));
    const QStringList parts = p.questions.split(numbered);
    for (const QString &part : parts)
        p.problems << QString(part).remove(QLatin1Char('\n'));
    p.problems[0].clear(); // the heading
    return p;
}

QList<Word> words(const QString &pdf)
{
    const QString xml = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                                                          QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-")});
    static const QRegularExpression word(
        QStringLiteral("xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)<"));
    QList<Word> found;
    for (auto it = word.globalMatch(xml); it.hasNext();) {
        const auto m = it.next();
        found.append({m.captured(5), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                            QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    }
    return found;
}

QList<Filled> filledSquares(const QImage &page, QRect band)
{
    QImage seen(page.size(), QImage::Format_Mono);
    seen.fill(0);
    QList<Filled> found;
    auto fill = [&](int x, int y) { return qAbs(qGray(page.pixel(x, y)) - 220) <= 6; };
    for (int y = band.top(); y <= band.bottom(); ++y)
        for (int x = band.left(); x <= band.right(); ++x) {
            if (!fill(x, y) || seen.pixelIndex(x, y))
                continue;
            QRect box(x, y, 1, 1);
            int pixels = 0;
            QList<QPoint> todo{{x, y}};
            seen.setPixel(x, y, 1);
            while (!todo.isEmpty()) {
                const QPoint p = todo.takeLast();
                box |= QRect(p, QSize(1, 1));
                ++pixels;
                for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint n = p + d;
                    if (page.rect().contains(n) && !seen.pixelIndex(n.x(), n.y()) && fill(n.x(), n.y())) {
                        seen.setPixel(n.x(), n.y(), 1);
                        todo.append(n);
                    }
                }
            }
            if (box.width() > 5 && box.height() > 5)
                found.append({box, pixels});
        }
    return found;
}

} // namespace SheetReader
