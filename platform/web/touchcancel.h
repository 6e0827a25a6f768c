#pragma once

// A touch that the system takes back (an iPad's swipe from the screen's
// edge, the browser's own gesture) reaches Qt as a cancelled touch and then
// as the release of the mouse press it stood for, at the touch's last point,
// which a button would take for a click. From install() on, that release is
// handed to its widget far off every control: the button lets go, unclicked.
namespace TouchCancel {

void install();

} // namespace TouchCancel
