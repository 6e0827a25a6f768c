#pragma once

#include <QString>

// The page that holds the program.
namespace WebPage {

// The page's title, as the browser's tab shows it.
void setTitle(const QString &title);
// In place of the program, the page's own words that the drill has ended
// (index.html); the tab stays open.
void showEnded();
// From the start: the page loaded again, and so drawn again, after the
// browser took its WebGL context away.
void keepDrawingAfterContextLoss();
// The query of the page's address, without its "?".
QString query();

} // namespace WebPage
