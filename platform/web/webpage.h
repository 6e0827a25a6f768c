#pragma once

#include <QString>

// The page that holds the program.
namespace WebPage {

// The page's title, as the browser's tab shows it.
void setTitle(const QString &title);
// In place of the program, the page's own words that the drill has ended
// (index.html); the tab stays open.
void showEnded();
// From the start: drawn again after the browser took its WebGL context away
// and gave it back, or loaded again where it does not give it back.
void keepDrawingAfterContextLoss();
// The query of the page's address, without its "?".
QString query();

} // namespace WebPage
