// The README's table of levels, made from the levels' own table so the two
// cannot drift apart.
//   readme_levels                 prints the table
//   readme_levels --check FILE    fails when FILE's table is not that one
//   readme_levels --write FILE    puts that table into FILE
#include "drill/levels.h"

#include <QFile>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

namespace {

const QString Begin = QStringLiteral("<!-- levels: made by readme_levels from drill/levels.cpp; do not edit -->\n");
const QString End = QStringLiteral("<!-- end of levels -->\n");

QString answeredIn(const LevelFacts &f)
{
    switch (f.answer) {
    case AnswerUnit::Listed: {
        QStringList units;
        for (int i = 0; i < f.unitCount; ++i)
            units << unitText(f.units[i].unit);
        return units.join(QStringLiteral(", "));
    }
    case AnswerUnit::LengthCode: return QStringLiteral("ｃ㎡, ㎡ or ｋ㎡, as the sides are given");
    case AnswerUnit::AreaCode: return QStringLiteral("the unit the question asks for");
    }
    return {};
}

QString table()
{
    QString t = Begin + QStringLiteral("| Level | On the level panel | What the pupils do | Answered in |\n|---|---|---|---|\n");
    for (int level = 1; level <= LevelCount; ++level) {
        const LevelFacts &f = levelFacts(level);
        const QString caption = QString::fromUtf8(f.caption);
        const int space = caption.indexOf(QLatin1Char(' '));
        t += QStringLiteral("| %1 | %2 | %3 | %4 |\n")
                 .arg(caption.left(space), caption.mid(space + 1), QString::fromUtf8(f.description), answeredIn(f));
    }
    return t + End;
}

} // namespace

int main(int argc, char **argv)
{
    QTextStream out(stdout);
    if (argc == 1) {
        out << table();
        return 0;
    }
    const QString mode = QString::fromLocal8Bit(argv[1]);
    if (argc != 3 || (mode != QLatin1String("--check") && mode != QLatin1String("--write"))) {
        std::fprintf(stderr, "usage: readme_levels [--check|--write FILE]\n");
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[2]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "readme_levels: cannot read %s\n", argv[2]);
        return 2;
    }
    const QString text = QString::fromUtf8(file.readAll());
    file.close();
    const int begin = text.indexOf(Begin), end = text.indexOf(End, begin);
    if (begin < 0 || end < 0) {
        std::fprintf(stderr, "readme_levels: %s has no table of levels between its markers\n", argv[2]);
        return 1;
    }
    const QString current = text.mid(begin, end + End.size() - begin);
    if (mode == QLatin1String("--check")) {
        if (current == table())
            return 0;
        std::fprintf(stderr, "readme_levels: the table in %s differs from the levels; remake it with --write\n", argv[2]);
        return 1;
    }
    QString updated = text;
    updated.replace(begin, current.size(), table());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(updated.toUtf8()) < 0) {
        std::fprintf(stderr, "readme_levels: cannot write %s\n", argv[2]);
        return 2;
    }
    return 0;
}
